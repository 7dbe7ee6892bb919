#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "content/bmp_image.hpp"
#include "content/bmp_test_file.hpp"
#include "content/image.hpp"
#include "support/message_of.hpp"

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
const std::string corrupted = "Bitmap Error: @ is obviously corrupted.\n";

class bmp_image_test : public testing::Test {
protected:
    // Reads `contents` into `bmp` from memory, through a stream named '@'; `output`
    // receives what it printed.
    bool read(const bytes& contents)
    {
        std::istringstream in(std::string(contents.begin(), contents.end()));
        testing::internal::CaptureStdout();
        const bool result = bmp.read(in, "@");
        output = testing::internal::GetCapturedStdout();
        return result;
    }

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
        {"a 124-byte header holds the masks; 4-4-4-4 is scaled by its own width",
         {2, 1, 16, 3, join({word(0xF8C1), word(0x0FFF)}), join({mask(0xF00), mask(0xF0), mask(0xF), bytes(72, 0)}),
          {}, -1, 124}, "", {{136, 204, 17, 0}, {255, 255, 255, 0}}},
        {"a 56-byte header holds the masks; 2-3-1 likewise",
         {1, 1, 16, 3, join({word(0x25), {0, 0}}), join({mask(0x30), mask(0xE), mask(0x1), bytes(4, 0)}), {}, -1, 56},
         "", {{170, 73, 255, 0}}},
        {"a 108-byte header comes before the colour table",
         {2, 1, 8, 0, {1, 2, 0, 0}, join({bytes(68, 0xEE), table(256)}), {}, -1, 108}, "", entries({1, 2})},
        {"a short colour table is padded with white", {3, 1, 4, 0, {0x01, 0x50, 0, 0}, table(2)}, underspecified,
         {{0, 255, 7, 0}, {1, 254, 7, 1}, white}},
        {"metadata is skipped", {1, 1, 24, 0, {1, 2, 3, 0}, {}, {9, 9, 9, 9, 9}}, metadata, {{3, 2, 1, 0}}},
        {"16-bit metadata is skipped after the masks (red and blue swapped: no standard layout, so 255)",
         {1, 1, 16, 3, join({word(0x001F), {0, 0}}), join({mask(0x001F), mask(0x03E0), mask(0x7C00)}), {9, 9, 9, 9}},
         metadata, {{255, 0, 0, 0}}},
        {"a huge offset skips to the end", {2, 2, 24, 0, bytes(16, 0), {}, {}, 0xFFFFFFFF}, metadata + short_data,
         std::vector<rgba>(4, white)},
        {"truncated rows stay white", {2, 3, 24, 0, {1, 2, 3, 4, 5, 6, 0, 0, 7, 7, 7, 7, 7}}, short_data,
         {white, white, white, white, {3, 2, 1, 0}, {6, 5, 4, 0}}},
        {"truncated 16-bit rows stay white",
         {3, 2, 16, 0, join({word(0x7C00), word(0x7C00), word(0x7C00), {0, 0}, word(0x001F), {0xFF}})}, short_data,
         {white, white, white, red, red, red}},
        {"a side of 32768 is not too large", {32768, 2, 24}, short_data, std::vector<rgba>(65536, white)},
        {"a height of 32768 is not too large", {1, 32768, 24}, short_data, std::vector<rgba>(32768, white)},
    };
    for (const decode_case& c : cases) {
        SCOPED_TRACE(c.what);
        bmp = bmp_image();
        EXPECT_TRUE(read(c.file.build()));
        EXPECT_EQ(output, c.output);
        EXPECT_EQ(bmp.reported_error(), c.output.find("Error") != std::string::npos);
        EXPECT_EQ((std::array{bmp.width(), bmp.height(), bmp.bit_depth()}),
                  (std::array{c.file.width, c.file.height, c.file.bit_count}));
        EXPECT_EQ(grid(bmp), c.pixels);
    }
}

// A file of these headers and a few bytes of pixels.
bytes picture(int width, int height, int depth = 24, std::uint32_t compression = 0, std::uint32_t header = 40)
{
    return test::bmp_file{width, height, depth, compression, bytes(16, 0), {}, {}, -1, header}.build();
}

