#include "model/player_rules.hpp"

#include <algorithm>
#include <cmath>

#include "model/angles.hpp"
#include "model/world.hpp"

namespace {

using model::half_pi;
using model::two_pi;

// The cursor's direction from the window centre, with the top of the screen pointing away from
// the camera: that is why the orbit's yaw is added.
void aim(world& w, const player_input& input)
{
    // Integer halves on purpose: an odd size puts the centre on the left/upper pixel.
    const float cx = static_cast<float>(std::floor(input.cursor_x)) - static_cast<float>(input.window_width / 2);
    const float cy = static_cast<float>(std::floor(input.cursor_y)) - static_cast<float>(input.window_height / 2);
    const float length = std::sqrt(cx * cx + cy * cy);
    if (length == 0.0f) {
        return; // cursor exactly at the centre points nowhere: keep the previous aim
    }
    float a = model::acos_clamped(-cy / length);
    if (cx > 0.0f) {
        a = two_pi - a;
    }
    w.player.aim = std::fmod(a + w.camera_orbit.yaw, two_pi);
}

void drive(world& w, const player_input& input, float dt)
{
    model::PlayerRobotEntity& p = w.player;
    // fmod keeps the sign, so the heading stays within (-2pi, 2pi) and may be negative.
    if (input.left) {
        p.heading = std::fmod(p.heading + dt * half_pi, two_pi);
    }
    if (input.right) {
        p.heading = std::fmod(p.heading - dt * half_pi, two_pi);
    }
    float thrust = 0.0f;
    if (input.forward) {
        thrust += 1.0f;
    }
    if (input.back) {
        thrust -= 1.0f;
    }
    // No velocity of its own: the robot stops as soon as the keys are released.
    const float f = thrust * p.speed * dt;
    const float x = p.position.x - f * std::sin(p.heading);
    const float y = p.position.y + f * std::cos(p.heading);
    p.position = vec3(x, y, w.heightmap->sample(x, y));
    p.normal = w.terrain_normal(x, y);
}

void fire_beam(world& w, const player_input& input, float dt)
{
    beam_weapon& beam = w.beam_weapon;
    const float start_heat = beam.heat;
    const bool hot = start_heat > 0.0f;

    beam.firing = input.fire;
    if (beam.overheated) {
        if (hot) {
            beam.firing = false;
        } else {
            // Cooled down: the beam may fire again in this very frame.
            beam.overheated = false;
            beam.heat = 0.0f;
        }
    }

    if (beam.firing) {
        const model::PlayerRobotEntity& p = w.player;
        // The normal was just taken at the player's new position.
        w.cast_beam(p.position + vec3(0.0f, 0.0f, 1.0f), beam_direction(p.normal, p.aim), beam, dt);
        beam.heat = start_heat + beam.heat_rate * dt;
        // Reaching max_heat exactly is still fine; only exceeding it overheats.
        if (beam.heat > beam.max_heat) {
            beam.overheated = true;
            beam.heat = beam.max_heat;
        }
    } else {
        for (model::EnemyRobotEntity& e : w.enemies) {
            e.hit = false;
        }
        // May end slightly below 0 for one frame; the next idle frame sets it to 0.
        beam.heat = hot ? start_heat - beam.heat_rate * dt : 0.0f;
    }
}

} // namespace

vec3 beam_direction(const vec3& ground_normal, float aim)
{
    const vec2 p = glm::normalize(vec2(ground_normal.x, ground_normal.z));
    const vec2 q = glm::normalize(vec2(ground_normal.y, ground_normal.z));
    float alpha = model::acos_clamped(p.y);
    if (p.x < 0.0f) {
        alpha = two_pi - alpha;
    }
    float beta = model::acos_clamped(q.y);
    if (q.x > 0.0f) {
        beta = two_pi - beta;
    }
    const vec3 d0(-std::sin(aim), std::cos(aim), 0.0f);
    // About y by alpha, then about x by beta.
    const vec3 d1(d0.x * std::cos(alpha), d0.y, -d0.x * std::sin(alpha));
    const vec3 d2(d1.x, d1.y * std::cos(beta) - d1.z * std::sin(beta), d1.z * std::cos(beta) + d1.y * std::sin(beta));
    return glm::normalize(d2);
}

void update_player(world& w, const player_input& input, float dt)
{
    if (w.game_state.phase == 2) {
        // Game over: the hit flags keep the values of the last running frame.
        w.beam_weapon.firing = false;
        return;
    }
    model::PlayerRobotEntity& p = w.player;
    p.hit = false;
    aim(w, input);
    drive(w, input, dt);

    if (w.game_state.water_level >= p.position.z + 0.2f) {
        p.hit = true;
        p.health -= 40.0f * dt;
    }
    // Also while dead (health <= 0): only the phase change stops the player.
    p.health = std::min(p.health + 1.5f * dt, static_cast<float>(p.max_health));

    fire_beam(w, input, dt);

    // Enemies are still where the previous frame left them; every touching one hurts.
    for (const model::EnemyRobotEntity& e : w.enemies) {
        if (glm::length(p.position - e.position) < e.radius + 2.0f) {
            p.hit = true;
            p.health -= 20.0f * dt;
        }
    }
}
