#pragma once

#include <string>

class bmp_image;

namespace inspect {

// Writes the picture as a PAM file (P7, TUPLTYPE RGB_ALPHA, rows top first) with the channels
// the game's images get: red, green, blue and the file's alpha, which is 0 throughout for 24-bit
// files. False when the file cannot be written.
bool write_pam(const std::string& path, const bmp_image& picture);

} // namespace inspect
