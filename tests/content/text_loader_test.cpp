#include <gtest/gtest.h>

#include <stdexcept>

#include "content/text_loader.hpp"
#include "support/message_of.hpp"
#include "support/temp_dir.hpp"

namespace {

TEST(text_loader, returns_the_bytes_unchanged)
{
    test::temp_dir dir;
    dir.write("shaders/empty.glsl", "");
    dir.write("shaders/crlf.glsl", std::string("a\r\nb\0c\r\n", 8));
    content::text_loader loader(dir.path() + "/");
    EXPECT_EQ(*loader.load("shaders/empty.glsl"), "");
    EXPECT_EQ(*loader.load("shaders/crlf.glsl"), std::string("a\r\nb\0c\r\n", 8));
    // The root and the name are joined as they stand; a directory is no file either.
    for (const std::string name : {"/missing.glsl", "shaders"}) {
        EXPECT_EQ(test::message_of<std::runtime_error>([&] { loader.load(name); }),
                  "Stream could not be opened. File name: " + dir.path() + "/" + name);
    }
}

} // namespace
