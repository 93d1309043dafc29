#include "gfx/png_file.h"

#include <png.h>

#include "gfx/video.h"

namespace {

// Three bytes a pixel, red first, whatever the machine's byte order.
SDL_Surface* rgbCopy(SDL_Surface* surface)
{
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    const Uint32 red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;
#else
    const Uint32 red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
#endif
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, surface->h, 24, red, green, blue, 0);
    if (!copy)
        return nullptr;
    if (glSDL_BlitSurface(surface, nullptr, copy, nullptr) < 0) {
        SDL_FreeSurface(copy);
        return nullptr;
    }
    return copy;
}

// libpng reports its errors by a long jump back into this function, which therefore holds no
// object with a destructor.
bool writeRows(std::FILE* file, SDL_Surface* rgb)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, rgb->w, rgb->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < rgb->h; ++y)
        png_write_row(png, static_cast<png_bytep>(rgb->pixels) + y * rgb->pitch);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}

bool writePng(std::FILE* file, SDL_Surface* surface, std::string& error)
{
    SDL_Surface* rgb = surface ? rgbCopy(surface) : nullptr;
    if (!rgb) {
        error = std::string("cannot read the picture: ") + SDL_GetError();
        return false;
    }
    const bool written = writeRows(file, rgb);
    SDL_FreeSurface(rgb);
    if (!written)
        error = "the PNG encoder failed";
    else if (std::fflush(file) != 0 || std::ferror(file))
        error = "cannot write the file";
    return written && error.empty();
}
