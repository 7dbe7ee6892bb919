#include <gtest/gtest.h>

#include <exception>
#include <string>

#include "content/bmp_test_file.hpp"
#include "content/heightmap_loader.hpp"
#include "support/temp_dir.hpp"

namespace {

// A 24-bit picture whose pixel (i, j), j counted from the top, has red red(i, j) and a green
// and blue that must not matter.
test::bytes picture(int width, int height, int (*red)(int i, int j))
{
    test::bmp_file bmp{width, height};
    for (int j = height - 1; j >= 0; --j) { // stored bottom-up, rows padded to 4 bytes
        for (int i = 0; i < width; ++i) {
            bmp.pixels.insert(bmp.pixels.end(), {static_cast<unsigned char>(7 * i + 1),
                                                 static_cast<unsigned char>(200 - j),
                                                 static_cast<unsigned char>(red(i, j))});
        }
        bmp.pixels.resize((bmp.pixels.size() + 3) / 4 * 4);
    }
    return bmp.build();
}

TEST(heightmap_loader, red_over_128_minus_1_with_image_row_0_along_min_y)
{
    test::temp_dir dir;
    dir.write("textures/map.bmp", picture(3, 2, [](int i, int j) { return j == 0 ? 128 * i - (i == 2) : 0; }));
    const std::unique_ptr<model::heightmap> map = content::heightmap_loader(dir.path() + "/").load("textures/map.bmp");
    ASSERT_EQ(map->width_segments(), 2);
    ASSERT_EQ(map->length_segments(), 1);
    EXPECT_EQ(map->bounds().min_y, -1.0f);
    EXPECT_EQ(map->height_at(0, 0), -1.0f);      // red 0
    EXPECT_EQ(map->height_at(1, 0), 0.0f);       // red 128
    EXPECT_EQ(map->height_at(2, 0), 0.9921875f); // red 255
    EXPECT_EQ(map->height_at(2, 1), -1.0f);
}

TEST(heightmap_loader, pictures_one_pixel_thin_or_missing_fail)
{
    test::temp_dir dir;
    dir.write("column.bmp", picture(1, 5, [](int, int) { return 0; }));
    dir.write("row.bmp", picture(5, 1, [](int, int) { return 0; }));
    for (const auto& [name, message] : {std::pair{"column.bmp", "Width segment count must be at least 1."},
                                        std::pair{"row.bmp", "Length segment count must be at least 1."},
                                        std::pair{"missing.bmp", "Width segment count must be at least 1."}}) {
        testing::internal::CaptureStdout(); // the BMP reader's own complaints
        try {
            content::heightmap_loader(dir.path() + "/").load(name);
            ADD_FAILURE() << "no exception for " << name;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), message) << name;
        }
        testing::internal::GetCapturedStdout();
    }
}

} // namespace
