#include "gfx/headless_screen.h"

#include <SDL.h>

#include <cstdlib>

#include "gfx/video.h"

bool openHeadlessScreen()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return false;
    glSDL_ForcePlainPath(true);
    return glSDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE) != nullptr;
}
