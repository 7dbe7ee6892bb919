#pragma once

#include <array>

#include "draw/math.hpp"

class world;

namespace model {
class EnemyRobotEntity;
}

// The four inner corners an enemy patrols to from the centre, chosen by next_patrol_corner.
extern const std::array<vec3, 4> patrol_corners;

// 0 to 3, evenly, from the world's own generator (w.patrol_random), which it advances.
int next_patrol_corner(world& w);

// Appends the twelve enemies of a new game to w.enemies.
void spawn_enemies(world& w);

// Turns the enemy's heading toward the horizontal direction of its target at about pi/2 radians
// per second, unless the heading already lies within tolerance (radians) of the wanted one.
// dt in seconds.
void steer_towards(model::EnemyRobotEntity& e, float dt, float tolerance);

// One frame of every enemy: removal of the dead, regeneration, chase or patrol, movement.
// Runs after the player's update; allocates nothing.
void update_enemies(world& w, float dt);
