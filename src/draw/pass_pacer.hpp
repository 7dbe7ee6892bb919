#pragma once

#include "draw/gl.hpp"

namespace draw {

// Keeps the CPU at most one pass ahead of the drawing: mark() between passes waits until
// everything issued before the previous mark has been drawn.
//
// Mesa's software renderer bins each pass into a "scene" and opens a new one whenever every
// scene it has is still being drawn; it never gives one back, and a finished scene keeps its
// binned commands (a frame bins about 5 MB) until it is used again. A thread that now and
// then runs two or three passes ahead makes the renderer's memory grow in steps for minutes,
// each kept for good. Paced, it needs two scenes and uses them in turn. The frame does not get
// slower: a pass that samples an earlier pass's target waits for all drawing anyway.
class pass_pacer {
public:
    pass_pacer() = default;
    ~pass_pacer();
    pass_pacer(const pass_pacer&) = delete;
    pass_pacer& operator=(const pass_pacer&) = delete;

    // Sends what has been issued so far to be drawn and waits (at most a second) until what was
    // issued before the previous mark has been.
    void mark();

private:
    GLsync previous_ = nullptr;
};

} // namespace draw
