#pragma once

#include <array>
#include <cstdint>

#include "content/bmp_image.hpp"

// The red, green and blue masks of a 16-bit BMP file and the rule that turns a stored value into
// a pixel through them. Only the low 16 bits of a mask can select bits of a 16-bit value; the
// rest of each 32-bit mask field is dropped.
class bmp_masks {
public:
    // 5-5-5, the top bit unused: the layout of a 16-bit file without bit fields.
    bmp_masks() : bmp_masks(0x7C00, 0x03E0, 0x001F) {}
    bmp_masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue);

    // False when a mask is empty or its bits are not one run; such a file is refused.
    bool usable() const;

    // Alpha stays 0: the game takes no alpha from 16-bit files.
    bmp_pixel decode(std::uint16_t value) const;

private:
    struct channel {
        std::uint16_t mask = 0;
        int shift = 0;     // brings the masked bits down to bit 0 (or to 5 bits, by the old rule)
        unsigned top = 0;  // the shifted value that becomes 255; 0 for the old rule
        std::uint8_t operator()(std::uint16_t value) const;
    };

    std::array<channel, 3> channels_; // red, green, blue
};
