#include "content/bmp_image.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>

// [SECTION] File layout and guarded reads
// [SECTION] Grid, bit depth and colour table
// [SECTION] Reading a file

namespace {

// ---------------------------------------------------------------------------------------------
// [SECTION] File layout and guarded reads

constexpr std::uint16_t bmp_signature = 19778; // "BM" read as a little-endian 16-bit value
constexpr std::int64_t header_bytes = 54;      // file header (14) + info header (40)
constexpr std::uint32_t bit_fields = 3;        // the compression value of 16-bit files with masks
// Pictures larger than this are rejected before anything is allocated: 2^26 pixels are 256 MiB
// of grid, and no game texture comes near either limit.
constexpr std::int64_t max_side = 32768;
constexpr std::int64_t max_pixels = std::int64_t{1} << 26;

const bmp_pixel white{255, 255, 255, 0};

// Reads up to bytes.size() bytes; returns how many arrived.
std::size_t read_some(std::istream& in, std::vector<std::uint8_t>& bytes)
{
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<std::size_t>(in.gcount());
}

// A guarded little-endian read: false at end of file or on a short read, `value` then unchanged.
template <typename T>
bool read_le(std::istream& in, T& value)
{
    std::uint8_t bytes[sizeof(T)];
    in.read(reinterpret_cast<char*>(bytes), sizeof(T));
    if (in.gcount() != static_cast<std::streamsize>(sizeof(T))) {
        return false;
    }
    std::uint32_t assembled = 0;
    for (std::size_t k = sizeof(T); k-- > 0;) {
        assembled = (assembled << 8) | bytes[k];
    }
    value = static_cast<T>(assembled);
    return true;
}

// The 14-byte file header and the 40-byte info header, field by field.
struct bmp_headers {
    std::uint16_t type = 0;
    std::uint32_t file_size = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t pixel_offset = 0; // from the start of the file to the pixel data, in bytes

    std::uint32_t header_size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0; // negative for top-down files, which are rejected
    std::uint16_t planes = 0;
    std::uint16_t bit_count = 0;
    std::uint32_t compression = 0;
    std::uint32_t image_size = 0;
    std::int32_t x_pixels_per_metre = 0;
    std::int32_t y_pixels_per_metre = 0;
    std::uint32_t colors_used = 0;
    std::uint32_t important_colors = 0;

    // False when any field could not be read; every field is still attempted.
    bool read(std::istream& in)
    {
        bool complete = read_le(in, type);
        complete &= read_le(in, file_size);
        complete &= read_le(in, reserved1);
        complete &= read_le(in, reserved2);
        complete &= read_le(in, pixel_offset);
        complete &= read_le(in, header_size);
        complete &= read_le(in, width);
        complete &= read_le(in, height);
        complete &= read_le(in, planes);
        complete &= read_le(in, bit_count);
        complete &= read_le(in, compression);
        complete &= read_le(in, image_size);
        complete &= read_le(in, x_pixels_per_metre);
        complete &= read_le(in, y_pixels_per_metre);
        complete &= read_le(in, colors_used);
        complete &= read_le(in, important_colors);
        return complete;
    }
};

// The lines of the first reason to refuse a complete header, in the order they are checked;
// none if it is acceptable.
std::vector<std::string> header_problem(const bmp_headers& h, const std::string& path)
{
    const std::string file = "Bitmap Error: " + path;
    if (h.compression == 1 || h.compression == 2) {
        return {file + " is (RLE) compressed.", "              Compressed bitmaps are not supported."};
    }
    if (h.compression > bit_fields) {
        return {file + " is in an unsupported format.",
                "              (bmih.biCompression = " + std::to_string(h.compression) + ")",
                "              The file is probably an old OS2 bitmap or corrupted."};
    }
    if (h.compression == bit_fields && h.bit_count != 16) {
        return {file + " uses bit fields and is not a", "              16-bit file. This is not supported."};
    }
    const int depth = h.bit_count;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
        return {file + " has unrecognized bit depth."};
    }
    if (h.width < 1 || h.height < 1) {
        return {file + " has a non-positive width or height."};
    }
    if (h.width > max_side || h.height > max_side || std::int64_t{h.width} * h.height > max_pixels) {
        return {file + " is too large."};
    }
    return {};
}

