#include <gtest/gtest.h>

#include <unistd.h>

#include <exception>
#include <string>

#include "content/bmp_test_file.hpp"
#include "model/world.hpp"
#include "support/temp_dir.hpp"
#include "world_fixtures.hpp"

namespace {

class beam_test : public testing::Test {
protected:
    beam_test() : w(test::flat_map()) {}

    // Enemies at the given points (radius 2), then one beam from the origin along +y for 0.1 s.
    void shoot(std::initializer_list<vec3> points)
    {
        for (const vec3& p : points) {
            w.enemies.push_back(test::enemy_at(p.x, p.y));
            w.enemies.back().position = p;
            w.enemies.back().hit = true; // stale flags must be cleared
        }
        w.cast_beam(vec3(0.0f), vec3(0.0f, 1.0f, 0.0f), w.beam_weapon, 0.1f);
    }

    bool damaged(std::size_t k) const
    {
        const bool hurt = w.enemies[k].health < 100.0f;
        EXPECT_EQ(w.enemies[k].hit, hurt) << "enemy " << k;
        return hurt;
    }

    world w;
};

TEST_F(beam_test, only_the_nearest_sphere_on_the_line_is_damaged)
{
    shoot({{0, 20, 0}, {1, 10, 0}, {5, 5, 0}, {0, -10, 0}});
    EXPECT_FALSE(damaged(0));
    EXPECT_TRUE(damaged(1));
    EXPECT_FLOAT_EQ(w.enemies[1].health, 93.0f); // 70 per second
    EXPECT_FALSE(damaged(2)); // beside the line
    EXPECT_FALSE(damaged(3)); // behind the origin
}

TEST_F(beam_test, from_inside_a_sphere_the_distance_is_to_its_far_side)
{
    // The origin lies inside the first sphere, whose far side is 2 away; the second sphere's
    // near side is only 1 away.
    shoot({{0, 0, 0}, {0, 3, 0}});
    EXPECT_FALSE(damaged(0));
    EXPECT_TRUE(damaged(1));
}

TEST_F(beam_test, a_sphere_around_the_origin_is_hit_even_when_centred_behind_it)
{
    shoot({{0, -1, 0}});
    EXPECT_TRUE(damaged(0));
}

TEST_F(beam_test, of_equal_distances_the_earlier_enemy_is_damaged)
{
    shoot({{0, 10, 0}, {0, 10, 0}});
    EXPECT_TRUE(damaged(0));
    EXPECT_FALSE(damaged(1));
}

TEST_F(beam_test, reaches_100_units)
{
    shoot({{0, 102.5f, 0}});
    EXPECT_FALSE(damaged(0)); // near side at 100.5
    w.enemies.clear();
    shoot({{0, 101.5f, 0}});
    EXPECT_TRUE(damaged(0)); // near side at 99.5
}

// world::instance reads "assets/textures/map.bmp" below the working directory.
class in_directory {
public:
    explicit in_directory(const std::string& path) : previous_(getcwd(buffer_, sizeof buffer_))
    {
        EXPECT_EQ(chdir(path.c_str()), 0);
    }
    ~in_directory() { EXPECT_EQ(chdir(previous_.c_str()), 0); }

private:
    char buffer_[4096];
    std::string previous_;
};

TEST(world_instance, loads_the_map_scaled_by_four_once)
{
    test::temp_dir dir;
    in_directory cd(dir.path());

    // Without a picture the image loader hands over 1 x 1, which is too small; no world is made.
    testing::internal::CaptureStdout();
    try {
        world::instance();
        ADD_FAILURE() << "expected an exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Width segment count must be at least 1.");
    }
    testing::internal::GetCapturedStdout();

    // 2 x 2 pixels, 24 bits, bottom row first: reds 0, 255 (bottom), 128, 192 (top).
    test::bmp_file bmp;
    bmp.width = 2;
    bmp.height = 2;
    bmp.pixels = {0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 128, 0, 0, 192, 0, 0};
    dir.write("assets/textures/map.bmp", bmp.build());

    world& first = world::instance();
    EXPECT_EQ(&world::instance(), &first);
    const model::heightmap& map = *first.heightmap;
    EXPECT_EQ(map.height_at(0, 0), 0.0f);
    EXPECT_EQ(map.height_at(1, 0), 2.0f);
    EXPECT_EQ(map.height_at(0, 1), -4.0f);
    EXPECT_EQ(map.height_at(1, 1), 3.96875f);
    EXPECT_EQ(first.player.position, vec3(20.0f, 0.0f, 100.0f));
    EXPECT_EQ(first.game_state.phase, 0);
}

} // namespace
