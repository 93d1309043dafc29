#include "gfx/font.h"

#include <cassert>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "app/data_file.h"
#include "app/fatal.h"
#include "gfx/video.h"

namespace {

Uint32 readPixel(SDL_Surface* surface, int x, int y)
{
    assert(x >= 0 && x < surface->w);
    int bytes = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3: {
        const SDL_PixelFormat* f = surface->format;
        Uint8 r = p[f->Rshift / 8];
        Uint8 g = p[f->Gshift / 8];
        Uint8 b = p[f->Bshift / 8];
        return SDL_MapRGB(surface->format, r, g, b);
    }
    case 4:
        return *reinterpret_cast<const Uint32*>(p);
    default:
        return static_cast<Uint32>(-1);
    }
}

}

CFont::CFont(SDL_Surface* given)
{
    if (!given)
        throw std::runtime_error("Couldn't initialize font.");
    image = given->format->Amask ? glSDL_DisplayFormatAlpha(given) : glSDL_DisplayFormat(given);
    std::fprintf(stderr, "SFONT:Surace %x(S) displayFormatting to %x(Font->Surface) \n",
                 static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(given)),
                 static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(image)));
    glSDL_FreeSurface(given);
    if (!image)
        throw std::runtime_error("Couldn't initialize font.");

    glSDL_LockSurface(image);
    Uint32 magenta = SDL_MapRGB(image->format, 255, 0, 255);
    int x = 0;
    while (x < image->w) {
        if (readPixel(image, x, 0) == magenta) {
            int start = x;
            while (x < image->w && readPixel(image, x, 0) == magenta)
                ++x;
            if (recordedPositions + 2 <= positionCount) {
                positions[recordedPositions++] = start;
                positions[recordedPositions++] = x;
            }
        }
        ++x;
    }
    lastPosition = x - 1;
    Uint32 transparent = readPixel(image, 0, image->h - 1);
    glSDL_UnlockSurface(image);
    glSDL_SetColorKey(image, SDL_SRCCOLORKEY, transparent);
}

CFont::~CFont()
{
    glSDL_FreeSurface(image);
}

int CFont::glyphOffset(unsigned char c) const
{
    if (c == ' ' || c < 33 || c >= 128)
        return -1;
    int offset = 2 * (c - 33) + 1;
    // The glyph lies between two recorded marker runs; a character past them draws as a blank.
    if (offset > lastPosition || offset + 2 >= recordedPositions)
        return -1;
    return offset;
}

void CFont::write(SDL_Surface* target, const char* text, int x, int y) const
{
    if (!text || !target)
        return;
    SDL_Rect from;
    from.y = 1;
    from.h = static_cast<Uint16>(image->h - 1);
    for (const char* c = text; *c && x <= target->w; ++c) {
        int o = glyphOffset(static_cast<unsigned char>(*c));
        if (o < 0) {
            x += spaceAdvance();
            continue;
        }
        int left = positions[o];
        int right = positions[o + 1];
        int sourceLeft = (positions[o - 1] + left) / 2;
        from.x = static_cast<Sint16>(sourceLeft);
        from.w = static_cast<Uint16>((right + positions[o + 2]) / 2 - sourceLeft);
        SDL_Rect to;
        to.x = static_cast<Sint16>(x - (left - positions[o - 1]) / 2.0);
        to.y = static_cast<Sint16>(y);
        to.w = from.w;
        to.h = from.h;
        glSDL_BlitSurface(image, &from, target, &to);
        x += right - left;
    }
}

int CFont::textWidth(const char* text) const
{
    if (!text)
        return 0;
    int width = 0;
    for (const char* c = text; *c; ++c) {
        int o = glyphOffset(static_cast<unsigned char>(*c));
        width += o < 0 ? spaceAdvance() : positions[o + 1] - positions[o];
    }
    return width;
}

int CFont::height() const
{
    return image->h - 1;
}

std::unique_ptr<CFont> loadFont(const std::string& file)
{
    try {
        const bool loadable = dataFileProblem(file).empty();
        return std::make_unique<CFont>(loadable ? glSDL_IMG_Load(file.c_str()) : nullptr);
    } catch (const std::runtime_error& error) {
        fatalErrorIn(file, error.what());
    }
}
