#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "content/bmp_image.hpp"
#include "content/bmp_test_file.hpp"
#include "support/temp_dir.hpp"

namespace {

using test::bytes;
using test::bmp_picture;
using rgba = std::array<int, 4>; // red, green, blue, alpha

const rgba white{255, 255, 255, 0};

rgba colour(const bmp_pixel& p) { return {p.red, p.green, p.blue, p.alpha}; }

// Every pixel, row by row from the top.
std::vector<rgba> grid(const bmp_image& bmp)
{
    std::vector<rgba> out;
    for (int j = 0; j < bmp.height(); ++j) {
        for (int i = 0; i < bmp.width(); ++i) {
            out.push_back(colour(bmp.get_pixel(i, j)));
        }
    }
    return out;
}

// The 16-bit value as stored, low byte first.
bytes word(unsigned value)
{
    return {static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>(value >> 8)};
}

bytes join(std::initializer_list<bytes> parts)
{
    bytes out;
    for (const bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

class bmp_image_test : public testing::Test {
protected:
    // Writes the file and reads it into `bmp`; returns what read_from_file returned.
    bool read(const test::bmp_file& file) { return read_bytes(file.build()); }

    bool read_bytes(const bytes& contents)
    {
        dir.write("picture.bmp", contents);
        return read_path(path);
    }

    bool read_path(const std::string& file)
    {
        testing::internal::CaptureStdout();
        const bool result = bmp.read_from_file(file);
        output = testing::internal::GetCapturedStdout();
        return result;
    }

    void expect_fallback()
    {
        EXPECT_EQ(bmp.width(), 1);
        EXPECT_EQ(bmp.height(), 1);
        EXPECT_EQ(bmp.bit_depth(), 1);
        EXPECT_EQ(grid(bmp), std::vector<rgba>{white});
    }

    // Reading `file` prints exactly `lines` and leaves the fallback.
    void expect_rejected(const test::bmp_file& file, const std::string& lines)
    {
        EXPECT_FALSE(read(file));
        EXPECT_EQ(output, lines);
        expect_fallback();
    }

    test::temp_dir dir;
    bmp_image bmp;
    std::string path = dir.file("picture.bmp"); // every test file is written here
    std::string output; // what the last read printed
};

// ---------------------------------------------------------------------------------------------
// Decoding every depth

TEST_F(bmp_image_test, new_image_is_one_white_pixel_of_depth_24)
{
    EXPECT_EQ(bmp.width(), 1);
    EXPECT_EQ(bmp.height(), 1);
    EXPECT_EQ(bmp.bit_depth(), 24);
    EXPECT_EQ(grid(bmp), std::vector<rgba>{white});
}

TEST_F(bmp_image_test, depth_24_rows_are_bottom_up_and_padded_to_four_bytes)
{
    // Width 3: 9 bytes of blue, green, red triples and 3 bytes of padding per row.
    const bytes bottom = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0xEE, 0xEE, 0xEE};
    const bytes top = {30, 20, 10, 0, 0, 0, 255, 255, 255, 0xEE, 0xEE, 0xEE};
    EXPECT_TRUE(read(bmp_picture(3, 2, 24, join({bottom, top}))));

    EXPECT_EQ(output, "");
    EXPECT_EQ(bmp.width(), 3);
    EXPECT_EQ(bmp.height(), 2);
    EXPECT_EQ(bmp.bit_depth(), 24);
    EXPECT_EQ(bmp.x_pixels_per_metre(), 2835);
    EXPECT_EQ(bmp.y_pixels_per_metre(), 3780);
    // The first row of the file is the bottom row, j = 1; alpha stays 0.
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{10, 20, 30, 0}, {0, 0, 0, 0}, white,
                                            {255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}}));
}

TEST_F(bmp_image_test, depth_32_reads_alpha)
{
    EXPECT_TRUE(read(bmp_picture(2, 1, 32, {1, 2, 3, 4, 250, 251, 252, 253})));
    EXPECT_EQ(output, "");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{3, 2, 1, 4}, {252, 251, 250, 253}}));
}

