// One frame of the four controllers' rules (state, player, orbit, enemies) on a world built here:
// no window, no files. Run as `kalvanor_benchmarks --benchmark_filter=controllers`.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "model/enemy_rules.hpp"
#include "model/orbit_rules.hpp"
#include "model/player_rules.hpp"
#include "model/state_rules.hpp"
#include "model/world.hpp"

namespace {

// Rolling hills on a 63 x 63 cell map, the size the game's 64 x 64 picture gives.
std::shared_ptr<model::heightmap> hills()
{
    auto map = std::make_shared<model::heightmap>(63, 63);
    for (int i = 0; i <= 63; ++i) {
        for (int j = 0; j <= 63; ++j) {
            map->set_height(i, j, 3.0f * std::sin(0.2f * static_cast<float>(i)) * std::cos(0.15f * static_cast<float>(j)));
        }
    }
    return map;
}

// The game's twelve, then more of the same, spread out a little so they do not coincide.
void populate(world& w, int count)
{
    while (static_cast<int>(w.enemies.size()) < count) {
        const std::size_t first = w.enemies.size();
        spawn_enemies(w);
        const float shift = static_cast<float>(first / 12);
        for (std::size_t k = first; k < w.enemies.size(); ++k) {
            w.enemies[k].position += vec3(shift * 0.37f, -shift * 0.21f, 0.0f);
        }
    }
    w.enemies.resize(static_cast<std::size_t>(count), w.enemies.front());
}

void controllers_frame(benchmark::State& state)
{
    world w(hills());
    populate(w, static_cast<int>(state.range(0)));
    // The player stands among the enemies and holds the beam down; with no damage and no heat
    // nobody dies and nothing overheats, so every frame costs the same.
    w.player.position = vec3(0.0f, 0.0f, 0.0f);
    w.beam_weapon.damage_per_second = 0.0f;
    w.beam_weapon.heat_rate = 0.0f;
    player_input input;
    input.window_width = 800;
    input.window_height = 600;
    input.cursor_x = 500.0;
    input.cursor_y = 150.0;
    input.fire = true;
    input.forward = true;
    input.left = true;
    orbit_drag drag;
    const orbit_input orbit{true, 450.0};
    constexpr float dt = 1.0f / 60.0f;

    for (auto _ : state) {
        w.player.health = 100.0f; // the enemies' contact damage must not end the game
        update_state(w, dt);
        update_player(w, input, dt);
        update_orbit(w, drag, orbit, dt);
        update_enemies(w, dt);
        benchmark::DoNotOptimize(w.enemies.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["enemies"] = static_cast<double>(w.enemies.size());
}

BENCHMARK(controllers_frame)->Arg(12)->Arg(100)->Arg(1000);

} // namespace
