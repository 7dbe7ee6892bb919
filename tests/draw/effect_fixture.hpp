#pragma once

// Shared helpers of the draw GL tests.

#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "app/exception.hpp"
#include "content/manager.hpp"
#include "draw/camera_base.hpp"
#include "draw/geometry.hpp"
#include "draw/gl.hpp"
#include "draw/shadow_map.hpp"
#include "support/gl_context.hpp"

namespace test {

// A context plus a content manager over the game's own assets, as the renderer has them.
class effect_test : public gl_test {
protected:
    content::manager content{std::string(KALVANOR_SOURCE_DIR) + "/assets/"};
};

// The game's shadow map reads "assets/..." relative to the working directory, as the game runs.
inline std::unique_ptr<draw::shadow_map> game_shadow_map()
{
    char previous[4096];
    if (getcwd(previous, sizeof(previous)) == nullptr || chdir(KALVANOR_SOURCE_DIR) != 0) {
        ADD_FAILURE() << "cannot enter " << KALVANOR_SOURCE_DIR;
        return nullptr;
    }
    auto map = std::make_unique<draw::shadow_map>();
    EXPECT_EQ(chdir(previous), 0);
    return map;
}

class fixed_camera : public draw::camera_base {
public:
    fixed_camera(const vec3& eye, const vec3& target, float far, float aspect = 1.0f)
        : eye_(eye), target_(target), far_(far), aspect_(aspect)
    {
    }
    mat4 projection_matrix() const override { return draw::perspective_fov(45.0f, aspect_, 1.0f, 0.1f, far_); }
    mat4 view_matrix() const override { return draw::look_at(eye_, target_, vec3(0.0f, 0.0f, 1.0f)); }
    vec3 eye_position() const override { return eye_; }
    float far_distance() const override { return far_; }
    vec3 direction() const override { return glm::normalize(target_ - eye_); }

private:
    vec3 eye_, target_;
    float far_, aspect_;
};

// An axis-aligned box as a triangle list with outward normals and counter-clockwise front faces.
inline std::shared_ptr<draw::geometry> make_box(const vec3& low, const vec3& high)
{
    std::vector<kalvanor::mesh_vertex> vertices;
    std::vector<std::uint32_t> indices;
    for (int axis = 0; axis < 3; ++axis) {
        for (const float side : {-1.0f, 1.0f}) {
            vec3 normal(0.0f), u(0.0f), v(0.0f);
            normal[axis] = side;
            // u x v = normal.
            (side > 0 ? u : v)[(axis + 1) % 3] = 1.0f;
            (side > 0 ? v : u)[(axis + 2) % 3] = 1.0f;
            const auto first = static_cast<std::uint32_t>(vertices.size());
            for (const vec2 corner : {vec2(0, 0), vec2(1, 0), vec2(1, 1), vec2(0, 1)}) {
                const vec3 unit = glm::max(normal, vec3(0.0f)) + u * corner.x + v * corner.y;
                vertices.push_back({low + (high - low) * unit, corner, normal});
            }
            for (std::uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) {
                indices.push_back(first + i);
            }
        }
    }
    return std::make_shared<draw::geometry>(vertices, indices, false);
}

// The first `count` components of a float uniform (vector or matrix) as the program holds it.
inline std::vector<float> uniform_floats(GLuint program, const char* name, std::size_t count)
{
    std::vector<float> values(16, -12345.0f);
    glGetUniformfv(program, glGetUniformLocation(program, name), values.data());
    values.resize(count);
    return values;
}

inline GLint uniform_int(GLuint program, const char* name)
{
    GLint value = -12345;
    glGetUniformiv(program, glGetUniformLocation(program, name), &value);
    return value;
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

inline bool enabled(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }

inline GLint integer_state(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

} // namespace test
