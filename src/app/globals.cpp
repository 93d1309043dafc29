#include "app/globals.h"

#include <cstdlib>

#include "sound/sound_engine.h"

CGlobals::CGlobals()
    : windTimer(std::make_unique<CTimer>(5000)), endTimer(std::make_unique<CTimer>(3500))
{
    resetForNewGame();
    gameSpeed = 1.0f;
    setDifficulty(0);
    hints = true;
    maxWind = 30;
}

CGlobals::~CGlobals() = default;

void CGlobals::resetForNewGame()
{
    wind = 0;
    gameSpeed = 1.0f;
    birdSpeed = 1.0f;
    entityListChanged = false;
    levelOver = false;
    levelWon = true;
    endPending = false;
    paused = false;
    timeLimit = 0;
    levelScore = 0;
    totalScore = 0;
    interruptionLength = 0;
    lives = 5;
    ammo = 20;
    ammoPickups = 0;
    dropsPerShot = 1;
    musicPlaying.clear();
    menuName.clear();
}

void CGlobals::resetForLevel()
{
    wind = 0;
    gameSpeed = 1.0f;
    entityListChanged = false;
    levelOver = false;
    levelWon = true;
    endPending = false;
    timeLimit = 0;
    levelScore = 0;
    ammo = 20;
}

void CGlobals::setDifficulty(Uint32 index)
{
    switch (index) {
    case 0:
        difficultyFactor = 1.6f;
        levelSet = "easy";
        break;
    case 1:
        difficultyFactor = 1.3f;
        levelSet = "medium";
        break;
    case 2:
        difficultyFactor = 1.0f;
        levelSet = "hard";
        break;
    default:
        break;
    }
    difficulty = index;
}

void CGlobals::stepWind()
{
    if (!windTimer->expired())
        return;
    // A level without a usable wind range has no wind.
    if (maxWind < 1) {
        wind = 0;
        return;
    }
    wind = static_cast<float>((std::rand() % maxWind) / 10.0 - maxWind / 20.0);
    if (wind > 1.5f || wind < -1.5f)
        CSoundEngine::instance().playSound("VITR");
}
