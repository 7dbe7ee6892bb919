#include <gtest/gtest.h>

#include "draw/basic_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using basic_effect = test::effect_test;
using test::enabled;
using test::uniform_floats;
using test::uniform_int;

TEST_F(basic_effect, start_sets_up_depth_culling_and_water_clipping_and_stop_clears_them)
{
    draw::basic_effect effect(content);
    glDisable(GL_DEPTH_TEST);
    glCullFace(GL_FRONT);
    glUseProgram(0);

    effect.start();
    EXPECT_EQ(test::integer_state(GL_CURRENT_PROGRAM), static_cast<GLint>(effect.program_name()));
    EXPECT_TRUE(enabled(GL_DEPTH_TEST));
    EXPECT_TRUE(enabled(GL_MULTISAMPLE));
    EXPECT_TRUE(enabled(GL_CULL_FACE));
    EXPECT_EQ(test::integer_state(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_TRUE(enabled(GL_CLIP_DISTANCE0));
    EXPECT_FALSE(enabled(GL_BLEND));

    effect.stop();
    EXPECT_FALSE(enabled(GL_DEPTH_TEST));
    EXPECT_FALSE(enabled(GL_MULTISAMPLE));
    EXPECT_FALSE(enabled(GL_CULL_FACE));
    EXPECT_FALSE(enabled(GL_CLIP_DISTANCE0));
    // The program stays in use after stop.
    EXPECT_EQ(test::integer_state(GL_CURRENT_PROGRAM), static_cast<GLint>(effect.program_name()));
}

TEST_F(basic_effect, light_direction_is_sent_towards_the_light_and_normalised)
{
    draw::basic_effect effect(content);
    effect.start();
    effect.set_light_direction(vec3(0.0f, 1.0f, -1.0f));
    const std::vector<float> light = uniform_floats(effect.program_name(), "LightVector", 3);
    EXPECT_FLOAT_EQ(light[0], 0.0f);
    EXPECT_FLOAT_EQ(light[1], -0.70710677f);
    EXPECT_FLOAT_EQ(light[2], 0.70710677f);
    effect.set_light_direction(vec3(0.0f, 0.0f, -20.0f));
    EXPECT_EQ(uniform_floats(effect.program_name(), "LightVector", 3), (std::vector<float>{0.0f, 0.0f, 1.0f}));
    effect.stop();
}

TEST_F(basic_effect, booleans_go_up_as_one_and_zero)
{
    draw::basic_effect effect(content);
    const GLuint program = effect.program_name();
    effect.start();
    for (const bool on : {true, false}) {
        effect.set_fog_enabled(on);
        effect.set_water_clipping(on);
        effect.set_diffuse_map_enabled(on);
        effect.set_emissive_map_enabled(on);
        for (const char* name : {"FogEnabled", "WaterClipping", "DiffuseMapEnabled", "EmissiveMapEnabled"}) {
            EXPECT_EQ(uniform_int(program, name), on ? 1 : 0) << name;
        }
    }
    effect.stop();
}

// Every uniform the renderer sends must exist in the shaders and land where it was sent: a GLSL
// file that drops or optimises one away fails here rather than in the first frame.
TEST_F(basic_effect, every_setter_reaches_its_own_uniform)
{
    draw::basic_effect effect(content);
    const GLuint program = effect.program_name();
    effect.start();
    effect.set_camera_position(vec3(1.0f, 2.0f, 3.0f));
    effect.set_ambient_light(vec3(0.3f, 0.3f, 0.45f));
    effect.set_diffuse_light(vec3(0.99f, 0.99f, 0.88f));
    effect.set_fog_color(vec3(0.8f, 0.9f, 0.95f));
    effect.set_fog_start(33.5f);
    effect.set_fog_end(50.0f);
    effect.set_water_level(-3.4f);
    effect.set_diffuse_color(vec3(0.5f, 0.25f, 0.125f));
    effect.set_emissive_color(vec3(1.0f, 0.0f, 0.3f));
    effect.set_texcoord_scale(0.08f);

    mat4 world(1.0f);
    world[3] = vec4(5.0f, 6.0f, 7.0f, 1.0f);
    mat4 view_projection(2.0f);
    view_projection[1][0] = 9.0f; // one element off the diagonal shows a transposed upload
    mat4 bias(0.5f);
    bias[3] = vec4(0.5f, 0.5f, 0.5f, 1.0f);
    effect.set_world_matrix(world);
    effect.set_view_projection_matrix(view_projection);
    effect.set_depth_bias_mvp(bias);

    EXPECT_EQ(uniform_floats(program, "CameraPosition", 3), (std::vector<float>{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(uniform_floats(program, "AmbientLight", 3), (std::vector<float>{0.3f, 0.3f, 0.45f}));
    EXPECT_EQ(uniform_floats(program, "DiffuseLight", 3), (std::vector<float>{0.99f, 0.99f, 0.88f}));
    EXPECT_EQ(uniform_floats(program, "FogColor", 3), (std::vector<float>{0.8f, 0.9f, 0.95f}));
    EXPECT_EQ(uniform_floats(program, "FogStart", 1), (std::vector<float>{33.5f}));
    EXPECT_EQ(uniform_floats(program, "FogEnd", 1), (std::vector<float>{50.0f}));
    EXPECT_EQ(uniform_floats(program, "WaterLevel", 1), (std::vector<float>{-3.4f}));
    EXPECT_EQ(uniform_floats(program, "DiffuseColor", 3), (std::vector<float>{0.5f, 0.25f, 0.125f}));
    EXPECT_EQ(uniform_floats(program, "EmissiveColor", 3), (std::vector<float>{1.0f, 0.0f, 0.3f}));
    EXPECT_EQ(uniform_floats(program, "TexcoordScale", 1), (std::vector<float>{0.08f}));
    const auto as_floats = [](const mat4& m) { return std::vector<float>(&m[0][0], &m[0][0] + 16); };
    EXPECT_EQ(uniform_floats(program, "WorldMatrix", 16), as_floats(world));
    EXPECT_EQ(uniform_floats(program, "ViewProjectionMatrix", 16), as_floats(view_projection));
    EXPECT_EQ(uniform_floats(program, "DepthBiasMVP", 16), as_floats(bias));

    // The samplers and attributes the drawing code binds exist too.
    EXPECT_NO_THROW(effect.bind_texture("DiffuseMap", 0, 0));
    EXPECT_NO_THROW(effect.bind_texture("EmissiveMap", 0, 1));
    EXPECT_NO_THROW(effect.bind_texture("ShadowMap", 0, 2));
    for (const char* attribute : {"inPosition", "inTexcoord", "inNormal"}) {
        EXPECT_NE(glGetAttribLocation(program, attribute), -1) << attribute;
    }
    effect.stop();
    glActiveTexture(GL_TEXTURE0);
}

// The renderer never sends these two, so the shaders need not have them.
TEST_F(basic_effect, view_and_projection_setters_fail_only_for_lack_of_the_uniform)
{
    draw::basic_effect effect(content);
    effect.start();
    EXPECT_THROW(effect.set_view_matrix(mat4(1.0f)), std::runtime_error);
    EXPECT_THROW(effect.set_projection_matrix(mat4(1.0f)), std::runtime_error);
    effect.stop();
}

} // namespace
