#pragma once

#include <istream>
#include <map>
#include <string>

namespace kalvanor {

// The settings file: one "key=value" per line, read once at start-up. Keys and values are kept
// byte for byte (no trimming, no case folding); every key the game asks for must be present.
class config {
public:
    // Throws kalvanor::exception "Config file not found." when the file cannot be opened.
    explicit config(const std::string& path);
    // The same reading of text already in memory (or any other stream), to its end.
    explicit config(std::istream& in);

    // Each throws "Config key '<key>' not found." for a missing key.
    std::string get(const std::string& key) const;
    // Only "yes" and "no" are booleans; anything else throws
    // "Config entry '<key>' is not a boolean value."
    bool get_bool(const std::string& key) const;
    // Read as atoi reads it (blanks, sign, digits; 0 when there are none), clamped to the range
    // of int where the digits go beyond it.
    int get_int(const std::string& key) const;

private:
    void read(std::istream& in);

    std::map<std::string, std::string> entries_;
};

// The key is everything before the first '=', the value everything after it; a line without
// '=' is all key. A NUL byte ends the line for this purpose.
void split_line(const std::string& line, std::string& key, std::string& value);

// atoi's reading of `text`, saturated at the int range instead of undefined beyond it.
int parse_int(const std::string& text);

} // namespace kalvanor
