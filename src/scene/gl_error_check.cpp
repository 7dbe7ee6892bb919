#include "scene/gl_error_check.hpp"

#include <cstdio>
#include <ostream>

#include "draw/gl.hpp"

namespace {

const char* name_of_error(GLenum error)
{
    switch (error) {
    case GL_INVALID_ENUM: return "GL_INVALID_ENUM";
    case GL_INVALID_VALUE: return "GL_INVALID_VALUE";
    case GL_INVALID_OPERATION: return "GL_INVALID_OPERATION";
    case GL_STACK_OVERFLOW: return "GL_STACK_OVERFLOW";
    case GL_STACK_UNDERFLOW: return "GL_STACK_UNDERFLOW";
    case GL_OUT_OF_MEMORY: return "GL_OUT_OF_MEMORY";
    case GL_INVALID_FRAMEBUFFER_OPERATION: return "GL_INVALID_FRAMEBUFFER_OPERATION";
    case GL_CONTEXT_LOST: return "GL_CONTEXT_LOST";
    }
    return "unknown error";
}

// Each error flag is cleared as it is read, so a loop ends; the bound only guards against a
// driver that keeps answering after its context is gone.
constexpr int max_errors_per_check = 16;

// `is`: a glIs* entry point; null where GLEW found none, which counts nothing.
int count_names(GLboolean(GLAPIENTRY* is)(GLuint), unsigned max_name)
{
    int count = 0;
    if (is == nullptr) {
        return count;
    }
    for (GLuint name = 1; name <= max_name; ++name) {
        count += is(name) == GL_TRUE ? 1 : 0;
    }
    return count;
}

} // namespace

gl_error_check::gl_error_check(std::ostream& out, double count_period)
    : out_(out),
      count_period_(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(count_period)))
{
}

int gl_error_check::check(const char* where) { return check(where, "", ""); }

int gl_error_check::check(const char* where_before, const char* pass, const char* where_after)
{
    int errors = 0;
    for (GLenum error = glGetError(); error != GL_NO_ERROR && errors < max_errors_per_check;
         error = glGetError()) {
        char code[12];
        std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(error));
        out_ << "kalvanor: GL error " << code << " (" << name_of_error(error) << ") " << where_before
             << pass << where_after << std::endl;
        ++errors;
    }
    return errors;
}

void gl_error_check::pass_begun(render_pass pass) { check("before the ", name_of(pass), " pass"); }

void gl_error_check::pass_ended(render_pass pass)
{
    check("in the ", name_of(pass), " pass");
    if (pass != render_pass::bloom) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (counted_ && now < next_count_) {
        return;
    }
    counted_ = true;
    next_count_ = now + count_period_;
    const object_count count = count_objects();
    out_ << "kalvanor: gl objects: " << count.total() << " (" << count.to_string() << ")" << std::endl;
}

int gl_error_check::object_count::total() const
{
    return buffers + textures + framebuffers + renderbuffers + programs + shaders + vertex_arrays +
           queries;
}

std::string gl_error_check::object_count::to_string() const
{
    return std::to_string(buffers) + " buffers, " + std::to_string(textures) + " textures, " +
           std::to_string(framebuffers) + " framebuffers, " + std::to_string(renderbuffers) +
           " renderbuffers, " + std::to_string(programs) + " programs, " + std::to_string(shaders) +
           " shaders, " + std::to_string(vertex_arrays) + " vertex arrays, " + std::to_string(queries) +
           " queries";
}

gl_error_check::object_count gl_error_check::count_objects(unsigned max_name)
{
    object_count count;
    count.buffers = count_names(glIsBuffer, max_name);
    count.textures = count_names(glIsTexture, max_name);
    count.framebuffers = count_names(glIsFramebuffer, max_name);
    count.renderbuffers = count_names(glIsRenderbuffer, max_name);
    count.programs = count_names(glIsProgram, max_name);
    count.shaders = count_names(glIsShader, max_name);
    count.vertex_arrays = count_names(glIsVertexArray, max_name);
    count.queries = count_names(glIsQuery, max_name);
    return count;
}
