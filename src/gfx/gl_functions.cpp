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
#define GLSDL_GL_LOAD_OPTIONAL(returnType, name, parameters)                                    \
    gl.name = reinterpret_cast<returnType(APIENTRY*) parameters>(SDL_GL_GetProcAddress("gl" #name)); \
    found = found && gl.name;
    bool found = true;
    GLSDL_GL_FRAMEBUFFER_FUNCTIONS(GLSDL_GL_LOAD_OPTIONAL)
    if (!found)
        gl.CheckFramebufferStatusEXT = nullptr;
    found = true;
    GLSDL_GL_PROGRAM_FUNCTIONS(GLSDL_GL_LOAD_OPTIONAL)
    if (!found)
        gl.ProgramEnvParameter4fARB = nullptr;
#undef GLSDL_GL_LOAD_OPTIONAL
    return true;
}
