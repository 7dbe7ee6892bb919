#include "content/texture_loader.hpp"

#include "content/image_loader.hpp"

namespace content {

std::unique_ptr<draw::texture> texture_loader::load(const std::string& name)
{
    // A loader of its own rather than the manager's, so this one needs nothing but its root.
    image_loader images(root());
    const std::shared_ptr<kalvanor::image> picture = images.load_shared(name);
    return std::make_unique<draw::texture>(picture->width(), picture->height(), picture->data());
}

} // namespace content
