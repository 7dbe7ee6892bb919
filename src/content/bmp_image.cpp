#include "content/bmp_image.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "content/bmp_masks.hpp"
#include "content/file_io.hpp"

// [SECTION] File layout and guarded reads
// [SECTION] Grid, bit depth and colour table
// [SECTION] Reading a file

namespace {

// ---------------------------------------------------------------------------------------------
// [SECTION] File layout and guarded reads

constexpr std::uint16_t bmp_signature = 19778; // "BM" read as a little-endian 16-bit value
constexpr std::int64_t file_header_bytes = 14;
constexpr std::uint32_t bit_fields = 3;        // the compression value of files with masks
constexpr std::int64_t mask_bytes = 12;        // red, green and blue, 32 bits each
// Pictures larger than this are rejected before anything is allocated: 2^26 pixels are 256 MiB
// of grid, and no game texture comes near either limit.
constexpr std::int64_t max_side = 32768;
constexpr std::int64_t max_pixels = std::int64_t{1} << 26;
// A file that ends before its pixel data does is read as far as it goes only up to this many
// pixels (a 4 MiB grid); a larger one is refused before its grid is allocated, so a few hostile
// bytes cannot claim the 256 MiB the limits above allow. A complete file needs at least 1 byte
// per 8 pixels, so memory stays within 32 times the file's size. A stream that cannot tell its
// length (a pipe) is held to the limits above only.
constexpr std::int64_t max_pixels_of_short_file = std::int64_t{1} << 20;

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

// The bytes from the read position to the end, or -1 where the stream cannot tell (a pipe).
std::int64_t bytes_left(std::istream& in)
{
    const std::streampos here = in.tellg();
    if (here == std::streampos(-1)) {
        return -1;
    }
    in.seekg(0, std::ios::end);
    const std::streampos end = in.tellg();
    in.clear();
    in.seekg(here);
    return end == std::streampos(-1) ? -1 : static_cast<std::int64_t>(end - here);
}

// ceil(width * depth / 8) rounded up to a multiple of 4 bytes; the size limits keep it small.
std::size_t row_size(int width, int depth)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(depth) + 31) / 32 * 4;
}

// The 14-byte file header and the info header, field by field. Every info header starts with the
// 40 bytes of the Windows 3 one; those of 52 bytes and more hold the masks at bytes 40-51 and
// further fields (alpha mask, colour space) that the game does not use.
struct bmp_headers {
    std::uint16_t type = 0;
    std::uint32_t file_size = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t pixel_offset = 0; // from the start of the file to the pixel data, in bytes

    std::uint32_t header_size = 0; // of the info header, in bytes
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
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue; meaningful with bit fields only

    // A 40-byte header leaves the masks of a 16-bit file with bit fields to the 12 bytes after it.
    bool masks_after_header() const { return header_size == 40 && compression == bit_fields && bit_count == 16; }
    // From the start of the file to the colour table, or to the metadata where there is none.
    std::int64_t table_start() const
    {
        return file_header_bytes + header_size + (masks_after_header() ? mask_bytes : 0);
    }
    std::int64_t pixel_data_size() const { return static_cast<std::int64_t>(row_size(width, bit_count)) * height; }
};

// Reads the headers after the signature, and the masks that follow a 40-byte header; the lines
// of the reason to refuse what was read as far as the layout goes, none if it is acceptable.
std::vector<std::string> read_layout(std::istream& in, bmp_headers& h, const std::string& name)
{
    const std::vector<std::string> corrupted = {"Bitmap Error: " + name + " is obviously corrupted."};
    if (!(read_le(in, h.file_size) && read_le(in, h.reserved1) && read_le(in, h.reserved2) &&
          read_le(in, h.pixel_offset) && read_le(in, h.header_size))) {
        return corrupted;
    }
    // The OS/2 headers hold their fields at other widths; read as Windows ones they would be garbage.
    if (h.header_size == 12 || h.header_size == 64) {
        return {"Bitmap Error: " + name + " is an OS/2 bitmap.", "              OS/2 bitmaps are not supported."};
    }
    const std::uint32_t sizes[] = {40, 52, 56, 108, 124};
    if (std::find(std::begin(sizes), std::end(sizes), h.header_size) == std::end(sizes)) {
        return corrupted;
    }
    bool complete = read_le(in, h.width) && read_le(in, h.height) && read_le(in, h.planes) &&
                    read_le(in, h.bit_count) && read_le(in, h.compression) && read_le(in, h.image_size) &&
                    read_le(in, h.x_pixels_per_metre) && read_le(in, h.y_pixels_per_metre) &&
                    read_le(in, h.colors_used) && read_le(in, h.important_colors);
    if (complete && (h.header_size > 40 || h.masks_after_header())) {
        complete = read_le(in, h.masks[0]) && read_le(in, h.masks[1]) && read_le(in, h.masks[2]);
    }
    const std::streamsize rest = h.header_size > 40 ? static_cast<std::streamsize>(h.header_size) - 40 - mask_bytes : 0;
    if (!complete || in.ignore(rest).gcount() != rest) {
        return corrupted;
    }
    return {};
}

