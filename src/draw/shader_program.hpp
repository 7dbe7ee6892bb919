#pragma once

#include <map>
#include <string>
#include <string_view>

#include "draw/gl.hpp"

namespace draw {

// Compiles one shader stage from complete GLSL text and returns its name. On failure the shader
// object is deleted and std::runtime_error "<STAGE> shader compilation failed: <log>" is thrown;
// for a stage other than vertex, fragment or the two tessellation stages the message is a plain
// kalvanor::exception "Unknown shader type." instead.
GLuint compile_shader(GLenum stage, const std::string& source);

// A linked vertex + fragment program with cached uniform and attribute lookups. Only valid
// locations are cached, so a missing name throws on every lookup.
class shader_program {
public:
    // Both arguments are GLSL source texts, not file names. Throws what compile_shader throws
    // (vertex stage first), or std::runtime_error "Program linkage failed: <log>".
    shader_program(const std::string& vertex_source, const std::string& fragment_source);
    ~shader_program();
    shader_program(const shader_program&) = delete;
    shader_program& operator=(const shader_program&) = delete;

    GLuint name() const { return program_; }

    // Throws std::runtime_error "Uniform '<name>' unused or not defined." when GL reports -1,
    // which includes uniforms the GLSL compiler optimised away.
    GLint uniform_location(std::string_view name);
    // The same without the throw: -1 for a name this program lacks, as a variant built from the
    // same files may lack what its defines compiled out.
    GLint uniform_location_or_none(std::string_view name);
    // Throws std::runtime_error "Attribute '<name>' unused or not defined." likewise.
    GLint attribute_location(std::string_view name);

private:
    // Transparent comparison: a cached name is found without building a std::string, so the
    // setters called every frame allocate nothing.
    using location_cache = std::map<std::string, GLint, std::less<>>;

    GLuint program_;
    location_cache attribute_locations_;
    location_cache uniform_locations_;
    location_cache optional_uniform_locations_; // -1 cached too
};

} // namespace draw
