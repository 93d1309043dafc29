#include "gfx/video.h"

#include <SDL_image.h>

#include <cstdio>
#include <memory>

#include "gfx/gl_display_format.h"
#include "gfx/gl_functions.h"
#include "gfx/gl_screen.h"
#include "gfx/gl_texture_table.h"

namespace {

bool forcePlain = false;
bool vsync = true;
int textureSizeLimit = 0;
bool glLoaded = false;
GlFunctions gl;
std::unique_ptr<GlTextureTable> textureTable;
std::unique_ptr<GlScreen> glScreen;  // set while the screen is drawn through OpenGL

bool isGlScreen(const SDL_Surface* surface)
{
    return glScreen && glScreen->isScreen(surface);
}

// The surface's pixels may have changed (in the given area, null: anywhere): its textures are
// out of date, and a layer-made alpha channel must follow its new colours.
void markChanged(SDL_Surface* surface, const SDL_Rect* area = nullptr)
{
    if (!textureTable)
        return;
    TexInfo* info = textureTable->find(surface);
    if (!info)
        return;
    info->valid = false;
    info->overBlackValid = false;
    if (info->layerAlpha && !surface->locked)
        refreshLayerAlpha(surface, area);
}

// A surface whose pixels SDL may read: the screen's are read back first in OpenGL mode.
SDL_Surface* readable(SDL_Surface* surface)
{
    return isGlScreen(surface) ? glScreen->readBack(nullptr) : surface;
}

void closeGlScreen()
{
    if (!glScreen)
        return;
    glScreen->close();
    glScreen.reset();
}

void warnAboutOldSdl()
{
    const SDL_version* linked = SDL_Linked_Version();
    if (SDL_VERSIONNUM(linked->major, linked->minor, linked->patch) < SDL_VERSIONNUM(1, 2, 5))
        std::fprintf(stderr, "glSDL/wrapper WARNING: Using SDL version 1.2.5 or later is strongly recommended!\n");
}

void announceFallback()
{
    std::fprintf(stderr, "glSDL/wrapper: %s; falling back to the plain SDL path.\n", SDL_GetError());
}

// Sets the OpenGL mode; null (after saying why on standard error) when it cannot be had.
SDL_Surface* openGlScreen(int width, int height, int bpp, Uint32 flags)
{
    warnAboutOldSdl();
    if (!glLoaded) {
        if (!loadGlFunctions(gl)) {
            std::fprintf(stderr, "glSDL/wrapper ERROR: Could not load OpenGL library!\n");
            announceFallback();
            return nullptr;
        }
        glLoaded = true;
    }
    if (!textureTable) {
        textureTable = GlTextureTable::create();
        if (!textureTable) {
            std::fprintf(stderr, "glSDL/wrapper: INTERNAL ERROR: Failed to allocate texture name table!\n");
            SDL_SetError("no memory for the texture table");
            announceFallback();
            return nullptr;
        }
    }
    const GlScreen::Settings settings = {width, height, bpp, (flags & ~GLSDL_OPENGL) | SDL_OPENGL, vsync,
                                         textureSizeLimit};
    glScreen = GlScreen::open(gl, *textureTable, settings);
    if (!glScreen) {
        std::fprintf(stderr, "glSDL/wrapper ERROR: Could not set an OpenGL video mode!\n");
        announceFallback();
        return nullptr;
    }
    return glScreen->screen();
}

}

SDL_Surface* glSDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    closeGlScreen();
    if ((flags & GLSDL_OPENGL) && !forcePlain)
        if (SDL_Surface* screen = openGlScreen(width, height, bpp, flags))
            return screen;
    return SDL_SetVideoMode(width, height, bpp, flags & ~GLSDL_OPENGL);
}

SDL_Surface* glSDL_GetVideoSurface()
{
    return glScreen ? glScreen->screen() : SDL_GetVideoSurface();
}

int glSDL_Flip(SDL_Surface* screen)
{
    if (!isGlScreen(screen))
        return SDL_Flip(screen);
    glScreen->swap();
    return 0;
}

void glSDL_UpdateRects(SDL_Surface* screen, int count, SDL_Rect* rects)
{
    if (isGlScreen(screen))
        glScreen->swap();
    else
        SDL_UpdateRects(screen, count, rects);
}

int glSDL_ToggleFullScreen()
{
    if (glScreen)
        return glScreen->toggleFullScreen();
    SDL_Surface* screen = SDL_GetVideoSurface();
    return screen ? SDL_WM_ToggleFullScreen(screen) : 0;
}

SDL_Surface* glSDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 rmask, Uint32 gmask,
                                    Uint32 bmask, Uint32 amask)
{
    return SDL_CreateRGBSurface(flags, width, height, depth, rmask, gmask, bmask, amask);
}

SDL_Surface* glSDL_CreateRGBSurfaceFrom(void* pixels, int width, int height, int depth, int pitch, Uint32 rmask,
                                        Uint32 gmask, Uint32 bmask, Uint32 amask)
{
    return SDL_CreateRGBSurfaceFrom(pixels, width, height, depth, pitch, rmask, gmask, bmask, amask);
}

