#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// One pixel as Windows BMP files store 32-bit pixels and colour-table entries.
struct bmp_pixel {
    std::uint8_t blue, green, red, alpha;
};

// A Windows BMP picture. It never throws: every problem is printed to standard output
// as "Bitmap Error: ..." / "Bitmap Warning: ..." lines and leaves a defined state, for a failed
// read the fallback 1x1 white picture with depth 1. BMP files come from outside the program, so
// a hostile header must not make the reader allocate without bound, loop forever or crash.
class bmp_image {
public:
    // 1x1, depth 24, no colour table, the pixel white (255, 255, 255, alpha 0).
    bmp_image();

    // True when the pixel data was read (also when it ended early: the unread rows stay white).
    bool read_from_file(const std::string& path);

    int width() const { return width_; }
    int height() const { return height_; }
    int bit_depth() const { return bit_depth_; }
    int x_pixels_per_metre() const { return x_pixels_per_metre_; }
    int y_pixels_per_metre() const { return y_pixels_per_metre_; }

    // i is the column (0 = left), j the row (0 = top); both are clamped into the picture, with a
    // two-line warning when either had to be.
    bmp_pixel get_pixel(int i, int j) const;

    // Replaces the grid with w x h white pixels; a non-positive side only prints a warning.
    void set_size(int w, int h);
    // 1, 4, 8 (with the standard colour table), 16, 24, 32; anything else only prints a warning.
    void set_bit_depth(int depth);
    // The colour-table entry, or white (alpha 0) with a warning when there is no such entry.
    bmp_pixel get_color(int index) const;

private:
    // The reader's answer to a broken file: 1x1 white, depth 1.
    void fall_back();
    // Prints each line, falls back and returns false.
    bool reject(const std::vector<std::string>& lines);
    void read_color_table(std::istream& in, std::int64_t entries_in_file, const std::string& path);
    void read_rows(std::istream& in);
    // Depth 16: the masks (when the file has them), then `skip` bytes of metadata, then the rows.
    void read_16bit_rows(std::istream& in, bool masks_in_file, std::int64_t skip, const std::string& path);
    // Decodes one stored row (depths 1, 4, 8, 24, 32) into grid row j; false when it is too short.
    bool decode_row(const std::vector<std::uint8_t>& row, int j);

    bmp_pixel& at(int i, int j);

    int bit_depth_ = 24;
    int width_ = 1;
    int height_ = 1;
    std::vector<bmp_pixel> pixels_; // row by row from the top: (i, j) is element j * width + i
    std::vector<bmp_pixel> colors_; // 2^depth entries for depths 1, 4, 8; empty otherwise
    int x_pixels_per_metre_ = 0;    // copied from the file, not used by the game
    int y_pixels_per_metre_ = 0;
};
