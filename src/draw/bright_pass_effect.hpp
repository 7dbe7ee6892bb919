#pragma once

#include "draw/fullscreen_effect.hpp"

namespace draw {

// Keeps the bright parts of the scene picture ("image", unit 0) for the glow; meant to draw into a
// target half the picture's size.
class bright_pass_effect final : public fullscreen_effect {
public:
    explicit bright_pass_effect(content::manager& content);
};

} // namespace draw
