#include "model/controllers.hpp"

controllers::controllers(GLFWwindow* window)
    : state(std::make_unique<state_controller>()),
      player(std::make_unique<player_controller>(window)),
      camera(std::make_unique<camera_controller>(window)),
      enemy(std::make_unique<enemy_controller>())
{
}

void controllers::update(float dt)
{
    state->update(dt);
    player->update(dt);
    camera->update(dt);
    enemy->update(dt);
}
