#pragma once

// Builds Windows BMP files as bytes for the content tests, so no binary file is committed.
// Written as given: the headers, the colour table or masks, any metadata and the pixel rows
// (bottom row first, padding included).

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace test {

using bytes = std::vector<unsigned char>;

inline bytes join(std::initializer_list<bytes> parts)
{
    bytes out;
    for (const bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

struct bmp_file {
    int width = 1;
    int height = 1;
    int bit_count = 24;
    std::uint32_t compression = 0;
    bytes pixels = {}; // the rows as stored
    bytes table = {};  // colour-table entries (blue, green, red, alpha) or the three 32-bit masks
    bytes extra = {};  // metadata between the table and the pixel data
    std::int64_t offset = -1; // the pixel-data offset written; -1: 54 + table + extra

    bytes build() const
    {
        const std::uint64_t data_offset = 54 + table.size() + extra.size();
        bytes out;
        const auto put = [&out](std::uint64_t value, int size) {
            for (int k = 0; k < size; ++k) {
                out.push_back(static_cast<unsigned char>(value >> (8 * k) & 0xFF));
            }
        };
        put(19778, 2);                         // "BM"
        put(data_offset + pixels.size(), 4);   // file size
        put(0, 4);                             // two reserved fields
        put(offset < 0 ? data_offset : static_cast<std::uint64_t>(offset), 4);
        put(40, 4);                            // info header size
        put(width, 4);
        put(height, 4);
        put(1, 2);                             // planes
        put(bit_count, 2);
        put(compression, 4);
        put(pixels.size(), 4);
        put(2835, 4);                          // 72 dpi, horizontally
        put(3780, 4);                          // 96 dpi, vertically
        put(0, 8);                             // colours used, important colours
        return join({out, table, extra, pixels});
    }
};

} // namespace test
