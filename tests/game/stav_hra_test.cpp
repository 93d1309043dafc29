#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/application.h"
#include "app/clock.h"
#include "app/globals.h"
#include "frontend/password_list.h"
#include "frontend/stav_tip.h"
#include "game/level.h"
#include "game/stav_hra.h"
#include "gfx/font.h"
#include "gfx/video.h"
#include "level/level_list.h"
#include "support/gameplay_app.h"
#include "support/level_files.h"
#include "support/pad_events.h"
#include "support/scripted_input.h"
#include "support/surfaces.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace {

// A level set of three short levels on disk: "l1", "l6" (the level a password may start) and "l3",
// each 10 s long with a required score of 300, a bird in the open sky and solid ground.
class GameplayState : public GameplayTest
{
protected:
    GameplayState()
    {
        installTestWorld();
        writeLevelRoot(dir);
        dir.write("data/maps/easy/levellist.xml", R"(<level name="l1"/><level name="l6"/><level name="l3"/>)");
        for (const char* name : {"l1", "l6", "l3"})
            writeLevelFiles(dir, name, R"(score="300" maxWind="30" music="" time="10000")");
        globals.setDifficulty(0);
        globals.hints = true;
        CPasswordList::instance().clear();
        startGameplay();
    }
    ~GameplayState() override
    {
        app.shutdown();
        CPasswordList::instance().clear();
        globals.resetForNewGame();
        globals.interruptionLength = 0;
    }

    // Runs until the level clock has ended the level.
    void playOutTheClock() { frames(10000 / 20 + 2); }
};

TEST_F(GameplayState, OnePointShortLosesExactlyOneLifeOnceAndRetriesWithoutTheTitle)
{
    auto& gameplay = static_cast<CStavHry_Hra&>(*app.currentState);
    EXPECT_TRUE(gameplay.showingTitle());
    globals.levelScore = 299;
    playOutTheClock();
    EXPECT_FALSE(gameplay.showingTitle());  // its 3 s are long over
    EXPECT_TRUE(globals.levelOver);
    EXPECT_FALSE(globals.levelWon);
    EXPECT_EQ(globals.lives, 4u);
    frames(100);
    EXPECT_EQ(globals.lives, 4u);  // once, not every frame of the verdict
    EXPECT_EQ(globals.totalScore, 299u);
    frames(3500 / 20);
    EXPECT_FALSE(globals.endPending);  // loaded again from its files
    EXPECT_FALSE(gameplay.showingTitle());
    EXPECT_EQ(app.levelIndex, 0);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_FALSE(globals.levelOver);
    EXPECT_EQ(globals.levelScore, 0u);
    EXPECT_EQ(globals.lives, 4u);
}

TEST_F(GameplayState, AWonLevelLeadsToTheNextAndTheLastToTheEnding)
{
    CPasswordList::instance().add("l6", "plumb");
    const auto& gameplay = static_cast<const CStavHry_Hra&>(*app.currentState);
    const char* const names[] = {"l1", "l6", "l3"};
    for (Uint16 level = 0; level < 3; ++level) {
        ASSERT_EQ(app.levelIndex, level);
        EXPECT_EQ(gameplay.currentLevelName(), names[level]);
        EXPECT_EQ(app.level->displayName(), std::string("Pole ") + names[level]);
        globals.levelScore = 300;
        playOutTheClock();
        EXPECT_TRUE(globals.levelWon);
        const Uint32 verdict = clock.ticks();
        frames(3500 / 20 + 2);  // the verdict, then the first frame of what follows
        if (level == 0) {
            // The password of "l6" shows for 2 s and leaves the player on the pause screen.
            EXPECT_GE(clock.ticks() - verdict, 3500u + 2000u);
            ASSERT_EQ(app.currentStateName(), "PAUZA");
            input.keyDown(SDLK_SPACE);
            frames(1);
        }
        EXPECT_EQ(app.currentStateName(), level < 2 ? "HRA" : "OUTRO");
    }
    EXPECT_EQ(globals.lives, 5u);
    EXPECT_EQ(globals.totalScore, 900u);
}

TEST_F(GameplayState, AWonLevelShowsTheTotalAndTheNextLevelOpensItsHint)
{
    dir.write("data/maps/l6_hint.xml", "Pozor na kameny!");
    frames(1);
    ASSERT_TRUE(app.hintShown);  // "l1" has no hint: handled at its first frame
    globals.totalScore = 1200;
    globals.levelScore = 345;
    playOutTheClock();
    ASSERT_TRUE(globals.levelWon);
    app.level->getEntities().getPlayer()->setPosition(600, 400);  // out of the verdict's way
    glSDL_FillRect(glSDL_GetVideoSurface(), nullptr, 0);
    frames(1);

    SDL_Surface* expected = makeSurface(640, 480);
    const CFont& font = *app.largeFont;
    font.write(expected, "VYHRA!", 230, 210);
    font.write(expected, "CELKEM SKORE: 1545", 110, 240);
    for (const auto& [x, y, width] : {std::tuple{230, 210, font.textWidth("VYHRA!")},
                                      std::tuple{110, 240, font.textWidth("CELKEM SKORE: 1545")}}) {
        EXPECT_TRUE(anythingDrawn(expected, x, y, width, font.height()));
        EXPECT_TRUE(sameRegion(glSDL_GetVideoSurface(), expected, x, y, width, font.height()))
            << "at (" << x << ", " << y << ")";
    }
    SDL_FreeSurface(expected);

    frames(3500 / 20 + 2);
    EXPECT_EQ(app.levelIndex, 1);
    EXPECT_EQ(app.currentStateName(), "TIP");
}

