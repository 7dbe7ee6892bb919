#pragma once

#include "scene/scene.hpp"

namespace content {
class manager;
}
namespace model {
class heightmap;
}

// The snowy terrain, built once from the height map as one triangle strip and never changed. It
// receives the robots' shadows but casts none itself.
class ground_model {
public:
    // Loads "textures/snow.bmp".
    ground_model(content::manager& content, const model::heightmap& map);

    scene_item item;
};
