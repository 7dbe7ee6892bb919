#include <gtest/gtest.h>

#include "draw/material.hpp"

namespace {

// The scene objects only assign what differs from these, so every other item relies on them.
TEST(material, defaults_to_untextured_mid_grey_with_full_depth)
{
    const draw::material m;
    EXPECT_EQ(m.texcoord_scale, 1.0f);
    EXPECT_EQ(m.diffuse_color, vec3(0.5f, 0.5f, 0.5f));
    EXPECT_EQ(m.emissive_color, vec3(0.0f));
    EXPECT_FALSE(m.diffuse_map);
    EXPECT_FALSE(m.emissive_map);
    EXPECT_FALSE(m.depth_test_disabled);
    EXPECT_FALSE(m.depth_write_disabled);
}

} // namespace