TEST_F(GameplayState, TheLastLifeEndsTheGameInTheNameEntry)
{
    globals.lives = 1;
    playOutTheClock();
    EXPECT_EQ(globals.lives, 0u);
    frames(3500 / 20 + 2);
    EXPECT_EQ(app.currentStateName(), "ENTERTOP10");
    EXPECT_FALSE(app.gameInProgress);
    EXPECT_EQ(globals.menuName, "mainMenu");
}

TEST_F(GameplayState, PausingDuringTheVerdictShiftsTheEndTimer)
{
    playOutTheClock();
    ASSERT_TRUE(globals.endPending);
    frames(50);  // 1 s of the verdict's 3.5 s
    input.keyDown(SDLK_p);
    frames(1);
    ASSERT_EQ(app.currentStateName(), "PAUZA");
    frames(250);  // a pause of 5 s
    input.keyDown(SDLK_SPACE);
    frames(1);
    ASSERT_EQ(app.currentStateName(), "HRA");
    frames(2400 / 20);
    EXPECT_TRUE(globals.endPending);  // 2.5 s of the verdict were still left
    frames(200 / 20);
    EXPECT_FALSE(globals.endPending);  // the level was loaded again
}

TEST_F(GameplayState, APasswordLevelShowsItsPasswordThenPauses)
{
    CPasswordList::instance().add("l6", "plumb");
    frames(1);
    EXPECT_EQ(app.currentStateName(), "HRA");  // "l1" has no password
    app.enterState("HRA");  // what the password screen does before it loads the level
    ASSERT_TRUE(app.startGameAtLevel("l6"));
    Uint32 before = clock.ticks();
    frames(1);
    EXPECT_EQ(app.currentStateName(), "PAUZA");
    EXPECT_GE(clock.ticks() - before, 2000u);  // the password stayed on screen for 2 s
}

TEST_F(GameplayState, ThePasswordScreenCostsNoPlayTime)
{
    CPasswordList::instance().add("l1", "jaro");
    const auto& gameplay = static_cast<const CStavHry_Hra&>(*app.currentState);
    frames(1);
    ASSERT_EQ(app.currentStateName(), "PAUZA");
    frames(50);  // a second on the pause screen
    input.keyDown(SDLK_SPACE);
    frames(1);
    ASSERT_EQ(app.currentStateName(), "HRA");
    frames(2800 / 20);  // 2.8 s of play, and no more, since the level began
    EXPECT_TRUE(gameplay.showingTitle());
    ASSERT_NE(globals.levelClock, nullptr);
    EXPECT_LT(globals.levelClock->elapsed(), 3000);
    EXPECT_GT(globals.levelClock->elapsed(), 2700);
    frames(7000 / 20);
    EXPECT_FALSE(globals.levelOver);  // the whole 10 s are there to play
    frames(400 / 20);
    EXPECT_TRUE(globals.levelOver);
}

TEST_F(GameplayState, TheHintOpensOncePerLevelWhenHintsAreOn)
{
    dir.write("data/maps/l1_hint.xml", "Trefuj lidi!");
    app.startNewGameLevels();
    app.hintShown = false;
    frames(1);
    EXPECT_EQ(app.currentStateName(), "TIP");
    app.switchTo("HRA");
    frames(5);
    EXPECT_EQ(app.currentStateName(), "HRA");

    globals.hints = false;
    app.startNewGameLevels();
    app.hintShown = false;
    frames(3);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_FALSE(app.hintShown);  // switching hints on later still shows it
}

TEST_F(GameplayState, EscapeOpensTheInGameMenuWithoutCountingTheLevelTwice)
{
    frames(1);
    globals.levelScore = 450;
    input.keyDown(SDLK_ESCAPE);
    input.keyDown(SDLK_ESCAPE);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_EQ(globals.menuName, "inGameMenu");
    EXPECT_EQ(globals.totalScore, 0u);
    app.switchTo("HRA");
    playOutTheClock();
    EXPECT_EQ(globals.totalScore, 450u);
}

TEST_F(GameplayState, RestartGoesBackToTheFirstLevel)
{
    ASSERT_TRUE(app.startGameAtLevel("l3"));
    globals.totalScore = 700;
    input.keyDown(SDLK_r);
    frames(1);
    EXPECT_EQ(app.levelIndex, 0);
    EXPECT_EQ(globals.totalScore, 0u);
    EXPECT_EQ(app.level->displayName(), "Pole l1");
}

TEST_F(GameplayState, ThePadFliesTheBirdShootsAndPauses)
{
    CScopedInput padInput(app.gamepad);
    frames(1);
    const CMapEntity* bird = app.level->getEntities().getPlayer();
    ASSERT_NE(bird, nullptr);
    const float start = bird->getX();
    pushHat(SDL_HAT_RIGHT);
    frames(20);
    pushHat(SDL_HAT_CENTERED);
    frames(1);
    const float right = bird->getX();
    EXPECT_GT(right, start + 20);
    pushAxis(0, -32768);
    frames(20);
    pushAxis(0, 0);
    frames(1);
    EXPECT_LT(bird->getX(), right - 20);

    const Uint32 ammo = globals.ammo;
    pushButton(0, true);
    pushButton(0, false);
    frames(1);
    EXPECT_EQ(globals.ammo, ammo - 1);

    pushButton(7, true);
    pushButton(7, false);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "PAUZA");
    frames(5);
    pushButton(0, true);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "HRA");
    pushButton(0, false);
    frames(1);
    EXPECT_EQ(globals.ammo, ammo - 1);  // the Return that ended the pause shot nothing
}

TEST_F(GameplayState, AQuitEventStopsTheGame)
{
    input.quit();
    frames(1);
    EXPECT_FALSE(app.running);
}

}
