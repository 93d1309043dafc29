#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/stav_hry.h"
#include "app/timer.h"

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

    // The state registry. Each operation visits every state of that name in registration order;
    // an unknown name ends the program.
    void addState(std::unique_ptr<CStavHry> state);
    void enterState(const std::string& stateName);
    void leaveState(const std::string& stateName);
    void switchTo(const std::string& stateName);
    std::string currentStateName() const;

    bool running = false;
    bool gameInProgress = false;
    bool hintShown = false;
    SDL_Event event{};
    int mouseX = 0;
    int mouseY = 0;
    Uint16 levelIndex = 0;
    Uint32 frameStartTick = 0;
    Uint32 framesPerSecond = 0;
    std::unique_ptr<CTimer> fpsTimer;
    std::vector<std::unique_ptr<CStavHry>> states;
    Uint32 frameCounter = 0;
    CStavHry* currentState = nullptr;

    const CCommandLine options;

private:
    void requireState(const std::string& stateName) const;
};

// One unit of movement per 20 ms at normal speed; a frame longer than about half a second
// (a factor above 25) moves nothing.
float frameFactorFor(Uint32 frameMs, float gameSpeed);
