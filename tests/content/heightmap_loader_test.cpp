#include <gtest/gtest.h>

#include <exception>
#include <string>

#include "content/bmp_test_file.hpp"
#include "content/heightmap_loader.hpp"
#include "support/temp_dir.hpp"

namespace {

// A 24-bit picture whose pixel (i, j), j counted from the top, has the given red and a noisy
// green and blue that must not matter.
test::bytes picture(int width, int height, int (*red)(int i, int j))
{
    test::bmp_file bmp;
    bmp.width = width;
    bmp.height = height;
    const int row_size = (3 * width + 3) / 4 * 4;
    for (int j = height - 1; j >= 0; --j) { // stored bottom-up
        for (int i = 0; i < width; ++i) {
            bmp.pixels.insert(bmp.pixels.end(), {static_cast<unsigned char>(7 * i + 1),
                                                 static_cast<unsigned char>(200 - j),
                                                 static_cast<unsigned char>(red(i, j))});
        }
        bmp.pixels.resize(bmp.pixels.size() + static_cast<std::size_t>(row_size - 3 * width));
    }
    return bmp.build();
}

std::string load_error(const content::heightmap_loader& prototype, const std::string& name)
{
    content::heightmap_loader loader(prototype.root());
    testing::internal::CaptureStdout(); // the BMP reader's own complaints
    std::string message = "no exception";
    try {
        loader.load(name);
    } catch (const std::exception& e) {
        message = e.what();
    }
    testing::internal::GetCapturedStdout();
    return message;
}

TEST(heightmap_loader, red_over_128_minus_1_with_image_row_0_along_min_y)
{
    test::temp_dir dir;
    dir.write("textures/map.bmp", picture(3, 2, [](int i, int j) { return j == 0 ? 128 * i - (i == 2) : 0; }));
    content::heightmap_loader loader(dir.path() + "/");
    const std::unique_ptr<model::heightmap> map = loader.load("textures/map.bmp");
    ASSERT_EQ(map->width_segments(), 2);
    ASSERT_EQ(map->length_segments(), 1);
    EXPECT_EQ(map->bounds().min_y, -1.0f);
    EXPECT_EQ(map->height_at(0, 0), -1.0f);       // red 0
    EXPECT_EQ(map->height_at(1, 0), 0.0f);        // red 128
    EXPECT_EQ(map->height_at(2, 0), 0.9921875f);  // red 255
    EXPECT_EQ(map->height_at(2, 1), -1.0f);
}

TEST(heightmap_loader, a_64_pixel_picture_gives_63_cells_a_side)
{
    test::temp_dir dir;
    dir.write("flat.bmp", picture(64, 64, [](int, int) { return 128; }));
    const auto map = content::heightmap_loader(dir.path() + "/").load("flat.bmp");
    EXPECT_EQ(map->width_segments(), 63);
    EXPECT_EQ(map->length_segments(), 63);
    EXPECT_EQ(map->bounds().max_x, 63.0f);
    EXPECT_EQ(map->sample(12.3f, -40.7f), 0.0f);
}

TEST(heightmap_loader, pictures_one_pixel_thin_or_missing_fail)
{
    test::temp_dir dir;
    dir.write("column.bmp", picture(1, 5, [](int, int) { return 0; }));
    dir.write("row.bmp", picture(5, 1, [](int, int) { return 0; }));
    const content::heightmap_loader loader(dir.path() + "/");
    EXPECT_EQ(load_error(loader, "column.bmp"), "Width segment count must be at least 1.");
    EXPECT_EQ(load_error(loader, "row.bmp"), "Length segment count must be at least 1.");
    EXPECT_EQ(load_error(loader, "missing.bmp"), "Width segment count must be at least 1.");
}

} // namespace
