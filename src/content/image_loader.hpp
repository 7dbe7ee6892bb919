#pragma once

#include <memory>
#include <string>

#include "content/image.hpp"
#include "content/loader.hpp"

class bmp_image;

namespace content {

// The picture as the game keeps it: RGBA, row 0 at the top.
std::unique_ptr<kalvanor::image> image_from_bmp(const bmp_image& bmp);

// BMP files as RGBA images. Never throws for a missing or broken file: the BMP reader
// prints its message and the result is its 1x1 white fallback.
class image_loader final : public loader<kalvanor::image> {
public:
    using loader::loader;
    std::unique_ptr<kalvanor::image> load(const std::string& name) override;
};

} // namespace content
