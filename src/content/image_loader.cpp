#include "content/image_loader.hpp"

#include "content/bmp_image.hpp"

namespace content {

std::unique_ptr<kalvanor::image> image_from_bmp(const bmp_image& bmp)
{
    auto result = std::make_unique<kalvanor::image>(bmp.width(), bmp.height());
    // Both grids have row 0 at the top, so no flip here; 24-bit files give alpha 0 throughout.
    for (int x = 0; x < bmp.width(); ++x) {
        for (int y = 0; y < bmp.height(); ++y) {
            const bmp_pixel p = bmp.get_pixel(x, y);
            result->at(x, y) = {p.red, p.green, p.blue, p.alpha};
        }
    }
    return result;
}

std::unique_ptr<kalvanor::image> image_loader::load(const std::string& name)
{
    bmp_image bmp;
    // The result is ignored on purpose: a failed read leaves the reader's fallback picture.
    bmp.read_from_file(path_of(name));
    return image_from_bmp(bmp);
}

} // namespace content
