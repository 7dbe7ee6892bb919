#include "content/mesh.hpp"

#include "base/exception.hpp"

namespace kalvanor {

mesh::mesh(std::size_t vertex_count, std::size_t index_count)
{
    if (index_count % 3 != 0) {
        throw exception("Number of indices must be a multiple of 3.");
    }
    vertices_.resize(vertex_count);
    indices_.resize(index_count);
}

} // namespace kalvanor
