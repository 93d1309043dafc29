#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/gamepad.h"
#include "app/message_line.h"
#include "app/stav_hry.h"
#include "app/timer.h"
#include "demo/demo_sdl_sources.h"
#include "entity/entity_controller.h"
#include "frontend/high_score_table.h"

class CDemoSession;
class CFont;
class CLevel;
class CLevelList;
class CSpriteCollection;
class CStatDump;

// The hub handed to every state: running flag, current event, fonts, high scores, prototype
// controllers, level list and current level, and the registry of game states.
class CApplication
{
public:
    explicit CApplication(const CCommandLine& commandLine = CCommandLine());
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    void initialise();
    void mainLoop();
    void shutdown();

    // A new game from the first level of the chosen level set: the game values are reset, the
    // level list is read again and its first level loaded.
    void startNewGameLevels();
    // Replaces the level object by a new one playing the level at that index of the list.
    void loadLevel(Uint16 index);
    // A new game started directly at a named level of the current level set (a password, or the
    // command line); false when the list has no such level.
    bool startGameAtLevel(const std::string& levelName);

    // The state registry. Each operation visits every state of that name in registration order;
    // an unknown name ends the program.
    void addState(std::unique_ptr<CStavHry> state);
    void enterState(const std::string& stateName);
    void leaveState(const std::string& stateName);
    void switchTo(const std::string& stateName);
    std::string currentStateName() const;

    // The gameplay state gives each level's verdict once (for the statistics of --statdump).
    void levelEnded(bool won);

    bool running = false;
    bool gameInProgress = false;
    bool hintShown = false;
    // A game started at a level from the command line, whose level F5 reads again.
    bool levelReloads = false;
    SDL_Event event{};
    CHighScoreTable highScores;
    CControllerList prototypeControllers;
    std::unique_ptr<CFont> largeFont;
    std::unique_ptr<CFont> smallFont;
    int mouseX = 0;
    int mouseY = 0;
    Uint16 levelIndex = 0;
    std::unique_ptr<CLevel> level;
    std::unique_ptr<CLevelList> levelList;
    Uint32 frameStartTick = 0;
    Uint32 framesPerSecond = 0;
    std::unique_ptr<CTimer> fpsTimer;
    std::vector<std::unique_ptr<CStavHry>> states;
    Uint32 frameCounter = 0;
    CStavHry* currentState = nullptr;

    // The short line shown over every state (a player file not read or not saved...).
    CMessageLine messageLine;

    // The program-wide sprite collection "kolekce".
    std::unique_ptr<CSpriteCollection> sprites;

    const CCommandLine options;

    // SDL's event queue as the game reads it: through the first joystick, whose events become key
    // events (the pad's buttons stand for the shot in play and for Return elsewhere).
    CSdlInput sdlQueue;
    CGamepad gamepad{sdlQueue};

    // The demo being recorded or replayed (--record, --playdemo, --timedemo) and the statistics
    // file (--statdump), when the command line asks for them.
    std::unique_ptr<CDemoSession> demo;
    std::unique_ptr<CStatDump> stats;

private:
    void requireState(const std::string& stateName) const;
    // Starts the game at the level the command line (or the replayed demo) asks for, skipping
    // the story and the menu.
    void warpToLevel(const CCommandLine& startingPoint);
};

// One unit of movement per 20 ms at normal speed; a frame longer than about half a second
// (a factor above 25) moves nothing.
float frameFactorFor(Uint32 frameMs, float gameSpeed);
