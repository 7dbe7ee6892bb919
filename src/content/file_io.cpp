#include "content/file_io.hpp"

#include <stdexcept>

namespace content {

std::ifstream open_input_file(const std::string& path)
{
    std::ifstream stream(path, std::ios::in | std::ios::binary);
    if (!stream.is_open()) {
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
    // A directory opens but has no size; read nothing rather than a negative count.
    std::vector<char> bytes(size > 0 ? static_cast<std::size_t>(size) : 0);
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    return bytes;
}

} // namespace content
