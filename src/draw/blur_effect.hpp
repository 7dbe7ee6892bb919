#pragma once

#include "draw/fullscreen_effect.hpp"

namespace draw {

// One direction of a separable blur of "image" (unit 0).
class blur_effect final : public fullscreen_effect {
public:
    explicit blur_effect(content::manager& content);

    // Offset between neighbouring taps in texture coordinates: (1 / source width, 0) blurs
    // horizontally, (0, 1 / source height) vertically.
    void set_step(const vec2& step);
};

} // namespace draw
