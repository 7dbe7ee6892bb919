#include <gtest/gtest.h>

#include <memory>

#include "content/bmp_test_file.hpp"
#include "content/heightmap_loader.hpp"
#include "support/temp_dir.hpp"

namespace {

TEST(heightmap_loader, red_over_128_minus_1_with_image_row_0_along_min_y)
{
    test::temp_dir dir;
    // 3 x 2, 32 bits, rows bottom first as blue, green, red, alpha: only red matters. The top
    // row's reds are 0, 128, 255.
    dir.write("textures/map.bmp", test::bmp_file{3, 2, 32, 0, {1, 2, 0, 4, 5, 6, 0, 8, 9, 10, 0, 12, /**/
                                                               13, 14, 0, 16, 17, 18, 128, 20, 21, 22, 255, 24}}
                                      .build());
    const std::unique_ptr<model::heightmap> map = content::heightmap_loader(dir.path() + "/").load("textures/map.bmp");
    ASSERT_EQ(map->width_segments(), 2);
    ASSERT_EQ(map->length_segments(), 1);
    EXPECT_EQ(map->bounds().min_y, -1.0f);
    EXPECT_EQ(map->height_at(0, 0), -1.0f);      // red 0
    EXPECT_EQ(map->height_at(1, 0), 0.0f);       // red 128
    EXPECT_EQ(map->height_at(2, 0), 0.9921875f); // red 255
    EXPECT_EQ(map->height_at(2, 1), -1.0f);
}

} // namespace
