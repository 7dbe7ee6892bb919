#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "content/bmp_image.hpp"
#include "content/bmp_test_file.hpp"
#include "support/temp_dir.hpp"

namespace {

using test::bytes;
using test::join;
using rgba = std::array<int, 4>; // red, green, blue, alpha

const rgba white{255, 255, 255, 0};

// Every pixel, row by row from the top.
std::vector<rgba> grid(const bmp_image& bmp)
{
    std::vector<rgba> out;
    for (int j = 0; j < bmp.height(); ++j) {
        for (int i = 0; i < bmp.width(); ++i) {
            const bmp_pixel p = bmp.get_pixel(i, j);
            out.push_back({p.red, p.green, p.blue, p.alpha});
        }
    }
    return out;
}

// A 16-bit pixel as stored, low byte first; a 32-bit mask as two of them.
bytes word(unsigned value) { return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)}; }
bytes mask(unsigned value) { return join({word(value), word(value >> 16)}); }

// A colour table of n entries as stored (blue, green, red, alpha), and entries of it by index:
// entry k is (k, 255 - k, 7, k % 3), alpha kept.
bytes table(int n)
{
    bytes out;
    for (int k = 0; k < n; ++k) {
        out.insert(out.end(), {7, static_cast<unsigned char>(255 - k), static_cast<unsigned char>(k),
                               static_cast<unsigned char>(k % 3)});
    }
    return out;
}
std::vector<rgba> entries(std::initializer_list<int> indices)
{
    std::vector<rgba> out;
    for (int k : indices) {
        out.push_back({k, 255 - k, 7, k % 3});
    }
    return out;
}

const std::string underspecified = "Bitmap Warning: file @ has an underspecified\n"
                                   "                color table. The table will be padded with extra\n"
                                   "                white (255,255,255,0) entries.\n";
const std::string metadata = "Bitmap Warning: Extra meta data detected in file @\n"
                             "                Data will be skipped.\n";
const std::string short_data = "Bitmap Error: Could not read proper amount of data.\n";

class bmp_image_test : public testing::Test {
protected:
    // Reads the file at `path` into `bmp`; `output` receives what it printed, the path as '@'.
    bool read(const std::string& path)
    {
        testing::internal::CaptureStdout();
        const bool result = bmp.read_from_file(path);
        output = testing::internal::GetCapturedStdout();
        for (std::size_t at; (at = output.find(path)) != std::string::npos;) {
            output.replace(at, path.size(), "@");
        }
        return result;
    }

    test::temp_dir dir;
    bmp_image bmp;
    std::string output;
};

TEST_F(bmp_image_test, files_decode_to_these_pixels_and_lines)
{
    // The file: {width, height, depth, compression, pixels, table, extra, offset}; the pixels row
    // by row from the top.
    struct decode_case { const char* what; test::bmp_file file; std::string output; std::vector<rgba> pixels; };
    const rgba red{248, 0, 0, 0};
    const std::vector<decode_case> cases = {
        {"24-bit rows are bottom-up, blue-green-red, padded to 4 bytes",
         {3, 2, 24, 0, {0, 0, 255, 0, 255, 0, 255, 0, 0, 0xEE, 0xEE, 0xEE, /**/
                        30, 20, 10, 0, 0, 0, 255, 255, 255, 0xEE, 0xEE, 0xEE}},
         "", {{10, 20, 30, 0}, {0, 0, 0, 0}, white, {255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}}},
        {"32-bit reads alpha", {2, 1, 32, 0, {1, 2, 3, 4, 250, 251, 252, 253}}, "",
         {{3, 2, 1, 4}, {252, 251, 250, 253}}},
        {"1-bit reads the most significant bit first",
         {10, 2, 1, 0, {0xB0, 0x7F, 0xFF, 0xFF, 0x00, 0x40, 0xFF, 0xFF}, table(2)}, "",
         entries({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 1})},
        {"4-bit reads the high nibble first", {3, 1, 4, 0, {0x1F, 0x2A, 0, 0}, table(16)}, "", entries({1, 15, 2})},
        {"8-bit indexes the table", {3, 2, 8, 0, {0, 128, 255, 0xEE, 7, 8, 9, 0xEE}, table(256)}, "",
         entries({7, 8, 9, 0, 128, 255})},
        {"16-bit without masks is 5-5-5, the top bit unused",
         {3, 2, 16, 0, join({word(0x7C00), word(0x03E0), word(0x001F), {0xEE, 0xEE}, /**/
                             word(0xFFFF), word(0), word(0x4210), {0xEE, 0xEE}})},
         "", {{248, 248, 248, 0}, {0, 0, 0, 0}, {128, 128, 128, 0}, red, {0, 248, 0, 0}, {0, 0, 248, 0}}},
        {"16-bit bit fields: 5-6-5, only the low 16 bits of a mask count",
         {2, 1, 16, 3, join({word(0xFFFF), word(0x0841)}), join({mask(0xABCDF800), mask(0x07E0), mask(0x001F)})},
         "", {{248, 248, 248, 0}, {8, 8, 8, 0}}},
        {"a mask of only high bits gives 0",
         {1, 1, 16, 3, join({word(0xFFFF), {0, 0}}), join({mask(0xFF0000), mask(0x03E0), mask(0x001F)})},
         "", {{0, 248, 248, 0}}},
        {"a short colour table is padded with white", {3, 1, 4, 0, {0x01, 0x50, 0, 0}, table(2)}, underspecified,
         {{0, 255, 7, 0}, {1, 254, 7, 1}, white}},
        {"metadata is skipped", {1, 1, 24, 0, {1, 2, 3, 0}, {}, {9, 9, 9, 9, 9}}, metadata, {{3, 2, 1, 0}}},
        {"16-bit metadata is skipped after the masks (red and blue swapped)",
         {1, 1, 16, 3, join({word(0x001F), {0, 0}}), join({mask(0x001F), mask(0x03E0), mask(0x7C00)}), {9, 9, 9, 9}},
         metadata, {red}},
        {"an offset inside the headers reads no table", {1, 1, 8, 0, {0, 0, 0, 0}, {}, {}, 10}, underspecified,
         {white}},
        {"offset 0: the pixels follow the headers", {1, 1, 24, 0, {1, 2, 3, 0}, {}, {}, 0}, "", {{3, 2, 1, 0}}},
        {"a huge offset skips to the end", {2, 2, 24, 0, bytes(16, 0), {}, {}, 0xFFFFFFFF}, metadata + short_data,
         std::vector<rgba>(4, white)},
        {"truncated rows stay white", {2, 3, 24, 0, {1, 2, 3, 4, 5, 6, 0, 0, 7, 7, 7, 7, 7}}, short_data,
         {white, white, white, white, {3, 2, 1, 0}, {6, 5, 4, 0}}},
        {"truncated 16-bit rows keep the whole pixels",
         {3, 2, 16, 0, join({word(0x7C00), word(0x7C00), word(0x7C00), {0, 0}, word(0x001F), {0xFF}})}, "",
         {{0, 0, 248, 0}, white, white, red, red, red}},
        {"a side of 32768 is not too large", {32768, 2, 24}, short_data, std::vector<rgba>(65536, white)},
        {"a height of 32768 is not too large", {1, 32768, 24}, short_data, std::vector<rgba>(32768, white)},
    };
    for (const decode_case& c : cases) {
        SCOPED_TRACE(c.what);
        bmp = bmp_image();
        EXPECT_TRUE(read(dir.write("picture.bmp", c.file.build())));
        EXPECT_EQ(output, c.output);
        EXPECT_EQ((std::array{bmp.width(), bmp.height(), bmp.bit_depth()}),
                  (std::array{c.file.width, c.file.height, c.file.bit_count}));
        EXPECT_EQ(grid(bmp), c.pixels);
    }
}

