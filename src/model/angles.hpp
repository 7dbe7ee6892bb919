#pragma once

#include <algorithm>
#include <cmath>

namespace model {

// 2*pi and pi/2 as the nearest floats; the player's turns, aim and the camera use these.
constexpr float two_pi = 6.2831855f;
constexpr float half_pi = 1.5707964f;

// acos of a cosine that rounding may have pushed just past +-1 (a normalised vector's component),
// which would otherwise give NaN.
inline float acos_clamped(float cosine) { return std::acos(std::clamp(cosine, -1.0f, 1.0f)); }

} // namespace model
