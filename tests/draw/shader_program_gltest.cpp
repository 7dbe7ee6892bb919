#include <stdexcept>
#include <string>
#include <vector>

#include "app/exception.hpp"
#include "draw/shader_program.hpp"
#include "support/gl_context.hpp"

namespace {

const std::string vertex_source = R"(#version 330
in vec3 Position;
in vec3 Unused;
uniform mat4 WorldViewProjection;
void main() { gl_Position = WorldViewProjection * vec4(Position, 1.0); }
)";

const std::string fragment_source = R"(#version 330
uniform vec3 DiffuseColor;
uniform vec3 OptimisedAway;
out vec4 color;
void main() { color = vec4(DiffuseColor, 1.0); }
)";

const std::string broken_source = "#version 330\nvoid main() { this is not glsl }\n";

// Compiles, but a vertex stage without main cannot be linked.
const std::string vertex_without_main = "#version 330\nin vec3 Position;\n";

// Each test swaps a GLEW entry point for one of these wrappers and puts the driver's back
// afterwards, so the code under test runs against the real driver while the test watches.
PFNGLGETUNIFORMLOCATIONPROC real_get_uniform_location = nullptr;
PFNGLGETATTRIBLOCATIONPROC real_get_attrib_location = nullptr;
PFNGLCREATESHADERPROC real_create_shader = nullptr;
PFNGLCREATEPROGRAMPROC real_create_program = nullptr;
PFNGLGETSHADERIVPROC real_get_shaderiv = nullptr;
int lookups = 0;
std::vector<GLuint> created;

GLint GLAPIENTRY counting_get_uniform_location(GLuint program, const GLchar* name)
{
    ++lookups;
    return real_get_uniform_location(program, name);
}

GLint GLAPIENTRY counting_get_attrib_location(GLuint program, const GLchar* name)
{
    ++lookups;
    return real_get_attrib_location(program, name);
}

GLuint GLAPIENTRY recording_create_shader(GLenum stage)
{
    created.push_back(real_create_shader(stage));
    return created.back();
}

GLuint GLAPIENTRY recording_create_program()
{
    created.push_back(real_create_program());
    return created.back();
}

// A driver that has no log to give.
void GLAPIENTRY no_log_get_shaderiv(GLuint shader, GLenum pname, GLint* value)
{
    real_get_shaderiv(shader, pname, value);
    if (pname == GL_INFO_LOG_LENGTH) {
        *value = 0;
    }
}

template <typename Function>
class entry_point_swap {
public:
    entry_point_swap(Function& entry, Function& saved, Function replacement) : entry_(entry)
    {
        saved = entry;
        original_ = entry;
        entry = replacement;
        lookups = 0;
        created.clear();
    }
    ~entry_point_swap() { entry_ = original_; }
    entry_point_swap(const entry_point_swap&) = delete;
    entry_point_swap& operator=(const entry_point_swap&) = delete;

private:
    Function& entry_;
    Function original_;
};

