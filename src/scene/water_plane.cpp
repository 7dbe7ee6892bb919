#include "scene/water_plane.hpp"

#include <cmath>

#include "content/manager.hpp"
#include "content/texture_loader.hpp"
#include "model/world.hpp"

water_plane::water_plane(content::manager& content, float amplitude, float frequency)
    : normal_map(content.texture().load_shared("textures/water_normals.bmp")), amplitude(amplitude),
      frequency(frequency)
{
}

void water_plane::update(const game_state& state)
{
    const float t = state.elapsed;
    const float low = state.water_level - amplitude;
    const float high = state.water_level + amplitude;
    const double s = std::sin(static_cast<double>(t) * 3.141592 * static_cast<double>(frequency));
    const float k = static_cast<float>(0.5 + 0.5 * s);
    level = low + (high - low) * k;
    // 0.1 units per second along the diagonal.
    const float drift = t * 0.1f / std::sqrt(2.0f);
    ripple_offset = vec2(drift, drift);
}
