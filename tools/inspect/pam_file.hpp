#pragma once

#include <string>

namespace kalvanor {
class image;
}

namespace inspect {

// Writes the game's image of a picture as a PAM file (P7, TUPLTYPE RGB_ALPHA, rows top first):
// red, green, blue and the file's alpha, which is 0 throughout for 24-bit files. False when the
// file cannot be written.
bool write_pam(const std::string& path, const kalvanor::image& picture);

} // namespace inspect
