#pragma once

#include "draw/fullscreen_effect.hpp"

namespace draw {

// Adds the blurred glow ("bloom", unit 1) to the scene picture ("image", unit 0).
class bloom_effect final : public fullscreen_effect {
public:
    explicit bloom_effect(content::manager& content);
};

} // namespace draw
