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

GLuint binding(GLenum which)
{
    GLint name = 0;
    glGetIntegerv(which, &name);
    return static_cast<GLuint>(name);
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

    EXPECT_EQ(binding(GL_ELEMENT_ARRAY_BUFFER_BINDING), geometry.index_buffer());
    EXPECT_EQ(binding(GL_ARRAY_BUFFER_BINDING), geometry.normal_buffer());

    // Uploaded unchanged, stray index and all.
    EXPECT_EQ(buffer_contents<std::uint32_t>(GL_ELEMENT_ARRAY_BUFFER, geometry.index_buffer()), indices);
    EXPECT_EQ(buffer_contents<float>(GL_ARRAY_BUFFER, geometry.position_buffer()),
              (std::vector<float>{2, 3, 4, 4, 2, 2, 3, 4, 3}));
    EXPECT_EQ(buffer_contents<float>(GL_ARRAY_BUFFER, geometry.texcoord_buffer()),
              (std::vector<float>{0.25f, 0.5f, 1, 0, 0.75f, 1}));
    EXPECT_EQ(buffer_contents<float>(GL_ARRAY_BUFFER, geometry.normal_buffer()),
              (std::vector<float>{0, 0, 1, 0, 1, 0, 1, 0, 0}));

    EXPECT_EQ(geometry.index_count(), 7u);
    EXPECT_FALSE(geometry.triangle_strip());
    EXPECT_EQ(geometry.triangle_count(), 2u);
    EXPECT_EQ(geometry.bounding_sphere().center, vec3(2, 2, 2));
    EXPECT_FLOAT_EQ(geometry.bounding_sphere().radius, 3.4641016f);
}

TEST_F(geometry_test, strip_counts_and_owns_its_four_buffers)
{
    std::vector<GLuint> names;
    {
        const std::vector<kalvanor::mesh_vertex> vertices(4);
        draw::geometry geometry(vertices, {0, 1, 2, 3, 0}, true);
        EXPECT_TRUE(geometry.triangle_strip());
        EXPECT_EQ(geometry.triangle_count(), 3u);
        names = {geometry.index_buffer(), geometry.position_buffer(), geometry.texcoord_buffer(),
                 geometry.normal_buffer()};
        for (GLuint name : names) {
            EXPECT_TRUE(glIsBuffer(name));
        }
    }
    for (GLuint name : names) {
        EXPECT_FALSE(glIsBuffer(name));
    }
}

} // namespace
