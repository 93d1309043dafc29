#include "app/window_events.h"

#include "app/screenshot.h"
#include "gfx/video.h"
#include "options/options.h"

namespace {

void mapIntoPicture(Uint16& x, Uint16& y)
{
    int pictureX = x;
    int pictureY = y;
    glSDL_OutputToPicture(pictureX, pictureY);
    x = static_cast<Uint16>(pictureX);
    y = static_cast<Uint16>(pictureY);
}

bool isFullScreenKey(const SDL_keysym& key)
{
    return (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) && (key.mod & KMOD_ALT);
}

}

bool isWindowKey(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return false;
    return isFullScreenKey(event.key.keysym) || event.key.keysym.sym == SDLK_F12;
}

int pollWindowEvent(SDL_Event* event)
{
    while (SDL_PollEvent(event)) {
        switch (event->type) {
        case SDL_MOUSEMOTION:
            mapIntoPicture(event->motion.x, event->motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            mapIntoPicture(event->button.x, event->button.y);
            break;
        default:
            break;
        }
        if (!isWindowKey(*event))
            return 1;
        if (event->type != SDL_KEYDOWN)
            continue;
        if (event->key.keysym.sym == SDLK_F12)
            takeScreenshot();
        else
            switchFullScreen();
    }
    return 0;
}

Uint8 windowMouseState(int* x, int* y)
{
    int windowX = 0;
    int windowY = 0;
    const Uint8 buttons = SDL_GetMouseState(&windowX, &windowY);
    glSDL_OutputToPicture(windowX, windowY);
    if (x)
        *x = windowX;
    if (y)
        *y = windowY;
    return buttons;
}
