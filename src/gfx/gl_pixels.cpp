#include "gfx/gl_pixels.h"

namespace {

Uint32 readPixel(const Uint8* row, int x, int bytesPerPixel)
{
    const Uint8* p = row + x * bytesPerPixel;
    switch (bytesPerPixel) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        if (SDL_BYTEORDER == SDL_LIL_ENDIAN)
            return p[0] | (p[1] << 8) | (p[2] << 16);
        return (p[0] << 16) | (p[1] << 8) | p[2];
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

void writePixel(Uint8* row, int x, int bytesPerPixel, Uint32 value)
{
    Uint8* p = row + x * bytesPerPixel;
    switch (bytesPerPixel) {
    case 1:
        *p = static_cast<Uint8>(value);
        break;
    case 2:
        *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(value);
        break;
    case 3:
        if (SDL_BYTEORDER == SDL_LIL_ENDIAN) {
            p[0] = value & 0xFF;
            p[1] = (value >> 8) & 0xFF;
            p[2] = (value >> 16) & 0xFF;
        } else {
            p[0] = (value >> 16) & 0xFF;
            p[1] = (value >> 8) & 0xFF;
            p[2] = value & 0xFF;
        }
        break;
    default:
        *reinterpret_cast<Uint32*>(p) = value;
    }
}

// True when every colour component of the format is a whole byte, so that a pixel can be taken
// apart by shifts alone.
bool hasByteComponents(const SDL_PixelFormat* format)
{
    return format->BytesPerPixel == 4 && format->Rloss == 0 && format->Gloss == 0 && format->Bloss == 0 &&
           (format->Amask == 0 || format->Aloss == 0);
}

SDL_PixelFormat makeLayerFormat(bool withAlpha)
{
    SDL_PixelFormat format = {};
    format.BitsPerPixel = 32;
    format.BytesPerPixel = 4;
    format.Rshift = 16;
    format.Gshift = 8;
    format.Bshift = 0;
    format.Rmask = 0x00FF0000;
    format.Gmask = 0x0000FF00;
    format.Bmask = 0x000000FF;
    if (withAlpha) {
        format.Ashift = 24;
        format.Amask = 0xFF000000;
    } else {
        format.Aloss = 8;
    }
    format.alpha = SDL_ALPHA_OPAQUE;
    return format;
}

}

TexelRule texelRuleFor(const SDL_Surface* surface)
{
    TexelRule rule;
    const SDL_PixelFormat* format = surface->format;
    if (format->Amask && (surface->flags & SDL_SRCALPHA)) {
        rule.perPixelAlpha = true;
    } else if (surface->flags & SDL_SRCCOLORKEY) {
        rule.keyed = true;
        rule.key = format->colorkey & ~format->Amask;
    }
    return rule;
}

Uint8 surfaceAlphaFor(const SDL_Surface* surface)
{
    if (surface->format->Amask || !(surface->flags & SDL_SRCALPHA))
        return SDL_ALPHA_OPAQUE;
    return surface->format->alpha;
}

void surfaceToTexels(const SDL_Surface* surface, const TexelRule& rule, const SDL_Rect& area, Uint8* texels)
{
    const SDL_PixelFormat* format = surface->format;
    const int bytesPerPixel = format->BytesPerPixel;
    const Uint32 colourMask = ~format->Amask;
    const bool byShifts = hasByteComponents(format);
    Uint8* out = texels;
    for (int y = area.y; y < area.y + area.h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = area.x; x < area.x + area.w; ++x, out += 4) {
            const Uint32 pixel = readPixel(row, x, bytesPerPixel);
            if (rule.keyed && (pixel & colourMask) == rule.key) {
                out[0] = out[1] = out[2] = out[3] = 0;
                continue;
            }
            Uint8 alpha = SDL_ALPHA_OPAQUE;
            if (byShifts) {
                out[0] = static_cast<Uint8>(pixel >> format->Rshift);
                out[1] = static_cast<Uint8>(pixel >> format->Gshift);
                out[2] = static_cast<Uint8>(pixel >> format->Bshift);
                if (format->Amask)
                    alpha = static_cast<Uint8>(pixel >> format->Ashift);
            } else {
                SDL_GetRGBA(pixel, const_cast<SDL_PixelFormat*>(format), &out[0], &out[1], &out[2], &alpha);
            }
            out[3] = rule.perPixelAlpha ? alpha : SDL_ALPHA_OPAQUE;
        }
    }
}

void readBackToSurface(const Uint8* rgbaBottomUp, const SDL_Rect& area, SDL_Surface* surface)
{
    SDL_PixelFormat* format = surface->format;
    const int bytesPerPixel = format->BytesPerPixel;
    const bool byShifts = hasByteComponents(format);
    const Uint32 opaque = format->Amask;
    for (int line = 0; line < area.h; ++line) {
        const Uint8* in = rgbaBottomUp + (area.h - 1 - line) * area.w * 4;
        Uint8* row = static_cast<Uint8*>(surface->pixels) + (area.y + line) * surface->pitch;
        for (int x = 0; x < area.w; ++x, in += 4) {
            const Uint32 pixel = byShifts ? (Uint32(in[0]) << format->Rshift) | (Uint32(in[1]) << format->Gshift) |
                                                (Uint32(in[2]) << format->Bshift) | opaque
                                          : SDL_MapRGB(format, in[0], in[1], in[2]);
            writePixel(row, area.x + x, bytesPerPixel, pixel);
        }
    }
}

const SDL_PixelFormat& layerPixelFormat(bool withAlpha)
{
    static const SDL_PixelFormat opaque = makeLayerFormat(false);
    static const SDL_PixelFormat alpha = makeLayerFormat(true);
    return withAlpha ? alpha : opaque;
}
