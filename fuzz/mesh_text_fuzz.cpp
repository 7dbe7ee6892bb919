// The mesh text parser on a whole file, split into lines as content::mesh_loader splits one.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>

#include "content/mesh_text_parser.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    content::mesh_text_parser parser;
    std::string line;
    try {
        while (std::getline(stream, line)) {
            parser.read_line(line);
        }
    } catch (const std::runtime_error&) {
        // The one documented failure; any other exception escapes and counts as a finding.
        return 0;
    }
    const auto mesh = parser.build();
    // The geometry uploads vertices and indices as they are: a count that disagrees, or an index
    // past the end, would make the GPU read outside the buffer.
    const auto& indices = mesh->indices();
    if (mesh->vertices().size() != indices.size() || indices.size() % 3 != 0) {
        std::abort();
    }
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (indices[i] != i) {
            std::abort();
        }
    }
    return 0;
}
