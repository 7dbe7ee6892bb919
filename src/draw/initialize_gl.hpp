#pragma once

namespace draw {

// Loads the OpenGL entry points once the window's context is current. Throws
// std::runtime_error "GLEW could not be initialized." on failure; after a success further calls
// do nothing.
void initialize_gl();

// Whether initialize_gl has succeeded in this process.
bool gl_initialized();

} // namespace draw
