#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "draw/material.hpp"
#include "draw/shadow_map.hpp"
#include "effect_fixture.hpp"
#include "scene/scene.hpp"
#include "support/temp_dir.hpp"

namespace {

class shadow_map : public test::effect_test {
protected:
    void SetUp() override
    {
        test::effect_test::SetUp();
        if (IsSkipped()) {
            return;
        }
        map = test::game_shadow_map();
        ASSERT_TRUE(map);
    }

    // The depth map as floats, rows bottom first.
    std::vector<float> depths() const
    {
        std::vector<float> values(static_cast<std::size_t>(draw::shadow_map::size) * draw::shadow_map::size);
        glBindTexture(GL_TEXTURE_2D, map->depth_texture());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, values.data());
        glBindTexture(GL_TEXTURE_2D, 0);
        return values;
    }

    // Where a world point lands in the map: texel column, row and depth.
    vec3 texel_of(const vec3& world) const
    {
        const vec4 p = map->bias_matrix() * map->depth_view_projection() * vec4(world, 1.0f);
        return vec3(p.x * draw::shadow_map::size, p.y * draw::shadow_map::size, p.z);
    }

    float depth_at(const std::vector<float>& values, const vec3& texel) const
    {
        return values[static_cast<std::size_t>(texel.y) * draw::shadow_map::size + static_cast<std::size_t>(texel.x)];
    }

    void render(const scene& frame, const draw::camera_base& camera)
    {
        glClearDepth(1.0);
        map->render_depth(frame, camera);
    }

    std::unique_ptr<draw::shadow_map> map;
    // Looking along +x from 10 units up, as in the game's follow camera distances.
    test::fixed_camera camera{vec3(0.0f, 0.0f, 10.0f), vec3(1.0f, 0.0f, 10.0f), 50.0f};
};

