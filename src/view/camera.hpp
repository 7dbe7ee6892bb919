#pragma once

#include "draw/camera_base.hpp"

class world;

namespace view {

// The follow camera: circles the player on the world's camera orbit, 57 degrees from the
// vertical, looking at the player's position; z-up.
class camera : public draw::camera_base {
public:
    // Window size in pixels; the projection (60 degrees vertical, near 1, far 50) is never rebuilt.
    camera(float width, float height);
    virtual ~camera() = default;

    mat4 projection_matrix() const override { return projection_; }
    mat4 view_matrix() const override { return view_; }
    vec3 eye_position() const override { return eye_; }
    float far_distance() const override { return 50.0f; }
    vec3 direction() const override;

    // Puts the eye on the orbit around the player as it stands now; once per frame, after the
    // controllers.
    void follow(const world& w);

private:
    vec3 eye_{0.0f};
    vec3 target_{0.0f};
    mat4 view_{1.0f};
    mat4 projection_;
};

} // namespace view
