#include "support/golden_image.hpp"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <stdexcept>

#include <png.h>

namespace test {

picture read_png(const std::string& path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    const auto failure = [&] {
        const std::string why = png.message;
        png_image_free(&png);
        return std::runtime_error("Failed reading " + path + ": " + why + ".");
    };
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        throw failure();
    }
    png.format = PNG_FORMAT_RGBA;
    picture result;
    result.width = static_cast<int>(png.width);
    result.height = static_cast<int>(png.height);
    result.rgba.resize(PNG_IMAGE_SIZE(png));
    // A negative row stride fills the rows bottom first.
    const auto stride = static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(png));
    if (!png_image_finish_read(&png, nullptr, result.rgba.data(), -stride, nullptr)) {
        throw failure();
    }
    return result;
}

picture_difference compare(const picture& actual, const picture& reference, int threshold)
{
    assert(actual.width == reference.width && actual.height == reference.height &&
           actual.rgba.size() == reference.rgba.size() && "compare needs pictures of the same size");
    picture_difference result;
    result.map.resize(reference.rgba.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < reference.rgba.size(); i += 4) {
        const unsigned char* a = &actual.rgba[i];
        const unsigned char* r = &reference.rgba[i];
        const int d = std::max({std::abs(a[0] - r[0]), std::abs(a[1] - r[1]), std::abs(a[2] - r[2])});
        result.largest = std::max(result.largest, d);
        sum += d;
        const auto grey = static_cast<unsigned char>((r[0] + r[1] + r[2]) / 12);
        unsigned char* m = &result.map[i];
        if (d > threshold) {
            result.over += 1;
            m[0] = static_cast<unsigned char>(128 + d / 2);
            m[1] = m[2] = 0;
        } else if (d > 0) {
            m[0] = m[1] = 128;
            m[2] = 0;
        } else {
            m[0] = m[1] = m[2] = grey;
        }
        m[3] = 255;
    }
    result.mean = sum / (static_cast<double>(reference.rgba.size()) / 4);
    return result;
}

} // namespace test
