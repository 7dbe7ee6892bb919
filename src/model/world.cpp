#include "model/world.hpp"

#include <cmath>
#include <cstdlib>

#include "content/heightmap_loader.hpp"
#include "content/manager.hpp"

namespace {

world* the_world = nullptr;

void destroy_world()
{
    delete the_world;
    the_world = nullptr;
}

std::shared_ptr<model::heightmap> load_terrain()
{
    // The world outlives the game and its content manager, so it loads through a short-lived one.
    content::manager assets("assets/");
    std::shared_ptr<model::heightmap> map = assets.heightmap().load_shared("textures/map.bmp");
    // The picture gives heights in [-1, 1); the landscape wants them four times as high.
    map->scale_heights(4.0f);
    return map;
}

} // namespace

world::world(std::shared_ptr<model::heightmap> map) : heightmap(std::move(map)) {}

world& world::instance()
{
    if (the_world == nullptr) {
        static const bool registered = (std::atexit(destroy_world), true);
        (void)registered;
        the_world = new world(load_terrain());
    }
    return *the_world;
}

vec3 world::terrain_normal(float x, float y) const { return model::terrain_normal(*heightmap, x, y); }

void world::cast_beam(const vec3& origin, const vec3& direction, const ::beam_weapon& beam, float dt)
{
    float best = glm::length(100.0f * direction);
    model::EnemyRobotEntity* candidate = nullptr;
    for (model::EnemyRobotEntity& e : enemies) {
        e.hit = false;
        const vec3 v = e.position - origin;
        const float b = glm::dot(v, direction);
        const float c = glm::dot(v, v);
        const float r2 = e.radius * e.radius;
        if (!(b >= 0.0f || r2 >= c)) {
            continue; // behind the origin, and the origin is outside the sphere
        }
        const float m2 = c - b * b;
        if (!(r2 >= m2)) {
            continue; // the line passes the sphere
        }
        const float k = std::sqrt(r2 - m2);
        // From inside a sphere the beam counts the distance to where it leaves it.
        const float t = c > r2 ? b - k : b + k;
        if (best > t) { // strictly nearer: of equal distances the earlier enemy stays
            best = t;
            candidate = &e;
        }
    }
    if (candidate != nullptr) {
        candidate->hit = true;
        candidate->health -= beam.damage_per_second * dt;
    }
}
