#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// One pixel as Windows BMP files store 32-bit pixels and colour-table entries.
struct bmp_pixel {
    std::uint8_t blue, green, red, alpha;
};

class bmp_masks;

// A Windows BMP picture: uncompressed, bottom-up, with an info header of 40, 52, 56, 108 or 124
// bytes, at depth 1, 4, 8, 16, 24 or 32 (bit fields at 16 only); other files are refused. It
// never throws: every problem is printed to standard output as "Bitmap Error: ..." /
// "Bitmap Warning: ..." lines and leaves a defined state, for a failed read the fallback 1x1
// white picture with depth 1. BMP files come from outside the program, so a hostile header must
// not make the reader allocate without bound, loop forever or crash.
class bmp_image {
public:
    // 1x1, depth 24, no colour table, the pixel white (255, 255, 255, alpha 0).
    bmp_image();

    // Reads a picture from `in`, positioned at its first byte ("BM"); `name` stands for it in the
    // messages. True when the pixel data was read (also when it ended early: the unread rows stay
    // white, and reported_error() tells).
    bool read(std::istream& in, const std::string& name);
    // The same for a file; one that cannot be opened, a folder among them, is refused.
    bool read_from_file(const std::string& path);
    // Whether the last read printed a "Bitmap Error: " line.
    bool reported_error() const { return reported_error_; }

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
    // Prints one "Bitmap Error: " line and remembers that it did.
    void report(const std::string& line);
    void read_color_table(std::istream& in, std::int64_t entries_in_file, const std::string& name);
    // `masks` serve depth 16 only.
    void read_rows(std::istream& in, const bmp_masks& masks);
    // Decodes one stored row into grid row j; false when it is too short.
    bool decode_row(const std::vector<std::uint8_t>& row, int j, const bmp_masks& masks);

    bmp_pixel& at(int i, int j);

    int bit_depth_ = 24;
    int width_ = 1;
    int height_ = 1;
    std::vector<bmp_pixel> pixels_; // row by row from the top: (i, j) is element j * width + i
    std::vector<bmp_pixel> colors_; // 2^depth entries for depths 1, 4, 8; empty otherwise
    int x_pixels_per_metre_ = 0;    // copied from the file, not used by the game
    int y_pixels_per_metre_ = 0;
    bool reported_error_ = false;
};
