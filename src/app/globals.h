#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "app/singleton.h"
#include "app/timer.h"

// The values of the game in progress that many parts of the game read and write.
class CGlobals : public Singleton<CGlobals>
{
public:
    CGlobals();
    ~CGlobals() override;

    void resetForNewGame();
    void resetForLevel();
    void setDifficulty(Uint32 index);
    // The wind step: runs every frame, draws a new wind when the 5000 ms wind timer expires.
    void stepWind();

    std::unique_ptr<CTimer> windTimer;
    float wind = 0;
    float frameFactor = 0;
    float gameSpeed = 1.0f;
    float birdSpeed = 1.0f;
    Sint32 maxWind = 30;
    bool entityListChanged = false;
    bool levelOver = false;
    bool levelWon = true;
    bool endPending = false;
    bool paused = false;
    bool hints = true;
    CTimer* levelClock = nullptr;   // owned by the level object; none while no level has a clock
    std::unique_ptr<CTimer> endTimer;
    Uint32 timeLimit = 0;
    Uint32 levelScore = 0;
    Uint32 totalScore = 0;
    Uint32 interruptionLength = 0;
    Uint32 lives = 5;
    Uint32 ammo = 20;
    Uint16 ammoPickups = 0;
    Uint16 dropsPerShot = 1;
    float difficultyFactor = 1.6f;
    Uint32 difficulty = 0;
    std::string levelSet = "easy";
    std::string musicPlaying;
    std::string menuName;
};
