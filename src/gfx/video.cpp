#include "gfx/video.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

#include "gfx/gl_display_format.h"
#include "gfx/gl_functions.h"
#include "gfx/gl_screen.h"
#include "gfx/gl_texture_table.h"
#include "gfx/picture_scale.h"
#include "gfx/plain_screen.h"
#include "gfx/renderer_choice.h"

namespace {

bool forcePlain = false;
bool forceOpenGl = false;
bool reportLeaks = true;
bool vsync = true;
int textureSizeLimit = 0;
int forcedScale = 0;
bool glLoaded = false;
GlFunctions gl;
std::unique_ptr<GlTextureTable> textureTable;
std::unique_ptr<GlScreen> glScreen;        // set while the screen is drawn through OpenGL
std::unique_ptr<PlainScreen> plainScreen;  // set while it is drawn through the plain path

// The mode the game asked for: the picture's size, depth and flags.
struct ModeRequest
{
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    Uint32 flags = 0;
};
ModeRequest request;

// The desktop's size as SDL reports it before the first mode is set (0 x 0 when it does not know).
struct DesktopSize
{
    bool known = false;
    int width = 0;
    int height = 0;
};
DesktopSize desktop;
std::function<void(SDL_Surface*)> screenOverlay;

bool isGlScreen(const SDL_Surface* surface)
{
    return glScreen && glScreen->isScreen(surface);
}

bool isPlainScreen(const SDL_Surface* surface)
{
    return plainScreen && plainScreen->isScreen(surface);
}

void learnDesktopSize()
{
    if (desktop.known)
        return;
    desktop.known = true;
    if (const SDL_VideoInfo* info = SDL_GetVideoInfo()) {
        desktop.width = info->current_w;
        desktop.height = info->current_h;
    }
}

PicturePlacement placementFor(const ModeRequest& mode)
{
    if (mode.flags & SDL_FULLSCREEN)
        return fullScreenPlacement(desktop.width, desktop.height, mode.width, mode.height);
    const int scale = forcedScale > 0 ? forcedScale : windowScaleFor(desktop.width, desktop.height, mode.width, mode.height);
    return windowPlacement(scale, mode.width, mode.height);
}

GlScreen::Settings glSettingsFor(const ModeRequest& mode)
{
    return {mode.width, mode.height, placementFor(mode), mode.bitsPerPixel, (mode.flags & ~GLSDL_OPENGL) | SDL_OPENGL,
            vsync, textureSizeLimit};
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

// The surface's textures are given back and its entry in the texture table freed.
void forgetTextures(SDL_Surface* surface)
{
    if (glScreen) {
        glScreen->forget(surface);
    } else if (textureTable) {
        if (TexInfo* info = textureTable->find(surface))
            textureTable->release(*info);
    }
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
SDL_Surface* openGlScreen()
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
    glScreen = GlScreen::open(gl, *textureTable, glSettingsFor(request));
    if (!glScreen) {
        std::fprintf(stderr, "glSDL/wrapper ERROR: Could not set an OpenGL video mode!\n");
        announceFallback();
        return nullptr;
    }
    return glScreen->screen();
}

// Whether the OpenGL screen just opened is a software rasteriser that would enlarge the picture, in
// the window or in the full screen the player may switch to (saying so on standard error), so that
// the plain path draws instead.
bool softwareRendererEnlarges()
{
    ModeRequest toggled = request;
    toggled.flags ^= SDL_FULLSCREEN;
    const int largestScale = std::max(placementFor(request).scale, placementFor(toggled).scale);
    const char* renderer = reinterpret_cast<const char*>(gl.GetString(GL_RENDERER));
    if (!plainPathInstead(renderer, largestScale, forceOpenGl))
        return false;
    std::fprintf(stderr,
                 "glSDL/wrapper: OpenGL is the software renderer %s, which enlarges the picture slowly; "
                 "drawing through the plain SDL path (--opengl keeps OpenGL).\n",
                 renderer);
    return true;
}

}

SDL_Surface* glSDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    learnDesktopSize();
    closeGlScreen();
    plainScreen.reset();
    request = {width, height, bpp, flags};
    if ((flags & GLSDL_OPENGL) && !forcePlain)
        if (SDL_Surface* screen = openGlScreen()) {
            if (!softwareRendererEnlarges())
                return screen;
            closeGlScreen();
        }
    request.flags &= ~GLSDL_OPENGL;
    plainScreen = PlainScreen::open(width, height, bpp, request.flags, placementFor(request));
    return plainScreen ? plainScreen->screen() : nullptr;
}

