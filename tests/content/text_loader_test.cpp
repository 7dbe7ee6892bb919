#include <gtest/gtest.h>

#include <stdexcept>

#include "content/text_loader.hpp"
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
}

TEST(text_loader, loads_a_new_object_every_time)
{
    test::temp_dir dir;
    dir.write("a.txt", "x");
    content::text_loader loader(dir.path() + "/");
    std::shared_ptr<std::string> first = loader.load_shared("a.txt");
    std::shared_ptr<std::string> second = loader.load_shared("a.txt");
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(*first, *second);
}

TEST(text_loader, missing_file_names_the_full_path)
{
    content::text_loader loader("assets/");
    try {
        loader.load("/missing.glsl");
        FAIL() << "expected an exception";
    } catch (const std::runtime_error& e) {
        // The root and the name are joined as they stand.
        EXPECT_STREQ(e.what(), "Stream could not be opened. File name: assets//missing.glsl");
    }
}

} // namespace
