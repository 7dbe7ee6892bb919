#pragma once

#include <string>

#include "content/loader.hpp"
#include "model/heightmap.hpp"

namespace content {

// A grey-scale BMP as terrain: pixel (i, j) becomes vertex (i, j), so image row 0 lies along
// min_y; only red counts, red / 128 - 1, giving heights from -1 (red 0) to 0.9921875 (red 255).
// A missing picture comes back from the image loader as 1 x 1 and so fails with
// "Width segment count must be at least 1.".
class heightmap_loader final : public loader<model::heightmap> {
public:
    using loader::loader;
    std::unique_ptr<model::heightmap> load(const std::string& name) override;
};

} // namespace content
