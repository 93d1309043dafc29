#include "entity_pictures.h"

#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "entity/map_entity.h"
#include "gfx/png_file.h"
#include "gfx/sprite.h"
#include "gfx/video.h"

namespace {

// The backdrop behind the transparent parts of a picture: a pale grey-blue, like the page of
// an atlas, which none of the sprites uses for its outline.
const Uint8 backdrop[3] = {222, 230, 238};

struct CSurfaceFree
{
    void operator()(SDL_Surface* surface) const { glSDL_FreeSurface(surface); }
};

struct CFileClose
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}

bool writeFirstFrame(const CMapEntity& prototype, const std::string& path, bool& empty, std::string& error)
{
    empty = true;
    if (!prototype.getSprite())
        return true;
    // A copy of the sprite shows the first frame of its current frameset.
    CSprite sprite(*prototype.getSprite());
    CFrameset* frameset = sprite.getCurrentFrameset();
    if (!frameset || frameset->currentWidth() <= 0 || frameset->currentHeight() <= 0)
        return true;
    empty = false;

    const SDL_PixelFormat* screen = glSDL_GetVideoSurface()->format;
    std::unique_ptr<SDL_Surface, CSurfaceFree> picture(
        glSDL_CreateRGBSurface(SDL_SWSURFACE, frameset->currentWidth(), frameset->currentHeight(), 32, screen->Rmask,
                               screen->Gmask, screen->Bmask, 0));
    if (!picture) {
        error = std::string("cannot make a picture: ") + SDL_GetError();
        return false;
    }
    glSDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, backdrop[0], backdrop[1], backdrop[2]));
    frameset->drawAndAdvance(picture.get(), 0, 0);

    std::unique_ptr<std::FILE, CFileClose> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!writePng(file.get(), picture.get(), error)) {
        error = path + ": " + error;
        return false;
    }
    if (std::fclose(file.release()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
