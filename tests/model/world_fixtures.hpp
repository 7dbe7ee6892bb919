#pragma once

// Worlds on small hand-made terrains for the rule tests: no files, no window.

#include <memory>

#include "model/world.hpp"

namespace test {

// A (2w) x (2l) units map whose vertex heights are height(x, y) at the vertex positions.
template <typename Height>
std::shared_ptr<model::heightmap> make_map(int w, int l, Height height)
{
    auto map = std::make_shared<model::heightmap>(w, l);
    for (int i = 0; i <= w; ++i) {
        for (int j = 0; j <= l; ++j) {
            const vec3 p = map->vertex_position(i, j);
            map->set_height(i, j, height(p.x, p.y));
        }
    }
    return map;
}

// Flat at z = 0, 200 x 200 units: wide enough for the 80-unit patrol circle.
inline std::shared_ptr<model::heightmap> flat_map()
{
    return make_map(100, 100, [](float, float) { return 0.0f; });
}

// An enemy at (x, y) on the ground with the given heading; speed 5, sight 15.
inline model::EnemyRobotEntity enemy_at(float x, float y, float heading = 0.0f)
{
    model::EnemyRobotEntity e(x, y, 5.0f, 15.0f);
    e.heading = heading;
    return e;
}

} // namespace test
