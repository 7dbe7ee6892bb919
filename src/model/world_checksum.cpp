#include "model/world_checksum.hpp"

#include <cstring>

#include "model/world.hpp"

namespace {

// FNV-1a, 64 bits: small, and every bit of every field reaches the result.
class fnv1a {
public:
    template <typename T>
    void add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) {
            hash_ = (hash_ ^ b) * 1099511628211ull;
        }
    }
    void add(const vec3& v)
    {
        add(v.x);
        add(v.y);
        add(v.z);
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

} // namespace

std::uint64_t world_checksum(const world& w)
{
    fnv1a h;
    const model::PlayerRobotEntity& p = w.player;
    h.add(p.position);
    h.add(p.heading);
    h.add(p.aim);
    h.add(p.health);
    h.add(p.hit);
    h.add(w.beam_weapon.firing);
    h.add(w.beam_weapon.heat);
    h.add(w.beam_weapon.overheated);
    h.add(w.camera_orbit.yaw);
    h.add(w.game_state.elapsed);
    h.add(w.game_state.water_level);
    h.add(w.game_state.phase);
    h.add(w.patrol_random);
    h.add(static_cast<std::uint64_t>(w.enemies.size()));
    for (const model::EnemyRobotEntity& e : w.enemies) {
        h.add(e.position);
        h.add(e.heading);
        h.add(e.health);
        h.add(e.target);
        h.add(e.chasing);
        h.add(e.hit);
    }
    return h.value();
}
