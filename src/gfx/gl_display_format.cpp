#include "gfx/gl_display_format.h"

#include "gfx/gl_clip.h"
#include "gfx/gl_pixels.h"

namespace {

SDL_PixelFormat* layerFormat(bool withAlpha)
{
    // SDL_ConvertSurface only reads the format it is given.
    return const_cast<SDL_PixelFormat*>(&layerPixelFormat(withAlpha));
}

// The per-surface alpha the game asked for: 255 unless SDL_SRCALPHA is set.
Uint8 requestedAlpha(const SDL_Surface* surface)
{
    return (surface->flags & SDL_SRCALPHA) ? surface->format->alpha : SDL_ALPHA_OPAQUE;
}

void copyColours(SDL_Surface* source, SDL_Surface* target)
{
    SDL_LockSurface(source);
    SDL_LockSurface(target);
    for (int y = 0; y < source->h; ++y) {
        const Uint32* in = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(source->pixels) + y * source->pitch);
        Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch);
        for (int x = 0; x < source->w; ++x)
            out[x] = in[x] & ~target->format->Amask;
    }
    SDL_UnlockSurface(target);
    SDL_UnlockSurface(source);
}

}

SDL_Surface* openGlDisplayFormat(SDL_Surface* surface, GlTextureTable& table)
{
    const Uint32 flags = SDL_SWSURFACE | (surface->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCELOK));
    SDL_Surface* opaque = SDL_ConvertSurface(surface, layerFormat(false), flags);
    if (!opaque)
        return nullptr;
    const bool keyed = (opaque->flags & SDL_SRCCOLORKEY) != 0;
    const Uint8 alpha = requestedAlpha(opaque);
    if (!keyed && alpha == SDL_ALPHA_OPAQUE)
        return opaque;

    const SDL_PixelFormat& format = layerPixelFormat(true);
    SDL_Surface* converted = SDL_CreateRGBSurface(SDL_SWSURFACE, opaque->w, opaque->h, 32, format.Rmask,
                                                  format.Gmask, format.Bmask, format.Amask);
    TexInfo* info = converted ? table.acquire(converted) : nullptr;
    if (!info) {
        // Without memory or a free table entry the opaque conversion serves just as well: textures
        // made from it are keyed and blended the same way.
        SDL_FreeSurface(converted);
        return opaque;
    }
    copyColours(opaque, converted);
    if (keyed) {
        Uint8 r, g, b;
        SDL_GetRGB(opaque->format->colorkey, opaque->format, &r, &g, &b);
        SDL_SetColorKey(converted, SDL_SRCCOLORKEY, SDL_MapRGB(converted->format, r, g, b));
    }
    SDL_SetAlpha(converted, SDL_SRCALPHA, alpha);
    info->layerAlpha = true;
    refreshLayerAlpha(converted);
    SDL_FreeSurface(opaque);
    return converted;
}

SDL_Surface* openGlDisplayFormatAlpha(SDL_Surface* surface)
{
    return SDL_ConvertSurface(surface, layerFormat(true), surface->flags & (SDL_SRCALPHA | SDL_RLEACCELOK));
}

void refreshLayerAlpha(SDL_Surface* surface, const SDL_Rect* area)
{
    SDL_Rect part;
    if (!clipToSurface(surface, area, part))
        return;
    const SDL_PixelFormat* format = surface->format;
    const Uint32 colours = ~format->Amask;
    const bool keyed = (surface->flags & SDL_SRCCOLORKEY) != 0;
    const Uint32 key = format->colorkey & colours;
    const Uint8 alpha = requestedAlpha(surface);
    const Uint32 visible = static_cast<Uint32>(alpha) << format->Ashift;

    SDL_LockSurface(surface);
    for (int y = part.y; y < part.y + part.h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = part.x; x < part.x + part.w; ++x) {
            const Uint32 colour = row[x] & colours;
            row[x] = colour | ((keyed && colour == key) ? 0 : visible);
        }
    }
    SDL_UnlockSurface(surface);

    if (keyed || alpha != SDL_ALPHA_OPAQUE)
        SDL_SetAlpha(surface, SDL_SRCALPHA, alpha);
    else
        SDL_SetAlpha(surface, 0, SDL_ALPHA_OPAQUE);
}
