#include "frontend/stav_enter_top10.h"

#include "app/application.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/paths.h"
#include "frontend/gameplay_end.h"
#include "frontend/rising_hearts.h"
#include "frontend/text_entry.h"
#include "gfx/font.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"

namespace {

const char* const promptText = "vloz jmeno: ";

}

CStavHry_EnterTop10::CStavHry_EnterTop10() : CStavHry("ENTERTOP10") {}

CStavHry_EnterTop10::~CStavHry_EnterTop10() = default;

void CStavHry_EnterTop10::enter(CApplication* application)
{
    activate();
    app = application;
    background = CSurfaceManager::instance().getSurface("blankbg.png");
    hearts = std::make_unique<CRisingHearts>();
    prompt = promptText + name;
}

void CStavHry_EnterTop10::leave()
{
    deactivate();
    hearts.reset();
}

void CStavHry_EnterTop10::frame()
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (background)
        glSDL_BlitSurface(background, nullptr, screen, nullptr);
    if (app->highScores.qualifies(CGlobals::instance().totalScore)) {
        handleEvents();
        app->largeFont->write(screen, prompt, 150, 210);
    } else {
        endGameplay(*app);
        app->switchTo("INTRO");
    }
    hearts->moveAndDraw(screen);
    glSDL_Flip(screen);
}

void CStavHry_EnterTop10::handleEvents()
{
    while (pollEvent(&app->event)) {
        if (app->event.type == SDL_QUIT) {
            app->running = false;
        } else if (app->event.type == SDL_KEYDOWN) {
            const Uint16 unicode = app->event.key.keysym.unicode;
            if (unicode == returnCode) {
                finish();
                return;
            }
            editTypedText(name, unicode, maxNameLength);
            prompt = promptText + name;
        }
    }
}

void CStavHry_EnterTop10::finish()
{
    app->highScores.insert(name, CGlobals::instance().totalScore);
    if (!app->highScores.save(playerDataFile("top10.bin")))
        app->messageLine.show(app->highScores.file().saveNote());
    endGameplay(*app);
    app->switchTo("INTRO");
}
