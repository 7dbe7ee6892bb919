#pragma once

#include <memory>

#include "model/camera_controller.hpp"
#include "model/enemy_controller.hpp"
#include "model/player_controller.hpp"
#include "model/state_controller.hpp"

struct GLFWwindow;

// The four controllers that change the world, built in this order from the game window.
class controllers {
public:
    explicit controllers(GLFWwindow* window);
    controllers(const controllers&) = delete;
    controllers& operator=(const controllers&) = delete;

    // One frame of all four in their fixed order; dt in seconds.
    void update(float dt);

    std::unique_ptr<state_controller> state;
    std::unique_ptr<player_controller> player;
    std::unique_ptr<camera_controller> camera;
    std::unique_ptr<enemy_controller> enemy;
};
