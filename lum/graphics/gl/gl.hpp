#pragma once

// The OpenGL headers, in one place: the engine draws with OpenGL 1.x calls and
// reaches later entry points through the function tables it fetches at start.
#include <GL/gl.h>
#include <GL/glext.h>
