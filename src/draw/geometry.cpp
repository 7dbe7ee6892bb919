#include "draw/geometry.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace draw {

namespace {

template <typename T>
void upload(GLenum target, GLuint buffer, const std::vector<T>& elements)
{
    glBindBuffer(target, buffer);
    glBufferData(target, static_cast<GLsizeiptr>(elements.size() * sizeof(T)), elements.data(), GL_STATIC_DRAW);
}

} // namespace

sphere bounding_sphere_of(const std::vector<vec3>& positions)
{
    vec3 low(0.0f);
    vec3 high(0.0f);
    for (const vec3& p : positions) {
        low = glm::min(low, p);
        high = glm::max(high, p);
    }
    sphere result;
    result.center = (low + high) * 0.5f;
    result.radius = glm::length(high - result.center);
    return result;
}

std::uint32_t triangles_in(std::uint32_t index_count, bool triangle_strip)
{
    if (triangle_strip) {
        return index_count < 2 ? 0 : index_count - 2;
    }
    return index_count / 3;
}

geometry::geometry(const std::vector<kalvanor::mesh_vertex>& vertices, const std::vector<std::uint32_t>& indices,
                   bool triangle_strip)
    : index_count_(static_cast<std::uint32_t>(indices.size())), triangle_strip_(triangle_strip)
{
    std::vector<vec3> positions;
    std::vector<vec2> texcoords;
    std::vector<vec3> normals;
    positions.reserve(vertices.size());
    texcoords.reserve(vertices.size());
    normals.reserve(vertices.size());
    for (const kalvanor::mesh_vertex& v : vertices) {
        positions.push_back(v.position);
        texcoords.push_back(v.texcoord);
        normals.push_back(v.normal);
    }
    // glm's vectors are plain packed floats, so each array uploads as it stands.
    static_assert(sizeof(vec3) == 3 * sizeof(float) && sizeof(vec2) == 2 * sizeof(float), "packed vectors");

    glGenBuffers(1, &index_buffer_);
    glGenBuffers(1, &position_buffer_);
    glGenBuffers(1, &texcoord_buffer_);
    glGenBuffers(1, &normal_buffer_);
    upload(GL_ELEMENT_ARRAY_BUFFER, index_buffer_, indices);
    upload(GL_ARRAY_BUFFER, position_buffer_, positions);
    upload(GL_ARRAY_BUFFER, texcoord_buffer_, texcoords);
    upload(GL_ARRAY_BUFFER, normal_buffer_, normals);

    bounding_sphere_ = bounding_sphere_of(positions);
    if (!positions.empty()) {
        bounds_ = {positions.front(), positions.front()};
        for (const vec3& p : positions) {
            bounds_.low = glm::min(bounds_.low, p);
            bounds_.high = glm::max(bounds_.high, p);
        }
    }
}

geometry::~geometry()
{
    glDeleteBuffers(1, &index_buffer_);
    glDeleteBuffers(1, &position_buffer_);
    glDeleteBuffers(1, &texcoord_buffer_);
    glDeleteBuffers(1, &normal_buffer_);
}

namespace {

// A vertex's eight floats, bit for bit.
using vertex_bits = std::array<std::uint32_t, 8>;
static_assert(sizeof(vertex_bits) == sizeof(kalvanor::mesh_vertex), "a vertex is eight packed floats");

struct vertex_bits_hash {
    std::size_t operator()(const vertex_bits& bits) const
    {
        std::size_t h = 0;
        for (const std::uint32_t b : bits) {
            h = h * 1000003u ^ b;
        }
        return h;
    }
};

} // namespace

std::shared_ptr<geometry> geometry_of(const kalvanor::mesh_base& mesh)
{
    const auto beyond = [&mesh](std::uint32_t i) { return i >= mesh.vertices().size(); };
    if (mesh.is_strip() || std::any_of(mesh.indices().begin(), mesh.indices().end(), beyond)) {
        return std::make_shared<geometry>(mesh.vertices(), mesh.indices(), mesh.is_strip());
    }
    // A mesh read from text repeats a corner for every face that meets there; sharing the
    // identical ones lets the vertex stage, which a software renderer runs on one thread, shade
    // each once. The triangles and the picture stay the same.
    std::vector<kalvanor::mesh_vertex> shared;
    std::vector<std::uint32_t> indices;
    indices.reserve(mesh.indices().size());
    std::unordered_map<vertex_bits, std::uint32_t, vertex_bits_hash> index_of;
    for (const std::uint32_t i : mesh.indices()) {
        const kalvanor::mesh_vertex& v = mesh.vertices()[i];
        vertex_bits bits;
        std::memcpy(bits.data(), &v, sizeof bits);
        const auto [at, added] = index_of.emplace(bits, static_cast<std::uint32_t>(shared.size()));
        if (added) {
            shared.push_back(v);
        }
        indices.push_back(at->second);
    }
    return std::make_shared<geometry>(shared, indices, false);
}

} // namespace draw
