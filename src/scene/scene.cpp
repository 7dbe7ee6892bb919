#include "scene/scene.hpp"

#include <algorithm>

void scene::add_item(const scene_item& item)
{
    const auto same_geometry =
        std::find_if(items.begin(), items.end(), [&item](const scene_item& i) { return i.geometry == item.geometry; });
    items.insert(same_geometry, item);
}
