#include "bmp_file.hpp"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "det_math.hpp"

namespace assets {

rgb colour(double r, double g, double b) {
    auto byte = [](double v) { return static_cast<std::uint8_t>(round_clamped(v * 255.0, 0, 255)); };
    return {byte(r), byte(g), byte(b)};
}

namespace {

constexpr int headers_size = 14 + 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (static_cast<std::uint32_t>(in[at + 3]) << 24);
}

std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at) { return in[at] | (in[at + 1] << 8); }

int row_size(int width) { return (width * 3 + 3) / 4 * 4; }

}  // namespace

void write_bmp(const std::string& path, const picture& image) {
    const int w = image.width();
    const int h = image.height();
    const std::uint32_t data_size = static_cast<std::uint32_t>(row_size(w) * h);
    std::vector<std::uint8_t> out;
    out.reserve(headers_size + data_size);
    put16(out, 0x4D42);  // "BM"
    put32(out, headers_size + data_size);
    put16(out, 0);
    put16(out, 0);
    put32(out, headers_size);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h));  // positive: bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // no compression
    put32(out, data_size);
    put32(out, 2835);  // 72 dpi, unused by the game
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const rgb& p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (int pad = w * 3; pad < row_size(w); ++pad) out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) throw std::runtime_error("Cannot write " + path);
}

picture read_bmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("Cannot open " + path);
    std::vector<std::uint8_t> in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (in.size() < headers_size || get16(in, 0) != 0x4D42) throw std::runtime_error(path + " is not a BMP file");
    const std::uint32_t offset = get32(in, 10);
    const auto w = static_cast<std::int32_t>(get32(in, 18));
    const auto h = static_cast<std::int32_t>(get32(in, 22));
    if (get32(in, 14) != 40 || get16(in, 28) != 24 || get32(in, 30) != 0 || w < 1 || h < 1)
        throw std::runtime_error(path + " is not an uncompressed bottom-up 24-bit BMP");
    if (get32(in, 2) != in.size() || offset + static_cast<std::size_t>(row_size(w)) * h != in.size())
        throw std::runtime_error(path + " has the wrong size");
    picture image(w, h);
    for (int y = 0; y < h; ++y) {
        std::size_t row = offset + static_cast<std::size_t>(h - 1 - y) * row_size(w);
        for (int x = 0; x < w; ++x) {
            std::size_t at = row + 3 * static_cast<std::size_t>(x);
            image.at(x, y) = {in[at + 2], in[at + 1], in[at]};
        }
    }
    return image;
}

}  // namespace assets
