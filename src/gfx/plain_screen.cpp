#include "gfx/plain_screen.h"

#include <cstring>

namespace {

bool sameFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b)
{
    return a->BitsPerPixel == b->BitsPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask;
}

// One row of the picture written scale times wider; pixels of Bytes bytes.
template <int Bytes>
void widenRow(const Uint8* from, int width, int scale, Uint8* to)
{
    for (int x = 0; x < width; ++x, from += Bytes)
        for (int copy = 0; copy < scale; ++copy, to += Bytes)
            std::memcpy(to, from, Bytes);
}

}

void enlargePicture(const SDL_Surface* picture, SDL_Surface* output, const PicturePlacement& placement)
{
    const int bytes = picture->format->BytesPerPixel;
    const int scale = placement.scale;
    const size_t rowBytes = static_cast<size_t>(picture->w) * scale * bytes;
    for (int y = 0; y < picture->h; ++y) {
        const Uint8* from = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        Uint8* first = static_cast<Uint8*>(output->pixels) + (placement.y + y * scale) * output->pitch +
                       placement.x * bytes;
        if (scale == 1) {
            std::memcpy(first, from, rowBytes);
            continue;
        }
        switch (bytes) {
        case 1:
            widenRow<1>(from, picture->w, scale, first);
            break;
        case 2:
            widenRow<2>(from, picture->w, scale, first);
            break;
        case 3:
            widenRow<3>(from, picture->w, scale, first);
            break;
        default:
            widenRow<4>(from, picture->w, scale, first);
            break;
        }
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(first + copy * output->pitch, first, rowBytes);
    }
}

std::unique_ptr<PlainScreen> PlainScreen::open(int width, int height, int bitsPerPixel, Uint32 flags,
                                               const PicturePlacement& placement)
{
    std::unique_ptr<PlainScreen> screen(new PlainScreen);
    if (!screen->setMode(bitsPerPixel, flags, placement))
        return nullptr;
    const SDL_PixelFormat* format = screen->video->format;
    screen->picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel, format->Rmask,
                                           format->Gmask, format->Bmask, 0);
    if (!screen->picture)
        return nullptr;
    if (format->palette)
        SDL_SetPalette(screen->picture, SDL_LOGPAL, format->palette->colors, 0, format->palette->ncolors);
    screen->picture->flags |= screen->video->flags & (SDL_FULLSCREEN | SDL_DOUBLEBUF);
    return screen;
}

PlainScreen::~PlainScreen()
{
    SDL_FreeSurface(converted);
    SDL_FreeSurface(picture);
}

bool PlainScreen::setMode(int bitsPerPixel, Uint32 flags, const PicturePlacement& wanted)
{
    SDL_Surface* changed = SDL_SetVideoMode(wanted.outputWidth, wanted.outputHeight, bitsPerPixel, flags);
    if (!changed)
        return false;
    video = changed;
    placement = wanted;
    // The borders are black in both buffers of a double-buffered screen.
    for (int buffer = 0; buffer < 2; ++buffer) {
        SDL_FillRect(video, nullptr, SDL_MapRGB(video->format, 0, 0, 0));
        if (buffer == 0 && (video->flags & SDL_DOUBLEBUF))
            SDL_Flip(video);
    }
    return true;
}

bool PlainScreen::changeMode(int bitsPerPixel, Uint32 flags, const PicturePlacement& wanted)
{
    if (!setMode(bitsPerPixel, flags, wanted))
        return false;
    const Uint32 modeFlags = SDL_FULLSCREEN | SDL_DOUBLEBUF;
    picture->flags = (picture->flags & ~modeFlags) | (video->flags & modeFlags);
    SDL_FreeSurface(converted);
    converted = nullptr;
    if (!sameFormat(picture->format, video->format))
        converted = SDL_ConvertSurface(picture, video->format, SDL_SWSURFACE);
    return converted || sameFormat(picture->format, video->format);
}

int PlainScreen::show()
{
    SDL_Surface* source = picture;
    if (converted) {
        SDL_BlitSurface(picture, nullptr, converted, nullptr);
        source = converted;
    }
    if (SDL_LockSurface(video) < 0)
        return -1;
    SDL_LockSurface(source);
    enlargePicture(source, video, placement);
    SDL_UnlockSurface(source);
    SDL_UnlockSurface(video);
    return SDL_Flip(video);
}
