#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "content/mesh.hpp"
#include "draw/math.hpp"

namespace content {

// Reads the mesh text format one line at a time and, once every line is in, builds an unindexed
// triangle list. Only "v", "vt", "vn" and "f" are understood; every other line is skipped.
// References are resolved in build(), so a face may name vertices defined further down.
//
// Files come from outside the program: numbers out of range are clamped rather than undefined,
// and memory grows only with the text actually read, never with a count written in the file.
class mesh_text_parser {
public:
    // `line` without its LF; a trailing CR counts as white space. Throws std::runtime_error with
    // "Failed parsing ..." when a statement lacks operands.
    void read_line(const std::string& line);

    // 3T vertices and 3T indices 0, 1, 2, ... for T triangles. References outside the lists
    // (0, negative, too large) give zero vectors without complaint.
    std::unique_ptr<kalvanor::mesh> build() const;

private:
    // 1-based indices as written; 0 where a part is empty or missing.
    struct corner {
        int position;
        int texcoord;
        int normal;
    };
    using triangle = std::array<corner, 3>;
    class token_reader;

    void read_face(token_reader& tokens);

    std::vector<vec3> positions_;
    std::vector<vec3> normals_;
    std::vector<vec2> texcoords_;
    std::vector<triangle> triangles_;
};

} // namespace content
