#include "app/game_frame.hpp"

#include "input/frame_input.hpp"
#include "model/controllers.hpp"
#include "scene/debug_status.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/renderer.hpp"

namespace kalvanor {

bool update_world(controllers& c, const frame_input& in, double dt)
{
    if (in.escape) {
        return false;
    }
    c.update(in, static_cast<float>(dt));
    return true;
}

void draw_frame(renderer& r, const world& w, const frame_input& in, double dt)
{
    debug_status& status = r.debug_status();
    status.update(in, dt);
    // Every frame, so that settings chosen in debug mode stay in force after it is left.
    r.pipeline().render_settings = status.render_settings;
    r.draw(w);
}

} // namespace kalvanor
