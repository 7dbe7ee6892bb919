#pragma once

#include <memory>

#include "model/camera_controller.hpp"
#include "model/enemy_controller.hpp"
#include "model/player_controller.hpp"
#include "model/state_controller.hpp"

class world;
struct frame_input;

// The four controllers that change the world, in the game's fixed order. The game, the tools that
// replay its frames, the benchmarks and the scenario tests all run frames through this one bundle.
class controllers {
public:
    enum class start {
        new_game, // spawns the twelve enemies into w
        as_given, // w already holds the enemies it should have
    };

    // w must outlive the bundle.
    explicit controllers(world& w, start how = start::new_game);
    controllers(const controllers&) = delete;
    controllers& operator=(const controllers&) = delete;

    // One frame of all four in their fixed order; dt in seconds.
    void update(const frame_input& in, float dt);

    std::unique_ptr<state_controller> state;
    std::unique_ptr<player_controller> player;
    std::unique_ptr<camera_controller> camera;
    std::unique_ptr<enemy_controller> enemy;
};
