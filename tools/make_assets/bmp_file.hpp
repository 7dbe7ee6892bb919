#pragma once
#include <string>

#include "picture.hpp"

namespace assets {

// Uncompressed 24-bit Windows BMP with a BITMAPINFOHEADER: rows bottom-up, padded to 4 bytes.
// Throws std::runtime_error when the file cannot be written.
void write_bmp(const std::string& path, const picture& image);

// Reads back exactly what write_bmp writes (24-bit, bottom-up, no compression); throws
// std::runtime_error naming the path for anything else.
picture read_bmp(const std::string& path);

}  // namespace assets
