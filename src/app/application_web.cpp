#include "app/application.hpp"

#include <exception>
#include <iostream>

#include <emscripten.h>

namespace kalvanor {

namespace {

// The page (web/shell.html) shows that the game ended; a page cannot close itself.
EM_JS(void, tell_page_game_ended, (), {
    if (Module.onGameEnded) {
        Module.onGameEnded();
    }
});

EM_JS(void, tell_page_full_screen_on_click, (), { Module.fullScreenOnClick = true; });

struct frame_loop {
    application* app;
    game* game;
};
frame_loop loop;

} // namespace

// A browser draws only when the page's animation loop calls back, so the frames run from there.
// main stays on the stack for good (Emscripten leaves it when the loop starts, without unwinding
// it), and with it the game. Failures of a frame reach the page as main's would.
void application::run(game& game)
{
    loop = {this, &game};
    emscripten_set_main_loop_arg(
        [](void* data) {
            frame_loop& running = *static_cast<frame_loop*>(data);
            try {
                if (!running.app->step(*running.game)) {
                    emscripten_cancel_main_loop();
                    tell_page_game_ended();
                }
            } catch (const std::exception& e) {
                emscripten_cancel_main_loop();
                std::cerr << "kalvanor: " << e.what() << std::endl;
            }
        },
        &loop, 0, true);
}

GLFWmonitor* application::full_screen(int&, int&)
{
    tell_page_full_screen_on_click();
    return nullptr;
}

} // namespace kalvanor
