#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "draw/math.hpp"
#include "effect_fixture.hpp"

namespace {

vec3 transform(const mat4& m, const vec3& p)
{
    const vec4 r = m * vec4(p, 1.0f);
    return vec3(r) / r.w;
}

// rotate's degrees and turning sense show in the tilt test, perspective_fov's in every rendered
// test; the rest of the helpers only pass their arguments on to GLM.
TEST(math, mirror_view_reflects_across_the_water_level_before_viewing)
{
    // The frame pipeline's test mirrors about level 0; this one sees that the level moves the mirror.
    const test::fixed_camera camera(vec3(3, -8, 5), vec3(0, 0, 0), 50.0f);
    const vec3 seen = transform(draw::mirror_view(camera, 1.0f), vec3(1, 2, 3));
    EXPECT_NEAR(glm::distance(seen, transform(camera.view_matrix(), vec3(1, 2, -1))), 0.0f, 1e-5f);
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