// The lines of the first reason to refuse a file whose layout was read, in the order they are
// checked; none if it is acceptable.
std::vector<std::string> header_problem(const bmp_headers& h, const std::string& name)
{
    const std::string file = "Bitmap Error: " + name;
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
    if (h.table_start() > h.pixel_offset) {
        return {file + " is obviously corrupted."};
    }
    if (h.compression == bit_fields && !bmp_masks(h.masks[0], h.masks[1], h.masks[2]).usable()) {
        return {file + " has an empty or non-contiguous 16-bit color mask."};
    }
    return {};
}

// Discards `count` bytes between the headers (or masks) and the pixel data. istream::ignore
// needs no buffer of that size and stops at the end of the file, however large the count.
void skip_metadata(std::istream& in, std::int64_t count, const std::string& name)
{
    if (count <= 0) {
        return;
    }
    std::cout << "Bitmap Warning: Extra meta data detected in file " << name << std::endl;
    std::cout << "                Data will be skipped." << std::endl;
    in.ignore(static_cast<std::streamsize>(count));
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

void bmp_image::report(const std::string& line)
{
    std::cout << line << std::endl;
    reported_error_ = true;
}

bool bmp_image::reject(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        report(line);
    }
    fall_back();
    return false;
}

bool bmp_image::read_from_file(const std::string& path)
{
    reported_error_ = false;
    std::ifstream in;
    try {
        in = content::open_input_file(path);
    } catch (const std::runtime_error&) {
        return reject({"Bitmap Error: Cannot open file " + path + " for input."});
    }
    return read(in, path);
}

bool bmp_image::read(std::istream& in, const std::string& name)
{
    reported_error_ = false;
    bmp_headers h;
    if (!read_le(in, h.type) || h.type != bmp_signature) {
        // The one rejection that leaves the object as it was.
        report("Bitmap Error: " + name + " is not a Windows BMP file!");
        return false;
    }
    std::vector<std::string> problem = read_layout(in, h, name);
    if (!problem.empty()) {
        return reject(problem);
    }
    x_pixels_per_metre_ = h.x_pixels_per_metre;
    y_pixels_per_metre_ = h.y_pixels_per_metre;
    problem = header_problem(h, name);
    if (!problem.empty()) {
        return reject(problem);
    }
    const std::int64_t left = bytes_left(in);
    const std::int64_t file_size = h.table_start() + left; // the layout was read up to the table
    const std::int64_t needed = std::int64_t{h.pixel_offset} + h.pixel_data_size();
    if (left >= 0 && file_size < needed && std::int64_t{h.width} * h.height > max_pixels_of_short_file) {
        return reject({"Bitmap Error: " + name + " is truncated: its " + std::to_string(h.width) + " x " +
                           std::to_string(h.height) + " pixels need",
                       "              " + std::to_string(needed) + " bytes, the file has " +
                           std::to_string(file_size) + "."});
    }
    set_bit_depth(h.bit_count);
    set_size(h.width, h.height);

    // Between the headers (and masks) and the pixel data: the colour table, then metadata.
    std::int64_t space = std::int64_t{h.pixel_offset} - h.table_start();
    if (!colors_.empty()) {
        read_color_table(in, space / 4, name);
        space -= static_cast<std::int64_t>(4 * colors_.size());
    }
    skip_metadata(in, space, name);
    read_rows(in, h.compression == bit_fields ? bmp_masks(h.masks[0], h.masks[1], h.masks[2]) : bmp_masks());
    return true;
}

void bmp_image::read_color_table(std::istream& in, std::int64_t entries_in_file, const std::string& name)
{
    const auto table_size = static_cast<std::int64_t>(colors_.size());
    const auto to_read = static_cast<std::size_t>(std::clamp<std::int64_t>(entries_in_file, 0, table_size));
    if (to_read < colors_.size()) {
        std::cout << "Bitmap Warning: file " << name << " has an underspecified" << std::endl;
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

void bmp_image::read_rows(std::istream& in, const bmp_masks& masks)
{
    std::vector<std::uint8_t> row(row_size(width_, bit_depth_));
    // Stored bottom-up: the first row in the file is the bottom one.
    for (int j = height_ - 1; j >= 0; --j) {
        if (read_some(in, row) < row.size()) {
            report("Bitmap Error: Could not read proper amount of data.");
            return;
        }
        if (!decode_row(row, j, masks)) {
            report("Bitmap Error: Could not read enough pixel data!");
            return;
        }
    }
}

bool bmp_image::decode_row(const std::vector<std::uint8_t>& row, int j, const bmp_masks& masks)
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
        if (depth == 16) {
            at(i, j) = masks.decode(static_cast<std::uint16_t>(stored[0] | stored[1] << 8));
            continue;
        }
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
