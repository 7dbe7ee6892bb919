#pragma once

#include <algorithm>

#include "draw/math.hpp"

namespace model {

// What the player's robot and the enemies share. Angles are radians; a heading h faces
// (-sin h, cos h, 0), so 0 faces +y and a growing heading turns counter-clockwise seen from above.
class AbstractRobotEntity {
public:
    virtual ~AbstractRobotEntity() = default;

    // health / max_health, clamped to [0, 1]; health itself may go below 0.
    float health_fraction() const
    {
        return std::clamp(health / static_cast<float>(max_health), 0.0f, 1.0f);
    }

    vec3 position{0.0f};
    vec3 normal{0.0f, 0.0f, 1.0f}; // unit terrain normal under the robot
    float heading = 0.0f;
    float speed = 0.0f; // world units per second
    int max_health = 100;
    float health = 100.0f; // not clamped below 0
    bool hit = false;      // damaged during the current frame
    float radius = 1.0f;   // collision radius

protected:
    AbstractRobotEntity(const vec3& start, float ground_speed, float collision_radius)
        : position(start), speed(ground_speed), radius(collision_radius)
    {
    }
    // Enemies live by value in a vector, so copies and moves must stay available.
    AbstractRobotEntity(const AbstractRobotEntity&) = default;
    AbstractRobotEntity(AbstractRobotEntity&&) = default;
    AbstractRobotEntity& operator=(const AbstractRobotEntity&) = default;
    AbstractRobotEntity& operator=(AbstractRobotEntity&&) = default;
};

} // namespace model
