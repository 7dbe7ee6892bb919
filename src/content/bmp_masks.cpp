#include "content/bmp_masks.hpp"

namespace {

int lowest_bit(unsigned mask)
{
    int bit = 0;
    while (mask != 0 && (mask & 1U) == 0) {
        mask >>= 1;
        ++bit;
    }
    return bit;
}

} // namespace

bmp_masks::bmp_masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    const std::uint32_t masks[] = {red, green, blue};
    // The two layouts nearly every 16-bit file uses decode as they always have in this game
    // (a full 5-bit value gives 248, 5-6-5 green drops its lowest bit), so pictures made for it
    // keep their exact colours. Every other layout is scaled to the whole range 0-255.
    const bool old_rule = (blue & 0xFFFF) == 0x001F && (((red & 0xFFFF) == 0x7C00 && (green & 0xFFFF) == 0x03E0) ||
                                                        ((red & 0xFFFF) == 0xF800 && (green & 0xFFFF) == 0x07E0));
    for (std::size_t k = 0; k < channels_.size(); ++k) {
        channel& c = channels_[k];
        c.mask = static_cast<std::uint16_t>(masks[k] & 0xFFFF);
        if (old_rule) {
            for (unsigned rest = c.mask; rest > 31; rest >>= 1) {
                ++c.shift;
            }
        } else {
            c.shift = lowest_bit(c.mask);
            c.top = static_cast<unsigned>(c.mask) >> c.shift;
        }
    }
}

bool bmp_masks::usable() const
{
    for (const channel& c : channels_) {
        const unsigned run = static_cast<unsigned>(c.mask) >> lowest_bit(c.mask);
        // A run of ones plus one is a power of two; an empty mask is no run at all.
        if (run == 0 || (run & (run + 1)) != 0) {
            return false;
        }
    }
    return true;
}

std::uint8_t bmp_masks::channel::operator()(std::uint16_t value) const
{
    const unsigned bits = static_cast<unsigned>(value & mask) >> shift;
    if (top == 0) {
        return static_cast<std::uint8_t>(bits * 8);
    }
    return static_cast<std::uint8_t>((bits * 255 + top / 2) / top); // rounded to nearest
}

bmp_pixel bmp_masks::decode(std::uint16_t value) const
{
    return {channels_[2](value), channels_[1](value), channels_[0](value), 0};
}
