#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "draw/math.hpp"
#include "effect_fixture.hpp"

namespace {

void expect_near(const vec3& actual, const vec3& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(glm::length(actual - expected), 0.0f, tolerance) << actual.x << "," << actual.y << "," << actual.z;
}

vec3 transform(const mat4& m, const vec3& p)
{
    const vec4 r = m * vec4(p, 1.0f);
    return vec3(r) / r.w;
}

TEST(math, column_major_storage_and_rotation_in_degrees_composed_on_the_right)
{
    const mat4 m = draw::translate(mat4(1.0f), vec3(5.0f, 6.0f, 7.0f));
    const float* elements = &m[0][0];
    EXPECT_EQ(vec4(elements[12], elements[13], elements[14], elements[15]), vec4(5.0f, 6.0f, 7.0f, 1.0f));
    EXPECT_EQ(elements[3], 0.0f);

    // The axis is normalised; translate then rotate turns the point before moving it.
    expect_near(transform(draw::rotate(mat4(1.0f), 90.0f, vec3(0, 0, 2)), vec3(1, 0, 0)), vec3(0, 1, 0));
    expect_near(transform(draw::rotate(m, 90.0f, vec3(0, 0, 1)), vec3(1, 0, 0)), vec3(5, 7, 7));
}

TEST(math, look_at_is_right_handed)
{
    const mat4 view = draw::look_at(vec3(0, 0, 10), vec3(0, 0, 0), vec3(0, 1, 0));
    expect_near(transform(view, vec3(0, 0, 0)), vec3(0, 0, -10));
    expect_near(transform(view, vec3(1, 0, 0)), vec3(1, 0, -10));
}

TEST(math, perspective_takes_degrees_and_puts_the_terms_in_their_row_and_column)
{
    const mat4 p = draw::perspective_fov(60.0f, 800.0f, 600.0f, 1.0f, 50.0f);
    EXPECT_NEAR(p[1][1], 1.7320508f, 1e-6f); // vertical field of view
    EXPECT_NEAR(p[0][0], 1.2990381f, 1e-6f);
    EXPECT_NEAR(p[2][2], -1.0408163f, 1e-6f);
    EXPECT_NEAR(p[3][2], -2.0408163f, 1e-6f); // row 2, column 3
    EXPECT_EQ(p[2][3], -1.0f);                // row 3, column 2
    EXPECT_EQ(p[3][3], 0.0f);
}

TEST(math, mirror_view_reflects_across_the_water_level_before_viewing)
{
    const test::fixed_camera camera(vec3(3, -8, 5), vec3(0, 0, 0), 50.0f);
    const mat4 view = camera.view_matrix();
    expect_near(transform(draw::mirror_view(camera, 0.0f), vec3(1, 2, 3)), transform(view, vec3(1, 2, -3)));
    expect_near(transform(draw::mirror_view(camera, 1.0f), vec3(1, 2, 3)), transform(view, vec3(1, 2, -1)));
}

TEST(math, frustum_planes_point_outwards)
{
    // Seen from the origin along +y: what lies ahead is inside; behind, beyond the far plane,
    // before the near plane or far to the right is not.
    const draw::frustum planes = draw::frustum_planes(draw::look_at(vec3(0, 0, 0), vec3(0, 1, 0), vec3(0, 0, 1)),
                                                      draw::perspective_fov(60.0f, 800.0f, 600.0f, 1.0f, 50.0f));
    for (const auto& [p, inside] : {std::pair{vec3(0, 10, 0), true}, {vec3(0, -10, 0), false},
                                    {vec3(0, 60, 0), false}, {vec3(0, 0.5f, 0), false}, {vec3(30, 10, 0), false}}) {
        const bool outside = std::any_of(planes.begin(), planes.end(),
                                         [&](const vec4& plane) { return glm::dot(vec3(plane), p) + plane.w > 0.0f; });
        EXPECT_EQ(outside, !inside) << p.x << "," << p.y;
    }
    for (const vec4& plane : planes) {
        EXPECT_NEAR(glm::length(vec3(plane)), 1.0f, 1e-5f) << "distances in world units";
    }
    EXPECT_NEAR(glm::dot(vec3(planes[5]), vec3(0, 50, 0)) + planes[5].w, 0.0f, 1e-3f);
}

} // namespace
