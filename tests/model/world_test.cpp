#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "model/world.hpp"
#include "world_fixtures.hpp"

namespace {

TEST(cast_beam, damages_only_the_nearest_sphere_within_100_units)
{
    // One beam from the origin along +y for 0.1 s at enemies of radius 2; hit -1: none is hit.
    const struct { std::vector<vec3> enemies; int hit; } cases[] = {
        {{{0, 20, 0}, {1, 10, 0}, {5, 5, 0}, {0, -10, 0}}, 1}, // beside the line or behind: missed
        {{{0, 0, 0}, {0, 3, 0}}, 1}, // from inside a sphere its far side counts: 2 against 1
        {{{0, -1, 0}}, 0},           // around the origin though centred behind it
        {{{0, 10, 0}, {0, 10, 0}}, 0}, // of equal distances the earlier one
        {{{0, 101.5f, 0}}, 0},       // near side at 99.5
        {{{0, 102.5f, 0}}, -1},      // near side at 100.5
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(testing::Message() << "case " << n);
        world w(test::flat_map());
        for (const vec3& p : cases[n].enemies) {
            w.enemies.push_back(test::enemy_at(p.x, p.y));
            w.enemies.back().hit = true; // stale flags must be cleared
        }
        w.cast_beam(vec3(0.0f), vec3(0.0f, 1.0f, 0.0f), w.beam_weapon, 0.1f);
        for (int k = 0; k < static_cast<int>(w.enemies.size()); ++k) {
            const bool hit = k == cases[n].hit;
            EXPECT_EQ(w.enemies[k].hit, hit) << "enemy " << k;
            EXPECT_FLOAT_EQ(w.enemies[k].health, hit ? 93.0f : 100.0f) << "enemy " << k; // 70 per second
        }
    }
}

} // namespace
