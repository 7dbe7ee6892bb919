#pragma once

#include <memory>

#include "draw/math.hpp"
#include "scene/health_light.hpp"

namespace content {
class manager;
}
namespace draw {
class geometry;
struct material;
} // namespace draw
namespace model {
class EnemyRobotEntity;
}
class world;

// What every enemy looks like. One model serves them all: updated for one enemy, it gives that
// enemy's items, then it is updated for the next; all share one mesh and one material.
class enemy_model {
public:
    // Loads "meshes/rabbot.txt" and "textures/enemy.bmp".
    explicit enemy_model(content::manager& content);

    void update(const world& w, const model::EnemyRobotEntity& enemy);

    std::shared_ptr<draw::geometry> geometry;
    std::shared_ptr<draw::material> material;
    mat4 world_matrix{1.0f};
    ::health_light health_light;
};
