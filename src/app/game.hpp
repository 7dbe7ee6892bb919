#pragma once

#include <memory>

class controllers;
class gl_error_check;
class renderer;
class world;

namespace content {
class manager;
}

namespace kalvanor {

class application;
class config;
class input_reader;
class mouse;
class recording_reader;
class recording_writer;

// Owns every long-lived part of the program, builds them in a fixed order and runs one frame
// per update. Members are destroyed in reverse order, so GL users go before the window.
class game {
public:
    game();
    ~game();
    game(const game&) = delete;
    game& operator=(const game&) = delete;

    // One frame; dt in seconds since the previous one. False when the player asked to quit.
    virtual bool update(double dt);

    application& app() { return *application_; }

private:
    std::unique_ptr<config> configuration_;
    // KALVANOR_REPLAY: checked before the window opens, so a file that cannot be replayed costs
    // no window.
    std::unique_ptr<recording_reader> replay_;
    std::unique_ptr<application> application_;
    std::unique_ptr<mouse> mouse_;
    std::unique_ptr<input_reader> input_; // the only reader of keys, buttons, cursor and pad
    std::unique_ptr<content::manager> content_;
    std::unique_ptr<controllers> controllers_;
    world* world_ = nullptr; // process-wide, not owned: it outlives the game
    // Only with KALVANOR_GL_CHECKS=1; before the renderer, whose pipeline points to it.
    std::unique_ptr<::gl_error_check> gl_check_;
    std::unique_ptr<::renderer> renderer_;
    std::unique_ptr<recording_writer> recorder_; // KALVANOR_RECORD
};

} // namespace kalvanor
