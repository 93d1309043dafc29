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
#include "support/sound_probe.h"
#include "support/test_support.h"

// The level object with the game's prototype controllers, on level files of its own (see
// support/level_files.h) in a temporary runtime root, on a virtual clock. The sound engine hears
// the tick sounds and the level-over voices through a probe and knows a WAV track "LETO" and an
// OGG track "ZIMA", so that the type of the music playing tells which one it is; a paused track
// tells whether it was started again.
class LevelTest : public ::testing::Test
{
protected:
    LevelTest();
    ~LevelTest() override;

    // Replaces the level by a new one playing the named level, as the game does.
    void play(const std::string& name);
    // Draws the level with its HUD onto a black screen.
    void draw();
    // One frame of play after 20 ms: the level's update, then its drawing.
    void frame();
    // The probed effects started since the last look, in name order; they are stopped.
    std::vector<std::string> heard() const;

    CSoundProbe sounds{"TICK1", "TICK2", "NADAVANI2", "SMICH"};
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
