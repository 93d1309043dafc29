#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "front_end_fixture.h"
#include "frontend/rising_hearts.h"
#include "frontend/stav_enter_password.h"
#include "frontend/stav_enter_top10.h"
#include "game/level.h"
#include "game/stav_hra.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "level/level_list.h"
#include "level/level_set.h"
#include "support/surfaces.h"

namespace {

void type(CScriptedInput& input, const std::string& text)
{
    for (char c : text)
        input.keyDown(SDLK_UNKNOWN, static_cast<Uint16>(c));
}

void pressReturn(CScriptedInput& input)
{
    input.keyDown(SDLK_RETURN, 13);
}

// The name entry after a game that was played in the state "HRA".
class NameEntryTest : public FrontEndTest
{
protected:
    NameEntryTest() : gameplay(record("HRA")), menu(record("INTRO")), entry(add<CStavHry_EnterTop10>())
    {
        app.enterState("HRA");
        app.enterState("ENTERTOP10");
        for (Uint32 score = 1000; score > 100; score -= 100)
            app.highScores.insert("old", score);  // nine entries, the lowest 200
        globals.totalScore = 450;
    }
    void visit()
    {
        app.switchTo("ENTERTOP10");
        frames(1);
    }

    CRecordingState& gameplay;
    CRecordingState& menu;
    CStavHry_EnterTop10& entry;
};

TEST_F(NameEntryTest, ATypedNameGoesIntoTheTableAndTheFile)
{
    visit();
    type(input, "abcdef");
    frames(1);
    EXPECT_EQ(entry.typedName(), "abcde");
    EXPECT_EQ(app.currentStateName(), "ENTERTOP10");

    SDL_Surface* expected = makeSurface(640, 480);
    glSDL_FillRect(screen(), nullptr, 0);
    frames(1);
    app.largeFont->write(expected, "vloz jmeno: abcde", 150, 210);
    // The hearts are drawn over everything; compare where none can be (their pictures are blank here).
    EXPECT_TRUE(sameRegion(screen(), expected, 0, 210, 640, app.largeFont->height()));
    SDL_FreeSurface(expected);

    pressReturn(input);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_EQ(gameplay.left, 1);
    ASSERT_EQ(app.highScores.count(), 10u);
    EXPECT_EQ(app.highScores.entry(6).name, "abcde");
    EXPECT_EQ(app.highScores.entry(6).score, 450u);
    EXPECT_EQ(readFile(".local/share/zepo/top10.bin"), highScoreFileBytes(app.highScores));
}

TEST_F(NameEntryTest, BackspaceAtFiveAndAnEmptyNameAndTheNameKeptForTheNextGame)
{
    visit();
    type(input, "abcde\b\b\b\b\b\b");
    pressReturn(input);
    frames(1);
    EXPECT_EQ(app.highScores.entry(6).name, "");
    EXPECT_EQ(app.highScores.entry(6).score, 450u);

    app.enterState("HRA");
    globals.totalScore = 5000;
    visit();
    type(input, "jan");
    frames(1);
    pressReturn(input);
    frames(1);
    EXPECT_EQ(app.highScores.entry(0).name, "jan");
    visit();
    EXPECT_EQ(entry.typedName(), "jan");
}

TEST_F(NameEntryTest, AScoreThatDoesNotQualifyGoesStraightToTheMenu)
{
    app.highScores = CHighScoreTable();
    for (Uint32 score = 500; score < 1500; score += 100)
        app.highScores.insert("full", score);
    globals.totalScore = 500;
    visit();
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_EQ(app.highScores.count(), 10u);
    EXPECT_EQ(gameplay.left, 1);
    EXPECT_FALSE(fileExists(".local/share/zepo/top10.bin"));
}

TEST_F(NameEntryTest, FiftyHeartsRiseAndComeBackFromBelow)
{
    std::srand(7);
    CRisingHearts hearts;
    ASSERT_EQ(hearts.hearts().size(), 50u);
    for (const auto& heart : hearts.hearts()) {
        EXPECT_GE(heart.x, 0);
        EXPECT_LT(heart.x, 600);
        EXPECT_GE(heart.y, 0);
        EXPECT_LT(heart.y, 500);
        EXPECT_TRUE(heart.speed >= -3 && heart.speed <= -1);
    }
    globals.frameFactor = 1.0f;
    const float firstY = hearts.hearts()[0].y;
    const int firstSpeed = hearts.hearts()[0].speed;
    hearts.moveAndDraw(screen());
    EXPECT_FLOAT_EQ(hearts.hearts()[0].y, firstY + firstSpeed);

    // A heart that leaves the top of the screen is replaced by a new one at the bottom, last in
    // the list (a new heart has not moved yet: it is the only one at exactly 500).
    auto renewed = [&] {
        for (const auto& heart : hearts.hearts())
            if (heart.y == 500.0f)
                return true;
        return false;
    };
    int steps = 0;
    while (!renewed() && steps++ < 1000)
        hearts.moveAndDraw(screen());
    ASSERT_EQ(hearts.hearts().size(), 50u);
    EXPECT_FLOAT_EQ(hearts.hearts().back().y, 500.0f);
    for (const auto& heart : hearts.hearts()) {
        EXPECT_GE(heart.y, -53.0f);
        EXPECT_EQ(heart.sprite->getY(), static_cast<int>(heart.y));
    }
}

// The password screen with the real gameplay state and the test level set "l1", "l6", "l1b".
class PasswordTest : public FrontEndTest
{
protected:
    PasswordTest() : gameplay(add<CStavHry_Hra>()), menu(record("INTRO")), entry(add<CStavHry_EnterPassword>())
    {
        record("PAUZA");
        record("TIP");
        app.enterState("ENTERPASSWORD");
        app.switchTo("ENTERPASSWORD");
    }

