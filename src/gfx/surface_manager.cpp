#include "gfx/surface_manager.h"

#include <cstring>

#include "app/data_file.h"
#include "app/logger.h"
#include "gfx/video.h"

CSurfaceManager::~CSurfaceManager()
{
    dropReread();
    for (auto& entry : entries)
        glSDL_FreeSurface(entry.second);
    entries.clear();
}

SDL_Surface* CSurfaceManager::cachedSurface(const std::string& fileName) const
{
    for (const auto& entry : entries)
        if (entry.first == fileName)
            return entry.second;
    return nullptr;
}

SDL_Surface* CSurfaceManager::getSurface(const std::string& fileName)
{
    if (reading)
        return rereadSurface(fileName);
    if (SDL_Surface* cached = cachedSurface(fileName))
        return cached;
    SDL_Surface* loaded = loadPicture(fileName);
    if (loaded)
        entries.emplace_back(fileName, loaded);
    return loaded;
}

SDL_Surface* CSurfaceManager::loadPicture(const std::string& fileName)
{
    CLogger& log = CLogger::instance();
    const std::string problem = dataFileProblem(fileName);
    if (!problem.empty()) {
        log.write("IMG_Load chyba:Couldn't open " + fileName + ": " + problem);
        return nullptr;
    }
    SDL_Surface* loaded = glSDL_IMG_Load(fileName.c_str());
    if (!loaded) {
        log.write(std::string("IMG_Load chyba:") + SDL_GetError());
        return nullptr;
    }
    glSDL_SetColorKey(loaded, SDL_SRCCOLORKEY, SDL_MapRGB(loaded->format, 0, 255, 255));
    SDL_Surface* converted;
    if (loaded->format->Amask != 0) {
        converted = glSDL_DisplayFormatAlpha(loaded);
        log.write("Note: loading picture with alpha channel");
    } else {
        converted = glSDL_DisplayFormat(loaded);
    }
    glSDL_FreeSurface(loaded);
    if (!converted) {
        log.write(std::string("IMG_Load chyba:") + SDL_GetError());
        return nullptr;
    }
    log.write("Surface: " + fileName + ", address: " + pointerText(converted));
    return converted;
}

SDL_Surface* CSurfaceManager::rereadSurface(const std::string& fileName)
{
    for (const CReread& file : reread)
        if (file.fileName == fileName)
            return file.handed();
    reread.push_back({fileName, cachedSurface(fileName), loadPicture(fileName)});
    return reread.back().handed();
}

void CSurfaceManager::beginReread()
{
    dropReread();
    reading = true;
}

void CSurfaceManager::takeReread()
{
    for (const CReread& file : reread) {
        if (!file.picture)
            continue;
        if (!file.cached)
            entries.emplace_back(file.fileName, file.picture);
        else if (samePicture(file.cached, file.picture))
            glSDL_FreeSurface(file.picture);
        else
            glSDL_ReplaceSurface(file.cached, file.picture);
    }
    reread.clear();
    reading = false;
}

void CSurfaceManager::dropReread()
{
    for (const CReread& file : reread)
        glSDL_FreeSurface(file.picture);
    reread.clear();
    reading = false;
}

const SDL_Surface* CSurfaceManager::latestPicture(const SDL_Surface* handed) const
{
    if (handed)
        for (const CReread& file : reread)
            if (file.cached == handed && file.picture)
                return file.picture;
    return handed;
}

bool samePicture(const SDL_Surface* a, const SDL_Surface* b)
{
    const SDL_PixelFormat& f = *a->format;
    const SDL_PixelFormat& g = *b->format;
    const Uint32 drawing = SDL_SRCCOLORKEY | SDL_SRCALPHA;
    if (a->w != b->w || a->h != b->h || f.BitsPerPixel != g.BitsPerPixel || f.Rmask != g.Rmask ||
        f.Gmask != g.Gmask || f.Bmask != g.Bmask || f.Amask != g.Amask || f.colorkey != g.colorkey ||
        f.alpha != g.alpha || (a->flags & drawing) != (b->flags & drawing) || f.palette || g.palette ||
        SDL_MUSTLOCK(a) || SDL_MUSTLOCK(b))
        return false;
    const size_t rowBytes = static_cast<size_t>(a->w) * f.BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<const Uint8*>(b->pixels) + y * b->pitch, rowBytes) != 0)
            return false;
    return true;
}