TEST_F(bmp_image_test, depth_1_reads_the_most_significant_bit_first)
{
    test::bmp_file file = bmp_picture(10, 2, 1, {
        0xB0, 0x7F, 0xFF, 0xFF, // bottom row: 1011 0000 01 (the other bits are padding)
        0x00, 0x40, 0xFF, 0xFF, // top row:    0000 0000 01
    });
    file.add_entry(10, 20, 30);
    file.add_entry(200, 100, 50, 7);
    EXPECT_TRUE(read(file));

    EXPECT_EQ(output, "");
    EXPECT_EQ(bmp.bit_depth(), 1);
    const rgba o{10, 20, 30, 0};
    const rgba l{200, 100, 50, 7}; // table entries keep their alpha
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{o, o, o, o, o, o, o, o, o, l,
                                            l, o, l, l, o, o, o, o, o, l}));
}

TEST_F(bmp_image_test, depth_4_reads_the_high_nibble_first)
{
    test::bmp_file file = bmp_picture(3, 1, 4, {0x1F, 0x2A, 0, 0});
    for (int n = 0; n < 16; ++n) {
        file.add_entry(n * 16, 255 - n * 16, n, n);
    }
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{16, 239, 1, 1}, {240, 15, 15, 15}, {32, 223, 2, 2}}));
}

TEST_F(bmp_image_test, depth_8_indexes_the_colour_table)
{
    test::bmp_file file = bmp_picture(3, 2, 8, {0, 128, 255, 0xEE, 7, 8, 9, 0xEE});
    for (int n = 0; n < 256; ++n) {
        file.add_entry(n, 255 - n, n / 2);
    }
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{7, 248, 3, 0}, {8, 247, 4, 0}, {9, 246, 4, 0},
                                            {0, 255, 0, 0}, {128, 127, 64, 0}, {255, 0, 127, 0}}));
}

TEST_F(bmp_image_test, depth_16_without_masks_is_5_5_5)
{
    // Width 3: 6 bytes of pixels and 2 of padding per row; the top bit is unused.
    EXPECT_TRUE(read(bmp_picture(3, 2, 16, join({word(0x7C00), word(0x03E0), word(0x001F), {0xEE, 0xEE},
                                             word(0xFFFF), word(0x0000), word(0x4210), {0xEE, 0xEE}}))));
    EXPECT_EQ(output, "");
    EXPECT_EQ(bmp.bit_depth(), 16);
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{248, 248, 248, 0}, {0, 0, 0, 0}, {128, 128, 128, 0},
                                            {248, 0, 0, 0}, {0, 248, 0, 0}, {0, 0, 248, 0}}));
}

TEST_F(bmp_image_test, depth_16_with_bit_fields_uses_the_masks_from_the_file)
{
    test::bmp_file file = bmp_picture(2, 1, 16, join({word(0xFFFF), word(0x0841)}));
    file.compression = 3;
    // Red, green, blue as 32-bit fields of which only the low 16 bits count: 5-6-5.
    file.table = join({word(0xF800), word(0xABCD), word(0x07E0), {0, 0}, word(0x001F), {0, 0}});
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "");
    // Green's six bits are shifted down to five: 0x0040 gives 1, times 8.
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{248, 248, 248, 0}, {8, 8, 8, 0}}));
}

TEST_F(bmp_image_test, a_zero_mask_gives_a_zero_component)
{
    test::bmp_file file = bmp_picture(1, 1, 16, join({word(0xFFFF), {0, 0}}));
    file.compression = 3;
    // A red mask with only high bits set is 0 in its low 16 bits.
    file.table = join({word(0x0000), word(0x00FF), word(0x03E0), {0, 0}, word(0x001F), {0, 0}});
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{0, 248, 248, 0}}));
}

// ---------------------------------------------------------------------------------------------
// Colour tables and metadata

TEST_F(bmp_image_test, an_underspecified_colour_table_is_padded_with_white)
{
    test::bmp_file file = bmp_picture(3, 1, 4, {0x01, 0x50, 0, 0});
    file.add_entry(1, 2, 3, 4);
    file.add_entry(5, 6, 7, 8);
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "Bitmap Warning: file " + path + " has an underspecified\n"
                      "                color table. The table will be padded with extra\n"
                      "                white (255,255,255,0) entries.\n");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{1, 2, 3, 4}, {5, 6, 7, 8}, white}));
}