template <typename Exception, typename Action>
std::string message_of(Action action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

class shader_program_test : public test::gl_test {};

TEST_F(shader_program_test, links_and_frees_its_shader_objects)
{
    entry_point_swap<PFNGLCREATESHADERPROC> swap(__glewCreateShader, real_create_shader, recording_create_shader);
    draw::shader_program program(vertex_source, fragment_source);

    GLint linked = 0;
    GLint attached = -1;
    glGetProgramiv(program.name(), GL_LINK_STATUS, &linked);
    glGetProgramiv(program.name(), GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(linked, GL_TRUE);
    EXPECT_EQ(attached, 0);
    ASSERT_EQ(created.size(), 2u);
    EXPECT_FALSE(glIsShader(created[0]));
    EXPECT_FALSE(glIsShader(created[1]));
}

TEST_F(shader_program_test, destructor_deletes_the_program)
{
    GLuint name = 0;
    {
        draw::shader_program program(vertex_source, fragment_source);
        name = program.name();
        EXPECT_TRUE(glIsProgram(name));
    }
    EXPECT_FALSE(glIsProgram(name));
}

TEST_F(shader_program_test, compile_failures_name_the_stage_and_free_everything)
{
    {
        entry_point_swap<PFNGLCREATESHADERPROC> swap(__glewCreateShader, real_create_shader,
                                                     recording_create_shader);
        const std::string message = message_of<std::runtime_error>(
            [] { draw::shader_program program(vertex_source, broken_source); });
        EXPECT_EQ(message.rfind("FRAGMENT shader compilation failed: ", 0), 0u) << message;
        EXPECT_GT(message.size(), std::string("FRAGMENT shader compilation failed: ").size());
        // Both the compiled vertex shader and the broken fragment shader are gone.
        ASSERT_EQ(created.size(), 2u);
        EXPECT_FALSE(glIsShader(created[0]));
        EXPECT_FALSE(glIsShader(created[1]));
    }
    {
        entry_point_swap<PFNGLCREATEPROGRAMPROC> swap(__glewCreateProgram, real_create_program,
                                                      recording_create_program);
        // With both stages broken the vertex stage is reported.
        const std::string message = message_of<std::runtime_error>(
            [] { draw::shader_program program(broken_source, broken_source); });
        EXPECT_EQ(message.rfind("VERTEX shader compilation failed: ", 0), 0u) << message;
        ASSERT_EQ(created.size(), 1u);
        EXPECT_FALSE(glIsProgram(created[0]));
    }
}

TEST_F(shader_program_test, compile_shader_without_a_log)
{
    entry_point_swap<PFNGLGETSHADERIVPROC> swap(__glewGetShaderiv, real_get_shaderiv, no_log_get_shaderiv);
    EXPECT_EQ(message_of<std::runtime_error>([] { draw::compile_shader(GL_TESS_CONTROL_SHADER, broken_source); }),
              "TESS_CONTROL shader compilation failed: ");
}

TEST_F(shader_program_test, unknown_stage_is_only_reported_when_compilation_fails)
{
    // A plain exception, not a runtime_error: nothing that handles driver failures may take it.
    try {
        draw::compile_shader(GL_GEOMETRY_SHADER, broken_source);
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& e) {
        ADD_FAILURE() << "runtime_error: " << e.what();
    } catch (const kalvanor::exception& e) {
        EXPECT_STREQ(e.what(), "Unknown shader type.");
    }

    const GLuint shader = draw::compile_shader(
        GL_GEOMETRY_SHADER, "#version 330\nlayout(points) in;\nlayout(points, max_vertices = 1) out;\n"
                            "void main() { EmitVertex(); }\n");
    EXPECT_TRUE(glIsShader(shader));
    glDeleteShader(shader);
}

TEST_F(shader_program_test, link_failure_does_not_keep_the_program)
{
    entry_point_swap<PFNGLCREATEPROGRAMPROC> swap(__glewCreateProgram, real_create_program,
                                                  recording_create_program);
    const std::string message = message_of<std::runtime_error>(
        [] { draw::shader_program program(vertex_without_main, fragment_source); });
    EXPECT_EQ(message.rfind("Program linkage failed: ", 0), 0u) << message;
    EXPECT_NE(message[std::string("Program linkage failed: ").size()], ' ');
    ASSERT_EQ(created.size(), 1u);
    EXPECT_FALSE(glIsProgram(created[0]));
}

TEST_F(shader_program_test, uniform_lookups_are_cached)
{
    draw::shader_program program(vertex_source, fragment_source);
    entry_point_swap<PFNGLGETUNIFORMLOCATIONPROC> swap(__glewGetUniformLocation, real_get_uniform_location,
                                                       counting_get_uniform_location);

    const GLint location = program.uniform_location("DiffuseColor");
    EXPECT_EQ(location, real_get_uniform_location(program.name(), "DiffuseColor"));
    EXPECT_EQ(program.uniform_location("DiffuseColor"), location);
    EXPECT_EQ(lookups, 1);

    // A missing or optimised-away name is asked for, and refused, every time.
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(message_of<std::runtime_error>([&] { program.uniform_location("Missing"); }),
                  "Uniform 'Missing' unused or not defined.");
    }
    EXPECT_EQ(message_of<std::runtime_error>([&] { program.uniform_location("OptimisedAway"); }),
              "Uniform 'OptimisedAway' unused or not defined.");
    EXPECT_EQ(lookups, 4);
    EXPECT_EQ(program.uniform_location("WorldViewProjection"),
              real_get_uniform_location(program.name(), "WorldViewProjection"));
    EXPECT_EQ(lookups, 5);
}

TEST_F(shader_program_test, attribute_lookups_are_cached)
{
    draw::shader_program program(vertex_source, fragment_source);
    entry_point_swap<PFNGLGETATTRIBLOCATIONPROC> swap(__glewGetAttribLocation, real_get_attrib_location,
                                                      counting_get_attrib_location);

    const GLint location = program.attribute_location("Position");
    EXPECT_GE(location, 0);
    EXPECT_EQ(program.attribute_location("Position"), location);
    EXPECT_EQ(lookups, 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(message_of<std::runtime_error>([&] { program.attribute_location("Unused"); }),
                  "Attribute 'Unused' unused or not defined.");
    }
    EXPECT_EQ(lookups, 3);
}

} // namespace
