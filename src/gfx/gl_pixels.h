#pragma once

#include <SDL.h>

// Pixel work of the OpenGL path: how a surface's pixels become RGBA texels (mirroring SDL 1.2's
// blit rules, so that a textured quad looks exactly like an SDL blit onto an opaque screen), how
// read-back screen pixels go into a surface, and the 32-bit layouts the layer converts surfaces to.

// What decides the alpha of the texels made from a surface.
struct TexelRule
{
    bool perPixelAlpha = false;  // an alpha channel with SDL_SRCALPHA: texel alpha = pixel alpha, no colour key
    bool keyed = false;          // otherwise: colour-keyed pixels are transparent, the others opaque
    Uint32 key = 0;              // the colour key without the alpha bits

    bool operator==(const TexelRule& other) const
    {
        return perPixelAlpha == other.perPixelAlpha && keyed == other.keyed && key == other.key;
    }
    bool operator!=(const TexelRule& other) const { return !(*this == other); }
};

TexelRule texelRuleFor(const SDL_Surface* surface);

// Per-surface alpha as SDL applies it to a blit (255 when the surface blends per pixel or not at all).
Uint8 surfaceAlphaFor(const SDL_Surface* surface);

// Writes the texels of an area of a surface (which must be readable: locked if it needs locking)
// as RGBA bytes, row after row, area.w * area.h * 4 bytes.
void surfaceToTexels(const SDL_Surface* surface, const TexelRule& rule, const SDL_Rect& area, Uint8* texels);

// Stores RGBA bytes read back from OpenGL (rows from the bottom up) into an area of a surface.
void readBackToSurface(const Uint8* rgbaBottomUp, const SDL_Rect& area, SDL_Surface* surface);

// The 32-bit layouts of the OpenGL path: the screen and opaque display format (no alpha) and the
// display format with alpha. Both keep red, green and blue where the usual 32-bit screen has them.
const SDL_PixelFormat& layerPixelFormat(bool withAlpha);