// Discards `count` bytes between the headers (or masks) and the pixel data. istream::ignore
// needs no buffer of that size and stops at the end of the file, however large the count.
void skip_metadata(std::istream& in, std::int64_t count, const std::string& path)
{
    if (count <= 0) {
        return;
    }
    std::cout << "Bitmap Warning: Extra meta data detected in file " << path << std::endl;
    std::cout << "                Data will be skipped." << std::endl;
    in.ignore(static_cast<std::streamsize>(count));
}

// ceil(width * depth / 8) rounded up to a multiple of 4 bytes; the size limits keep it small.
std::size_t row_size(int width, int depth)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(depth) + 31) / 32 * 4;
}

bmp_pixel rgb(int red, int green, int blue)
{
    return {static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(red), 0};
}

// The Windows default palettes; every alpha is 0.
std::vector<bmp_pixel> standard_color_table(int depth)
{
    if (depth == 1) {
        return {rgb(0, 0, 0), rgb(255, 255, 255)};
    }
    std::vector<bmp_pixel> table(std::size_t{1} << depth);
    // The dark primaries at 0-7 (bit 0 red, bit 1 green, bit 2 blue), used by both palettes.
    const auto dark = [](int n) { return rgb((n & 1) * 128, (n >> 1 & 1) * 128, (n >> 2 & 1) * 128); };
    if (depth == 4) {
        for (int n = 0; n < 8; ++n) {
            table[n] = dark(n);
            table[n + 8] = rgb((n & 1) * 255, (n >> 1 & 1) * 255, (n >> 2 & 1) * 255);
        }
        table[8] = rgb(192, 192, 192); // instead of a second black
        return table;
    }
    // Depth 8: a 3-3-2 colour cube, with the Windows system colours at both ends.
    for (int n = 0; n < 256; ++n) {
        table[n] = (n < 8) ? dark(n) : rgb((n & 7) * 32, (n >> 3 & 7) * 32, (n >> 6) * 64);
    }
    table[7] = rgb(192, 192, 192);
    table[8] = rgb(192, 220, 192);
    table[9] = rgb(166, 202, 240);
    const bmp_pixel last[] = {rgb(255, 251, 240), rgb(128, 128, 128), rgb(128, 0, 0), rgb(0, 128, 0),
                              rgb(0, 0, 128),     rgb(128, 128, 0),   rgb(0, 128, 128), rgb(128, 0, 128),
                              rgb(0, 255, 255),   rgb(255, 255, 255)};
    std::copy(std::begin(last), std::end(last), table.begin() + 246);
    return table;
}

// The mask of one 16-bit colour component and how far to shift it down to five bits or fewer.
struct channel {
    explicit channel(std::uint16_t m) : mask(m)
    {
        // Terminates for every mask, 0 included: a 16-bit value drops to 31 within 11 shifts.
        for (std::uint16_t rest = mask; rest > 31; rest >>= 1) {
            ++shift;
        }
    }
    std::uint8_t operator()(std::uint16_t value) const
    {
        return static_cast<std::uint8_t>(((value & mask) >> shift) * 8);
    }
    std::uint16_t mask;
    int shift = 0;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// [SECTION] Grid, bit depth and colour table

bmp_image::bmp_image() : pixels_(1, white) {}

bmp_pixel& bmp_image::at(int i, int j)
{
    return pixels_[static_cast<std::size_t>(j) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(i)];
}

bmp_pixel bmp_image::get_pixel(int i, int j) const
{
    const int ci = std::clamp(i, 0, width_ - 1);
    const int cj = std::clamp(j, 0, height_ - 1);
    if (ci != i || cj != j) {
        std::cout << "Bitmap Warning: Attempted to access non-existent pixel;" << std::endl;
        std::cout << "                Truncating request to fit in the range [0," << width_ - 1 << "] x [0,"
                  << height_ - 1 << "]." << std::endl;
    }
    return pixels_[static_cast<std::size_t>(cj) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(ci)];
}

void bmp_image::set_size(int w, int h)
{
    if (w < 1 || h < 1) {
        std::cout << "Bitmap Warning: User attempted to set a non-positive width or height." << std::endl;
        std::cout << "                Size remains unchanged at " << width_ << " x " << height_ << "." << std::endl;
        return;
    }
    width_ = w;
    height_ = h;
    pixels_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), white);
}

