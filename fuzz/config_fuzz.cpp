// The settings reader on a whole file, asked for every key the game reads.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/config.hpp"
#include "base/exception.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const kalvanor::config settings(in);
    for (const char* key : {"fullscreen", "width", "height", "refresh_rate", "cursor"}) {
        std::string value;
        try {
            value = settings.get(key);
        } catch (const kalvanor::exception&) {
            continue;
        }
        // get_int promises atoi's reading, saturated: strtol reads the same way and saturates
        // at long's range (values hold no NUL, split_line cut them there).
        const long wide = std::strtol(value.c_str(), nullptr, 10);
        if (settings.get_int(key) != static_cast<int>(std::clamp<long>(wide, INT_MIN, INT_MAX))) {
            std::abort();
        }
        const bool is_boolean = value == "yes" || value == "no";
        try {
            const bool answer = settings.get_bool(key);
            if (!is_boolean || answer != (value == "yes")) {
                std::abort();
            }
        } catch (const kalvanor::exception&) {
            if (is_boolean) {
                std::abort();
            }
        }
    }
    return 0;
}
