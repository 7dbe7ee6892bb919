#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "content/mesh.hpp"
#include "draw/gl.hpp"
#include "draw/math.hpp"

namespace draw {

struct sphere {
    vec3 center{0.0f};
    float radius = 0.0f;
};

// An axis-aligned box, from its least to its greatest corner.
struct box {
    vec3 low{0.0f};
    vec3 high{0.0f};
};

// The sphere around the axis-aligned box of `positions` grown from the origin: the box always
// contains (0, 0, 0), so a mesh far from its own origin gets a sphere larger than it needs.
// No positions give center (0, 0, 0) and radius 0.
sphere bounding_sphere_of(const std::vector<vec3>& positions);

// How a terrain strip lies, so that a pass can draw only the cells it can see: `columns` x `rows`
// square cells of `cell` units from (min_x, min_y) in model space, row by row along y. Each row's
// cells are pairs of indices (the vertex of the next row, then the row's own) after one joining
// index, none before the first row; each row's first triangle winds like the strip's first.
struct strip_grid {
    int columns = 0;
    int rows = 0;
    float min_x = 0.0f;
    float min_y = 0.0f;
    float cell = 0.0f;
    float lowest = 0.0f; // the lowest vertex's model z
    // The lowest and highest vertex z of each square of `block` x `block` cells (the vertices on
    // its edges included), the squares row by row along y as the cells lie; both empty where
    // only `lowest` is known.
    int block = 8;
    std::vector<float> block_lowest{};
    std::vector<float> block_highest{};
};

// Triangles drawn from `index_count` indices as the frame statistics count them: a list draws
// index_count / 3 (a remainder is ignored), a strip index_count - 2 but never fewer than 0.
std::uint32_t triangles_in(std::uint32_t index_count, bool triangle_strip);

// A mesh on the GPU: indices plus three tightly packed, separate attribute buffers (positions
// 3 floats, texture coordinates 2, normals 3), all GL_STATIC_DRAW and never changed. There is
// no vertex array object: attribute state is set before every draw. Draw with glDrawElements,
// GL_UNSIGNED_INT indices, GL_TRIANGLE_STRIP or GL_TRIANGLES as triangle_strip() says.
class geometry {
public:
    // Nothing is checked: an index list that is not a multiple of 3, or indices past the last
    // vertex, are uploaded as they are. Leaves the index buffer bound to GL_ELEMENT_ARRAY_BUFFER
    // and the normal buffer to GL_ARRAY_BUFFER.
    geometry(const std::vector<kalvanor::mesh_vertex>& vertices, const std::vector<std::uint32_t>& indices,
             bool triangle_strip);
    ~geometry();
    geometry(const geometry&) = delete;
    geometry& operator=(const geometry&) = delete;

    std::uint32_t index_count() const { return index_count_; }
    bool triangle_strip() const { return triangle_strip_; }
    GLuint index_buffer() const { return index_buffer_; }
    GLuint position_buffer() const { return position_buffer_; }
    GLuint texcoord_buffer() const { return texcoord_buffer_; }
    GLuint normal_buffer() const { return normal_buffer_; }
    // In the mesh's own coordinates.
    const sphere& bounding_sphere() const { return bounding_sphere_; }
    // The box of the positions alone, not grown from the origin; all zero without positions.
    const box& bounds() const { return bounds_; }
    std::uint32_t triangle_count() const { return triangles_in(index_count_, triangle_strip_); }
    // A strip that lies as a grid says so; null otherwise.
    const strip_grid* grid() const { return has_grid_ ? &grid_ : nullptr; }
    void set_grid(const strip_grid& grid)
    {
        grid_ = grid;
        has_grid_ = true;
    }

private:
    std::uint32_t index_count_;
    bool triangle_strip_;
    GLuint index_buffer_ = 0;
    GLuint position_buffer_ = 0;
    GLuint texcoord_buffer_ = 0;
    GLuint normal_buffer_ = 0;
    sphere bounding_sphere_;
    box bounds_;
    strip_grid grid_;
    bool has_grid_ = false;
};

// A shared GPU copy of `mesh`, a strip or a list as the mesh says; the mesh can go afterwards.
std::shared_ptr<geometry> geometry_of(const kalvanor::mesh_base& mesh);

} // namespace draw
