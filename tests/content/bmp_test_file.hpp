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
    // The info header's size field; what a header holds past its first 40 bytes is given in `table`.
    std::uint32_t header_size = 40;

    bytes build() const
    {
        const std::uint64_t data_offset = 54 + table.size() + extra.size();
        // "BM", file size, two reserved fields, pixel-data offset, info header size, width, height,
        // planes, depth, compression, image size, 72 and 96 dpi, colours used and important.
        const std::uint64_t fields[][2] = {
            {19778, 2}, {data_offset + pixels.size(), 4}, {0, 4},
            {offset < 0 ? data_offset : static_cast<std::uint64_t>(offset), 4}, {header_size, 4},
            {static_cast<std::uint64_t>(width), 4}, {static_cast<std::uint64_t>(height), 4}, {1, 2},
            {static_cast<std::uint64_t>(bit_count), 2}, {compression, 4}, {pixels.size(), 4}, {2835, 4}, {3780, 4},
            {0, 8}};
        bytes out;
        for (const auto& [value, size] : fields) {
            for (std::uint64_t k = 0; k < size; ++k) {
                out.push_back(static_cast<unsigned char>(value >> (8 * k) & 0xFF));
            }
        }
        return join({out, table, extra, pixels});
    }
};

} // namespace test
