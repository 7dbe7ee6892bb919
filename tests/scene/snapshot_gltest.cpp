#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "hidden_window.hpp"
#include "model/enemy_rules.hpp"
#include "model/world.hpp"
#include "scenario.hpp"
#include "support/gl_context.hpp"

namespace {

using rgb = std::array<double, 3>;

// The scripted scene's last frame in a window of its own, from a new game on the game's terrain.
std::vector<unsigned char> snapshot_of(int width, int height)
{
    const test::in_source_dir here;
    world w(world::instance().heightmap);
    spawn_enemies(w);
    const snapshot::hidden_window window(width, height);
    return snapshot::scenario::capture(w, width, height, snapshot::scenario::default_frames);
}

// A part of the picture in fractions of its size, top left (0, 0), and its mean colour (0-255)
// as llvmpipe drew it. Fractions keep the regions on the same things at any 4:3 size.
struct region {
    const char* name;
    double left, top, right, bottom;
    rgb mean;
};

const region regions[] = {
    {"sky", 0.10, 0.00, 0.30, 0.05, {204, 229, 242}},   // the fog-coloured horizon above the hills
    {"snow", 0.10, 0.70, 0.90, 0.95, {209, 219, 247}},  // lit snow in front of the robot
    {"player", 0.44, 0.40, 0.54, 0.52, {140, 95, 40}},  // the orange robot
    {"water", 0.36, 0.13, 0.50, 0.17, {167, 208, 232}}, // the lake between the hills; snow is redder
};
// Wide enough for another Mesa's filtering and rounding; a missing pass moves a mean by far more.
constexpr double tolerance = 24.0;

class snapshot_test : public test::gl_test {};

TEST_F(snapshot_test, the_scripted_scene_shows_sky_snow_player_water_and_beam_at_two_sizes)
{
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{800, 600}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        const std::vector<unsigned char> pixels = snapshot_of(width, height);
        const auto at = [&](int x, int y_from_top) {
            return &pixels[4 * (static_cast<std::size_t>(height - 1 - y_from_top) * width + x)];
        };
        bool good = true;
        for (const region& r : regions) {
            rgb sum{};
            int count = 0;
            for (int y = static_cast<int>(r.top * height); y < static_cast<int>(r.bottom * height); ++y) {
                for (int x = static_cast<int>(r.left * width); x < static_cast<int>(r.right * width); ++x, ++count) {
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += at(x, y)[c];
                    }
                }
            }
            for (int c = 0; c < 3; ++c) {
                const double mean = sum[c] / count;
                if (std::fabs(mean - r.mean[c]) > tolerance) {
                    good = false;
                    ADD_FAILURE() << r.name << " channel " << c << ": mean " << mean << ", expected " << r.mean[c];
                }
            }
        }
        // The beam's own pink (emissive 1, 0, 0.3) is a thin line across a quarter of the picture;
        // without the beam, or with its colour lost, almost none of it is left.
        int pink = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            pink += pixels[i] >= 200 && pixels[i + 1] <= 100 && pixels[i + 2] >= 60 && pixels[i + 2] <= 200;
        }
        if (pink < 0.0015 * width * height) { // llvmpipe: 0.3 %
            good = false;
            ADD_FAILURE() << "only " << pink << " pink beam pixels";
        }
        if (!good) {
            const std::string path =
                "/tmp/kalvanor_snapshot_" + std::to_string(width) + "x" + std::to_string(height) + ".png";
            test::save_png(path, pixels, width, height);
            ADD_FAILURE() << "the frame is in " << path;
        }
    }
}

} // namespace
