#pragma once

#include <cstdint>

class world;

// A fingerprint of everything the rules change: the player (position, heading, aim, health,
// hit), the beam (firing, heat, overheated), the orbit's yaw, the game state, the patrol
// generator and each enemy (position, heading, health, target, chasing, hit), bit for bit. Two
// worlds that went through the same frames have the same checksum; a recording stores it per
// frame so that a replay notices the first frame that came out differently.
std::uint64_t world_checksum(const world& w);
