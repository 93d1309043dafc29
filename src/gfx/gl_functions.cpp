#include "gfx/gl_functions.h"

#include <SDL.h>

bool loadGlFunctions(GlFunctions& gl)
{
    if (SDL_GL_LoadLibrary(nullptr) < 0)
        return false;
#define GLSDL_GL_LOAD(returnType, name, parameters)                                             \
    gl.name = reinterpret_cast<returnType(APIENTRY*) parameters>(SDL_GL_GetProcAddress("gl" #name)); \
    if (!gl.name) {                                                                             \
        SDL_SetError("OpenGL entry point gl" #name " not found");                             \
        return false;                                                                           \
    }
    GLSDL_GL_FUNCTIONS(GLSDL_GL_LOAD)
#undef GLSDL_GL_LOAD
    bool framebuffers = true;
#define GLSDL_GL_LOAD_OPTIONAL(returnType, name, parameters)                                    \
    gl.name = reinterpret_cast<returnType(APIENTRY*) parameters>(SDL_GL_GetProcAddress("gl" #name)); \
    framebuffers = framebuffers && gl.name;
    GLSDL_GL_FRAMEBUFFER_FUNCTIONS(GLSDL_GL_LOAD_OPTIONAL)
#undef GLSDL_GL_LOAD_OPTIONAL
    if (!framebuffers)
        gl.CheckFramebufferStatusEXT = nullptr;
    return true;
}
