#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "content/bmp_test_file.hpp"
#include "content/image_loader.hpp"
#include "support/temp_dir.hpp"

namespace {

using pixel = kalvanor::image::pixel;
using test::bmp_picture;

const pixel white{255, 255, 255, 0};

// Loads `name` below `dir`; `output` receives what the BMP reader printed.
std::unique_ptr<kalvanor::image> load(const test::temp_dir& dir, const std::string& name, std::string& output)
{
    content::image_loader loader(dir.path() + "/");
    testing::internal::CaptureStdout();
    std::unique_ptr<kalvanor::image> image = loader.load(name);
    output = testing::internal::GetCapturedStdout();
    return image;
}

TEST(image_loader, converts_a_bmp_to_rgba_with_row_0_at_the_top)
{
    test::temp_dir dir;
    // Bottom row first: red, green; then the top row: blue, white. Rows are 8 bytes (6 + padding).
    dir.write("textures/tiny.bmp", bmp_picture(2, 2, 24, {0, 0, 255, 0, 255, 0, 0, 0,
                                                          255, 0, 0, 255, 255, 255, 0, 0}).build());
    std::string output;
    const std::unique_ptr<kalvanor::image> image = load(dir, "textures/tiny.bmp", output);

    EXPECT_EQ(output, "");
    ASSERT_EQ(image->width(), 2);
    ASSERT_EQ(image->height(), 2);
    EXPECT_EQ(image->at(0, 1), (pixel{255, 0, 0, 0})); // the bottom-left pixel
    EXPECT_EQ(image->at(1, 1), (pixel{0, 255, 0, 0}));
    EXPECT_EQ(image->at(0, 0), (pixel{0, 0, 255, 0}));
    EXPECT_EQ(image->at(1, 0), white);
    // The same bytes through data(), as a texture upload sees them: row 0 first, RGBA.
    EXPECT_EQ(image->data()[8], 255);
    EXPECT_EQ(image->data()[9], 0);
}

TEST(image_loader, keeps_the_alpha_of_32_bit_files)
{
    test::temp_dir dir;
    dir.write("a.bmp", bmp_picture(1, 1, 32, {10, 20, 30, 40}).build());
    std::string output;
    EXPECT_EQ(load(dir, "a.bmp", output)->at(0, 0), (pixel{30, 20, 10, 40}));
}

TEST(image_loader, a_missing_or_broken_file_gives_one_white_pixel)
{
    test::temp_dir dir;
    dir.write("notes.bmp", "not a picture");
    // No exception: the BMP reader prints its line and the result is its fallback picture.
    const std::vector<std::array<std::string, 2>> cases = {
        {"textures/missing.bmp", "Bitmap Error: Cannot open file " + dir.path() + "/textures/missing.bmp for input.\n"},
        {"notes.bmp", "Bitmap Error: " + dir.path() + "/notes.bmp is not a Windows BMP file!\n"},
    };
    for (const auto& [name, message] : cases) {
        std::string output;
        const std::unique_ptr<kalvanor::image> image = load(dir, name, output);
        EXPECT_EQ(output, message);
        ASSERT_EQ(image->width(), 1);
        ASSERT_EQ(image->height(), 1);
        EXPECT_EQ(image->at(0, 0), white);
    }
}

} // namespace
