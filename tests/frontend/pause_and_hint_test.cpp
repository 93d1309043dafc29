#include <gtest/gtest.h>

#include "front_end_fixture.h"
#include "frontend/stav_pauza.h"
#include "frontend/stav_tip.h"
#include "game/level.h"
#include "gfx/font.h"
#include "support/surfaces.h"

namespace {

class InterruptionTest : public FrontEndTest
{
protected:
    InterruptionTest() : gameplay(record("HRA"))
    {
        add<CStavHry_Pauza>();
        add<CStavHry_Tip>();
        app.enterState("PAUZA");
        app.enterState("TIP");
        app.switchTo("HRA");
        levelClock.expired();
        clock.advance(2000);  // one second left
    }

    CRecordingState& gameplay;
    CTimer levelClock{3000};
};

TEST_F(InterruptionTest, AFiveSecondPauseLeavesATimerItsLastSecond)
{
    app.switchTo("PAUZA");
    frames(250);
    EXPECT_TRUE(globals.paused);
    EXPECT_GT(globals.interruptionLength, 4900u);
    input.keyDown(SDLK_a);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_FALSE(globals.paused);
    EXPECT_EQ(globals.interruptionLength, 0u);
    clock.advance(900);
    EXPECT_FALSE(levelClock.expired());
    clock.advance(200);
    EXPECT_TRUE(levelClock.expired());
}

TEST_F(InterruptionTest, AMouseButtonResumesAndTheWindowClosingEndsTheGame)
{
    app.switchTo("PAUZA");
    frames(2);
    input.mouseButton(10, 10);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "HRA");

    app.switchTo("PAUZA");
    input.quit();
    frames(1);
    EXPECT_FALSE(app.running);
}

TEST_F(InterruptionTest, TheHintIgnoresKeysForItsFirstSecond)
{
    app.switchTo("TIP");
    frames(1);
    input.keyDown(SDLK_SPACE);
    frames(25);
    EXPECT_EQ(app.currentStateName(), "TIP");
    frames(25);
    input.mouseButton(1, 1);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_EQ(globals.interruptionLength, 0u);
    clock.advance(900);
    EXPECT_FALSE(levelClock.expired());  // the second it was open does not count either
}

TEST_F(InterruptionTest, TheHintIsWrittenInLinesBesideThePicture)
{
    dir.write("data/maps/l1_hint.xml", "Ahoj|svete");
    app.level = std::make_unique<CLevel>();
    app.level->load("l1");
    glSDL_FillRect(screen(), nullptr, 0);
    app.switchTo("TIP");
    frames(1);
    const CFont& font = *app.smallFont;
    SDL_Surface* expected = makeSurface(640, 480);
    font.write(expected, "Ahoj", 195, 140);
    font.write(expected, "svete", 195, 140 + font.height());
    EXPECT_TRUE(sameRegion(screen(), expected, 0, 120, 640, 3 * font.height()));
    SDL_FreeSurface(expected);
}

TEST_F(FrontEndTest, HintWrapping)
{
    const CFont& font = *app.smallFont;
    EXPECT_EQ(wrapHint("kratka|veta", font), (std::vector<std::string>{"kratka", "veta"}));
    EXPECT_EQ(wrapHint("konec|", font), (std::vector<std::string>{"konec"}));
    EXPECT_TRUE(wrapHint("", font).empty());

    const std::string word(60, 'm');
    ASSERT_GT(font.textWidth(word), 250);
    EXPECT_EQ(wrapHint(word + " a", font), (std::vector<std::string>{word + " ", "a"}));

    // Lines end at the first space after 250 pixels, the space staying with the line.
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "slovo ";
    const std::vector<std::string> lines = wrapHint(text, font);
    ASSERT_GT(lines.size(), 1u);
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].back(), ' ');
        EXPECT_GT(font.textWidth(lines[i]), 250);
        EXPECT_LE(font.textWidth(lines[i].substr(0, lines[i].size() - 6)), 250);
    }
    std::string joined;
    for (const auto& line : lines)
        joined += line;
    EXPECT_EQ(joined, text);
}

}
