#include <cstdint>
#include <string>
#include <vector>

#include "app/exception.hpp"
#include "draw/texture.hpp"
#include "draw/texture_readback.hpp"
#include "support/gl_context.hpp"

namespace {

class texture_test : public test::gl_test {};

TEST_F(texture_test, uploads_the_pixels_top_row_first)
{
    // 3 x 2, every byte different, so a flipped, swizzled or misaligned upload shows.
    std::vector<std::uint8_t> pixels(3 * 2 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(10 * i + 1);
    }
    glActiveTexture(GL_TEXTURE3);
    draw::texture texture(3, 2, pixels.data());

    EXPECT_EQ(texture.width(), 3);
    EXPECT_EQ(texture.height(), 2);
    // Left bound to unit 0, whatever unit was active before.
    GLint active = 0;
    GLint bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(active, GL_TEXTURE0);
    EXPECT_EQ(static_cast<GLuint>(bound), texture.name());

    // glGetTexImage returns the rows in upload order: t = 0 first.
    EXPECT_EQ(test::texture_pixels(texture.name(), 0, GL_RGBA, 3, 2), pixels);
}

TEST_F(texture_test, has_a_full_mipmap_chain)
{
    std::vector<std::uint8_t> pixels(8 * 2 * 4, 0);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i + 2] = 200;
        pixels[i + 3] = 255;
    }
    draw::texture texture(8, 2, pixels.data());

    EXPECT_EQ(test::texture_level_parameter(texture.name(), 1, GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(test::texture_level_parameter(texture.name(), 1, GL_TEXTURE_HEIGHT), 1);
    EXPECT_EQ(test::texture_level_parameter(texture.name(), 3, GL_TEXTURE_WIDTH), 1);
    // The smallest level averages the picture, which is one colour.
    const std::vector<std::uint8_t> expected{0, 0, 200, 255};
    EXPECT_EQ(test::texture_pixels(texture.name(), 3, GL_RGBA, 1, 1), expected);
}

TEST_F(texture_test, accepts_an_empty_texture_and_deletes_its_name)
{
    GLuint name = 0;
    {
        draw::texture texture(0, 0, nullptr);
        name = texture.name();
        EXPECT_TRUE(glIsTexture(name));
        EXPECT_EQ(test::texture_level_parameter(name, 0, GL_TEXTURE_WIDTH), 0);
    }
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(texture_test, rejects_negative_sizes_width_first)
{
    const auto message = [](int width, int height) -> std::string {
        try {
            draw::texture texture(width, height, nullptr);
        } catch (const kalvanor::exception& e) {
            return e.what();
        }
        return "(nothing thrown)";
    };
    EXPECT_EQ(message(-1, -1), "Width must not be negative.");
    EXPECT_EQ(message(0, -1), "Height must not be negative.");
}

} // namespace