TEST_F(bmp_image_test, rejected_files_print_these_lines_and_fall_back)
{
    const std::string non_positive = "Bitmap Error: @ has a non-positive width or height.\n";
    const std::string depth = "Bitmap Error: @ has unrecognized bit depth.\n";
    const std::string rle = "Bitmap Error: @ is (RLE) compressed.\n"
                            "              Compressed bitmaps are not supported.\n";
    const std::string too_large = "Bitmap Error: @ is too large.\n";
    const std::string not_bmp = "Bitmap Error: @ is not a Windows BMP file!\n";
    const std::string os2 = "Bitmap Error: @ is an OS/2 bitmap.\n              OS/2 bitmaps are not supported.\n";
    const std::string bad_mask = "Bitmap Error: @ has an empty or non-contiguous 16-bit color mask.\n";
    const auto masked = [](unsigned red) {
        return test::bmp_file{1, 1, 16, 3, bytes(4, 0), join({mask(red), mask(0x03E0), mask(0x001F)})}.build();
    };
    bytes cut = picture(2, 1);
    cut.resize(40);
    bytes wrong_type = picture(1, 1);
    wrong_type[1] = 'N'; // "BN"
    const std::vector<std::pair<bytes, std::string>> cases = {
        {cut, corrupted}, {picture(1, 1, 24, 0, 0), corrupted},
        {picture(1, 1, 24, 0, 12), os2}, {picture(1, 1, 24, 0, 64), os2},
        // Headers that run into the pixel data: a 124-byte one, one cut by the offset, a 40-byte
        // one with no room for its masks before the pixels (as ImageMagick writes 16-bit BMP3).
        {picture(1, 1, 24, 0, 124), corrupted}, {test::bmp_file{1, 1, 8, 0, {}, {}, {}, 10}.build(), corrupted},
        {picture(1, 1, 16, 3), corrupted}, {masked(0xFF0000), bad_mask}, {masked(0x0F0F), bad_mask},
        {picture(8192, 8192), "Bitmap Error: @ is truncated: its 8192 x 8192 pixels need\n"
                              "              201326646 bytes, the file has 70.\n"},
        {picture(1, 1, 2, 1), rle}, {picture(1, 1, 2, 2), rle}, // the compression is judged before the depth
        {picture(1, 1, 24, 4), "Bitmap Error: @ is in an unsupported format.\n"
                               "              (bmih.biCompression = 4)\n"
                               "              The file is probably an old OS2 bitmap or corrupted.\n"},
        {picture(1, 1, 24, 3), "Bitmap Error: @ uses bit fields and is not a\n"
                               "              16-bit file. This is not supported.\n"},
        {picture(1, 1, 0), depth}, {picture(1, 1, 2), depth}, {picture(1, 1, 48), depth},
        {picture(0, 1), non_positive}, {picture(1, 0), non_positive}, {picture(-1, 40000), non_positive},
        {picture(3, -2), non_positive}, // how a top-down file is stored
        {picture(32769, 1), too_large}, {picture(1, 32769), too_large}, {picture(8193, 8193), too_large},
        {picture(0x7FFFFFFF, 0x7FFFFFFF), too_large},
        // The one rejection that leaves the object as it was.
        {wrong_type, not_bmp},
        {{}, not_bmp},
    };
    for (const auto& [contents, lines] : cases) {
        SCOPED_TRACE(lines);
        ASSERT_TRUE(read(test::bmp_file{2, 1, 32, 0, {1, 2, 3, 4, 5, 6, 7, 8}}.build()));
        EXPECT_FALSE(read(contents));
        EXPECT_EQ(output, lines);
        EXPECT_TRUE(bmp.reported_error());
        const bool kept = lines == not_bmp;
        EXPECT_EQ(bmp.bit_depth(), kept ? 32 : 1);
        EXPECT_EQ(grid(bmp), kept ? (std::vector<rgba>{{3, 2, 1, 4}, {7, 6, 5, 8}}) //
                                  : std::vector<rgba>{white});
    }
}

TEST_F(bmp_image_test, misuse_is_refused_with_these_messages)
{
    const kalvanor::image picture(2, 3);
    EXPECT_EQ(test::message_of([] { kalvanor::image(0, -1); }), "Width must be positive.");
    EXPECT_EQ(test::message_of([] { kalvanor::image(1, 0); }), "Height must be positive.");
    EXPECT_EQ(test::message_of([&] { picture.at(-1, 3); }), "X out of bounds.");
    EXPECT_EQ(test::message_of([&] { picture.at(1, 3); }), "Y out of bounds.");
    // The reader's own misuse only warns and changes nothing.
    testing::internal::CaptureStdout();
    bmp.get_pixel(1, -1);
    bmp.set_size(0, 2);
    bmp.set_bit_depth(2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Warning: Attempted to access non-existent pixel;\n"
              "                Truncating request to fit in the range [0,0] x [0,0].\n"
              "Bitmap Warning: User attempted to set a non-positive width or height.\n"
              "                Size remains unchanged at 1 x 1.\n"
              "Bitmap Warning: User attempted to set unsupported bit depth 2.\n"
              "                Bit depth remains unchanged at 24.\n");
    EXPECT_EQ((std::array{bmp.width(), bmp.height(), bmp.bit_depth()}), (std::array{1, 1, 24}));
}

} // namespace
