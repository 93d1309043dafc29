#include "frontend/stav_outro.h"

#include "app/application.h"
#include "app/globals.h"
#include "app/input.h"
#include "gfx/font.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"
#include "sound/sound_engine.h"

void CStavHry_Outro::enter(CApplication* application)
{
    activate();
    app = application;
    background = CSurfaceManager::instance().getSurface("outro.png");
    firstFrame = true;
}

void CStavHry_Outro::frame()
{
    CGlobals& globals = CGlobals::instance();
    if (firstFrame) {
        CSoundEngine& sound = CSoundEngine::instance();
        sound.stopMusic();
        sound.playMusic("FINAL");
        globals.musicPlaying = "FINAL";
        firstFrame = false;
    }
    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (background)
        glSDL_BlitSurface(background, nullptr, screen, nullptr);

    while (pollEvent(&app->event)) {
        if (app->event.type == SDL_KEYDOWN) {
            // The finished game's score goes to the high-score table like that of any other game.
            app->gameInProgress = false;
            globals.menuName = "mainMenu";
            firstFrame = true;
            app->switchTo("ENTERTOP10");
            return;
        }
        if (app->event.type == SDL_QUIT)
            app->running = false;
    }

    app->smallFont->write(screen, "S velkou spokojenosti, hrdy a stastny zes", 100, 20);
    app->smallFont->write(screen, "nasel sva vajicka koncis predlouhou cestu..", 100, 50);
    glSDL_Flip(screen);
}
