#include "game/stav_hra.h"

#include <cstdio>

#include "app/application.h"
#include "app/clock.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/timer.h"
#include "demo/demo_session.h"
#include "frontend/password_list.h"
#include "game/level.h"
#include "game/level_reload.h"
#include "gfx/font.h"
#include "gfx/video.h"
#include "level/level_list.h"

namespace {

const char* const recordingRefusal = "F5: pri nahravani dema nelze nacist uroven znovu";

}

CStavHry_Hra::~CStavHry_Hra()
{
    if (snapshot)
        glSDL_FreeSurface(snapshot);
}

void CStavHry_Hra::enter(CApplication* application)
{
    SDL_Surface* made = glSDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0x000000FF, 0x0000FF00, 0x00FF0000,
                                               0xFF000000);
    if (!made)
        fatalError(std::string("CreateRGBSurface failed: ") + SDL_GetError());
    if (snapshot)
        glSDL_FreeSurface(snapshot);
    snapshot = glSDL_DisplayFormat(made);
    glSDL_FreeSurface(made);

    activate();
    passwordShown = false;
    gameOverShown = false;
    app = application;
    app->levelReloads = false;
    app->level.reset();
    app->levelList.reset();
    app->hintShown = false;
    app->levelIndex = 0;
    app->frameCounter = 0;
    app->fpsTimer = std::make_unique<CTimer>(1000);
    app->framesPerSecond = 0;
    CGlobals::instance().stepWind();
    app->startNewGameLevels();
    refreshLevelName();
    titleTimer = std::make_unique<CTimer>(3000);
    titleDone = false;
    snapshotPending = false;
}

void CStavHry_Hra::leave()
{
    deactivate();
    app->level.reset();
    app->levelList.reset();
    app->fpsTimer.reset();
    titleTimer.reset();
    if (snapshot)
        glSDL_FreeSurface(snapshot);
    snapshot = nullptr;
}

void CStavHry_Hra::refreshLevelName()
{
    if (app->levelList && app->levelIndex < app->levelList->count())
        levelName = app->levelList->name(app->levelIndex);
}

void CStavHry_Hra::frame()
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    mouseState(&app->mouseX, &app->mouseY);
    handleEvents();
    app->level->update(app->levelIndex);
    app->level->draw(app->levelIndex, true, screen);
    app->gameInProgress = true;
    showPasswordOnce(screen);
    openHintOnce();
    drawTitle(screen);
    endOfLevel(screen);
    showFrame(screen, false);

    if (app->fpsTimer->expired()) {
        app->framesPerSecond = app->frameCounter;
        app->frameCounter = 0;
    }
    ++app->frameCounter;
}

void CStavHry_Hra::handleEvents()
{
    CGlobals& globals = CGlobals::instance();
    while (pollEvent(&app->event)) {
        const SDL_Event& event = app->event;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
            if (app->gameInProgress) {
                // The level goes on after the menu: its score is added once, when it ends.
                globals.menuName = "inGameMenu";
                app->switchTo("INTRO");
            } else {
                globals.totalScore += globals.levelScore;
                globals.menuName = "mainMenu";
                app->switchTo("ENTERTOP10");
            }
        } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_r) {
            gameOverShown = false;
            app->startNewGameLevels();
            refreshLevelName();
        } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F5) {
            reloadLevel();
        } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_p) {
            snapshotPending = true;
            app->switchTo("PAUZA");
        } else if (event.type == SDL_QUIT) {
            app->running = false;
        }
        app->level->handleEvent(event);
    }
}

void CStavHry_Hra::reloadLevel()
{
    if (!app->levelReloads || gameOverShown)
        return;
    // A demo replays its keys over the data files as they are then: the files as they were at each
    // reload are not in it, so a game being recorded does not reload (nor does its replay).
    if (app->demo) {
        if (app->demo->mode() == CDemoSession::EMode::Record) {
            // Shown once however often F5 is pressed.
            app->messageLine.withdraw(recordingRefusal);
            app->messageLine.show(recordingRefusal);
        }
        return;
    }
    app->messageLine.withdraw(reloadFault);
    const CReloadOutcome outcome = ::reloadLevel(*app, levelName);
    reloadFault = outcome.screenFault;
    if (!outcome.reloaded()) {
        std::fprintf(stderr, "zepo: %s\n", outcome.fault.c_str());
        std::fflush(stderr);
        app->messageLine.show(reloadFault);
        return;
    }
    titleDone = false;
    titleTimer->restart();
    app->hintShown = false;
}

