#include "content/text_loader.hpp"

#include "content/file_io.hpp"

namespace content {

std::unique_ptr<std::string> text_loader::load(const std::string& name)
{
    const std::vector<char> bytes = read_file_bytes(path_of(name));
    return std::make_unique<std::string>(bytes.begin(), bytes.end());
}

} // namespace content
