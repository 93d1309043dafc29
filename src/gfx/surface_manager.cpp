#include "gfx/surface_manager.h"

#include "app/data_file.h"
#include "app/logger.h"
#include "gfx/video.h"

CSurfaceManager::~CSurfaceManager()
{
    for (auto& entry : entries)
        glSDL_FreeSurface(entry.second);
    entries.clear();
}

SDL_Surface* CSurfaceManager::getSurface(const std::string& fileName)
{
    for (const auto& entry : entries)
        if (entry.first == fileName)
            return entry.second;

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
    entries.emplace_back(fileName, converted);
    return converted;
}