    CStavHry_Hra& gameplay;
    CRecordingState& menu;
    CStavHry_EnterPassword& entry;
};

TEST_F(PasswordTest, TheSecondPasswordStartsTheGameAtItsLevel)
{
    type(input, "grivelk");
    pressReturn(input);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_FALSE(gameplay.isInactive());
    ASSERT_TRUE(app.levelList);
    EXPECT_EQ(app.levelIndex, 2);
    EXPECT_EQ(app.level->displayName(), "Pole l1b");
}

TEST_F(PasswordTest, AWrongPasswordOrAnEmptyOneReturnsToTheMenu)
{
    type(input, "GRIVELK");
    pressReturn(input);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_TRUE(gameplay.isInactive());

    app.switchTo("ENTERPASSWORD");
    frames(1);
    EXPECT_EQ(entry.typedText(), "GRIVELK");  // kept between visits
    type(input, "\b\b\b\b\b\b\b");
    pressReturn(input);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");

    app.switchTo("ENTERPASSWORD");
    input.keyDown(SDLK_ESCAPE, 27);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");
}

TEST_F(PasswordTest, EightCharactersAtMostAndTheTextIsShown)
{
    type(input, "abcdefghij");
    frames(1);
    EXPECT_EQ(entry.typedText(), "abcdefgh");
    type(input, "\bX");
    glSDL_FillRect(screen(), nullptr, 0);
    frames(1);
    EXPECT_EQ(entry.typedText(), "abcdefgX");
    SDL_Surface* expected = makeSurface(640, 480);
    app.largeFont->write(expected, "   heslo: abcdefgX", 140, 210);
    EXPECT_TRUE(sameRegion(screen(), expected, 0, 210, 640, app.largeFont->height()));
    SDL_FreeSurface(expected);
}

TEST_F(PasswordTest, InASetOfThePlayersWithoutItsLevelAPasswordLeadsIntoTheDifficultysSet)
{
    const CLevelSet mine = playerLevelSet("mine");
    std::filesystem::create_directories(mine.folder);
    std::filesystem::copy_file(dir.file("data/maps/easy/l1_map.xml"), mine.mapFile("l1"));
    std::filesystem::copy_file(dir.file("data/maps/easy/l1_entities.xml"), mine.entitiesFile("l1"));
    std::ofstream(mine.definitionFile("l1")) << R"(<level tiledef="tiles.xml" name="Moje l1"/>)";
    std::ofstream(mine.levelList()) << R"(<level name="l1"/>)";
    globals.levelSet = "mine";
    app.startNewGameLevels();
    EXPECT_EQ(app.level->displayName(), "Moje l1");

    type(input, "grivelk");
    pressReturn(input);
    frames(1);
    std::filesystem::remove_all(mine.mapsFolder);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_EQ(globals.levelSet, "easy");
    EXPECT_EQ(app.levelIndex, 2);
    EXPECT_EQ(app.level->displayName(), "Pole l1b");
}

TEST_F(PasswordTest, APasswordWhoseLevelIsNotInTheListEndsTheGameWithAMessage)
{
    type(input, "tandor");
    pressReturn(input);
    EXPECT_EXIT(frames(1), ::testing::ExitedWithCode(255),
                "data/maps/easy/levellist.xml: Error: Good password, but level not found in level list!");
}

}
