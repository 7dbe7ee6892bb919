#include "model/enemy_rules.hpp"

#include <algorithm>
#include <cmath>

#include "model/angles.hpp"
#include "model/world.hpp"

const std::array<vec3, 4> patrol_corners{{
    {36.0f, 36.0f, 0.0f},
    {-36.0f, 36.0f, 0.0f},
    {36.0f, -36.0f, 0.0f},
    {-36.0f, -36.0f, 0.0f},
}};

namespace {

// Slightly below 2*pi; the enemies' headings are reduced with it.
constexpr float full_turn = 6.28318f;
constexpr float turn_rate = 1.570795f; // radians per second

struct spawn_point {
    float x;
    float y;
    float speed;
    float sight_range;
};

// Two enemies start on each corner; their different speeds soon part them.
constexpr std::array<spawn_point, 12> spawn_table{{
    {36, 36, 5.0f, 15},
    {-36, 36, 5.5f, 20},
    {36, -36, 6.0f, 10},
    {-36, -36, 5.5f, 15},
    {36, 36, 6.0f, 20},
    {-36, 36, 5.0f, 10},
    {36, -36, 6.0f, 15},
    {-36, -36, 4.0f, 20},
    {50, 0, 5.5f, 10},
    {-50, 0, 6.0f, 15},
    {0, 50, 5.0f, 20},
    {0, -50, 4.0f, 10},
}};

// a - b as an angle in (-pi, pi], so headings on either side of the wrap point compare right.
double angle_difference(float a, float b)
{
    constexpr double pi = 3.14159265358979323846;
    double d = std::fmod(static_cast<double>(a) - static_cast<double>(b), 2.0 * pi);
    if (d > pi) {
        d -= 2.0 * pi;
    } else if (d <= -pi) {
        d += 2.0 * pi;
    }
    return d;
}

float horizontal_distance(const vec3& a, const vec3& b) { return glm::length(vec2(a) - vec2(b)); }

void patrol(world& w, model::EnemyRobotEntity& e, float dt)
{
    const float to_target = horizontal_distance(e.position, e.target);
    const float from_centre = glm::length(vec2(e.position));
    if (to_target > 8.0f && from_centre < 80.0f && !e.chasing) {
        steer_towards(e, dt, 0.1f);
    } else if (from_centre > 80.0f) {
        // Drifted far out: back to the centre with a wider tolerance.
        e.target = vec3(0.0f);
        steer_towards(e, dt, 0.5f);
        e.chasing = false;
    } else {
        // Near the target (or just gave up a chase): run straight on, and pick a corner once
        // the centre is passed closely enough.
        e.chasing = false;
        e.target = from_centre > 4.0f ? vec3(0.0f) : patrol_corners[next_patrol_corner(w)];
    }
}

void move(const world& w, model::EnemyRobotEntity& e, float dt)
{
    // Every living enemy takes its full step every frame; it never stops.
    const float step = e.speed * dt;
    const float x = e.position.x - step * std::sin(e.heading);
    const float y = e.position.y + step * std::cos(e.heading);
    e.position = vec3(x, y, w.heightmap->sample(x, y));
    e.normal = w.terrain_normal(x, y);
}

} // namespace

int next_patrol_corner(world& w)
{
    // The classic linear congruential step; its high bits are the well-mixed ones.
    w.patrol_random = w.patrol_random * 1103515245u + 12345u;
    return static_cast<int>((w.patrol_random >> 16) % 4u);
}

void spawn_enemies(world& w)
{
    for (const spawn_point& s : spawn_table) {
        w.enemies.emplace_back(s.x, s.y, s.speed, s.sight_range);
    }
}

void steer_towards(model::EnemyRobotEntity& e, float dt, float tolerance)
{
    // Only the horizontal part of the way counts: the enemy turns in the ground plane, and a
    // wanted heading taken from the slanted direction would never be reached on a slope, so the
    // enemy would swing back and forth every frame.
    const vec2 to_target = vec2(e.target) - vec2(e.position);
    // Standing exactly on (or under) the target gives no direction: no turn.
    if (glm::dot(to_target, to_target) > 0.0f) {
        const vec2 f(-std::sin(e.heading), std::cos(e.heading));
        const vec2 n = glm::normalize(to_target);
        const float sign = f.x * n.y - f.y * n.x < 0.0f ? -1.0f : 1.0f;
        float wanted = model::acos_clamped(n.y);
        if (n.x > 0.0f) {
            wanted = full_turn - wanted;
        }
        if (std::fabs(angle_difference(e.heading, wanted)) > tolerance) {
            e.heading += sign * turn_rate * dt;
        }
    }
    e.heading = static_cast<float>(std::fmod(static_cast<double>(e.heading), static_cast<double>(full_turn)));
}

void update_enemies(world& w, float dt)
{
    // Health only rises in this update, so removing the dead first is the same as removing each
    // in its turn. erase keeps the survivors' order and frees nothing.
    w.enemies.erase(std::remove_if(w.enemies.begin(), w.enemies.end(),
                                   [](const model::EnemyRobotEntity& e) { return e.health <= 0.0f; }),
                    w.enemies.end());

    const model::PlayerRobotEntity& player = w.player;
    for (model::EnemyRobotEntity& e : w.enemies) {
        e.health = std::min(e.health + 5.0f * dt, static_cast<float>(e.max_health));
        // The player has already moved this frame.
        const float distance = glm::length(player.position - e.position);
        if (e.sight_range > distance && player.health_fraction() > 0.0f) {
            e.target = player.position;
            e.chasing = true;
            steer_towards(e, dt, 0.1f);
        } else {
            patrol(w, e, dt);
        }
        move(w, e, dt);
    }
}
