#include <gtest/gtest.h>

#include "draw/camera_base.hpp"
#include "draw/math.hpp"

namespace {

void expect_near(const vec3& actual, const vec3& expected, float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

vec3 transform(const mat4& m, const vec3& p)
{
    const vec4 r = m * vec4(p, 1.0f);
    return vec3(r) / r.w;
}

TEST(math, storage_is_column_major_with_the_translation_at_12_to_14)
{
    const mat4 m = draw::translate(mat4(1.0f), vec3(5.0f, 6.0f, 7.0f));
    const float* elements = &m[0][0];
    EXPECT_EQ(elements[12], 5.0f);
    EXPECT_EQ(elements[13], 6.0f);
    EXPECT_EQ(elements[14], 7.0f);
    EXPECT_EQ(elements[15], 1.0f);
    EXPECT_EQ(elements[3], 0.0f);
}

TEST(math, rotate_takes_degrees_and_normalises_the_axis)
{
    const mat4 r = draw::rotate(mat4(1.0f), 90.0f, vec3(0.0f, 0.0f, 2.0f));
    expect_near(transform(r, vec3(1.0f, 0.0f, 0.0f)), vec3(0.0f, 1.0f, 0.0f));
    // Composes on the right: translate then rotate turns the point before moving it.
    const mat4 tr = draw::rotate(draw::translate(mat4(1.0f), vec3(10.0f, 0.0f, 0.0f)), 90.0f, vec3(0, 0, 1));
    expect_near(transform(tr, vec3(1.0f, 0.0f, 0.0f)), vec3(10.0f, 1.0f, 0.0f));
}

TEST(math, look_at_is_right_handed)
{
    const mat4 view = draw::look_at(vec3(0, 0, 10), vec3(0, 0, 0), vec3(0, 1, 0));
    expect_near(transform(view, vec3(0, 0, 0)), vec3(0, 0, -10));
    // x stays to the right when looking down -z with y up.
    expect_near(transform(view, vec3(1, 0, 0)), vec3(1, 0, -10));
}

TEST(math, perspective_takes_the_vertical_field_of_view_in_degrees)
{
    const mat4 p = draw::perspective_fov(60.0f, 800.0f, 600.0f, 1.0f, 50.0f);
    EXPECT_NEAR(p[1][1], 1.7320508f, 1e-6f);
    EXPECT_NEAR(p[0][0], 1.2990381f, 1e-6f);
    EXPECT_NEAR(p[2][2], -1.0408163f, 1e-6f);
    EXPECT_NEAR(p[3][2], -2.0408163f, 1e-6f); // row 2, column 3
    EXPECT_EQ(p[2][3], -1.0f);                // row 3, column 2
    EXPECT_EQ(p[3][3], 0.0f);
}

TEST(math, ortho_matches_the_light_box)
{
    const mat4 p = draw::ortho(-25.0f, 25.0f, -25.0f, 25.0f, -40.0f, 60.0f);
    EXPECT_NEAR(p[0][0], 0.04f, 1e-7f);
    EXPECT_NEAR(p[1][1], 0.04f, 1e-7f);
    EXPECT_NEAR(p[2][2], -0.02f, 1e-7f);
    EXPECT_NEAR(p[3][2], -0.2f, 1e-7f);
    EXPECT_EQ(p[3][3], 1.0f);
}

class fixed_camera : public draw::camera_base {
public:
    explicit fixed_camera(const mat4& view) : view_(view) {}
    mat4 projection_matrix() const override { return mat4(1.0f); }
    mat4 view_matrix() const override { return view_; }
    vec3 eye_position() const override { return vec3(0.0f); }
    float far_distance() const override { return 50.0f; }
    vec3 direction() const override { return vec3(0.0f, 1.0f, 0.0f); }

private:
    mat4 view_;
};

TEST(math, mirror_view_reflects_across_the_water_level_before_viewing)
{
    const mat4 view = draw::look_at(vec3(3, -8, 5), vec3(0, 0, 0), vec3(0, 0, 1));
    const fixed_camera camera(view);
    expect_near(transform(draw::mirror_view(camera, 0.0f), vec3(1, 2, 3)), transform(view, vec3(1, 2, -3)));
    expect_near(transform(draw::mirror_view(camera, 1.0f), vec3(1, 2, 3)), transform(view, vec3(1, 2, -1)));
}

TEST(math, frustum_planes_of_the_unit_cube_point_outwards)
{
    const draw::frustum planes = draw::frustum_planes(mat4(1.0f), mat4(1.0f));
    const vec4 expected[6] = {{-1, 0, 0, -1}, {1, 0, 0, -1}, {0, -1, 0, -1},
                              {0, 1, 0, -1},  {0, 0, -1, -1}, {0, 0, 1, -1}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(planes[i], expected[i]) << "plane " << i;
    }
}

TEST(math, frustum_planes_of_a_camera_contain_what_it_sees)
{
    const mat4 view = draw::look_at(vec3(0, 0, 0), vec3(0, 1, 0), vec3(0, 0, 1));
    const mat4 projection = draw::perspective_fov(60.0f, 800.0f, 600.0f, 1.0f, 50.0f);
    const draw::frustum planes = draw::frustum_planes(view, projection);
    const auto outside = [&planes](const vec3& p) {
        for (const vec4& plane : planes) {
            if (glm::dot(vec3(plane), p) + plane.w > 0.0f) {
                return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(outside(vec3(0, 10, 0)));
    EXPECT_TRUE(outside(vec3(0, -10, 0)));  // behind
    EXPECT_TRUE(outside(vec3(0, 60, 0)));   // beyond the far plane
    EXPECT_TRUE(outside(vec3(0, 0.5f, 0))); // before the near plane
    EXPECT_TRUE(outside(vec3(30, 10, 0)));  // far to the right
    // The far plane lies at distance 50 along the view direction.
    EXPECT_NEAR(glm::dot(vec3(planes[5]), vec3(0, 50, 0)) + planes[5].w, 0.0f, 1e-3f);
}

} // namespace
