#include "draw/shader_program.hpp"

#include <stdexcept>

#include "base/exception.hpp"
#include "draw/info_log.hpp"

namespace draw {

namespace {

const char* stage_name(GLenum stage)
{
    switch (stage) {
    case GL_VERTEX_SHADER:
        return "VERTEX";
    case GL_FRAGMENT_SHADER:
        return "FRAGMENT";
    case GL_TESS_CONTROL_SHADER:
        return "TESS_CONTROL";
    case GL_TESS_EVALUATION_SHADER:
        return "TESS_EVALUATION";
    default:
        return nullptr;
    }
}

// Looks a name up in `cache`, asking GL only for names not seen before. With a `kind`, -1 throws
// and is never cached; without one it is a cached answer like any other.
template <typename Lookup>
GLint cached_location(std::map<std::string, GLint, std::less<>>& cache, std::string_view name, const char* kind,
                      Lookup lookup)
{
    const auto found = cache.find(name);
    if (found != cache.end()) {
        return found->second;
    }
    std::string key(name); // GL wants the name NUL-terminated
    const GLint location = lookup(key.c_str());
    if (location == -1 && kind != nullptr) {
        throw std::runtime_error(std::string(kind) + " '" + key + "' unused or not defined.");
    }
    cache.emplace(std::move(key), location);
    return location;
}

} // namespace

GLuint compile_shader(GLenum stage, const std::string& source)
{
    const GLuint shader = glCreateShader(stage);
    const GLchar* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);

    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != 0) {
        return shader;
    }
    const std::string log = info_log(shader, glGetShaderiv, glGetShaderInfoLog);
    glDeleteShader(shader);

    const char* name = stage_name(stage);
    if (name == nullptr) {
        throw kalvanor::exception("Unknown shader type.");
    }
    throw std::runtime_error(std::string(name) + " shader compilation failed: " + log);
}

shader_program::shader_program(const std::string& vertex_source, const std::string& fragment_source)
    : program_(glCreateProgram())
{
    GLuint vertex = 0;
    GLuint fragment = 0;
    try {
        vertex = compile_shader(GL_VERTEX_SHADER, vertex_source);
        fragment = compile_shader(GL_FRAGMENT_SHADER, fragment_source);
    } catch (...) {
        // The destructor does not run for a constructor that throws.
        glDeleteShader(vertex);
        glDeleteProgram(program_);
        throw;
    }

    glAttachShader(program_, vertex);
    glAttachShader(program_, fragment);
    glLinkProgram(program_);

    GLint status = 0;
    glGetProgramiv(program_, GL_LINK_STATUS, &status);
    // A linked program keeps working without its shader objects, and a failed one is thrown away
    // with them.
    glDetachShader(program_, vertex);
    glDetachShader(program_, fragment);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    if (status != 0) {
        return;
    }
    const std::string log = info_log(program_, glGetProgramiv, glGetProgramInfoLog);
    glDeleteProgram(program_);
    throw std::runtime_error("Program linkage failed: " + log);
}

shader_program::~shader_program() { glDeleteProgram(program_); }

GLint shader_program::uniform_location(std::string_view name)
{
    return cached_location(uniform_locations_, name, "Uniform",
                           [this](const char* n) { return glGetUniformLocation(program_, n); });
}

GLint shader_program::uniform_location_or_none(std::string_view name)
{
    return cached_location(optional_uniform_locations_, name, nullptr,
                           [this](const char* n) { return glGetUniformLocation(program_, n); });
}

GLint shader_program::attribute_location(std::string_view name)
{
    return cached_location(attribute_locations_, name, "Attribute",
                           [this](const char* n) { return glGetAttribLocation(program_, n); });
}

} // namespace draw
