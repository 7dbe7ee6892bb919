#pragma once

// Shared helpers of the draw GL tests.

#include <memory>
#include <string>
#include <vector>

#include "content/manager.hpp"
#include "draw/camera_base.hpp"
#include "draw/framebuffer.hpp"
#include "draw/geometry.hpp"
#include "draw/gl.hpp"
#include "support/message_of.hpp"
#include "support/gl_context.hpp"
#include "view/box_mesh.hpp"

namespace test {

// A context plus a content manager over the game's own assets, as the renderer has them.
class effect_test : public gl_test {
protected:
    content::manager content{std::string(KALVANOR_SOURCE_DIR) + "/assets/"};
};

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

// The sum of `count(name)` over GL names below 4096, `count` telling how many kinds of object
// hold the name (one name can be a texture and a framebuffer): a leak shows as a higher sum.
template <typename Count>
int live_names(Count count)
{
    int sum = 0;
    for (GLuint name = 1; name < 4096; ++name) {
        sum += static_cast<int>(count(name));
    }
    return sum;
}

// An RGB picture of `width` texels a row, as a framebuffer's colour texture like the passes
// read each other's output. Binds on unit 0.
inline std::unique_ptr<draw::framebuffer> upload(const std::vector<unsigned char>& rgb, int width)
{
    const int height = static_cast<int>(rgb.size()) / 3 / width;
    auto target = std::make_unique<draw::framebuffer>(width, height, 1, false);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, target->color_texture(0));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return target;
}

} // namespace test
