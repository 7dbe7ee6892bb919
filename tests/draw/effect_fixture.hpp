#pragma once

// Shared helpers of the draw GL tests.

#include <memory>
#include <string>

#include "base/exception.hpp"
#include "content/manager.hpp"
#include "draw/camera_base.hpp"
#include "draw/geometry.hpp"
#include "draw/gl.hpp"
#include "draw/shadow_map.hpp"
#include "support/gl_context.hpp"
#include "view/box_mesh.hpp"

namespace test {

// A context plus a content manager over the game's own assets, as the renderer has them.
class effect_test : public gl_test {
protected:
    content::manager content{std::string(KALVANOR_SOURCE_DIR) + "/assets/"};
};

inline std::unique_ptr<draw::shadow_map> game_shadow_map()
{
    const in_source_dir here;
    return std::make_unique<draw::shadow_map>();
}

// A z-up camera looking from `eye` at `target`.
struct fixed_camera : draw::camera_base {
    fixed_camera(const vec3& eye, const vec3& target, float far, float aspect = 1.0f)
        : eye(eye), target(target), far(far), aspect(aspect) {}
    mat4 projection_matrix() const override { return draw::perspective_fov(45.0f, aspect, 1.0f, 0.1f, far); }
    mat4 view_matrix() const override { return draw::look_at(eye, target, vec3(0.0f, 0.0f, 1.0f)); }
    vec3 eye_position() const override { return eye; }
    float far_distance() const override { return far; }
    vec3 direction() const override { return glm::normalize(target - eye); }
    vec3 eye, target;
    float far, aspect;
};

// The game's own box, as a geometry spanning `low` to `high`.
inline std::shared_ptr<draw::geometry> make_box(const vec3& low, const vec3& high)
{
    const view::box_mesh box({low.x, high.x, low.y, high.y, high.z, low.z});
    return std::make_shared<draw::geometry>(box.vertices(), box.indices(), false);
}

// The message of the `Exception` that `action` throws; misuse throws kalvanor::exception, which
// is deliberately not a std::runtime_error.
template <typename Exception = kalvanor::exception, typename Action>
std::string message_of(Action action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace test
