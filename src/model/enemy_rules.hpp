#pragma once

#include <array>

#include "draw/math.hpp"

class world;

namespace model {
class EnemyRobotEntity;
}

// The four inner corners an enemy patrols to from the centre, chosen by std::rand() % 4.
extern const std::array<vec3, 4> patrol_corners;

// Appends the twelve enemies of a new game to w.enemies.
void spawn_enemies(world& w);

// Turns the enemy's heading toward the horizontal direction of its target at about pi/2 radians
// per second, unless the heading already lies within tolerance (radians) of the wanted one.
// dt in seconds.
void steer_towards(model::EnemyRobotEntity& e, float dt, float tolerance);

// One frame of every enemy: removal of the dead, regeneration, chase or patrol, movement.
// Runs after the player's update; allocates nothing.
void update_enemies(world& w, float dt);
