#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "content/bmp_test_file.hpp"
#include "content/image_loader.hpp"
#include "support/temp_dir.hpp"

namespace {

using pixel = kalvanor::image::pixel;

std::vector<std::uint8_t> bytes_of(const kalvanor::image& image)
{
    return {image.data(), image.data() + 4 * image.width() * image.height()};
}

TEST(image_loader, converts_a_bmp_to_rgba_with_row_0_at_the_top)
{
    test::temp_dir dir;
    // Bottom row first: red, green; then the top row: blue, white. Rows are 8 bytes (6 + padding).
    dir.write("textures/tiny.bmp", test::bmp_file{2, 2, 24, 0, {0, 0, 255, 0, 255, 0, 0, 0, /**/
                                                               255, 0, 0, 255, 255, 255, 0, 0}}.build());
    dir.write("alpha.bmp", test::bmp_file{1, 1, 32, 0, {10, 20, 30, 40}}.build());
    content::image_loader loader(dir.path() + "/");

    const std::unique_ptr<kalvanor::image> image = loader.load("textures/tiny.bmp");
    ASSERT_EQ(image->width(), 2);
    ASSERT_EQ(image->height(), 2);
    EXPECT_EQ(image->at(0, 1), (pixel{255, 0, 0, 0})); // the bottom-left pixel
    // What a texture upload sees: row 0 (the top) first, RGBA.
    EXPECT_EQ(bytes_of(*image), (std::vector<std::uint8_t>{0, 0, 255, 0, 255, 255, 255, 0, /**/
                                                           255, 0, 0, 0, 0, 255, 0, 0}));
    EXPECT_EQ(bytes_of(*loader.load("alpha.bmp")), (std::vector<std::uint8_t>{30, 20, 10, 40}));
}

TEST(image_loader, a_missing_file_gives_one_white_pixel)
{
    test::temp_dir dir;
    testing::internal::CaptureStdout();
    const std::unique_ptr<kalvanor::image> image = content::image_loader(dir.path() + "/").load("textures/missing.bmp");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Error: Cannot open file " + dir.path() + "/textures/missing.bmp for input.\n");
    EXPECT_EQ(bytes_of(*image), (std::vector<std::uint8_t>{255, 255, 255, 0}));
}

} // namespace
