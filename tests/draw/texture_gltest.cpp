#include <cstdint>
#include <vector>

#include "draw/texture.hpp"
#include "draw/texture_readback.hpp"
#include "support/gl_context.hpp"

namespace {

using texture_test = test::gl_test;

TEST_F(texture_test, uploads_the_pixels_unflipped_with_a_full_mipmap_chain)
{
    // 8 x 2, every byte different, so a flipped, swizzled or misaligned upload shows.
    std::vector<std::uint8_t> pixels(8 * 2 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(3 * i + 1);
    }
    draw::texture texture(8, 2, pixels.data());
    EXPECT_EQ(test::texture_pixels(texture.name(), 0, GL_RGBA, 8, 2), pixels);
    EXPECT_EQ(test::texture_level_parameter(texture.name(), 1, GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(test::texture_level_parameter(texture.name(), 3, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(test::texture_level_parameter(texture.name(), 3, GL_TEXTURE_HEIGHT), 1);
}

} // namespace
