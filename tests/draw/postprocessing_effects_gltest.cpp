#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "draw/bloom_effect.hpp"
#include "draw/blur_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/framebuffer.hpp"
#include "effect_fixture.hpp"

namespace {

using postprocessing = test::effect_test;

// Draws the started `effect` into `output`, stops it and reads `output` back as RGBA. The
// output is made before the inputs are bound: making it binds a texture of its own.
std::vector<unsigned char> run(draw::effect& effect, draw::framebuffer& output)
{
    output.bind();
    effect.draw();
    effect.stop();
    std::vector<unsigned char> pixels = test::read_pixels(0, 0, output.width(), output.height());
    output.unbind();
    glActiveTexture(GL_TEXTURE0);
    return pixels;
}

const unsigned char* at(const std::vector<unsigned char>& pixels, int width, int x, int y)
{
    return &pixels[(static_cast<std::size_t>(y) * width + x) * 4];
}

TEST_F(postprocessing, bright_pass_keeps_only_bright_coloured_texels_at_half_size)
{
    draw::bright_pass_effect effect(content);
    // Block b of 2x2 texels becomes output texel (2b, 2): the saturated beam and a health light
    // glow, mid grey and sunlit white snow do not.
    const unsigned char blocks[4][3] = {{255, 0, 0}, {0, 255, 0}, {128, 128, 128}, {255, 255, 255}};
    std::vector<unsigned char> scene(16 * 16 * 3, 0);
    for (int x = 0; x < 16; ++x) {
        for (int y : {4, 5}) {
            std::copy_n(blocks[x / 4], x % 4 < 2 ? 3 : 0, &scene[(y * 16 + x) * 3]);
        }
    }
    const auto picture = test::upload(scene, 16);
    draw::framebuffer output(8, 8, 1, false);
    effect.start();
    effect.bind_texture("image", picture->color_texture(0), 0);
    const std::vector<unsigned char> pixels = run(effect, output);
    for (int b = 0; b < 4; ++b) {
        for (int c = 0; c < 3; ++c) {
            const unsigned char value = at(pixels, 8, 2 * b, 2)[c];
            const bool glows = b < 2 && blocks[b][c] > 0;
            EXPECT_TRUE(glows ? value > 240 : value == 0) << "block " << b << " channel " << c << ": " << int(value);
        }
    }
    EXPECT_EQ(at(pixels, 8, 1, 2)[0] + at(pixels, 8, 7, 7)[1], 0);
}

// A single lit texel spreads evenly to both sides along the step, and nowhere across it.
TEST_F(postprocessing, blur_spreads_one_texel_symmetrically_along_its_step)
{
    draw::blur_effect effect(content);
    std::vector<unsigned char> dot(16 * 16 * 3, 0);
    std::fill_n(&dot[(8 * 16 + 8) * 3], 3, 255);
    const auto source = test::upload(dot, 16);
    draw::framebuffer output(16, 16, 1, false);
    for (int direction = 0; direction < 2; ++direction) {
        SCOPED_TRACE(direction);
        effect.start();
        effect.set_step(direction == 0 ? vec2(1.0f / 16.0f, 0.0f) : vec2(0.0f, 1.0f / 16.0f));
        effect.bind_texture("image", source->color_texture(0), 0);
        const std::vector<unsigned char> pixels = run(effect, output);
        const auto value = [&](int along, int across) {
            return direction == 0 ? at(pixels, 16, 8 + along, 8 + across)[0] : at(pixels, 16, 8 + across, 8 + along)[0];
        };
        int sum = 0;
        for (int i = -7; i <= 7; ++i) {
            sum += value(i, 0);
            EXPECT_EQ(value(i, 0), value(-i, 0)) << "offset " << i;
            EXPECT_EQ(value(i, 1) + value(i, -1), 0) << "offset " << i;
        }
        EXPECT_GT(value(0, 0), value(1, 0));
        EXPECT_GT(value(1, 0), value(2, 0));
        EXPECT_GT(value(2, 0), 0) << "a visible spread";
        EXPECT_NEAR(sum, 255, 6) << "light is spread, not gained or lost";
        EXPECT_EQ(value(7, 0), 0) << "but only a few taps wide";
    }
}

TEST_F(postprocessing, bloom_adds_the_half_size_glow_to_the_picture)
{
    draw::bloom_effect effect(content);
    const auto scene = test::upload(std::vector<unsigned char>(16 * 16 * 3, 64), 16);
    std::vector<unsigned char> glow(8 * 8 * 3, 0);
    glow[(2 * 8 + 2) * 3] = 100;
    const auto bloom = test::upload(glow, 8);
    draw::framebuffer output(16, 16, 1, false);
    effect.start();
    effect.bind_texture("image", scene->color_texture(0), 0);
    effect.bind_texture("bloom", bloom->color_texture(0), 1);
    const std::vector<unsigned char> pixels = run(effect, output);

    // The glow texel covers a 2x2 block of the picture; the rest is unchanged.
    for (int i = 0; i < 16 * 16; ++i) {
        const unsigned char* p = &pixels[i * 4];
        const bool lit = i % 16 / 2 == 2 && i / 16 / 2 == 2;
        EXPECT_TRUE(lit ? p[0] > 64 + 100 : p[0] == 64) << i % 16 << "," << i / 16 << ": " << int(p[0]);
        EXPECT_EQ(p[1], 64) << i;
        EXPECT_EQ(p[2], 64) << i;
    }
}

} // namespace
