// The legacy fixed-function OpenGL the window draws with: it runs on any Mesa, software included.
#pragma once

#define GL_GLEXT_PROTOTYPES
#include <SDL2/SDL_opengl.h>
