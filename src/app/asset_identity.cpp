#include "app/asset_identity.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/exception.hpp"

namespace kalvanor {

namespace {

constexpr std::uint64_t fnv_prime = 1099511628211ull;

void add(std::uint64_t& hash, const char* bytes, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * fnv_prime;
    }
}

} // namespace

std::uint64_t asset_identity(const std::string& root)
{
    namespace fs = std::filesystem;
    const std::string failure = "Cannot read the assets in '" + root + "'.";
    std::vector<std::string> files;
    std::error_code error;
    // The root itself may be a link (the tests link their assets in); links below it are not
    // followed, as the loaders would not find anything there that the walk misses.
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error)) {
            files.push_back(fs::relative(it->path(), root, error).generic_string());
        }
    }
    if (error) {
        throw exception(failure);
    }
    // The walk's order is the file system's; the fingerprint must not be.
    std::sort(files.begin(), files.end());
    std::uint64_t hash = 14695981039346656037ull;
    std::vector<char> buffer(1 << 16);
    for (const std::string& name : files) {
        add(hash, name.c_str(), name.size() + 1); // with its NUL, so names cannot run into bytes
        std::ifstream in(fs::path(root) / name, std::ios::binary);
        while (in) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            add(hash, buffer.data(), static_cast<std::size_t>(in.gcount()));
        }
        if (!in.eof()) {
            throw exception(failure);
        }
    }
    return hash;
}

} // namespace kalvanor