TEST_F(bmp_image_test, depth_8_with_offset_54_uses_a_white_table)
{
    EXPECT_TRUE(read(bmp_picture(2, 1, 8, {0, 200, 0, 0})));
    EXPECT_EQ(output, "Bitmap Warning: file " + path + " has an underspecified\n"
                      "                color table. The table will be padded with extra\n"
                      "                white (255,255,255,0) entries.\n");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{white, white}));
    EXPECT_EQ(colour(bmp.get_color(0)), white);
}

TEST_F(bmp_image_test, metadata_before_the_pixels_is_skipped)
{
    test::bmp_file file = bmp_picture(1, 1, 24, {1, 2, 3, 0});
    file.extra = {9, 9, 9, 9, 9};
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "Bitmap Warning: Extra meta data detected in file " + path + "\n"
                      "                Data will be skipped.\n");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{3, 2, 1, 0}}));
}

TEST_F(bmp_image_test, metadata_of_a_16_bit_file_is_skipped_after_the_masks)
{
    test::bmp_file file = bmp_picture(1, 1, 16, join({word(0x001F), {0, 0}}));
    file.compression = 3;
    file.table = join({word(0x001F), {0, 0}, word(0x03E0), {0, 0}, word(0x7C00), {0, 0}}); // red and blue swapped
    file.extra = {9, 9, 9, 9};
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "Bitmap Warning: Extra meta data detected in file " + path + "\n"
                      "                Data will be skipped.\n");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{248, 0, 0, 0}}));
}

TEST_F(bmp_image_test, an_offset_inside_the_headers_reads_no_table_and_skips_nothing)
{
    test::bmp_file palette = bmp_picture(1, 1, 8, {0, 0, 0, 0});
    palette.set_offset(10);
    EXPECT_TRUE(read(palette));
    EXPECT_EQ(output, "Bitmap Warning: file " + path + " has an underspecified\n"
                      "                color table. The table will be padded with extra\n"
                      "                white (255,255,255,0) entries.\n");
    EXPECT_EQ(grid(bmp), std::vector<rgba>{white});

    // The pixels are then read straight after the headers.
    test::bmp_file direct = bmp_picture(1, 1, 24, {1, 2, 3, 0});
    direct.set_offset(0);
    EXPECT_TRUE(read(direct));
    EXPECT_EQ(output, "");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{3, 2, 1, 0}}));
}

TEST_F(bmp_image_test, a_huge_offset_skips_to_the_end_without_allocating)
{
    test::bmp_file file = bmp_picture(2, 2, 24, bytes(16, 0));
    file.set_offset(0xFFFFFFFF);
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "Bitmap Warning: Extra meta data detected in file " + path + "\n"
                      "                Data will be skipped.\n"
                      "Bitmap Error: Could not read proper amount of data.\n");
    EXPECT_EQ(grid(bmp), std::vector<rgba>(4, white));
}

// ---------------------------------------------------------------------------------------------
// Truncated files: best effort

TEST_F(bmp_image_test, truncated_pixel_data_leaves_the_unread_rows_white)
{
    // Rows of 8 bytes: the bottom row arrives whole, the next one only in part.
    EXPECT_TRUE(read(bmp_picture(2, 3, 24, {1, 2, 3, 4, 5, 6, 0, 0, 7, 7, 7, 7, 7})));
    EXPECT_EQ(output, "Bitmap Error: Could not read proper amount of data.\n");
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{white, white, white, white, {3, 2, 1, 0}, {6, 5, 4, 0}}));
}

TEST_F(bmp_image_test, truncated_16_bit_data_keeps_the_whole_pixels)
{
    // Rows of 8 bytes: the bottom row whole, then one pixel and half of the next.
    EXPECT_TRUE(read(bmp_picture(3, 2, 16, join({word(0x7C00), word(0x7C00), word(0x7C00), {0, 0},
                                             word(0x001F), {0xFF}}))));
    EXPECT_EQ(output, "");
    const rgba red{248, 0, 0, 0};
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{0, 0, 248, 0}, white, white, red, red, red}));
}

TEST_F(bmp_image_test, a_truncated_colour_table_keeps_what_arrived)
{
    test::bmp_file file = bmp_picture(1, 1, 8, {});
    file.set_offset(54 + 1024); // a full table is announced, two entries follow
    file.add_entry(1, 2, 3);
    file.add_entry(4, 5, 6);
    EXPECT_TRUE(read(file));
    EXPECT_EQ(output, "Bitmap Error: Could not read proper amount of data.\n");
    EXPECT_EQ(colour(bmp.get_color(1)), (rgba{4, 5, 6, 0}));
    EXPECT_EQ(grid(bmp), std::vector<rgba>{white});
}

