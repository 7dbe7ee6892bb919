#pragma once

// Shared helpers of the effect and shadow-map GL tests.

#include <unistd.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "content/manager.hpp"
#include "content/mesh.hpp"
#include "draw/camera_base.hpp"
#include "draw/geometry.hpp"
#include "draw/gl.hpp"
#include "draw/shadow_map.hpp"
#include "support/gl_context.hpp"

namespace test {

// A context plus a content manager over the game's own assets, as the renderer has them.
class effect_test : public gl_test {
protected:
    void SetUp() override
    {
        gl_test::SetUp();
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    content::manager content{std::string(KALVANOR_SOURCE_DIR) + "/assets/"};
};

// Changes the working directory for its lifetime (the shadow map reads "assets/..." relative to it).
class working_directory {
public:
    explicit working_directory(const std::string& path)
    {
        char buffer[4096];
        previous_ = getcwd(buffer, sizeof(buffer)) != nullptr ? buffer : ".";
        ok_ = chdir(path.c_str()) == 0;
    }
    ~working_directory()
    {
        if (chdir(previous_.c_str()) != 0) {
            ADD_FAILURE() << "could not return to " << previous_;
        }
    }
    bool ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_;
};

// The game's shadow map, which reads its shaders below the working directory as the game runs;
// null (and a failure) where the source folder cannot be entered.
inline std::unique_ptr<draw::shadow_map> game_shadow_map()
{
    working_directory in_source(KALVANOR_SOURCE_DIR);
    if (!in_source.ok()) {
        ADD_FAILURE() << "cannot enter " << KALVANOR_SOURCE_DIR;
        return nullptr;
    }
    return std::make_unique<draw::shadow_map>();
}

// A fixed camera for the passes that need one.
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
    vec3 eye_;
    vec3 target_;
    float far_;
    float aspect_;
};

// An axis-aligned box from `low` to `high` as a triangle list with outward normals and
// counter-clockwise front faces.
inline std::shared_ptr<draw::geometry> make_box(const vec3& low, const vec3& high)
{
    std::vector<kalvanor::mesh_vertex> vertices;
    std::vector<std::uint32_t> indices;
    for (int axis = 0; axis < 3; ++axis) {
        for (int side = 0; side < 2; ++side) {
            vec3 normal(0.0f);
            normal[axis] = side == 0 ? -1.0f : 1.0f;
            // u, v span the face so that u x v = normal.
            vec3 u(0.0f);
            vec3 v(0.0f);
            u[(axis + 1) % 3] = 1.0f;
            v[(axis + 2) % 3] = 1.0f;
            if (side == 0) {
                std::swap(u, v);
            }
            const std::uint32_t first = static_cast<std::uint32_t>(vertices.size());
            const std::array<vec2, 4> corners{vec2(0, 0), vec2(1, 0), vec2(1, 1), vec2(0, 1)};
            for (const vec2& corner : corners) {
                vec3 unit = (normal + vec3(1.0f)) * 0.5f * glm::abs(normal) + u * corner.x + v * corner.y;
                kalvanor::mesh_vertex vertex;
                vertex.position = low + (high - low) * unit;
                vertex.texcoord = corner;
                vertex.normal = normal;
                vertices.push_back(vertex);
            }
            for (std::uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) {
                indices.push_back(first + i);
            }
        }
    }
    return std::make_shared<draw::geometry>(vertices, indices, false);
}

// One float uniform (or the first components of a vector or matrix) as the program holds it.
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

inline bool enabled(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }

inline GLint integer_state(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

} // namespace test
