#include "content/image.hpp"

#include "base/exception.hpp"

namespace kalvanor {

namespace {

int checked_size(int value, const char* message)
{
    if (value <= 0) {
        throw exception(message);
    }
    return value;
}

} // namespace

image::image(int width, int height)
    : width_(checked_size(width, "Width must be positive."))
    , height_(checked_size(height, "Height must be positive."))
{
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), pixel{0, 0, 0, 0});
}

void image::check(int x, int y) const
{
    if (x < 0 || x >= width_) {
        throw exception("X out of bounds.");
    }
    if (y < 0 || y >= height_) {
        throw exception("Y out of bounds.");
    }
}

image::pixel& image::at(int x, int y)
{
    check(x, y);
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

const image::pixel& image::at(int x, int y) const
{
    check(x, y);
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

} // namespace kalvanor
