#include <cstdint>
#include <string>
#include <vector>

#include "content/bmp_test_file.hpp"
#include "content/texture_loader.hpp"
#include "support/gl_context.hpp"
#include "support/temp_dir.hpp"

namespace {

using texture_loader_test = test::gl_test;

// Level `level` of the texture as RGBA bytes, rows in upload order.
std::vector<std::uint8_t> texels(const draw::texture& texture, int level)
{
    std::vector<std::uint8_t> out(static_cast<std::size_t>(texture.width() >> level) * (texture.height() >> level) * 4);
    glBindTexture(GL_TEXTURE_2D, texture.name());
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    return out;
}

// Through the image loader: the picture's top row becomes the first texture row, RGBA. Missing
// mipmaps would show in the snapshot test: the game samples with mipmap filters, and a texture
// without its levels reads black.
TEST_F(texture_loader_test, uploads_the_picture_top_row_first_with_its_alpha)
{
    test::temp_dir dir;
    // 2 x 2, 32 bits, rows bottom first, blue-green-red-alpha: two pixels, then the top row's two.
    dir.write("textures/four.bmp",
              test::bmp_file{2, 2, 32, 0, {10, 20, 30, 40, 1, 2, 3, 4, /**/ 50, 60, 70, 80, 5, 6, 7, 8}}.build());
    content::texture_loader loader(dir.path() + "/");
    const std::unique_ptr<draw::texture> texture = loader.load("textures/four.bmp");
    ASSERT_EQ(texture->width(), 2);
    ASSERT_EQ(texture->height(), 2);
    EXPECT_EQ(texels(*texture, 0), (std::vector<std::uint8_t>{70, 60, 50, 80, 7, 6, 5, 8, /* top */
                                                              30, 20, 10, 40, 3, 2, 1, 4 /* bottom */}));

    // A missing file: the reader's message and a new, white texture.
    testing::internal::CaptureStdout();
    const std::unique_ptr<draw::texture> missing = loader.load("textures/missing.bmp");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Error: Cannot open file " + dir.path() + "/textures/missing.bmp for input.\n");
    ASSERT_EQ(missing->width(), 1);
    EXPECT_EQ(texels(*missing, 0), (std::vector<std::uint8_t>{255, 255, 255, 0}));
    EXPECT_NE(missing->name(), texture->name());
}

} // namespace
