#pragma once

#include "draw/math.hpp"

namespace draw {

// What the drawing code may ask of a camera.
class camera_base {
public:
    virtual mat4 projection_matrix() const = 0;
    virtual mat4 view_matrix() const = 0;
    virtual vec3 eye_position() const = 0;
    virtual float far_distance() const = 0;
    // Unit vector from the eye towards the target.
    virtual vec3 direction() const = 0;

protected:
    ~camera_base() = default;
};

} // namespace draw
