#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/clock.h"
#include "app/globals.h"
#include "entity/entity_controller.h"
#include "game/level.h"
#include "support/test_support.h"

// The level object with the game's prototype controllers, on level files of its own (see
// support/level_files.h) in a temporary runtime root, on a virtual clock. The sound engine knows the game's tick sounds and level-over voices,
// a WAV track "LETO" and an OGG track "ZIMA"; the audio device is paused, so every sound the
// level starts is still playing when the test looks, and a paused track tells whether it was
// started again.
class LevelTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    LevelTest();
    ~LevelTest() override;

    // Replaces the level by a new one playing the named level, as the game does.
    void play(const std::string& name);
    // Draws the level with its HUD onto a black screen.
    void draw();
    // One frame of play after 20 ms: the level's update, then its drawing.
    void frame();
    // The effects started since the last look, in channel order ("?" for one the fixture does
    // not know); they are stopped.
    static std::vector<std::string> heard();

    TempDir dir;
    ScopedChdir inDir{dir.path()};
    CVirtualClock clock{100000};
    CScopedClock installed{&clock};
    CGlobals& globals = CGlobals::instance();
    SDL_Surface* screen;
    int hudHeight = 0;
    CControllerList prototypes;
    std::unique_ptr<CLevel> level;
};
