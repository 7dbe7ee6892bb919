#pragma once

#include "model/abstract_robot_entity.hpp"

namespace model {

class PlayerRobotEntity : public AbstractRobotEntity {
public:
    // z is put on the terrain by the first player update.
    PlayerRobotEntity() : AbstractRobotEntity({20.0f, 0.0f, 100.0f}, 7.0f, 1.0f) {}

    // Horizontal beam angle, radians, in the heading convention.
    float aim = 0.0f;
};

} // namespace model
