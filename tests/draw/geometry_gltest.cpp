#include <cstdint>
#include <vector>

#include "draw/geometry.hpp"
#include "support/gl_context.hpp"

namespace {

using geometry_test = test::gl_test;

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

TEST_F(geometry_test, splits_the_vertices_into_packed_buffers_and_uploads_the_indices_unchanged)
{
    const std::vector<std::uint32_t> indices{0, 1, 2, 2, 1, 0, 7}; // a stray index and all
    draw::geometry geometry({{{2, 3, 4}, {0.25f, 0.5f}, {0, 0, 1}}, {{4, 2, 2}, {1, 0}, {0, 1, 0}},
                             {{3, 4, 3}, {0.75f, 1}, {1, 0, 0}}},
                            indices, false);
    using floats = std::vector<float>;
    const auto floats_in = [](GLuint buffer) { return buffer_contents<float>(GL_ARRAY_BUFFER, buffer); };
    EXPECT_EQ(buffer_contents<std::uint32_t>(GL_ELEMENT_ARRAY_BUFFER, geometry.index_buffer()), indices);
    EXPECT_EQ(floats_in(geometry.position_buffer()), (floats{2, 3, 4, 4, 2, 2, 3, 4, 3}));
    EXPECT_EQ(floats_in(geometry.texcoord_buffer()), (floats{0.25f, 0.5f, 1, 0, 0.75f, 1}));
    EXPECT_EQ(floats_in(geometry.normal_buffer()), (floats{0, 0, 1, 0, 1, 0, 1, 0, 0}));
}

} // namespace
