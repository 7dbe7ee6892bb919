#pragma once

#include <chrono>
#include <iosfwd>
#include <string>

#include "scene/render_pass.hpp"

// A debugging aid, off unless asked for (the game switches it on with KALVANOR_GL_CHECKS=1):
// drains glGetError around every pass of a frame and writes one line per error naming where it
// was raised, e.g. "kalvanor: GL error 0x0502 (GL_INVALID_OPERATION) in the reflection pass".
// Errors before a pass begins (between passes and frames) are reported "before the ... pass".
// Every `count_period` seconds of wall time, after the last pass of a frame, it also writes how
// many GL objects are alive, "kalvanor: gl objects: N (...)", so that a long run shows leaks.
// Needs a current context in every call; never throws on errors, which it only reports.
class gl_error_check final : public pass_listener {
public:
    // Reports go to `out` (the game passes std::cerr). count_period in seconds; 0 counts after
    // every frame.
    explicit gl_error_check(std::ostream& out, double count_period = 10.0);

    // Reports every pending error as raised `where` ("at start-up"); returns how many there were.
    int check(const char* where);

    void pass_begun(render_pass pass) override;
    void pass_ended(render_pass pass) override;

    // GL objects alive among the names 1..max_name of every kind the game makes: buffers,
    // textures, framebuffers, renderbuffers, programs, shaders, vertex arrays and queries. The
    // game holds a few dozen names, far below the bound; a leak shows as growth until its names
    // pass the bound. A name only generated, never bound, is not an object yet and not counted.
    struct object_count {
        int buffers = 0;
        int textures = 0;
        int framebuffers = 0;
        int renderbuffers = 0;
        int programs = 0;
        int shaders = 0;
        int vertex_arrays = 0;
        int queries = 0;
        int total() const;
        std::string to_string() const;
    };
    static object_count count_objects(unsigned max_name = 4096);

private:
    int check(const char* where_before, const char* pass, const char* where_after);

    std::ostream& out_;
    std::chrono::steady_clock::duration count_period_;
    std::chrono::steady_clock::time_point next_count_;
    bool counted_ = false;
};
