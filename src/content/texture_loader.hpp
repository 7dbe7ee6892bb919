#pragma once

#include <memory>
#include <string>

#include "content/loader.hpp"
#include "draw/texture.hpp"

namespace content {

// BMP files straight to mipmapped textures. Needs a current GL context. A missing or broken file
// gives the BMP reader's 1x1 white fallback (alpha 0) after its message, not an exception.
class texture_loader final : public loader<draw::texture> {
public:
    using loader::loader;
    std::unique_ptr<draw::texture> load(const std::string& name) override;
};

} // namespace content
