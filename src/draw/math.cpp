#include "draw/math.hpp"

#include <glm/gtc/matrix_transform.hpp>

#include "draw/camera_base.hpp"

namespace draw {

mat4 rotate(const mat4& m, float degrees, const vec3& axis)
{
    return glm::rotate(m, degrees * degrees_to_radians, glm::normalize(axis));
}

mat4 translate(const mat4& m, const vec3& v) { return glm::translate(m, v); }

mat4 scale(const mat4& m, const vec3& v) { return glm::scale(m, v); }

mat4 perspective_fov(float fov_degrees, float width, float height, float near, float far)
{
    return glm::perspectiveFov(fov_degrees * degrees_to_radians, width, height, near, far);
}

mat4 ortho(float left, float right, float bottom, float top, float near, float far)
{
    return glm::ortho(left, right, bottom, top, near, far);
}

mat4 look_at(const vec3& eye, const vec3& center, const vec3& up)
{
    return glm::lookAt(eye, center, up);
}

mat4 mirror_view(const camera_base& camera, float water_level)
{
    mat4 reflect(1.0f);
    reflect[2][2] = -1.0f;
    reflect[3][2] = 2.0f * water_level;
    return camera.view_matrix() * reflect;
}

frustum frustum_planes(const mat4& view, const mat4& projection)
{
    const mat4 m = projection * view;
    // glm indexes [column][row]; the planes are combinations of the rows of m.
    auto row = [&m](int i) { return vec4(m[0][i], m[1][i], m[2][i], m[3][i]); };
    const vec4 raw[6] = {
        row(3) + row(0), row(3) - row(0), row(3) + row(1),
        row(3) - row(1), row(3) + row(2), row(3) - row(2),
    };
    frustum planes;
    for (int i = 0; i < 6; ++i) {
        // Raw planes point inwards; negate so a positive distance means outside.
        planes[i] = -raw[i] / glm::length(vec3(raw[i]));
    }
    return planes;
}

} // namespace draw
