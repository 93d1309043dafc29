#include "support/surfaces.h"

#include <cstdlib>

SDL_Surface* makeSurface(int width, int height)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
}

void paint(SDL_Surface* surface, int x, int y, int w, int h, Uint8 red, Uint8 green, Uint8 blue)
{
    SDL_Rect rect = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, red, green, blue));
}

Uint32 colourAt(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                     x * surface->format->BytesPerPixel;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
    case 1:
        value = *p;
        break;
    case 2:
        value = *reinterpret_cast<const Uint16*>(p);
        break;
    case 3:
        value = p[0] | (p[1] << 8) | (p[2] << 16);
        break;
    default:
        value = *reinterpret_cast<const Uint32*>(p);
    }
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

bool anythingDrawn(SDL_Surface* surface, int x, int y, int w, int h)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            if (colourAt(surface, column, row) != 0)
                return true;
    return false;
}

bool sameRegion(SDL_Surface* a, SDL_Surface* b, int x, int y, int w, int h)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) {
            const Uint32 one = colourAt(a, column, row);
            const Uint32 other = colourAt(b, column, row);
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(int((one >> shift) & 0xFF) - int((other >> shift) & 0xFF)) > 3)
                    return false;
        }
    return true;
}

std::string saveBmp(SDL_Surface* surface, const std::string& path)
{
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    return path;
}
