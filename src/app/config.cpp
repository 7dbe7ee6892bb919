#include "app/config.hpp"

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/exception.hpp"

namespace kalvanor {

namespace {

bool is_c_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

void split_line(const std::string& line, std::string& key, std::string& value)
{
    const std::string text = line.substr(0, line.find('\0'));
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        key = text;
        value.clear();
    } else {
        key = text.substr(0, equals);
        value = text.substr(equals + 1);
    }
}

int parse_int(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && is_c_space(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate towards the sign so INT_MIN is reachable; stop growing once past the range.
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

config::config(const std::string& path)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    // A directory opens, but cannot be read as a file.
    std::error_code ignored;
    if (!file.is_open() || std::filesystem::is_directory(path, ignored)) {
        throw exception("Config file not found.");
    }
    read(file);
}

config::config(std::istream& in) { read(in); }

void config::read(std::istream& in)
{
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool has_line_feed = end != std::string::npos;
        if (!has_line_feed) {
            end = text.size();
        }
        std::size_t line_end = end;
        // A carriage return belongs to the line end only when a line feed follows it.
        if (has_line_feed && line_end > start && text[line_end - 1] == '\r') {
            --line_end;
        }
        if (line_end > start) {
            std::string key;
            std::string value;
            split_line(text.substr(start, line_end - start), key, value);
            entries_[key] = value;
        }
        start = end + 1;
    }
}

std::string config::get(const std::string& key) const
{
    const auto found = entries_.find(key);
    if (found == entries_.end()) {
        throw exception("Config key '" + key + "' not found.");
    }
    return found->second;
}

bool config::get_bool(const std::string& key) const
{
    const std::string value = get(key);
    if (value != "yes" && value != "no") {
        throw exception("Config entry '" + key + "' is not a boolean value.");
    }
    return value == "yes";
}

int config::get_int(const std::string& key) const { return parse_int(get(key)); }

} // namespace kalvanor
