#pragma once

#include <SDL.h>

#include <functional>

// The rendering layer: SDL 1.2's video operations with the same arguments and results.
// A video mode requested with GLSDL_OPENGL becomes an OpenGL window; every blit onto the screen
// is then drawn as textured quads from textures made of the source surfaces. Without the flag
// (or with the plain path forced) every operation is the SDL function of the same name. When
// OpenGL cannot be had, the layer says so on standard error and sets the mode through plain SDL;
// so it does when OpenGL is a software rasteriser and the picture is enlarged, unless OpenGL is forced.
// In OpenGL mode the screen is a 32-bit substitute surface: blits from it read the window back.
// The screen the game draws on has the requested size (the picture); the window shows it enlarged
// by a whole factor, and full screen shows it at the desktop's resolution, enlarged as far as it
// fits and centred (see picture_scale.h). Everything that reads the screen reads the picture.

// The layer's own OpenGL flag in the video mode flags.
constexpr Uint32 GLSDL_OPENGL = 0x00100000;

SDL_Surface* glSDL_SetVideoMode(int width, int height, int bpp, Uint32 flags);
SDL_Surface* glSDL_GetVideoSurface();
int glSDL_Flip(SDL_Surface* screen);
void glSDL_UpdateRects(SDL_Surface* screen, int count, SDL_Rect* rects);
// Switches between the window and full screen, keeping what is drawn; 1 when it switched.
int glSDL_ToggleFullScreen();

SDL_Surface* glSDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 rmask, Uint32 gmask,
                                    Uint32 bmask, Uint32 amask);
SDL_Surface* glSDL_CreateRGBSurfaceFrom(void* pixels, int width, int height, int depth, int pitch, Uint32 rmask,
                                        Uint32 gmask, Uint32 bmask, Uint32 amask);
SDL_Surface* glSDL_ConvertSurface(SDL_Surface* source, SDL_PixelFormat* format, Uint32 flags);
SDL_Surface* glSDL_DisplayFormat(SDL_Surface* surface);
SDL_Surface* glSDL_DisplayFormatAlpha(SDL_Surface* surface);
void glSDL_FreeSurface(SDL_Surface* surface);
// Gives `kept` the pixels, size and format of `replacement` and frees the replacement: whoever
// holds `kept` draws the new picture from then on. Its old textures are given back and new ones
// made at its next blit.
void glSDL_ReplaceSurface(SDL_Surface* kept, SDL_Surface* replacement);

int glSDL_LockSurface(SDL_Surface* surface);
void glSDL_UnlockSurface(SDL_Surface* surface);
int glSDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key);
int glSDL_SetAlpha(SDL_Surface* surface, Uint32 flag, Uint8 alpha);
SDL_bool glSDL_SetClipRect(SDL_Surface* surface, SDL_Rect* rect);

int glSDL_BlitSurface(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect);
int glSDL_FillRect(SDL_Surface* target, SDL_Rect* rect, Uint32 color);

// A sprite frame's effects drawn straight onto the OpenGL screen from the source's textures, with
// nothing uploaded while the source is unchanged. They show what the sprite's temporary surfaces
// show through SDL (the area blitted onto black, black keyed out; then blitted with per-surface
// alpha, or first blitted at alpha 128 onto the colour, the colour keyed out): a tint exactly as
// SDL rounds it, a pixel that comes out as the colour keyed out too; translucency blended as
// OpenGL rounds it. False, with nothing drawn, where the target is not the OpenGL screen (or
// OpenGL has no fragment programs to tint with): the caller goes through its temporary surfaces then.
bool glSDL_DrawTranslucent(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect,
                           Uint8 alpha);
bool glSDL_DrawTinted(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* target, SDL_Rect* targetRect,
                      Uint8 red, Uint8 green, Uint8 blue);

SDL_Surface* glSDL_LoadBMP(const char* file);
int glSDL_SaveBMP(SDL_Surface* surface, const char* file);
SDL_Surface* glSDL_IMG_Load(const char* file);

// Something drawn onto the screen by every flip just before the frame is shown (the
// application's message line); an empty function for nothing.
void glSDL_SetScreenOverlay(std::function<void(SDL_Surface* screen)> overlay);

// Closes the screen (reporting the texture table entries still in use), the video subsystem and
// SDL (the program's exit handler).
void glSDL_Quit();
// Whether glSDL_Quit reports the entries still in use (on at first). The game turns it off while
// its objects hold surfaces: a program that ends from inside the game (a fatal error, or Xlib
// ending it when the X server has gone) releases the entries of what those objects held without
// calling them leaks.
void glSDL_ReportLeaks(bool on);

// Chooses the plain SDL path even when the OpenGL flag is requested (--software).
void glSDL_ForcePlainPath(bool plain);
// Keeps OpenGL even where the plain path would take over from a software rasteriser that enlarges
// the picture (--opengl; see renderer_choice.h).
void glSDL_ForceOpenGL(bool on);
// Whether the screen is drawn through OpenGL.
bool glSDL_UsingOpenGL();
// Forces the window's scale (1..8) from the next mode set on; 0 chooses it from the desktop's size.
void glSDL_SetScale(int scale);
// The factor the picture is shown at now (1 before the first mode set).
int glSDL_Scale();
// A position in the window (a mouse position) mapped back into the picture.
void glSDL_OutputToPicture(int& x, int& y);
// Asks for vsync (on by default); a benchmark switches it off before setting the mode.
void glSDL_SetVsync(bool on);
// Caps the texture size below what OpenGL allows (0 lifts the cap), so that tests can make
// ordinary surfaces larger than a texture.
void glSDL_LimitTextureSize(int size);
// Textures uploaded since the screen was set up, one per texture tile (for the rendering
// benchmark and tests).
unsigned long glSDL_TextureUploads();