void CStavHry_Hra::showPasswordOnce(SDL_Surface* screen)
{
    if (passwordShown)
        return;
    refreshLevelName();
    app->level->draw(app->levelIndex, true, screen);
    const std::string password = CPasswordList::instance().passwordOf(levelName);
    if (!password.empty()) {
        app->largeFont->write(screen, "heslo: " + password, 160, 170);
        glSDL_BlitSurface(screen, nullptr, snapshot, nullptr);
        glSDL_Flip(screen);
        glSDL_BlitSurface(snapshot, nullptr, screen, nullptr);
        // The wait belongs to the pause that follows: the level's timers are shifted past it.
        const Uint32 waitStart = currentTicks();
        waitTicks(2000);
        CTimerWatch::instance().shiftAll(static_cast<Sint32>(currentTicks() - waitStart));
        snapshotPending = true;
        app->switchTo("PAUZA");
    }
    passwordShown = true;
}

void CStavHry_Hra::openHintOnce()
{
    if (app->hintShown)
        return;
    if (app->currentStateName() != "HRA" || !CGlobals::instance().hints)
        return;
    if (!app->level->hintText().empty()) {
        snapshotPending = true;
        app->switchTo("TIP");
    }
    app->hintShown = true;
}

void CStavHry_Hra::drawTitle(SDL_Surface* screen)
{
    if (titleDone)
        return;
    const std::string title = "LEVEL " + std::to_string(app->levelIndex + 1) + ": " + app->level->displayName();
    app->smallFont->write(screen, title, 320 - app->smallFont->textWidth(title) / 2, 110);
    if (snapshotPending)
        showFrame(screen, true);
    if (titleTimer->expired())
        titleDone = true;
}

void CStavHry_Hra::endOfLevel(SDL_Surface* screen)
{
    CGlobals& globals = CGlobals::instance();
    globals.stepWind();
    if (globals.levelClock && globals.levelClock->expired())
        globals.levelOver = true;
    if (!globals.levelOver)
        return;

    if (globals.levelScore < app->level->requiredScore() && globals.levelWon) {
        globals.levelWon = false;
        if (globals.lives > 0)
            --globals.lives;
    }
    const CFont& font = *app->largeFont;
    if (globals.levelWon || globals.lives > 0) {
        if (!globals.endPending) {
            globals.endTimer->restart();
            globals.endPending = true;
            globals.totalScore += globals.levelScore;
            app->levelEnded(globals.levelWon);
        }
        if (globals.levelWon) {
            font.write(screen, "VYHRA!", 230, 210);
            font.write(screen, "CELKEM SKORE: " + std::to_string(globals.totalScore), 110, 240);
        } else {
            font.write(screen, "ZKUS TO ZNOVU! :-)", 130, 210);
        }
    } else {
        if (!gameOverShown) {
            gameOverShown = true;
            globals.totalScore += globals.levelScore;
            globals.endPending = true;
            globals.endTimer->restart();
            app->levelEnded(false);
        }
        font.write(screen, "KONEC HRY", 210, 210);
    }
    if (globals.endTimer->expired() && globals.endPending)
        moveOn();
}

void CStavHry_Hra::moveOn()
{
    CGlobals& globals = CGlobals::instance();
    if (gameOverShown) {
        app->gameInProgress = false;
        globals.menuName = "mainMenu";
        app->switchTo("ENTERTOP10");
        return;
    }
    bool won = globals.levelWon;
    if (won) {
        passwordShown = false;
        app->hintShown = false;
        ++app->levelIndex;
        if (app->levelIndex == app->levelList->count()) {
            app->switchTo("OUTRO");
            return;
        }
        titleDone = false;
        titleTimer->restart();
    }
    app->loadLevel(app->levelIndex);
    refreshLevelName();
}

void CStavHry_Hra::showFrame(SDL_Surface* screen, bool keepSnapshotPending)
{
    if (snapshotPending)
        glSDL_BlitSurface(screen, nullptr, snapshot, nullptr);
    glSDL_Flip(screen);
    if (snapshotPending) {
        glSDL_BlitSurface(snapshot, nullptr, screen, nullptr);
        if (!keepSnapshotPending)
            snapshotPending = false;
    }
}
