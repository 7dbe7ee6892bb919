#pragma once

// Worlds on hand-made terrains for the rule tests: no files, no window.

#include <memory>

#include "model/player_rules.hpp"
#include "model/world.hpp"

namespace test {

// Flat at z = 0, 200 x 200 units: wide enough for the 80-unit patrol circle.
inline std::shared_ptr<model::heightmap> flat_map() { return std::make_shared<model::heightmap>(100, 100); }

// An enemy at (x, y) on the ground with the given heading; speed 5, sight 15.
inline model::EnemyRobotEntity enemy_at(float x, float y, float heading = 0.0f)
{
    model::EnemyRobotEntity e(x, y, 5.0f, 15.0f);
    e.heading = heading;
    return e;
}

// An 800 x 600 window with the cursor straight above its centre: aim along the orbit's yaw.
inline player_input cursor_up()
{
    player_input input;
    input.window_width = 800;
    input.window_height = 600;
    input.cursor_x = 400.0;
    input.cursor_y = 100.0;
    return input;
}

} // namespace test
