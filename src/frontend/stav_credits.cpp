#include "frontend/stav_credits.h"

#include <algorithm>

#include "app/application.h"
#include "app/globals.h"
#include "app/input.h"
#include "game/level.h"
#include "gfx/font.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"

namespace {

// Who made the game and what it is made with: the team, the typeface of its lettering, the
// libraries it runs on, the level bot that played every level of every set, and a community of
// game developers.
const char* const credits =
    "Z.E.P.O. (c) 2005 HNIZDO studio"
    " *** namet, programovani a grafika: tym Z.E.P.O."
    " *** hudba a zvuky: tym Z.E.P.O."
    " *** dalsi grafika: pismo DejaVu"
    " *** dalsi programovani: SDL, SDL_image, SDL_mixer, TinyXML, Mesa/OpenGL, libpng"
    " *** dekujeme testerum: levelbotovi, jenz dohral vsech 60 levelu"
    " *** a komunite tvurcu her na www.igda.org";

}

CStavHry_Credits::CStavHry_Credits() : CStavHry("CREDITS") {}

CStavHry_Credits::~CStavHry_Credits() = default;

void CStavHry_Credits::enter(CApplication* application)
{
    activate();
    app = application;
    background = CSurfaceManager::instance().getSurface("blankbg.png");
    level = std::make_unique<CLevel>();
    level->setPrototypeControllers(&app->prototypeControllers);
    // The backdrop of the difficulty's own set: a player's set need not have one.
    level->load(shippedLevelSet(shippedSetNames[std::min<Uint32>(CGlobals::instance().difficulty, 2)]), "credits");
    creditsLine = credits;
    lineWidth = app->largeFont->textWidth(creditsLine);
    x = restartX;
}

void CStavHry_Credits::leave()
{
    deactivate();
    level.reset();
}

void CStavHry_Credits::frame()
{
    if (static_cast<int>(x) < -lineWidth)
        x = restartX;
    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (background)
        glSDL_BlitSurface(background, nullptr, screen, nullptr);
    // The backdrop plays as the first level of a set (summer animals) and shows no HUD.
    level->update(0);
    level->draw(0, false, screen);
    app->largeFont->write(screen, creditsLine, static_cast<int>(x), 10);
    x -= 3 * CGlobals::instance().frameFactor;
    glSDL_Flip(screen);

    while (pollEvent(&app->event)) {
        if (app->event.type == SDL_KEYDOWN) {
            leave();
            app->switchTo("INTRO");
            return;
        }
        if (app->event.type == SDL_QUIT)
            app->running = false;
    }
}
