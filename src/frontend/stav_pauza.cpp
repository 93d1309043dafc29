#include "frontend/stav_pauza.h"

#include "app/application.h"
#include "app/clock.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/timer.h"
#include "gfx/font.h"
#include "gfx/video.h"

void CStavHry_Pauza::enter(CApplication* application)
{
    activate();
    app = application;
    begin = 0;
}

void CStavHry_Pauza::frame()
{
    CGlobals& globals = CGlobals::instance();
    Uint32 now = currentTicks();
    if (globals.interruptionLength == 0)
        begin = now;
    globals.interruptionLength = now - begin + 1;

    while (pollEvent(&app->event)) {
        const Uint8 type = app->event.type;
        if (type == SDL_KEYDOWN || type == SDL_MOUSEBUTTONDOWN) {
            globals.paused = false;
            CTimerWatch::instance().shiftAll(static_cast<Sint32>(globals.interruptionLength));
            globals.interruptionLength = 0;
            app->switchTo("HRA");
        } else if (type == SDL_QUIT) {
            app->running = false;
        }
    }

    SDL_Surface* screen = glSDL_GetVideoSurface();
    app->largeFont->write(screen, "PAUZA", 250, 135);
    globals.paused = true;
    glSDL_Flip(screen);
}
