#include "gfx/video.h"

#include <SDL_image.h>

namespace {

bool forcePlain = false;

}

SDL_Surface* glSDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    return SDL_SetVideoMode(width, height, bpp, flags & ~GLSDL_OPENGL);
}

SDL_Surface* glSDL_GetVideoSurface() { return SDL_GetVideoSurface(); }
int glSDL_Flip(SDL_Surface* screen) { return SDL_Flip(screen); }
void glSDL_UpdateRects(SDL_Surface* screen, int count, SDL_Rect* rects) { SDL_UpdateRects(screen, count, rects); }
int glSDL_ToggleFullScreen()
{
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
    return SDL_ConvertSurface(source, format, flags);
}

SDL_Surface* glSDL_DisplayFormat(SDL_Surface* surface) { return SDL_DisplayFormat(surface); }
SDL_Surface* glSDL_DisplayFormatAlpha(SDL_Surface* surface) { return SDL_DisplayFormatAlpha(surface); }
void glSDL_FreeSurface(SDL_Surface* surface) { SDL_FreeSurface(surface); }
int glSDL_LockSurface(SDL_Surface* surface) { return SDL_LockSurface(surface); }
void glSDL_UnlockSurface(SDL_Surface* surface) { SDL_UnlockSurface(surface); }
int glSDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key) { return SDL_SetColorKey(surface, flag, key); }
int glSDL_SetAlpha(SDL_Surface* surface, Uint32 flag, Uint8 alpha) { return SDL_SetAlpha(surface, flag, alpha); }
SDL_bool glSDL_SetClipRect(SDL_Surface* surface, SDL_Rect* rect) { return SDL_SetClipRect(surface, rect); }

int glSDL_BlitSurface(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect)
{
    if (!source || !target)
        return -1;
    return SDL_UpperBlit(source, sourceRect, target, targetRect);
}

int glSDL_FillRect(SDL_Surface* target, SDL_Rect* rect, Uint32 color) { return SDL_FillRect(target, rect, color); }
SDL_Surface* glSDL_LoadBMP(const char* file) { return SDL_LoadBMP(file); }
int glSDL_SaveBMP(SDL_Surface* surface, const char* file) { return SDL_SaveBMP(surface, file); }
SDL_Surface* glSDL_IMG_Load(const char* file) { return IMG_Load(file); }

void glSDL_Quit()
{
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

void glSDL_ForcePlainPath(bool plain) { forcePlain = plain; }
bool glSDL_UsingOpenGL() { return false; }
void glSDL_SetVsync(bool) {}
unsigned long glSDL_TextureUploads() { return 0; }
