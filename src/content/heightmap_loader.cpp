#include "content/heightmap_loader.hpp"

#include "content/image.hpp"
#include "content/image_loader.hpp"

namespace content {

std::unique_ptr<model::heightmap> heightmap_loader::load(const std::string& name)
{
    image_loader images(root());
    const std::shared_ptr<kalvanor::image> picture = images.load_shared(name);
    const int w = picture->width();
    const int h = picture->height();
    auto map = std::make_unique<model::heightmap>(w - 1, h - 1);
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) {
            map->set_height(i, j, static_cast<float>(picture->at(i, j)[0]) * 0.0078125f - 1.0f);
        }
    }
    return map;
}

} // namespace content