SDL_Surface* glSDL_GetVideoSurface()
{
    if (glScreen)
        return glScreen->screen();
    if (plainScreen)
        return plainScreen->screen();
    return SDL_GetVideoSurface();
}

int glSDL_Flip(SDL_Surface* screen)
{
    if (screenOverlay)
        screenOverlay(screen);
    if (isPlainScreen(screen))
        return plainScreen->show();
    if (!isGlScreen(screen))
        return SDL_Flip(screen);
    glScreen->swap();
    return 0;
}

void glSDL_UpdateRects(SDL_Surface* screen, int count, SDL_Rect* rects)
{
    if (screenOverlay)
        screenOverlay(screen);
    if (isGlScreen(screen))
        glScreen->swap();
    else if (isPlainScreen(screen))
        plainScreen->show();
    else
        SDL_UpdateRects(screen, count, rects);
}

int glSDL_ToggleFullScreen()
{
    if (!glScreen && !plainScreen)
        return 0;
    ModeRequest toggled = request;
    toggled.flags ^= SDL_FULLSCREEN;
    const bool changed = glScreen ? glScreen->changeMode(glSettingsFor(toggled))
                                  : plainScreen->changeMode(toggled.bitsPerPixel, toggled.flags, placementFor(toggled));
    if (changed) {
        request = toggled;
        return 1;
    }
    std::fprintf(stderr, "glSDL/wrapper: cannot switch full screen: %s\n", SDL_GetError());
    // Back to the mode that worked, the picture as it was.
    const bool restored = glScreen ? glScreen->changeMode(glSettingsFor(request))
                                   : plainScreen->changeMode(request.bitsPerPixel, request.flags, placementFor(request));
    if (!restored)
        std::fprintf(stderr, "glSDL/wrapper: cannot set the previous video mode again: %s\n", SDL_GetError());
    return 0;
}

void glSDL_SetScale(int scale)
{
    forcedScale = scale;
}

int glSDL_Scale()
{
    return (glScreen || plainScreen) ? placementFor(request).scale : 1;
}

void glSDL_OutputToPicture(int& x, int& y)
{
    if (glScreen || plainScreen)
        outputToPicture(placementFor(request), request.width, request.height, x, y);
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
    if (!surface || isGlScreen(surface) || isPlainScreen(surface))
        return;
    forgetTextures(surface);
    SDL_FreeSurface(surface);
}

void glSDL_ReplaceSurface(SDL_Surface* kept, SDL_Surface* replacement)
{
    if (!kept || !replacement || kept == replacement || isGlScreen(kept) || isPlainScreen(kept))
        return;
    forgetTextures(kept);
    // The replacement's entry (a layer-made alpha channel, textures of its pixels) goes with them.
    TexInfo* moving = textureTable ? textureTable->find(replacement) : nullptr;
    const unsigned int formatVersion = kept->format_version;
    std::swap(*kept, *replacement);
    if (moving)
        moving->surface = kept;
    // Blits onto the surface map its new format afresh.
    kept->format_version = formatVersion + 1;
    SDL_FreeSurface(replacement);
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

void glSDL_SetScreenOverlay(std::function<void(SDL_Surface* screen)> overlay)
{
    screenOverlay = std::move(overlay);
}

void glSDL_Quit()
{
    screenOverlay = nullptr;
    closeGlScreen();
    plainScreen.reset();
    if (textureTable) {
        if (reportLeaks)
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

void glSDL_ReportLeaks(bool on)
{
    reportLeaks = on;
}

void glSDL_ForceOpenGL(bool on)
{
    forceOpenGl = on;
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
