#include "content/mesh_loader.hpp"

#include "content/file_io.hpp"
#include "content/mesh_text_parser.hpp"

namespace content {

std::unique_ptr<kalvanor::mesh> mesh_loader::load(const std::string& name)
{
    std::ifstream stream = open_input_file(path_of(name));
    mesh_text_parser parser;
    std::string line;
    // Until the stream fails, not until eof: a read error would never reach eof. The last line
    // needs no LF; getline hands it over and sets only eof.
    while (std::getline(stream, line)) {
        parser.read_line(line);
    }
    return parser.build();
}

} // namespace content
