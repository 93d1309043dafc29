#include "app/video_driver.h"

#include <SDL.h>

#include <cstdlib>

#include "app/fatal.h"

namespace {

const char* const textModeDrivers[] = {"aalib", "caca"};

bool isTextMode(const std::string& driver)
{
    for (const char* name : textModeDrivers)
        if (driver == name)
            return true;
    return false;
}

}

std::string videoDriverRefusal(const std::string& driver, const char* requestedDriver, const char* display)
{
    if (!isTextMode(driver) || (requestedDriver && *requestedDriver))
        return std::string();
    if (!display || !*display)
        return "no graphical display: DISPLAY is not set";
    return std::string("no graphical display: the X display ") + display + " cannot be opened";
}

void refuseTextModeVideo()
{
    char name[32] = {};
    if (!SDL_VideoDriverName(name, sizeof name))
        return;
    const std::string refusal = videoDriverRefusal(name, std::getenv("SDL_VIDEODRIVER"), std::getenv("DISPLAY"));
    if (refusal.empty())
        return;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    fatalError(refusal);
}
