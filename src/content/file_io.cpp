#include "content/file_io.hpp"

#include <filesystem>
#include <stdexcept>

namespace content {

std::ifstream open_input_file(const std::string& path)
{
    std::ifstream stream(path, std::ios::in | std::ios::binary);
    // A directory opens, but reading it fails or reports an absurd size.
    std::error_code ignored;
    if (!stream.is_open() || std::filesystem::is_directory(path, ignored)) {
        throw std::runtime_error("Stream could not be opened. File name: " + path);
    }
    return stream;
}

std::vector<char> read_file_bytes(const std::string& path)
{
    std::ifstream stream = open_input_file(path);
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    stream.seekg(0, std::ios::beg);
    // Files without a size (as some special files report) read as empty.
    std::vector<char> bytes(size > 0 ? static_cast<std::size_t>(size) : 0);
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    return bytes;
}

} // namespace content
