#include "frontend/stav_pauza.h"

#include "app/application.h"
#include "app/globals.h"
#include "app/input.h"
#include "gfx/font.h"
#include "gfx/video.h"

void CStavHry_Pauza::enter(CApplication* application)
{
    activate();
    app = application;
    interruption = CInterruption();
}

void CStavHry_Pauza::frame()
{
    CGlobals& globals = CGlobals::instance();
    interruption.measure();

    while (pollEvent(&app->event)) {
        const Uint8 type = app->event.type;
        if (type == SDL_KEYDOWN || type == SDL_MOUSEBUTTONDOWN) {
            globals.paused = false;
            CInterruption::resumePlay();
            app->switchTo("HRA");
            return;
        }
        if (type == SDL_QUIT)
            app->running = false;
    }

    SDL_Surface* screen = glSDL_GetVideoSurface();
    app->largeFont->write(screen, "PAUZA", 250, 135);
    globals.paused = true;
    glSDL_Flip(screen);
}