TEST_F(shadow_map, the_depth_texture_compares_and_filters_as_a_shadow_sampler_needs)
{
    glBindTexture(GL_TEXTURE_2D, map->depth_texture());
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &value);
    EXPECT_EQ(value, 2048);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_DEPTH_SIZE, &value);
    EXPECT_EQ(value, 24);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &value);
    EXPECT_EQ(value, GL_COMPARE_REF_TO_TEXTURE);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);

    const mat4& bias = map->bias_matrix();
    EXPECT_EQ(bias * vec4(-1.0f, -1.0f, -1.0f, 1.0f), vec4(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(bias * vec4(1.0f, 1.0f, 1.0f, 1.0f), vec4(1.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(map->depth_view_projection(), mat4(1.0f)) << "identity before the first pass";
}

TEST_F(shadow_map, the_light_box_is_centred_half_a_far_distance_ahead)
{
    scene frame;
    render(frame, camera);
    // The centre (25, 0, 10) maps to the middle of the map, the light's eye (25, -1, 11) lies on
    // the same ray towards the light, nearer to it.
    const vec3 centre = texel_of(vec3(25.0f, 0.0f, 10.0f));
    const vec3 eye = texel_of(vec3(25.0f, -1.0f, 11.0f));
    EXPECT_NEAR(centre.x, 1024.0f, 0.01f);
    EXPECT_NEAR(centre.y, 1024.0f, 0.01f);
    EXPECT_NEAR(eye.x, 1024.0f, 0.01f);
    EXPECT_NEAR(eye.y, 1024.0f, 0.01f);
    EXPECT_LT(eye.z, centre.z);
    // The box is the far distance wide: 25 units to the side is its edge.
    const vec3 edge = texel_of(vec3(25.0f, 0.0f, 10.0f) + vec3(25.0f, 0.0f, 0.0f));
    EXPECT_NEAR(std::abs(edge.x - 1024.0f), 1024.0f, 0.1f);
}

TEST_F(shadow_map, a_caster_leaves_its_depth_under_it_and_nothing_elsewhere)
{
    scene frame;
    const auto material = std::make_shared<draw::material>();
    frame.items.emplace_back(test::make_box(vec3(-1.0f), vec3(1.0f)), material,
                             draw::translate(mat4(1.0f), vec3(25.0f, 0.0f, 2.0f)));
    render(frame, camera);
    EXPECT_EQ(test::integer_state(GL_FRAMEBUFFER_BINDING), 0);
    EXPECT_EQ(test::integer_state(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(test::integer_state(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const std::vector<float> values = depths();
    const vec3 top = texel_of(vec3(25.0f, 0.0f, 3.0f));
    EXPECT_NEAR(depth_at(values, top), top.z, 0.001f) << "the box's lit face is what the light sees first";
    EXPECT_LT(depth_at(values, top), 1.0f);
    for (const vec3& far_away : {vec3(10.0f, 10.0f, 0.0f), vec3(40.0f, -10.0f, 0.0f), vec3(25.0f, 8.0f, 0.0f)}) {
        EXPECT_EQ(depth_at(values, texel_of(far_away)), 1.0f);
    }
    const std::size_t covered = static_cast<std::size_t>(
        std::count_if(values.begin(), values.end(), [](float d) { return d < 1.0f; }));
    // A 2-unit cube seen at 45 degrees covers about 2 x 2.8 units, 82 x 116 texels.
    EXPECT_GT(covered, 82u * 100u);
    EXPECT_LT(covered, 82u * 130u);
}

TEST_F(shadow_map, items_that_cast_no_shadow_leave_the_map_clear)
{
    scene frame;
    frame.items.emplace_back(test::make_box(vec3(-1.0f), vec3(1.0f)), std::make_shared<draw::material>(),
                             draw::translate(mat4(1.0f), vec3(25.0f, 0.0f, 2.0f)));
    frame.items.back().cast_shadow = false;
    render(frame, camera);
    const std::vector<float> values = depths();
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](float d) { return d == 1.0f; }));
}

// Set-up failures print, do not wait without a terminal, and end the process with 255.
class shadow_map_failure : public test::effect_test {
protected:
    void SetUp() override
    {
        // The driver runs threads of its own; a child started afresh is safer than a fork.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        test::effect_test::SetUp();
    }

    // In the child: no terminal on stdin, and stdout where the death test can match it.
    static void construct_in(const std::string& directory)
    {
        std::fflush(stdout);
        if (std::freopen("/dev/null", "r", stdin) == nullptr || dup2(STDERR_FILENO, STDOUT_FILENO) < 0 ||
            chdir(directory.c_str()) != 0) {
            std::_Exit(3);
        }
        draw::shadow_map map;
        std::_Exit(0);
    }

    // The pair of shader files below `dir`, declaring what the shadow map expects.
    static void write_shaders(const test::temp_dir& dir, const std::string& vertex_statement,
                              const std::string& fragment_function)
    {
        dir.write("assets/shaders/shadow_mapping_vs.glsl",
                  "#version 330\nin vec3 vertexPosition_modelspace;\nuniform mat4 depthMVP;\nvoid main() { " +
                      vertex_statement + " }\n");
        dir.write("assets/shaders/shadow_mapping_fs.glsl", "#version 330\nout vec4 fragColor;\n" + fragment_function + "\n");
    }
};

TEST_F(shadow_map_failure, a_missing_shader_file_is_named_and_fatal)
{
    test::temp_dir empty;
    EXPECT_EXIT(construct_in(empty.path()), ::testing::ExitedWithCode(255),
                "^Failed to open shader file: assets/shaders/shadow_mapping_vs.glsl\n$");
}

TEST_F(shadow_map_failure, a_shader_that_does_not_compile_prints_its_log)
{
    test::temp_dir dir;
    write_shaders(dir, "gl_Position = depthMVP * vertexPosition_modelspace;", "void main() {}");
    EXPECT_EXIT(construct_in(dir.path()), ::testing::ExitedWithCode(255), "^Failed to compile shader\n.*error");
}

TEST_F(shadow_map_failure, a_program_that_does_not_link_prints_its_log)
{
    test::temp_dir dir;
    // Both stages compile, but the fragment stage has no main.
    write_shaders(dir, "gl_Position = depthMVP * vec4(vertexPosition_modelspace, 1.0);", "void shade() {}");
    EXPECT_EXIT(construct_in(dir.path()), ::testing::ExitedWithCode(255), "^Failed to link shader program\n.+");
}

} // namespace
