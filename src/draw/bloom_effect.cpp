#include "draw/bloom_effect.hpp"

namespace draw {

bloom_effect::bloom_effect(content::manager& content) : fullscreen_effect(content, "shaders/bloom_fs.glsl") {}

} // namespace draw
