#include <cstdint>
#include <string>
#include <vector>

#include "content/bmp_test_file.hpp"
#include "content/texture_loader.hpp"
#include "draw/texture_readback.hpp"
#include "support/gl_context.hpp"
#include "support/temp_dir.hpp"

namespace {

class texture_loader_test : public test::gl_test {};

TEST_F(texture_loader_test, picture_top_row_becomes_the_first_texture_row)
{
    test::temp_dir dir;
    // 2 x 2, 24 bits, rows bottom first, blue-green-red, padded to 4 bytes: red, green; blue, white.
    dir.write("textures/four.bmp", test::bmp_file{2, 2, 24, 0, {0, 0, 255, 0, 255, 0, 0, 0, /**/
                                                               255, 0, 0, 255, 255, 255, 0, 0}}.build());
    content::texture_loader loader(dir.path() + "/");
    const std::unique_ptr<draw::texture> texture = loader.load("textures/four.bmp");
    ASSERT_EQ(texture->width(), 2);
    ASSERT_EQ(texture->height(), 2);
    // 24-bit files carry no alpha: 0 throughout.
    EXPECT_EQ(test::texture_pixels(texture->name(), 0, GL_RGBA, 2, 2),
              (std::vector<std::uint8_t>{0, 0, 255, 0, 255, 255, 255, 0, /* top */
                                         255, 0, 0, 0, 0, 255, 0, 0 /* bottom */}));
    EXPECT_EQ(test::texture_level_parameter(texture->name(), 1, GL_TEXTURE_WIDTH), 1); // mipmapped

    // A missing file: the reader's message and a new, white texture.
    testing::internal::CaptureStdout();
    const std::unique_ptr<draw::texture> missing = loader.load("textures/missing.bmp");
    EXPECT_NE(testing::internal::GetCapturedStdout().find(dir.path() + "/textures/missing.bmp"), std::string::npos);
    ASSERT_EQ(missing->width(), 1);
    EXPECT_EQ(test::texture_pixels(missing->name(), 0, GL_RGBA, 1, 1), (std::vector<std::uint8_t>{255, 255, 255, 0}));
    EXPECT_NE(missing->name(), texture->name());
}

} // namespace
