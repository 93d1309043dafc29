#pragma once

// The OpenGL entry points the rendering layer uses. The game does not link the OpenGL library:
// it is opened at run time through SDL's loader, so that the game also runs (through the plain
// path) on a machine without OpenGL drivers. <GL/gl.h> is included for its types and constants
// only; its functions are never called directly.
#include <GL/gl.h>

// One row per entry point: return type, name without the "gl" prefix, parameter list.
#define GLSDL_GL_FUNCTIONS(X)                                                                              \
    X(void, Begin, (GLenum mode))                                                                         \
    X(void, End, ())                                                                                      \
    X(void, Vertex2i, (GLint x, GLint y))                                                                 \
    X(void, TexCoord2f, (GLfloat s, GLfloat t))                                                           \
    X(void, Color4ub, (GLubyte red, GLubyte green, GLubyte blue, GLubyte alpha))                          \
    X(void, Enable, (GLenum capability))                                                                  \
    X(void, Disable, (GLenum capability))                                                                 \
    X(void, BlendFunc, (GLenum source, GLenum target))                                                    \
    X(void, TexEnvi, (GLenum target, GLenum name, GLint value))                                           \
    X(void, Viewport, (GLint x, GLint y, GLsizei width, GLsizei height))                                  \
    X(void, Scissor, (GLint x, GLint y, GLsizei width, GLsizei height))                                   \
    X(void, MatrixMode, (GLenum mode))                                                                    \
    X(void, LoadIdentity, ())                                                                             \
    X(void, Ortho, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar)) \
    X(void, ClearColor, (GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha))                    \
    X(void, Clear, (GLbitfield mask))                                                                     \
    X(void, GetIntegerv, (GLenum name, GLint * values))                                                   \
    X(const GLubyte*, GetString, (GLenum name))                                                           \
    X(void, PixelStorei, (GLenum name, GLint value))                                                      \
    X(void, ReadPixels, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLvoid * pixels)) \
    X(void, GenTextures, (GLsizei count, GLuint * names))                                                 \
    X(void, DeleteTextures, (GLsizei count, const GLuint* names))                                         \
    X(GLboolean, IsTexture, (GLuint name))                                                                \
    X(void, BindTexture, (GLenum target, GLuint name))                                                    \
    X(void, TexParameteri, (GLenum target, GLenum name, GLint value))                                     \
    X(void, TexImage2D, (GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, \
                         GLint border, GLenum format, GLenum type, const GLvoid* pixels))                 \
    X(void, TexSubImage2D, (GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,  \
                            GLenum format, GLenum type, const GLvoid* pixels))                            \
    X(void, GetTexLevelParameteriv, (GLenum target, GLint level, GLenum name, GLint * values))

// The framebuffer objects of GL_EXT_framebuffer_object, in which a scaled picture is drawn before
// it is shown enlarged; the names carry the extension's suffix "EXT".
#define GLSDL_GL_FRAMEBUFFER_FUNCTIONS(X)                                                                  \
    X(void, GenFramebuffersEXT, (GLsizei count, GLuint * names))                                          \
    X(void, DeleteFramebuffersEXT, (GLsizei count, const GLuint* names))                                  \
    X(void, BindFramebufferEXT, (GLenum target, GLuint name))                                             \
    X(void, FramebufferTexture2DEXT, (GLenum target, GLenum attachment, GLenum textureTarget, GLuint texture, \
                                      GLint level))                                                       \
    X(GLenum, CheckFramebufferStatusEXT, (GLenum target))

// The fragment programs of GL_ARB_fragment_program, which draw tinted sprites; suffix "ARB".
#define GLSDL_GL_PROGRAM_FUNCTIONS(X)                                                                      \
    X(void, GenProgramsARB, (GLsizei count, GLuint * names))                                              \
    X(void, DeleteProgramsARB, (GLsizei count, const GLuint* names))                                      \
    X(void, BindProgramARB, (GLenum target, GLuint name))                                                 \
    X(void, ProgramStringARB, (GLenum target, GLenum format, GLsizei length, const GLvoid* text))         \
    X(void, ProgramEnvParameter4fARB, (GLenum target, GLuint index, GLfloat x, GLfloat y, GLfloat z, GLfloat w))

struct GlFunctions
{
#define GLSDL_GL_POINTER(returnType, name, parameters) returnType(APIENTRY* name) parameters = nullptr;
    GLSDL_GL_FUNCTIONS(GLSDL_GL_POINTER)
    GLSDL_GL_FRAMEBUFFER_FUNCTIONS(GLSDL_GL_POINTER)
    GLSDL_GL_PROGRAM_FUNCTIONS(GLSDL_GL_POINTER)
#undef GLSDL_GL_POINTER

    // Whether the framebuffer entry points were found (the context must still offer the extension).
    bool hasFramebufferFunctions() const { return CheckFramebufferStatusEXT != nullptr; }
    // The same for the fragment program entry points.
    bool hasProgramFunctions() const { return ProgramEnvParameter4fARB != nullptr; }
};

// Opens the system's OpenGL library (SDL_GL_LoadLibrary) and looks up every entry point above
// (SDL_GL_GetProcAddress). False when the library or any entry point of the first list is missing;
// the framebuffer and the fragment program entry points are optional (all or none of a list are set).
bool loadGlFunctions(GlFunctions& gl);
