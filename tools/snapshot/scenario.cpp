#include "scenario.hpp"

#include <cstdlib>

#include "app/game_frame.hpp"
#include "content/manager.hpp"
#include "draw/gl.hpp"
#include "frame_timings.hpp"
#include "model/controllers.hpp"
#include "model/world.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/renderer.hpp"

namespace snapshot {
namespace scenario {

namespace {

// The script, in frames of 1/60 s. Cursor offsets are whole pixels from the window centre, the
// same at every window size, so that the world comes out the same whatever the size: the orbit
// turns by pixels dragged, and the aim only looks at the cursor's direction.
constexpr int drag_end = 20;      // right button held in frames 0-20; frame 0 anchors the drag
constexpr int drag_offset = -400; // turns at 400 / 128 rad/s, just under the orbit's limit of pi
constexpr int fire_start = 30;    // left button held from here on
// Up and slightly right: the beam leaves away from the camera, over the lake between the hills.
constexpr int aim_x = 20;
constexpr int aim_y = -142;

} // namespace

frame_input input_of(int index, int width, int height)
{
    frame_input in;
    in.window_width = width;
    in.window_height = height;
    // Held throughout: the robot drives in a right-hand curve toward the enemy coming from the
    // east. The camera swings round to the right meanwhile, to look along the way.
    in.w = true;
    in.d = true;
    const int centre_x = width / 2;
    const int centre_y = height / 2;
    if (index <= drag_end) {
        in.right_button = true;
        in.cursor_x = centre_x + (index == 0 ? 0 : drag_offset);
        in.cursor_y = centre_y;
    } else {
        in.cursor_x = centre_x + aim_x;
        in.cursor_y = centre_y + aim_y;
        in.left_button = index >= fire_start;
    }
    return in;
}

std::vector<unsigned char> capture(world& w, int width, int height, int frames, frame_timings* timings)
{
    // A process starts as if seeded with 1; seeding again lets a second run repeat the first.
    std::srand(1);
    content::manager content("assets/");
    renderer r(content, w, width, height);
    if (timings != nullptr) {
        r.pipeline().listener = timings;
    }
    controllers rules(w, controllers::start::as_given);
    for (int i = 0; i < frames; ++i) {
        const frame_input in = input_of(i, width, height);
        kalvanor::update_world(rules, in, frame_dt);
        if (timings != nullptr) {
            timings->frame_begun();
        }
        kalvanor::draw_frame(r, w, in, frame_dt);
        if (timings != nullptr) {
            timings->frame_ended();
        }
    }
    // Read before any swap. The back buffer of a window that was never shown reads back whole on
    // Mesa's software rasterizer under Xvfb; a driver may leave an unmapped window's pixels
    // undefined, and the golden-image test would say so.
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    // The screen shows no alpha, but what the bloom leaves there would make the picture
    // see-through in a viewer.
    for (std::size_t i = 3; i < pixels.size(); i += 4) {
        pixels[i] = 255;
    }
    return pixels;
}

} // namespace scenario
} // namespace snapshot
