#pragma once

#include "model/abstract_robot_entity.hpp"

namespace model {

class EnemyRobotEntity : public AbstractRobotEntity {
public:
    // On the ground plane z = 0 until the first update samples the terrain.
    EnemyRobotEntity(float x, float y, float ground_speed, float sight)
        : AbstractRobotEntity({x, y, 0.0f}, ground_speed, 2.0f), sight_range(sight)
    {
    }

    vec3 target{0.0f};    // the point steered to
    float sight_range;    // the player is noticed when strictly closer (3D distance)
    bool chasing = false; // was chasing the player in the last update
};

} // namespace model
