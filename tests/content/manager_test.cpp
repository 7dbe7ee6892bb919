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
    content::manager manager(KALVANOR_SOURCE_DIR "/assets/");
    for (const std::string* root : {&manager.image().root(), &manager.mesh().root(), &manager.text().root(),
                                    &manager.texture().root(), &manager.heightmap().root()}) {
        EXPECT_EQ(*root, KALVANOR_SOURCE_DIR "/assets/");
    }
    EXPECT_GT(manager.mesh().load_shared("meshes/rabbot.txt")->indices().size(), 0u);
    EXPECT_GT(manager.image().load_shared("textures/sky.bmp")->width(), 1);
    EXPECT_THROW(manager.text().load("shaders/none.glsl"), std::runtime_error);
}

} // namespace