void bmp_image::set_bit_depth(int depth)
{
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
        std::cout << "Bitmap Warning: User attempted to set unsupported bit depth " << depth << "." << std::endl;
        std::cout << "                Bit depth remains unchanged at " << bit_depth_ << "." << std::endl;
        return;
    }
    bit_depth_ = depth;
    colors_ = depth <= 8 ? standard_color_table(depth) : std::vector<bmp_pixel>{};
}

bmp_pixel bmp_image::get_color(int index) const
{
    if (colors_.empty()) {
        std::cout << "Bitmap Warning: Attempted to access color table for a BMP object" << std::endl;
        std::cout << "                that lacks a color table. Ignoring request." << std::endl;
        return white;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) {
        std::cout << "Bitmap Warning: Requested color number " << index << " is outside the allowed" << std::endl;
        std::cout << "                range [0," << colors_.size() - 1 << "]. Ignoring request to get this color."
                  << std::endl;
        return white;
    }
    return colors_[static_cast<std::size_t>(index)];
}

// ---------------------------------------------------------------------------------------------
// [SECTION] Reading a file

void bmp_image::fall_back()
{
    set_size(1, 1);
    set_bit_depth(1);
}

bool bmp_image::reject(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        std::cout << line << std::endl;
    }
    fall_back();
    return false;
}

bool bmp_image::read_from_file(const std::string& path)
{
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        return reject({"Bitmap Error: Cannot open file " + path + " for input."});
    }
    bmp_headers h;
    const bool complete = h.read(in);
    if (h.type != bmp_signature) {
        // The one rejection that leaves the object as it was.
        std::cout << "Bitmap Error: " << path << " is not a Windows BMP file!" << std::endl;
        return false;
    }
    if (!complete) {
        return reject({"Bitmap Error: " + path + " is obviously corrupted."});
    }
    x_pixels_per_metre_ = h.x_pixels_per_metre;
    y_pixels_per_metre_ = h.y_pixels_per_metre;
    const std::vector<std::string> problem = header_problem(h, path);
    if (!problem.empty()) {
        return reject(problem);
    }
    set_bit_depth(h.bit_count);
    set_size(h.width, h.height);

    // An offset inside the headers (below 54) gives no table entries and nothing to skip.
    const std::int64_t after_headers = std::max<std::int64_t>(0, std::int64_t{h.pixel_offset} - header_bytes);
    std::int64_t skip = after_headers;
    if (!colors_.empty()) {
        read_color_table(in, after_headers / 4, path);
        skip -= static_cast<std::int64_t>(4 * colors_.size());
    }
    if (bit_depth_ == 16) {
        const bool masks = h.compression == bit_fields;
        read_16bit_rows(in, masks, std::max<std::int64_t>(0, skip - (masks ? 12 : 0)), path);
    } else {
        skip_metadata(in, skip, path);
        read_rows(in);
    }
    return true;
}

