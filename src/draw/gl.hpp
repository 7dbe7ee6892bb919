#pragma once

// The one way game code reaches OpenGL: GLEW's declarations, which must come before any other
// GL header.
#include <GL/glew.h>
