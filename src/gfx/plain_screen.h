#pragma once

#include <SDL.h>

#include <memory>

#include "gfx/picture_scale.h"

// The screen of the plain SDL path: SDL's video surface of the window (or of the full screen) and
// a surface of the picture's size, in the video surface's format, that the game draws on. Showing
// the picture enlarges it into the video surface and flips that. The picture surface stays the
// same across mode changes, and so does what was drawn on it.
class PlainScreen
{
public:
    // Sets the video mode; null when SDL refuses it (SDL_GetError tells why).
    static std::unique_ptr<PlainScreen> open(int width, int height, int bitsPerPixel, Uint32 flags,
                                             const PicturePlacement& placement);
    ~PlainScreen();
    PlainScreen(const PlainScreen&) = delete;
    PlainScreen& operator=(const PlainScreen&) = delete;

    SDL_Surface* screen() const { return picture; }
    bool isScreen(const SDL_Surface* surface) const { return surface == picture; }

    // Enlarges the picture into the window and flips it (SDL_Flip's result).
    int show();
    // Sets another video mode for the same picture; false (the old mode may be gone) when SDL
    // refuses it.
    bool changeMode(int bitsPerPixel, Uint32 flags, const PicturePlacement& placement);

private:
    PlainScreen() = default;
    bool setMode(int bitsPerPixel, Uint32 flags, const PicturePlacement& placement);

    SDL_Surface* video = nullptr;
    SDL_Surface* picture = nullptr;
    // The picture in the video surface's format when the two differ (made at a mode change).
    SDL_Surface* converted = nullptr;
    PicturePlacement placement;
};

// Draws the picture into the output at the placement, each pixel a scale x scale block. Both
// surfaces have the same pixel format and are readable (locked where SDL says they must be); the
// picture's block must lie inside the output.
void enlargePicture(const SDL_Surface* picture, SDL_Surface* output, const PicturePlacement& placement);
