#include "playback.hpp"

#include "app/game_frame.hpp"
#include "app/memory_policy.hpp"
#include "content/manager.hpp"
#include "draw/gl.hpp"
#include "frame_timings.hpp"
#include "model/world.hpp"
#include "model/world_checksum.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/renderer.hpp"

namespace snapshot {

std::vector<unsigned char> play(world& w, controllers& c, int width, int height, frame_source& source, int last_drawn,
                                int& drawn, frame_timings* timings)
{
    content::manager content("assets/");
    renderer r(content, w, width, height);
    if (timings != nullptr) {
        r.pipeline().listener = timings;
    }
    drawn = -1;
    kalvanor::recorded_frame frame;
    for (int i = 0; source.next(frame); ++i) {
        const bool keep = kalvanor::update_world(c, frame.input, frame.dt);
        source.check(world_checksum(w));
        if (!keep) {
            break; // Escape: the game drew nothing more
        }
        if (last_drawn >= 0 && i > last_drawn) {
            continue;
        }
        if (timings != nullptr) {
            if (source.measured()) {
                timings->frame_recorded(frame.dt);
            }
            timings->frame_begun();
        }
        kalvanor::draw_frame(r, w, frame.input, frame.dt);
        if (timings != nullptr) {
            timings->frame_ended();
        }
        if (drawn < 0) {
            kalvanor::settle_heap_memory(); // as the game does after its first frame
        }
        drawn = i;
    }
    // Read before any swap: the back buffer still holds the last frame drawn. It reads back
    // whole from a window that was never shown on Mesa's software rasterizer under Xvfb; a
    // driver may leave an unmapped window's pixels undefined, and the golden-image test would
    // say so.
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

} // namespace snapshot
