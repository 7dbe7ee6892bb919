#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "draw/math.hpp"
#include "model/enemy_robot_entity.hpp"
#include "model/heightmap.hpp"
#include "model/player_robot_entity.hpp"

// The follow camera's circle around the player; turned by right-button drags.
struct camera_orbit {
    float yaw = 0.0f;                 // radians, not bounded
    float max_yaw_speed = 3.1415927f; // radians per second
    float distance = 10.0f;           // world units from the player
};

struct game_state {
    float elapsed = 0.0f;      // seconds since the first update
    float water_level = -3.4f; // z of the water plane
    int phase = 0;             // 0 not yet started, 1 running, 2 over
};

struct beam_weapon {
    bool firing = false;
    float damage_per_second = 70.0f;
    float heat = 0.0f;
    float heat_rate = 50.0f; // heating and cooling, per second
    float max_heat = 100.0f;
    bool overheated = false; // forced off until the heat is back to 0
};

// The whole game state, written only by the controllers and read by the renderer. The game uses
// the one instance(); tests build their own from a height map of their choice.
class world {
public:
    // The map is used as given (instance() scales the loaded one itself).
    explicit world(std::shared_ptr<model::heightmap> map);
    world(const world&) = delete;
    world& operator=(const world&) = delete;

    // Created on first use from "textures/map.bmp" below "assets/", heights scaled by 4; lives
    // until process exit.
    static world& instance();

    // Unit terrain normal at world (x, y).
    vec3 terrain_normal(float x, float y) const;

    // Damages the enemy whose sphere the beam meets first within its range of |100 * direction|,
    // and clears every other enemy's hit flag. direction is expected to be a unit vector.
    void cast_beam(const vec3& origin, const vec3& direction, const ::beam_weapon& beam, float dt);

    // Type names are qualified below because the members share their records' names.
    std::shared_ptr<model::heightmap> heightmap;
    model::PlayerRobotEntity player;
    ::camera_orbit camera_orbit;
    ::game_state game_state;
    ::beam_weapon beam_weapon;
    // By value in spawn order; removal shifts the later ones down and keeps their order.
    std::vector<model::EnemyRobotEntity> enemies;
    // The state of the enemies' patrol-corner choice. The world's own rather than std::rand's,
    // so a recorded session replays the same choices whatever else in the process drew numbers.
    std::uint32_t patrol_random = 1;
};
