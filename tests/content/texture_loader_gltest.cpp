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

std::vector<std::uint8_t> texels(const draw::texture& texture)
{
    return test::texture_pixels(texture.name(), 0, GL_RGBA, texture.width(), texture.height());
}

TEST_F(texture_loader_test, picture_top_row_becomes_the_first_texture_row)
{
    // 2 x 2, 24 bits: rows are stored bottom first, blue-green-red, padded to 4 bytes.
    test::bmp_file bmp;
    bmp.width = 2;
    bmp.height = 2;
    bmp.pixels = {0, 0, 255, /**/ 0, 255, 0, /**/ 0, 0, /* bottom: red, green */
                  255, 0, 0, /**/ 255, 255, 255, /**/ 0, 0 /* top: blue, white */};
    test::temp_dir dir;
    dir.write("textures/four.bmp", bmp.build());
    content::texture_loader loader(dir.path() + "/");

    const std::unique_ptr<draw::texture> texture = loader.load("textures/four.bmp");
    ASSERT_EQ(texture->width(), 2);
    ASSERT_EQ(texture->height(), 2);
    // 24-bit files carry no alpha: 0 throughout.
    const std::vector<std::uint8_t> expected{0, 0, 255, 0, 255, 255, 255, 0, /* top */
                                             255, 0, 0, 0, 0, 255, 0, 0 /* bottom */};
    EXPECT_EQ(texels(*texture), expected);
    EXPECT_EQ(test::texture_level_parameter(texture->name(), 1, GL_TEXTURE_WIDTH), 1);
}

TEST_F(texture_loader_test, missing_file_gives_a_white_texture_and_a_message)
{
    test::temp_dir dir;
    content::texture_loader loader(dir.path() + "/");
    testing::internal::CaptureStdout();
    const std::unique_ptr<draw::texture> texture = loader.load("textures/missing.bmp");
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_NE(output.find(dir.path() + "/textures/missing.bmp"), std::string::npos) << output;
    ASSERT_EQ(texture->width(), 1);
    ASSERT_EQ(texture->height(), 1);
    EXPECT_EQ(texels(*texture), (std::vector<std::uint8_t>{255, 255, 255, 0}));
}

TEST_F(texture_loader_test, every_load_makes_a_new_texture)
{
    test::temp_dir dir;
    dir.write("a.bmp", test::bmp_file{}.build());
    content::texture_loader loader(dir.path() + "/");
    testing::internal::CaptureStdout();
    const std::shared_ptr<draw::texture> first = loader.load_shared("a.bmp");
    const std::shared_ptr<draw::texture> second = loader.load_shared("a.bmp");
    testing::internal::GetCapturedStdout();
    EXPECT_NE(first->name(), second->name());
    EXPECT_TRUE(glIsTexture(first->name()));
    EXPECT_TRUE(glIsTexture(second->name()));
}

} // namespace
