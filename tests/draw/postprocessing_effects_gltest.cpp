#include <gtest/gtest.h>

#include <vector>

#include "draw/bloom_effect.hpp"
#include "draw/blur_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/framebuffer.hpp"
#include "effect_fixture.hpp"

namespace {

// An RGB picture of known texels in a framebuffer's colour texture, the way the passes read
// each other's output.
struct picture {
    picture(int width, int height) : width(width), height(height), target(width, height, 1, false),
        texels(static_cast<std::size_t>(width) * height * 3, 0)
    {
    }

    void set(int x, int y, unsigned char r, unsigned char g, unsigned char b)
    {
        unsigned char* p = &texels[(static_cast<std::size_t>(y) * width + x) * 3];
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }

    void fill(unsigned char r, unsigned char g, unsigned char b)
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                set(x, y, r, g, b);
            }
        }
    }

    GLuint upload()
    {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, target.color_texture(0));
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        return target.color_texture(0);
    }

    int width;
    int height;
    draw::framebuffer target;
    std::vector<unsigned char> texels;
};

class postprocessing : public test::effect_test {
protected:
    // Runs `effect` (already given its inputs) into a fresh target and reads it back as RGBA.
    template <typename Effect>
    static std::vector<unsigned char> run(Effect& effect, draw::framebuffer& output)
    {
        output.bind();
        effect.draw();
        effect.stop();
        std::vector<unsigned char> pixels = test::read_pixels(0, 0, output.width(), output.height());
        output.unbind();
        glActiveTexture(GL_TEXTURE0);
        return pixels;
    }

    static const unsigned char* at(const std::vector<unsigned char>& pixels, int width, int x, int y)
    {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * 4];
    }
};

TEST_F(postprocessing, they_change_no_state_but_the_program)
{
    draw::blur_effect effect(content);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    effect.start();
    EXPECT_EQ(test::integer_state(GL_CURRENT_PROGRAM), static_cast<GLint>(effect.program_name()));
    EXPECT_TRUE(test::enabled(GL_BLEND));
    EXPECT_FALSE(test::enabled(GL_DEPTH_TEST));
    effect.stop();
    EXPECT_TRUE(test::enabled(GL_BLEND));
    glDisable(GL_BLEND);
}

TEST_F(postprocessing, bright_pass_keeps_bright_texels_and_halves_the_size)
{
    draw::bright_pass_effect effect(content);
    picture scene(16, 16);
    // 2x2 blocks, each becoming one texel of the half-size output.
    const auto block = [&](int x, int y, unsigned char r, unsigned char g, unsigned char b) {
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx) {
                scene.set(2 * x + dx, 2 * y + dy, r, g, b);
            }
        }
    };
    block(2, 2, 255, 0, 0);     // the beam: saturated and bright
    block(5, 2, 128, 128, 128); // mid grey: no glow
    block(2, 5, 255, 255, 255); // sunlit snow: white does not glow
    block(5, 5, 0, 255, 0);     // a health light
    draw::framebuffer output(8, 8, 1, false);
    effect.start();
    effect.bind_texture("image", scene.upload(), 0);
    const std::vector<unsigned char> pixels = run(effect, output);

    const unsigned char* beam = at(pixels, 8, 2, 2);
    EXPECT_GT(beam[0], 240);
    EXPECT_EQ(beam[1], 0);
    EXPECT_EQ(beam[2], 0);
    const unsigned char* light = at(pixels, 8, 5, 5);
    EXPECT_GT(light[1], 240);
    const unsigned char* grey = at(pixels, 8, 5, 2);
    EXPECT_EQ(grey[0] + grey[1] + grey[2], 0);
    const unsigned char* snow = at(pixels, 8, 2, 5);
    EXPECT_EQ(snow[0] + snow[1] + snow[2], 0);
    EXPECT_EQ(at(pixels, 8, 0, 0)[0], 0);
    EXPECT_EQ(at(pixels, 8, 7, 7)[1], 0);
}

// A single lit texel spreads evenly to both sides along the step, and nowhere across it.
TEST_F(postprocessing, blur_spreads_one_texel_symmetrically_along_its_step)
{
    draw::blur_effect effect(content);
    picture source(16, 16);
    source.set(8, 8, 255, 255, 255);
    const GLuint texture = source.upload();
    draw::framebuffer output(16, 16, 1, false);

    for (int direction = 0; direction < 2; ++direction) {
        effect.start();
        effect.set_step(direction == 0 ? vec2(1.0f / 16.0f, 0.0f) : vec2(0.0f, 1.0f / 16.0f));
        effect.bind_texture("image", texture, 0);
        const std::vector<unsigned char> pixels = run(effect, output);
        const auto value = [&](int along, int across) {
            return direction == 0 ? at(pixels, 16, 8 + along, 8 + across)[0] : at(pixels, 16, 8 + across, 8 + along)[0];
        };
        int sum = 0;
        for (int i = -7; i <= 7; ++i) {
            sum += value(i, 0);
            EXPECT_EQ(value(i, 0), value(-i, 0)) << "offset " << i << " direction " << direction;
            EXPECT_EQ(value(i, 1), 0);
            EXPECT_EQ(value(i, -1), 0);
        }
        EXPECT_GT(value(0, 0), value(1, 0));
        EXPECT_GT(value(1, 0), value(2, 0));
        EXPECT_GT(value(2, 0), 0) << "a visible spread";
        EXPECT_NEAR(sum, 255, 6) << "light is spread, not gained or lost";
        EXPECT_EQ(value(7, 0), 0) << "but only a few taps wide";
    }
}

TEST_F(postprocessing, blur_step_goes_up_as_given)
{
    draw::blur_effect effect(content);
    effect.start();
    effect.set_step(vec2(0.0015625f, 0.0f));
    EXPECT_EQ(test::uniform_floats(effect.program_name(), "step", 2), (std::vector<float>{0.0015625f, 0.0f}));
    effect.stop();
}

TEST_F(postprocessing, bloom_adds_the_glow_to_the_picture)
{
    draw::bloom_effect effect(content);
    picture scene(16, 16);
    scene.fill(64, 64, 64);
    picture glow(8, 8);
    glow.set(2, 2, 100, 0, 0);
    draw::framebuffer output(16, 16, 1, false);
    // Uploading binds on unit 0, so both go up before either is bound for the effect.
    const GLuint image = scene.upload();
    const GLuint bloom = glow.upload();
    effect.start();
    effect.bind_texture("image", image, 0);
    effect.bind_texture("bloom", bloom, 1);
    const std::vector<unsigned char> pixels = run(effect, output);

    // The half-size glow texel covers a 2x2 block of the picture.
    for (int y = 4; y < 6; ++y) {
        for (int x = 4; x < 6; ++x) {
            const unsigned char* p = at(pixels, 16, x, y);
            EXPECT_GT(p[0], 64 + 100);
            EXPECT_EQ(p[1], 64);
            EXPECT_EQ(p[2], 64);
        }
    }
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{3, 4}, std::pair{6, 5}, std::pair{15, 15}}) {
        const unsigned char* p = at(pixels, 16, x, y);
        EXPECT_EQ(p[0], 64) << x << "," << y;
        EXPECT_EQ(p[1], 64) << x << "," << y;
    }
}

} // namespace
