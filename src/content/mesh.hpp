#pragma once

#include <cstdint>
#include <vector>

#include "draw/math.hpp"

namespace kalvanor {

// The vertex layout of every mesh, also as uploaded to the GPU: eight floats.
struct mesh_vertex {
    vec3 position{0.0f};
    vec2 texcoord{0.0f};
    vec3 normal{0.0f};
};

// What the GPU geometry needs to know about a CPU-side mesh.
class mesh_base {
public:
    // True when the indices form one triangle strip rather than a list of triangles.
    virtual bool is_strip() const = 0;
    virtual const std::vector<mesh_vertex>& vertices() const = 0;
    virtual const std::vector<std::uint32_t>& indices() const = 0;

protected:
    ~mesh_base() = default;
};

class mesh : public mesh_base {
public:
    // Throws "Number of indices must be a multiple of 3." otherwise; every element starts zero.
    mesh(std::size_t vertex_count, std::size_t index_count);
    virtual ~mesh() = default;

    bool is_strip() const override { return false; }
    const std::vector<mesh_vertex>& vertices() const override { return vertices_; }
    const std::vector<std::uint32_t>& indices() const override { return indices_; }

    std::vector<mesh_vertex>& vertices() { return vertices_; }
    std::vector<std::uint32_t>& indices() { return indices_; }

protected:
    // Procedural meshes start empty and fill both vectors themselves; a strip's index count is
    // in general not a multiple of 3.
    mesh() = default;

    std::vector<mesh_vertex> vertices_;
    std::vector<std::uint32_t> indices_;
};

} // namespace kalvanor
