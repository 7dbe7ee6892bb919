#include "content/manager.hpp"

#include "content/heightmap_loader.hpp"
#include "content/image_loader.hpp"
#include "content/mesh_loader.hpp"
#include "content/text_loader.hpp"
#include "content/texture_loader.hpp"

namespace content {

manager::manager(const std::string& root)
    : image_(std::make_unique<image_loader>(root))
    , mesh_(std::make_unique<mesh_loader>(root))
    , text_(std::make_unique<text_loader>(root))
    , texture_(std::make_unique<texture_loader>(root))
    , heightmap_(std::make_unique<heightmap_loader>(root))
{
}

manager::~manager() = default;

image_loader& manager::image() { return *image_; }
mesh_loader& manager::mesh() { return *mesh_; }
text_loader& manager::text() { return *text_; }
texture_loader& manager::texture() { return *texture_; }
heightmap_loader& manager::heightmap() { return *heightmap_; }

} // namespace content
