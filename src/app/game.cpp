#include "app/game.hpp"

#include "app/application.hpp"
#include "app/config.hpp"
#include "app/keyboard.hpp"
#include "app/mouse.hpp"
#include "content/manager.hpp"
#include "model/controllers.hpp"
#include "model/world.hpp"

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
    keyboard_ = std::make_unique<keyboard>(application_->window());
    content_ = std::make_unique<content::manager>("assets/");
    // The first use of the world creates it, loading the height map.
    controllers_ = std::make_unique<controllers>(application_->window());
    world_ = &world::instance();
    debug_status_ = std::make_unique<debug_status>();
}

// The members go in reverse order of construction: everything that uses the window's context
// before the window itself.
game::~game() = default;

bool game::update(double dt)
{
    if (keyboard_->is_pressed(key::escape)) {
        return false;
    }
    // Game state, player, camera orbit, enemies: the model runs in single precision.
    controllers_->update(static_cast<float>(dt));

    debug_status_->update(*keyboard_, dt);
    application_->set_title(debug_status_->title());
    return true;
}

} // namespace kalvanor
