#include <gtest/gtest.h>

#include <stdexcept>

#include "content/heightmap_loader.hpp"
#include "content/image_loader.hpp"
#include "content/manager.hpp"
#include "content/mesh_loader.hpp"
#include "content/text_loader.hpp"
#include "content/texture_loader.hpp"

namespace {

TEST(content_manager, every_loader_reads_below_the_same_root)
{
    content::manager manager("assets/");
    EXPECT_EQ(manager.image().root(), "assets/");
    EXPECT_EQ(manager.mesh().root(), "assets/");
    EXPECT_EQ(manager.text().root(), "assets/");
    EXPECT_EQ(manager.texture().root(), "assets/");
    EXPECT_EQ(manager.heightmap().root(), "assets/");
}

TEST(content_manager, the_game_assets_load_through_it)
{
    content::manager manager(KALVANOR_SOURCE_DIR "/assets/");
    const auto rabbot = manager.mesh().load_shared("meshes/rabbot.txt");
    EXPECT_GT(rabbot->indices().size(), 0u);
    const auto sky = manager.image().load_shared("textures/sky.bmp");
    EXPECT_GT(sky->width(), 1);
    EXPECT_THROW(manager.text().load("shaders/none.glsl"), std::runtime_error);
}

} // namespace