// ---------------------------------------------------------------------------------------------
// Rejected files

TEST_F(bmp_image_test, a_missing_file_prints_one_line_and_falls_back)
{
    const std::string missing = dir.file("missing.bmp");
    EXPECT_FALSE(read_path(missing));
    EXPECT_EQ(output, "Bitmap Error: Cannot open file " + missing + " for input.\n");
    expect_fallback();
}

TEST_F(bmp_image_test, a_file_that_is_not_a_bmp_leaves_the_object_as_it_was)
{
    ASSERT_TRUE(read(bmp_picture(2, 1, 32, {1, 2, 3, 4, 5, 6, 7, 8})));
    test::bmp_file other = bmp_picture(1, 1, 24, {0, 0, 0, 0});
    other.type = 0x4D42 + 1;
    EXPECT_FALSE(read(other));
    EXPECT_EQ(output, "Bitmap Error: " + path + " is not a Windows BMP file!\n");
    EXPECT_EQ(bmp.bit_depth(), 32);
    EXPECT_EQ(grid(bmp), (std::vector<rgba>{{3, 2, 1, 4}, {7, 6, 5, 8}}));

    EXPECT_FALSE(read_bytes({}));
    EXPECT_EQ(output, "Bitmap Error: " + path + " is not a Windows BMP file!\n");
    EXPECT_EQ(bmp.width(), 2);
}

TEST_F(bmp_image_test, a_header_cut_short_is_obviously_corrupted)
{
    ASSERT_TRUE(read(bmp_picture(2, 1, 32, bytes(8, 0))));
    bytes header = bmp_picture(2, 1, 32, {}).build();
    header.resize(40);
    EXPECT_FALSE(read_bytes(header));
    EXPECT_EQ(output, "Bitmap Error: " + path + " is obviously corrupted.\n");
    expect_fallback();
}

TEST_F(bmp_image_test, compressed_files_are_rejected)
{
    for (std::uint32_t rle : {1u, 2u}) {
        test::bmp_file file = bmp_picture(1, 1, 8, {});
        file.compression = rle;
        file.bit_count = 2; // the compression is tested before the depth
        expect_rejected(file, "Bitmap Error: " + path + " is (RLE) compressed.\n"
                              "              Compressed bitmaps are not supported.\n");
    }
    test::bmp_file os2 = bmp_picture(1, 1, 24, {});
    os2.compression = 4;
    expect_rejected(os2, "Bitmap Error: " + path + " is in an unsupported format.\n"
                         "              (bmih.biCompression = 4)\n"
                         "              The file is probably an old OS2 bitmap or corrupted.\n");
}

TEST_F(bmp_image_test, bit_fields_are_only_accepted_at_depth_16)
{
    test::bmp_file file = bmp_picture(1, 1, 24, {0, 0, 0, 0});
    file.compression = 3;
    expect_rejected(file, "Bitmap Error: " + path + " uses bit fields and is not a\n"
                          "              16-bit file. This is not supported.\n");
}

TEST_F(bmp_image_test, unrecognized_bit_depths_are_rejected)
{
    for (int depth : {0, 2, 15, 48}) {
        expect_rejected(bmp_picture(1, 1, depth, bytes(8, 0)),
                        "Bitmap Error: " + path + " has unrecognized bit depth.\n");
    }
}

TEST_F(bmp_image_test, non_positive_sizes_and_top_down_files_are_rejected)
{
    // A negative height is how a top-down file is stored; a too large side does not matter here.
    const std::vector<std::array<int, 2>> sizes = {{0, 1}, {1, 0}, {3, -2}, {-1, 40000}};
    for (const auto& size : sizes) {
        expect_rejected(bmp_picture(size[0], size[1], 24, bytes(16, 0)),
                        "Bitmap Error: " + path + " has a non-positive width or height.\n");
    }
}

TEST_F(bmp_image_test, absurdly_large_pictures_are_rejected_before_allocating)
{
    const std::vector<std::array<int, 2>> sizes = {
        {32769, 1}, {1, 32769}, {8193, 8193}, {0x7FFFFFFF, 0x7FFFFFFF}, {65536, 65536}};
    for (const auto& size : sizes) {
        expect_rejected(bmp_picture(size[0], size[1], 24, bytes(16, 0)), "Bitmap Error: " + path + " is too large.\n");
    }
}

