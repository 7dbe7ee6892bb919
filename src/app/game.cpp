#include "app/game.hpp"

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/application.hpp"
#include "app/asset_identity.hpp"
#include "app/config.hpp"
#include "app/game_frame.hpp"
#include "app/memory_policy.hpp"
#include "app/recording_reader.hpp"
#include "app/recording_writer.hpp"
#include "content/manager.hpp"
#include "input/input_reader.hpp"
#include "input/mouse.hpp"
#include "model/controllers.hpp"
#include "model/world.hpp"
#include "model/world_checksum.hpp"
#include "scene/debug_status.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/gl_error_check.hpp"
#include "scene/renderer.hpp"

namespace kalvanor {

namespace {

// A variable that is unset or empty is not asked for.
const char* environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

} // namespace

game::game()
{
    configuration_ = std::make_unique<config>("config.txt");
    // The game takes no options: recording and replaying are asked for through the environment.
    const char* replay_path = environment("KALVANOR_REPLAY");
    const char* record_path = environment("KALVANOR_RECORD");
    std::uint64_t assets = 0;
    if (replay_path != nullptr || record_path != nullptr) {
        assets = asset_identity("assets/");
    }
    if (replay_path != nullptr) {
        replay_ = std::make_unique<recording_reader>(replay_path, assets);
    }

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
    if (record_path != nullptr) {
        recording_header header;
        mouse_->window_size(header.width, header.height);
        header.assets = assets;
        recorder_ = std::make_unique<recording_writer>(record_path, header);
    }
}

// The members go in reverse order of construction: everything that uses the window's context
// before the window itself.
game::~game() = default;

bool game::update(double dt)
{
    recorded_frame frame;
    frame.input = input_->read();
    frame.dt = dt;
    // A replay takes everything from the recording, but Escape on the keyboard still ends it.
    if (replay_ && (frame.input.escape || !replay_->next(frame))) {
        return false;
    }
    const bool keep = update_world(*controllers_, frame.input, frame.dt);
    if (replay_ || recorder_) {
        frame.checksum = world_checksum(*world_);
        if (replay_) {
            replay_->expect(frame.checksum);
        }
        // The frame that quits is kept too, so a replay ends where the session did.
        if (recorder_) {
            recorder_->write(frame);
        }
    }
    if (!keep) {
        return false;
    }
    draw_frame(*renderer_, *world_, frame.input, frame.dt);
    application_->set_title(renderer_->title());
    settle_heap_memory(); // after the first frame; it does nothing later
    return true;
}

} // namespace kalvanor
