#include "scene/enemy_model.hpp"

#include <algorithm>

#include "content/manager.hpp"
#include "content/mesh_loader.hpp"
#include "content/texture_loader.hpp"
#include "draw/geometry.hpp"
#include "draw/material.hpp"
#include "model/world.hpp"
#include "scene/tilt.hpp"

enemy_model::enemy_model(content::manager& content)
    : geometry(draw::geometry_of(*content.mesh().load_shared("meshes/rabbot.txt"))),
      material(std::make_shared<draw::material>())
{
    material->diffuse_map = content.texture().load_shared("textures/enemy.bmp");
}

void enemy_model::update(const world& w, const model::EnemyRobotEntity& enemy)
{
    // The mesh's feet are 0.8 below its origin.
    world_matrix = tilt(enemy.position + vec3(0.0f, 0.0f, 0.8f), enemy.normal, enemy.heading);
    health_light.time = static_cast<double>(w.game_state.elapsed);
    // The hit flags freeze when the game is over; the lights must not blink for ever.
    health_light.blinking = enemy.hit && w.game_state.phase != 2;
    health_light.world_matrix = draw::translate(world_matrix, vec3(0.0f, 0.0f, 3.0f));
    health_light.level = std::clamp(enemy.health_fraction(), 0.0f, 1.0f);
}
