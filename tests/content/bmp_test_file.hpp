#pragma once

// Builds Windows BMP files as bytes for the BMP reader and image loader tests, so no binary
// file is committed. Only what a test sets is written: the headers, the colour table or masks,
// any metadata and the pixel rows exactly as given (bottom row first, padding included).

#include <cstdint>
#include <utility>
#include <vector>

namespace test {

using bytes = std::vector<unsigned char>;

inline void put_le(bytes& out, std::uint32_t value, int size)
{
    for (int k = 0; k < size; ++k) {
        out.push_back(static_cast<unsigned char>(value >> (8 * k) & 0xFF));
    }
}

// A colour-table entry as stored: blue, green, red, alpha.
inline bytes bmp_entry(int red, int green, int blue, int alpha = 0)
{
    return {static_cast<unsigned char>(blue), static_cast<unsigned char>(green), static_cast<unsigned char>(red),
            static_cast<unsigned char>(alpha)};
}

struct bmp_file {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bit_count = 24;
    std::uint32_t compression = 0;
    bytes table;  // colour-table entries, or the three 16-bit masks, right after the headers
    bytes extra;  // metadata between the table and the pixel data
    bytes pixels; // the rows as stored
    std::uint16_t type = 19778; // "BM"
    bool explicit_offset = false;
    std::uint32_t offset = 0; // used when explicit_offset; otherwise 54 + table + extra

    void set_offset(std::uint32_t value)
    {
        explicit_offset = true;
        offset = value;
    }

    void add_entry(int red, int green, int blue, int alpha = 0)
    {
        const bytes entry = bmp_entry(red, green, blue, alpha);
        table.insert(table.end(), entry.begin(), entry.end());
    }

    bytes build() const
    {
        const auto data_offset = static_cast<std::uint32_t>(54 + table.size() + extra.size());
        bytes out;
        put_le(out, type, 2);
        put_le(out, static_cast<std::uint32_t>(data_offset + pixels.size()), 4); // file size
        put_le(out, 0, 4);                                                      // two reserved fields
        put_le(out, explicit_offset ? offset : data_offset, 4);
        put_le(out, 40, 4); // info header size
        put_le(out, static_cast<std::uint32_t>(width), 4);
        put_le(out, static_cast<std::uint32_t>(height), 4);
        put_le(out, 1, 2); // planes
        put_le(out, bit_count, 2);
        put_le(out, compression, 4);
        put_le(out, static_cast<std::uint32_t>(pixels.size()), 4);
        put_le(out, 2835, 4); // 72 dpi, horizontally
        put_le(out, 3780, 4); // 96 dpi, vertically
        put_le(out, 0, 4);    // colours used
        put_le(out, 0, 4);    // important colours
        for (const bytes* part : {&table, &extra, &pixels}) {
            out.insert(out.end(), part->begin(), part->end());
        }
        return out;
    }
};

// A file of the given size and depth with no colour table, offset 54 and these pixel rows.
inline bmp_file bmp_picture(int width, int height, int depth, bytes pixels)
{
    bmp_file file;
    file.width = width;
    file.height = height;
    file.bit_count = static_cast<std::uint16_t>(depth);
    file.pixels = std::move(pixels);
    return file;
}

} // namespace test
