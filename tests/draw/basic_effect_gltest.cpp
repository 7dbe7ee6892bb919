#include <gtest/gtest.h>

#include <vector>

#include "draw/basic_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using basic_effect = test::effect_test;
using test::enabled;

TEST_F(basic_effect, start_sets_up_depth_culling_and_water_clipping_and_stop_clears_them)
{
    draw::basic_effect effect(content);
    glDisable(GL_DEPTH_TEST);
    glCullFace(GL_FRONT);
    effect.start();
    EXPECT_TRUE(enabled(GL_DEPTH_TEST));
    EXPECT_TRUE(enabled(GL_MULTISAMPLE));
    EXPECT_TRUE(enabled(GL_CULL_FACE));
    EXPECT_EQ(test::integer_state(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_TRUE(enabled(GL_CLIP_DISTANCE0));
    EXPECT_FALSE(enabled(GL_BLEND));

    effect.stop();
    for (GLenum capability : {GL_DEPTH_TEST, GL_MULTISAMPLE, GL_CULL_FACE, GL_CLIP_DISTANCE0}) {
        EXPECT_FALSE(enabled(capability)) << capability;
    }
}

// The conventions of the uploads; that every uniform exists shows in the lit-scene test, whose
// setters throw for a missing one.
TEST_F(basic_effect, uploads_the_light_towards_the_sun_booleans_as_integers_and_matrices_untransposed)
{
    draw::basic_effect effect(content);
    const GLuint program = effect.program_name();
    effect.start();
    effect.set_light_direction(vec3(0.0f, 1.0f, -1.0f));
    EXPECT_EQ(test::uniform_floats(program, "LightVector", 3), (std::vector<float>{0.0f, -0.70710677f, 0.70710677f}));
    mat4 view_projection(2.0f);
    view_projection[1][0] = 9.0f; // one element off the diagonal shows a transposed upload
    effect.set_view_projection_matrix(view_projection);
    EXPECT_EQ(test::uniform_floats(program, "ViewProjectionMatrix", 16),
              std::vector<float>(&view_projection[0][0], &view_projection[0][0] + 16));
    for (const bool on : {true, false}) {
        effect.set_fog_enabled(on);
        effect.set_water_clipping(on);
        effect.set_diffuse_map_enabled(on);
        effect.set_emissive_map_enabled(on);
        for (const char* name : {"FogEnabled", "WaterClipping", "DiffuseMapEnabled", "EmissiveMapEnabled"}) {
            EXPECT_EQ(test::uniform_int(program, name), on ? 1 : 0) << name;
        }
    }
    // The texture samplers the lit-scene test leaves unbound exist too.
    EXPECT_NO_THROW(effect.bind_texture("DiffuseMap", 0, 0));
    EXPECT_NO_THROW(effect.bind_texture("EmissiveMap", 0, 1));
    effect.stop();
    glActiveTexture(GL_TEXTURE0);
}

} // namespace
