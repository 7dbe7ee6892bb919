#pragma once

// Worlds and one frame's input for the benchmarks, built in code: no files, no window.

#include <cmath>
#include <memory>

#include "input/frame_input.hpp"
#include "model/controllers.hpp"
#include "model/enemy_rules.hpp"
#include "model/world.hpp"

namespace bench {

// Rolling hills on a 63 x 63 cell map.
inline std::shared_ptr<model::heightmap> hills()
{
    auto map = std::make_shared<model::heightmap>(63, 63);
    for (int i = 0; i <= 63; ++i) {
        for (int j = 0; j <= 63; ++j) {
            map->set_height(i, j, 3.0f * std::sin(0.2f * static_cast<float>(i)) * std::cos(0.15f * static_cast<float>(j)));
        }
    }
    return map;
}

// The game's twelve, then more of the same, spread out a little so they do not coincide. The
// player stands among them and nobody can die or overheat, so every frame costs the same.
inline void populate(world& w, int count)
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
    w.player.position = vec3(0.0f, 0.0f, 0.0f);
    w.beam_weapon.damage_per_second = 0.0f;
    w.beam_weapon.heat_rate = 0.0f;
}

// One frame of the game's four controllers, in the game's order, with the player driving,
// turning, firing and holding the right button.
class rules_frame {
public:
    // w holds its enemies already; it must outlive this.
    explicit rules_frame(world& w) : world_(w), controllers_(w, controllers::start::as_given)
    {
        input_.window_width = 800;
        input_.window_height = 600;
        input_.cursor_x = 500.0;
        input_.cursor_y = 150.0;
        input_.left_button = true;
        input_.right_button = true;
        input_.w = true;
        input_.a = true;
    }

    void run()
    {
        world_.player.health = 100.0f; // the enemies' contact damage must not end the game
        controllers_.update(input_, 1.0f / 60.0f);
    }

private:
    world& world_;
    controllers controllers_;
    frame_input input_;
};

} // namespace bench
