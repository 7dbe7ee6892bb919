#include "app/game.hpp"

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/application.hpp"
#include "app/config.hpp"
#include "app/game_frame.hpp"
#include "content/manager.hpp"
#include "input/input_reader.hpp"
#include "input/mouse.hpp"
#include "model/controllers.hpp"
#include "model/world.hpp"
#include "scene/debug_status.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/gl_error_check.hpp"
#include "scene/renderer.hpp"

namespace kalvanor {

game::game()
{
    configuration_ = std::make_unique<config>("config.txt");

    window_settings settings;
    settings.fullscreen = configuration_->get_bool("fullscreen");
    settings.width = configuration_->get_int("width");
    settings.height = configuration_->get_int("height");
    settings.refresh_rate = configuration_->get_int("refresh_rate");
    settings.title = "Kalvanor";
    application_ = std::make_unique<application>(settings);

    mouse_ = std::make_unique<mouse>(application_->window());
    mouse_->set_cursor_visible(configuration_->get_bool("cursor"));
    input_ = std::make_unique<input_reader>(application_->window());
    content_ = std::make_unique<content::manager>("assets/");
    // The first use of the world creates it, loading the height map.
    world_ = &world::instance();
    controllers_ = std::make_unique<controllers>(*world_);
    // Sized in pixels of the drawable area, which on high-density displays is larger than the
    // window size that the cursor and the aim are measured in.
    int width = 0;
    int height = 0;
    application_->framebuffer_size(width, height);
    renderer_ = std::make_unique<renderer>(*content_, *world_, width, height);

    // Read once: when off, the pipeline's listener stays null and no frame pays for the check.
    const char* checks = std::getenv("KALVANOR_GL_CHECKS");
    if (checks != nullptr && std::strcmp(checks, "1") == 0) {
        gl_check_ = std::make_unique<gl_error_check>(std::cerr);
        gl_check_->check("at start-up");
        renderer_->pipeline().listener = gl_check_.get();
    }
}

// The members go in reverse order of construction: everything that uses the window's context
// before the window itself.
game::~game() = default;

bool game::update(double dt)
{
    const frame_input in = input_->read();
    if (!update_world(*controllers_, in, dt)) {
        return false;
    }
    draw_frame(*renderer_, *world_, in, dt);
    application_->set_title(renderer_->title());
    return true;
}

} // namespace kalvanor
