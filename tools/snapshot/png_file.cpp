#include "png_file.hpp"

#include <cassert>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include <png.h>

namespace snapshot {

namespace {

struct file_closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp; with no error callback of ours it jumps back to the setjmp
// in write_png, which therefore keeps no object with a destructor alive across the calls.
bool write_rows(std::FILE* file, const std::vector<unsigned char>& rgba, int width, int height)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    for (int row = height - 1; row >= 0; --row) {
        // libpng only reads the row, but its signature predates const.
        png_write_row(png, const_cast<png_bytep>(rgba.data() + static_cast<std::size_t>(row) * stride));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void write_png(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height)
{
    assert(width > 0 && height > 0 && rgba.size() == static_cast<std::size_t>(width) * height * 4 &&
           "write_png needs exactly width * height RGBA pixels");
    const std::string failure = "Failed writing " + path + ".";
    std::unique_ptr<std::FILE, file_closer> file(std::fopen(path.c_str(), "wb"));
    if (!file || !write_rows(file.get(), rgba, width, height)) {
        throw std::runtime_error(failure);
    }
    // A full disk shows only when the buffered bytes go out.
    if (std::fclose(file.release()) != 0) {
        throw std::runtime_error(failure);
    }
}

} // namespace snapshot