void bmp_image::read_color_table(std::istream& in, std::int64_t entries_in_file, const std::string& path)
{
    const auto table_size = static_cast<std::int64_t>(colors_.size());
    const auto to_read = static_cast<std::size_t>(std::min(entries_in_file, table_size));
    if (to_read < colors_.size()) {
        std::cout << "Bitmap Warning: file " << path << " has an underspecified" << std::endl;
        std::cout << "                color table. The table will be padded with extra" << std::endl;
        std::cout << "                white (255,255,255,0) entries." << std::endl;
    }
    std::vector<std::uint8_t> entry(4); // blue, green, red, alpha
    for (std::size_t n = 0; n < to_read; ++n) {
        // An entry cut off by the end of the file keeps its standard colour.
        if (read_some(in, entry) == entry.size()) {
            colors_[n] = {entry[0], entry[1], entry[2], entry[3]};
        }
    }
    std::fill(colors_.begin() + static_cast<std::ptrdiff_t>(to_read), colors_.end(), white);
}

void bmp_image::read_rows(std::istream& in)
{
    std::vector<std::uint8_t> row(row_size(width_, bit_depth_));
    // Stored bottom-up: the first row in the file is the bottom one.
    for (int j = height_ - 1; j >= 0; --j) {
        if (read_some(in, row) < row.size()) {
            std::cout << "Bitmap Error: Could not read proper amount of data." << std::endl;
            return;
        }
        if (!decode_row(row, j)) {
            std::cout << "Bitmap Error: Could not read enough pixel data!" << std::endl;
            return;
        }
    }
}

bool bmp_image::decode_row(const std::vector<std::uint8_t>& row, int j)
{
    const std::size_t depth = static_cast<std::size_t>(bit_depth_);
    // Guards a row too short for the width; a row sized by row_size always passes.
    if (row.size() * 8 < static_cast<std::size_t>(width_) * depth) {
        return false;
    }
    for (int i = 0; i < width_; ++i) {
        const std::size_t first_bit = static_cast<std::size_t>(i) * depth;
        if (depth <= 8) {
            // Colour-table indices, the leftmost pixel in the most significant bits of its byte.
            const std::size_t shift = 8 - depth - first_bit % 8;
            at(i, j) = get_color((row[first_bit / 8] >> shift) & ((1 << depth) - 1));
            continue;
        }
        const std::uint8_t* stored = &row[first_bit / 8];
        bmp_pixel& pixel = at(i, j);
        pixel.blue = stored[0];
        pixel.green = stored[1];
        pixel.red = stored[2];
        if (depth == 32) {
            pixel.alpha = stored[3];
        } // 24-bit pixels keep the grid's alpha, 0 after set_size
    }
    return true;
}

void bmp_image::read_16bit_rows(std::istream& in, bool masks_in_file, std::int64_t skip, const std::string& path)
{
    std::uint16_t masks[3] = {0x7C00, 0x03E0, 0x001F}; // red, green, blue: 5-5-5 by default
    if (masks_in_file) {
        for (std::uint16_t& mask : masks) {
            std::uint32_t field = 0; // a mask cut off by the end of the file stays the default
            if (read_le(in, field)) {
                mask = static_cast<std::uint16_t>(field & 0xFFFF);
            }
        }
    }
    skip_metadata(in, skip, path);
    const channel red(masks[0]);
    const channel green(masks[1]);
    const channel blue(masks[2]);

    std::vector<std::uint8_t> row(row_size(width_, 16));
    for (int j = height_ - 1; j >= 0; --j) {
        // Best effort, pixel by pixel and without a message: every pixel that
        // arrived whole is decoded, and the rest of the grid stays white.
        const std::size_t got = read_some(in, row);
        const int whole = static_cast<int>(std::min<std::size_t>(got / 2, static_cast<std::size_t>(width_)));
        for (int i = 0; i < whole; ++i) {
            const std::uint8_t* stored = &row[2 * static_cast<std::size_t>(i)];
            const auto value = static_cast<std::uint16_t>(stored[0] | stored[1] << 8);
            bmp_pixel& pixel = at(i, j);
            pixel.red = red(value);
            pixel.green = green(value);
            pixel.blue = blue(value);
        }
        if (got < row.size()) {
            return;
        }
    }
}