SDL_Surface* glSDL_ConvertSurface(SDL_Surface* source, SDL_PixelFormat* format, Uint32 flags)
{
    if (!source)
        return nullptr;
    return SDL_ConvertSurface(readable(source), format, flags);
}

SDL_Surface* glSDL_DisplayFormat(SDL_Surface* surface)
{
    if (!surface)
        return nullptr;
    if (!glScreen)
        return SDL_DisplayFormat(surface);
    return openGlDisplayFormat(readable(surface), *textureTable);
}

SDL_Surface* glSDL_DisplayFormatAlpha(SDL_Surface* surface)
{
    if (!surface)
        return nullptr;
    if (!glScreen)
        return SDL_DisplayFormatAlpha(surface);
    return openGlDisplayFormatAlpha(readable(surface));
}

void glSDL_FreeSurface(SDL_Surface* surface)
{
    if (!surface || isGlScreen(surface))
        return;
    if (glScreen) {
        glScreen->forget(surface);
    } else if (textureTable) {
        if (TexInfo* info = textureTable->find(surface))
            textureTable->release(*info);
    }
    SDL_FreeSurface(surface);
}

int glSDL_LockSurface(SDL_Surface* surface)
{
    if (isGlScreen(surface))
        return glScreen->lock();
    const int result = SDL_LockSurface(surface);
    markChanged(surface);
    return result;
}

void glSDL_UnlockSurface(SDL_Surface* surface)
{
    if (isGlScreen(surface)) {
        glScreen->unlock();
        return;
    }
    SDL_UnlockSurface(surface);
    markChanged(surface);
}

int glSDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key)
{
    if (!surface)
        return -1;
    if (isGlScreen(surface))
        surface = glScreen->screen();
    const int result = SDL_SetColorKey(surface, flag, key);
    markChanged(surface);
    return result;
}

int glSDL_SetAlpha(SDL_Surface* surface, Uint32 flag, Uint8 alpha)
{
    if (!surface)
        return -1;
    if (isGlScreen(surface))
        surface = glScreen->screen();
    const int result = SDL_SetAlpha(surface, flag, alpha);
    markChanged(surface);
    return result;
}

SDL_bool glSDL_SetClipRect(SDL_Surface* surface, SDL_Rect* rect)
{
    if (!surface)
        return SDL_FALSE;
    if (isGlScreen(surface))
        surface = glScreen->screen();
    return SDL_SetClipRect(surface, rect);
}

int glSDL_BlitSurface(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect)
{
    if (!source || !target) {
        SDL_SetError("SDL_UpperBlit: passed a NULL surface");
        return -1;
    }
    if (isGlScreen(source))
        source = glScreen->readBack(sourceRect);
    if (isGlScreen(target))
        return glScreen->blit(source, sourceRect, targetRect);
    const int result = SDL_UpperBlit(source, sourceRect, target, targetRect);
    markChanged(target, targetRect);
    return result;
}

bool glSDL_DrawTranslucent(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect,
                           Uint8 alpha)
{
    if (!source || !isGlScreen(target) || isGlScreen(source))
        return false;
    glScreen->blitTranslucent(source, sourceRect, targetRect, alpha);
    return true;
}

bool glSDL_DrawTinted(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect,
                      Uint8 red, Uint8 green, Uint8 blue)
{
    if (!source || !isGlScreen(target) || isGlScreen(source) || !glScreen->drawsTints())
        return false;
    glScreen->blitTinted(source, sourceRect, targetRect, red, green, blue);
    return true;
}

int glSDL_FillRect(SDL_Surface* target, SDL_Rect* rect, Uint32 color)
{
    if (!target) {
        SDL_SetError("SDL_FillRect: passed a NULL surface");
        return -1;
    }
    if (isGlScreen(target))
        return glScreen->fill(rect, color);
    const int result = SDL_FillRect(target, rect, color);
    markChanged(target, rect);
    return result;
}

SDL_Surface* glSDL_LoadBMP(const char* file)
{
    return SDL_LoadBMP(file);
}

int glSDL_SaveBMP(SDL_Surface* surface, const char* file)
{
    if (!surface)
        return -1;
    return SDL_SaveBMP(readable(surface), file);
}

SDL_Surface* glSDL_IMG_Load(const char* file)
{
    return IMG_Load(file);
}

void glSDL_Quit()
{
    closeGlScreen();
    if (textureTable) {
        textureTable->reportLeaks();
        textureTable.reset();
    }
    glLoaded = false;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void glSDL_ForcePlainPath(bool plain)
{
    forcePlain = plain;
}

bool glSDL_UsingOpenGL()
{
    return glScreen != nullptr;
}

void glSDL_SetVsync(bool on)
{
    vsync = on;
}

void glSDL_LimitTextureSize(int size)
{
    textureSizeLimit = size;
    if (glScreen)
        glScreen->limitTextureSize(size);
}

unsigned long glSDL_TextureUploads()
{
    return glScreen ? glScreen->uploads() : 0;
}