TEST_F(bmp_image_test, a_side_of_32768_is_accepted)
{
    // One whole bottom row of 32768 * 3 bytes, then nothing.
    EXPECT_TRUE(read(bmp_picture(32768, 2, 24, bytes(3 * 32768, 1))));
    EXPECT_EQ(output, "Bitmap Error: Could not read proper amount of data.\n");
    EXPECT_EQ(bmp.width(), 32768);
    EXPECT_EQ(colour(bmp.get_pixel(32767, 1)), (rgba{1, 1, 1, 0}));
    EXPECT_EQ(colour(bmp.get_pixel(32767, 0)), white);

    EXPECT_TRUE(read(bmp_picture(1, 32768, 24, {})));
    EXPECT_EQ(bmp.height(), 32768);
}

// ---------------------------------------------------------------------------------------------
// Direct use of the object

TEST_F(bmp_image_test, get_pixel_clamps_with_a_warning)
{
    ASSERT_TRUE(read(bmp_picture(3, 2, 24, {1, 1, 1, 2, 2, 2, 3, 3, 3, 0, 0, 0, 4, 4, 4, 5, 5, 5, 6, 6, 6, 0, 0, 0})));
    testing::internal::CaptureStdout();
    EXPECT_EQ(colour(bmp.get_pixel(2, 0)), (rgba{6, 6, 6, 0}));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(colour(bmp.get_pixel(-1, 5)), (rgba{1, 1, 1, 0}));
    EXPECT_EQ(colour(bmp.get_pixel(3, 0)), (rgba{6, 6, 6, 0}));
    const std::string warning = "Bitmap Warning: Attempted to access non-existent pixel;\n"
                                "                Truncating request to fit in the range [0,2] x [0,1].\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), warning + warning);
}

TEST_F(bmp_image_test, set_size_refuses_non_positive_sizes)
{
    bmp.set_size(3, 2);
    testing::internal::CaptureStdout();
    bmp.set_size(0, 4);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Warning: User attempted to set a non-positive width or height.\n"
              "                Size remains unchanged at 3 x 2.\n");
    EXPECT_EQ(grid(bmp), std::vector<rgba>(6, white));
}

TEST_F(bmp_image_test, set_bit_depth_refuses_unsupported_depths)
{
    testing::internal::CaptureStdout();
    bmp.set_bit_depth(2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Warning: User attempted to set unsupported bit depth 2.\n"
              "                Bit depth remains unchanged at 24.\n");
    EXPECT_EQ(bmp.bit_depth(), 24);
}

TEST_F(bmp_image_test, set_bit_depth_installs_the_standard_colour_table)
{
    bmp.set_bit_depth(1);
    EXPECT_EQ(colour(bmp.get_color(0)), (rgba{0, 0, 0, 0}));
    EXPECT_EQ(colour(bmp.get_color(1)), white);
    bmp.set_bit_depth(4);
    EXPECT_EQ(colour(bmp.get_color(1)), (rgba{128, 0, 0, 0}));
    EXPECT_EQ(colour(bmp.get_color(8)), (rgba{192, 192, 192, 0}));
    EXPECT_EQ(colour(bmp.get_color(15)), white);
    bmp.set_bit_depth(8);
    EXPECT_EQ(colour(bmp.get_color(9)), (rgba{166, 202, 240, 0}));
    EXPECT_EQ(colour(bmp.get_color(100)), (rgba{128, 128, 64, 0}));
    EXPECT_EQ(colour(bmp.get_color(255)), white);
}

TEST_F(bmp_image_test, get_color_warns_outside_the_table)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(colour(bmp.get_color(0)), white);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Warning: Attempted to access color table for a BMP object\n"
              "                that lacks a color table. Ignoring request.\n");

    bmp.set_bit_depth(1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(colour(bmp.get_color(2)), white);
    EXPECT_EQ(colour(bmp.get_color(-1)), white);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bitmap Warning: Requested color number 2 is outside the allowed\n"
              "                range [0,1]. Ignoring request to get this color.\n"
              "Bitmap Warning: Requested color number -1 is outside the allowed\n"
              "                range [0,1]. Ignoring request to get this color.\n");
}

} // namespace
