#include <cstdint>
#include <vector>

#include "draw/geometry.hpp"
#include "support/gl_context.hpp"

namespace {

class geometry_test : public test::gl_test {};

template <typename T>
std::vector<T> buffer_contents(GLenum target, GLuint buffer)
{
    glBindBuffer(target, buffer);
    GLint64 size = -1;
    glGetBufferParameteri64v(target, GL_BUFFER_SIZE, &size);
    std::vector<T> contents(static_cast<std::size_t>(size) / sizeof(T));
    glGetBufferSubData(target, 0, static_cast<GLsizeiptr>(size), contents.data());
    return contents;
}

TEST_F(geometry_test, splits_the_vertices_into_packed_buffers)
{
    const std::vector<kalvanor::mesh_vertex> vertices{
        {{2, 3, 4}, {0.25f, 0.5f}, {0, 0, 1}},
        {{4, 2, 2}, {1, 0}, {0, 1, 0}},
        {{3, 4, 3}, {0.75f, 1}, {1, 0, 0}},
    };
    const std::vector<std::uint32_t> indices{0, 1, 2, 2, 1, 0, 7};
    draw::geometry geometry(vertices, indices, false);

    // Uploaded unchanged, stray index and all.
    EXPECT_EQ(buffer_contents<std::uint32_t>(GL_ELEMENT_ARRAY_BUFFER, geometry.index_buffer()), indices);
    EXPECT_EQ(buffer_contents<float>(GL_ARRAY_BUFFER, geometry.position_buffer()),
              (std::vector<float>{2, 3, 4, 4, 2, 2, 3, 4, 3}));
    EXPECT_EQ(buffer_contents<float>(GL_ARRAY_BUFFER, geometry.texcoord_buffer()),
              (std::vector<float>{0.25f, 0.5f, 1, 0, 0.75f, 1}));
    EXPECT_EQ(buffer_contents<float>(GL_ARRAY_BUFFER, geometry.normal_buffer()),
              (std::vector<float>{0, 0, 1, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(geometry.bounding_sphere().center, vec3(2, 2, 2));
}

} // namespace
