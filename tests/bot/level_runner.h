#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "app/clock.h"
#include "bot/bot_keyboard.h"
#include "bot/pilot.h"

// How a played level ended.
enum class EEnding
{
    Won,
    Fell,        // the bird was hit and fell: a life lost
    Short,       // the time ran out below the required score: a life lost
    Broke,       // an egg broke or a fainted bird overheated: a life lost
    Unfinished,  // nothing ended the level within the time allowed
};

struct CRunResult
{
    unsigned seed = 0;
    Uint32 required = 0;
    Uint32 score = 0;
    Uint32 nearMisses = 0;  // the part of the score the bonus watcher gave for projectiles passing close by
    EEnding ending = EEnding::Unfinished;
    std::string hitBy;  // what brought the bird down
    Uint32 seconds = 0;  // of game time until the level ended
    // "summer" or "winter" by the bird, with ", boss" on a boss level; "rescue" for the water
    // carrier's level.
    std::string kind;

    bool won() const { return ending == EEnding::Won; }
    bool costALife() const { return ending == EEnding::Fell || ending == EEnding::Short || ending == EEnding::Broke; }
};

// Plays levels the way the game runs them: the application started as the game starts it
// (plain drawing on the dummy video driver), a new game at the level through the gameplay
// state, frames of 20 ms on a virtual clock, the pilot's keys as the player's key presses.
// The working directory must be the game directory.
class CLevelRunner
{
public:
    CLevelRunner();
    ~CLevelRunner();
    CLevelRunner(const CLevelRunner&) = delete;
    CLevelRunner& operator=(const CLevelRunner&) = delete;

    // The set's levels in playing order; none when the set has no level list.
    std::vector<std::string> levelsOf(const std::string& set) const;
    // One attempt at the level with the random generator seeded so (and the profile's own
    // generator too), until the level's verdict.
    CRunResult play(const std::string& set, const std::string& level, unsigned seed, EProfile profile);

private:
    CVirtualClock clock{1};
    CScopedClock installed{&clock};
    CApplication app;
    // The application installs its own input (the gamepad over SDL's queue) when it starts, so
    // the bot's keyboard is installed over it only after that.
    const bool started;
    CBotKeyboard keyboard;
};
