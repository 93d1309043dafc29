#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/video.h"
#include "level_fixture.h"
#include "support/level_files.h"
#include "support/surfaces.h"
#include "support/test_world.h"

namespace {

bool clockShown(SDL_Surface* screen, int hudHeight) { return anythingDrawn(screen, 280, 24, 80, hudHeight); }

TEST_F(LevelTest, TheClockTicksOnceASecondFromFiveAndRingsAtZero)
{
    writeLevelFiles(dir, "l1", R"(score="300" time="10000")");
    play("l1");
    heard();
    std::vector<std::string> sounds;
    for (Uint32 at = 250; at <= 10500; at += 250) {
        clock.advance(250);
        draw();
        for (const std::string& name : heard())
            sounds.push_back(std::to_string(at) + " " + name);
    }
    // 5 s are left from 4001 ms on: the first draw after that ticks, each further second once.
    EXPECT_EQ(sounds, (std::vector<std::string>{"4250 TICK1", "5250 TICK1", "6250 TICK1", "7250 TICK1",
                                                "8250 TICK1", "9250 TICK2"}));
}

TEST_F(LevelTest, OnceTheLevelIsOverTheClockIsNeitherShownNorHeardButScoreAndLivesAre)
{
    writeLevelFiles(dir, "l1", R"(score="300" time="10000")");
    play("l1");
    clock.advance(4250);
    draw();
    EXPECT_TRUE(clockShown(screen, hudHeight));
    EXPECT_EQ(heard(), std::vector<std::string>{"TICK1"});

    globals.levelOver = true;
    clock.advance(1000);
    draw();
    EXPECT_FALSE(clockShown(screen, hudHeight));
    EXPECT_TRUE(heard().empty());
    EXPECT_TRUE(anythingDrawn(screen, 85, 18, 40, hudHeight));   // the level score
    EXPECT_TRUE(anythingDrawn(screen, 570, 18, 40, hudHeight));  // the lives
}

TEST_F(LevelTest, TheHudIsDrawnOverTheActors)
{
    writeLevelFiles(dir, "l1", R"(score="300" time="10000")");
    play("l1");
    addRedSprite();
    for (int x = 80; x < 130; x += 10)  // red squares behind the score's place
        for (int y = 10; y < 20 + hudHeight; y += 10)
            level->getEntities().add(std::make_unique<CTestEntity>("RED10", static_cast<float>(x), static_cast<float>(y)));
    globals.levelScore = 808;
    draw();

    // The score as the HUD font draws it over red: it must be there, not under the squares.
    SDL_Surface* expected = makeSurface(640, 480);
    paint(expected, 80, 10, 50, 30 + hudHeight, 255, 0, 0);
    loadFont("font1.png")->write(expected, "808", 85, 18);
    auto differ = [](Uint32 a, Uint32 b, int by) {
        for (int shift : {0, 8, 16})
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > by)
                return true;
        return false;
    };
    int glyphPixels = 0, wrongPixels = 0;
    for (int y = 18; y < 18 + hudHeight; ++y)
        for (int x = 85; x < 125; ++x) {
            const Uint32 want = colourAt(expected, x, y);
            glyphPixels += differ(want, 0xFF0000u, 32);
            wrongPixels += differ(colourAt(screen, x, y), want, 3);  // blending may round apart
        }
    SDL_FreeSurface(expected);
    EXPECT_GT(glyphPixels, 20);
    EXPECT_EQ(wrongPixels, 0);
}

TEST_F(LevelTest, TheNextLevelKeepsItsTrackPlayingStartsAnotherOrStopsForNone)
{
    writeLevelFiles(dir, "summer", R"(music="LETO")");
    writeLevelFiles(dir, "summer2", R"(music="LETO")");
    writeLevelFiles(dir, "winter", R"(music="ZIMA")");
    writeLevelFiles(dir, "quiet", R"(music="")");
    play("summer");
    ASSERT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_GetMusicType(nullptr), MUS_WAV);
    Mix_PauseMusic();  // a mark: starting any track again clears it

    play("summer2");
    draw();
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_TRUE(Mix_PausedMusic());  // the same track goes on, never restarted

    play("winter");
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_EQ(Mix_GetMusicType(nullptr), MUS_OGG);
    EXPECT_EQ(globals.musicPlaying, "ZIMA");
    globals.musicPlaying = "MENU";  // a menu played its own track meanwhile
    Mix_PauseMusic();
    draw();
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_EQ(Mix_GetMusicType(nullptr), MUS_OGG);
    EXPECT_EQ(globals.musicPlaying, "ZIMA");

    play("quiet");
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(globals.musicPlaying, "");
}

TEST_F(LevelTest, TheHintIsReadFromTheMapsFolderWhateverTheLevelSet)
{
    writeLevelFiles(dir, "l1", "");
    writeLevelFiles(dir, "l2", "");
    dir.write("data/maps/l1_hint.xml", "Trefuj lidi!");
    dir.write("data/maps/easy/l1_hint.xml", "not this one");
    dir.write("data/maps/easy/l2_hint.xml", "nor this one");
    play("l1");
    EXPECT_EQ(level->hintText(), "Trefuj lidi!");
    play("l2");
    EXPECT_EQ(level->hintText(), "");
}

}