// A file of these headers and a few bytes of pixels.
bytes picture(int width, int height, int depth = 24, std::uint32_t compression = 0)
{
    return test::bmp_file{width, height, depth, compression, bytes(16, 0)}.build();
}

TEST_F(bmp_image_test, rejected_files_print_these_lines_and_fall_back)
{
    const std::string non_positive = "Bitmap Error: @ has a non-positive width or height.\n";
    const std::string depth = "Bitmap Error: @ has unrecognized bit depth.\n";
    const std::string rle = "Bitmap Error: @ is (RLE) compressed.\n"
                            "              Compressed bitmaps are not supported.\n";
    const std::string too_large = "Bitmap Error: @ is too large.\n";
    const std::string not_bmp = "Bitmap Error: @ is not a Windows BMP file!\n";
    bytes cut = picture(2, 1);
    cut.resize(40);
    bytes wrong_type = picture(1, 1);
    wrong_type[1] = 'N'; // "BN"
    const std::vector<std::pair<bytes, std::string>> cases = {
        {cut, "Bitmap Error: @ is obviously corrupted.\n"},
        {picture(1, 1, 2, 1), rle}, // the compression is judged before the depth
        {picture(1, 1, 2, 2), rle},
        {picture(1, 1, 24, 4), "Bitmap Error: @ is in an unsupported format.\n"
                               "              (bmih.biCompression = 4)\n"
                               "              The file is probably an old OS2 bitmap or corrupted.\n"},
        {picture(1, 1, 24, 3), "Bitmap Error: @ uses bit fields and is not a\n"
                               "              16-bit file. This is not supported.\n"},
        {picture(1, 1, 0), depth}, {picture(1, 1, 2), depth},
        {picture(1, 1, 15), depth}, {picture(1, 1, 48), depth},
        {picture(0, 1), non_positive}, {picture(1, 0), non_positive},
        {picture(3, -2), non_positive}, // how a top-down file is stored
        {picture(-1, 40000), non_positive},
        {picture(32769, 1), too_large}, {picture(1, 32769), too_large}, {picture(8193, 8193), too_large},
        {picture(65536, 65536), too_large}, {picture(0x7FFFFFFF, 0x7FFFFFFF), too_large},
        // The one rejection that leaves the object as it was.
        {wrong_type, not_bmp},
        {{}, not_bmp},
    };
    for (const auto& [contents, lines] : cases) {
        SCOPED_TRACE(lines);
        ASSERT_TRUE(read(dir.write("good.bmp", test::bmp_file{2, 1, 32, 0, {1, 2, 3, 4, 5, 6, 7, 8}}.build())));
        EXPECT_FALSE(read(dir.write("picture.bmp", contents)));
        EXPECT_EQ(output, lines);
        const bool kept = lines == not_bmp;
        EXPECT_EQ(bmp.bit_depth(), kept ? 32 : 1);
        EXPECT_EQ(grid(bmp), kept ? (std::vector<rgba>{{3, 2, 1, 4}, {7, 6, 5, 8}}) //
                                  : std::vector<rgba>{white});
    }
}

} // namespace
