#include "frontend/stav_enter_password.h"

#include <algorithm>

#include "app/application.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "app/input.h"
#include "frontend/password_list.h"
#include "frontend/rising_hearts.h"
#include "frontend/text_entry.h"
#include "gfx/font.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"
#include "level/level_list.h"
#include "level/level_set.h"

namespace {

const char* const promptText = "   heslo: ";

}

CStavHry_EnterPassword::CStavHry_EnterPassword() : CStavHry("ENTERPASSWORD") {}

CStavHry_EnterPassword::~CStavHry_EnterPassword() = default;

void CStavHry_EnterPassword::enter(CApplication* application)
{
    activate();
    app = application;
    background = CSurfaceManager::instance().getSurface("blankbg.png");
    hearts = std::make_unique<CRisingHearts>();
    prompt = promptText + typed;
}

void CStavHry_EnterPassword::leave()
{
    deactivate();
    hearts.reset();
}

void CStavHry_EnterPassword::frame()
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (background)
        glSDL_BlitSurface(background, nullptr, screen, nullptr);
    handleEvents();
    app->largeFont->write(screen, prompt, 140, 210);
    hearts->moveAndDraw(screen);
    glSDL_Flip(screen);
}

void CStavHry_EnterPassword::handleEvents()
{
    while (pollEvent(&app->event)) {
        if (app->event.type == SDL_QUIT) {
            app->running = false;
        } else if (app->event.type == SDL_KEYDOWN) {
            if (app->event.key.keysym.sym == SDLK_ESCAPE) {
                app->switchTo("INTRO");
                return;
            }
            const Uint16 unicode = app->event.key.keysym.unicode;
            if (unicode == returnCode) {
                submit();
                return;
            }
            editTypedText(typed, unicode, maxPasswordLength);
            prompt = promptText + typed;
        }
    }
}

void CStavHry_EnterPassword::submit()
{
    const std::string level = CPasswordList::instance().levelOf(typed);
    if (level.empty()) {
        app->switchTo("INTRO");
        return;
    }
    app->enterState("HRA");
    bool started = app->startGameAtLevel(level);
    CGlobals& globals = CGlobals::instance();
    const Uint32 difficulty = std::min<Uint32>(globals.difficulty, 2);
    // The passwords lead into the shipped sets: a set of the player's without that level gives
    // way to the difficulty's own set.
    if (!started && globals.levelSet != shippedSetNames[difficulty]) {
        globals.setDifficulty(difficulty);
        app->levelList = readLevelList(levelSetNamed(globals.levelSet).levelList());
        started = app->startGameAtLevel(level);
    }
    if (!started)
        fatalErrorIn(levelSetNamed(globals.levelSet).levelList(),
                     "Error: Good password, but level not found in level list!");
    app->switchTo("HRA");
}
