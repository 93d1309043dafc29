#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "app/singleton.h"

// The image cache: every picture drawn from a file (except the font strips) is loaded here once,
// given the cyan colour key, converted to the display format and shared by every caller.
class CSurfaceManager : public Singleton<CSurfaceManager>
{
public:
    ~CSurfaceManager() override;

    // The surface of the named file, or null when it cannot be loaded (tried again next time).
    SDL_Surface* getSurface(const std::string& fileName);

private:
    std::vector<std::pair<std::string, SDL_Surface*>> entries;
};
