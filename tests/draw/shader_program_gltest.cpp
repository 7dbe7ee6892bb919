#include <memory>
#include <stdexcept>
#include <string>

#include "draw/initialize_gl.hpp"
#include "draw/shader_program.hpp"
#include "effect_fixture.hpp"

namespace {

const std::string vertex_source =
    "#version 330\nin vec3 Position;\nin vec3 Unused;\nuniform mat4 WorldViewProjection;\n"
    "void main() { gl_Position = WorldViewProjection * vec4(Position, 1.0); }\n";
const std::string fragment_source = "#version 330\nuniform vec3 DiffuseColor;\nout vec4 color;\n"
                                    "void main() { color = vec4(DiffuseColor, 1.0); }\n";
const std::string broken_source = "#version 330\nvoid main() { this is not glsl }\n";

using shader_program_test = test::gl_test;

TEST_F(shader_program_test, failures_name_the_stage_or_the_link_with_the_log_and_free_every_object)
{
    // Compiles, but a vertex stage without main cannot be linked.
    const std::string vertex_without_main = "#version 330\nin vec3 Position;\n";
    const struct {
        std::string vertex, fragment, prefix;
    } cases[] = {
        {vertex_source, fragment_source, "(nothing thrown)"},
        {vertex_source, broken_source, "FRAGMENT shader compilation failed: "},
        {broken_source, broken_source, "VERTEX shader compilation failed: "},
        {vertex_without_main, fragment_source, "Program linkage failed: "},
    };
    const auto live_objects = [] { return test::live_names([](GLuint n) { return glIsShader(n) || glIsProgram(n); }); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prefix);
        const int before = live_objects();
        std::unique_ptr<draw::shader_program> program;
        const std::string message = test::message_of<std::runtime_error>(
            [&] { program = std::make_unique<draw::shader_program>(c.vertex, c.fragment); });
        EXPECT_EQ(message.substr(0, c.prefix.size()), c.prefix);
        EXPECT_EQ(message.size() > c.prefix.size(), program == nullptr) << "a failure carries the log: " << message;
        // Shaders go once linked or failed; only a linked program stays.
        EXPECT_EQ(live_objects(), before + (program ? 1 : 0));
    }
    // A stage the game has no name for is misuse, not a driver failure.
    EXPECT_EQ(test::message_of([] { draw::compile_shader(GL_GEOMETRY_SHADER, broken_source); }),
              "Unknown shader type.");
}

TEST_F(shader_program_test, lookups_find_what_the_driver_finds_and_refuse_missing_names_every_time)
{
    // The fixture loaded the entry points already; loading them again must neither fail nor break them.
    EXPECT_NO_THROW(draw::initialize_gl());
    draw::shader_program program(vertex_source, fragment_source);
    for (int i = 0; i < 2; ++i) { // the second round is answered from the cache, where a miss must not be
        EXPECT_EQ(program.uniform_location("DiffuseColor"), glGetUniformLocation(program.name(), "DiffuseColor"));
        EXPECT_EQ(program.attribute_location("Position"), glGetAttribLocation(program.name(), "Position"));
        EXPECT_EQ(test::message_of<std::runtime_error>([&] { program.uniform_location("Missing"); }),
                  "Uniform 'Missing' unused or not defined.");
        EXPECT_EQ(test::message_of<std::runtime_error>([&] { program.attribute_location("Unused"); }),
                  "Attribute 'Unused' unused or not defined.");
    }
}

} // namespace
