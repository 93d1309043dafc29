#include "gfx/window_icon.h"

#include "app/data_file.h"
#include "app/logger.h"
#include "gfx/video.h"

SDL_Surface* loadWindowIcon(const std::string& file)
{
    const std::string problem = dataFileProblem(file);
    SDL_Surface* icon = problem.empty() ? glSDL_IMG_Load(file.c_str()) : nullptr;
    if (!icon) {
        CLogger::instance().write("Window icon " + file + ": " + (problem.empty() ? SDL_GetError() : problem));
        return nullptr;
    }
    if (icon->format->Amask == 0)
        glSDL_SetColorKey(icon, SDL_SRCCOLORKEY, SDL_MapRGB(icon->format, 0, 255, 255));
    return icon;
}

bool setWindowIcon(const std::string& file)
{
    SDL_Surface* icon = loadWindowIcon(file);
    if (!icon)
        return false;
    SDL_WM_SetIcon(icon, nullptr);
    glSDL_FreeSurface(icon);
    return true;
}
