#include <gtest/gtest.h>

#include "front_end_fixture.h"
#include "frontend/stav_credits.h"
#include "frontend/stav_outro.h"
#include "frontend/stav_uvod.h"
#include "gfx/font.h"

namespace {

class StoryTest : public FrontEndTest
{
protected:
    StoryTest() : menu(record("INTRO")), story(add<CStavHry_Uvod>()) { start("UVOD"); }

    CRecordingState& menu;
    CStavHry_Uvod& story;
};

TEST_F(StoryTest, AKeyDuringTheLogoGoesStraightToTheMenu)
{
    frames(10);
    EXPECT_EQ(story.getStage(), 1);
    input.keyDown(SDLK_q);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_TRUE(story.isInactive());  // ended, so it is not ended again at shutdown
}

TEST_F(StoryTest, OnePictureEveryEightSecondsThenTheMenuAfter32Seconds)
{
    frames(1);
    const int stageAt[] = {1, 2, 3, 4};
    for (int stage : stageAt) {
        EXPECT_EQ(story.getStage(), stage);
        frames(399);
        EXPECT_EQ(story.getStage(), stage);
        EXPECT_EQ(app.currentStateName(), "UVOD");
        frames(1);
    }
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_TRUE(story.isInactive());
}

class CreditsTest : public FrontEndTest
{
protected:
    CreditsTest() : menu(record("INTRO")), credits(add<CStavHry_Credits>()) { start("CREDITS"); }

    CRecordingState& menu;
    CStavHry_Credits& credits;
};

TEST_F(CreditsTest, TheLineNamesTheGameAndScrollsInAgainFromTheRight)
{
    const std::string& line = credits.line();
    EXPECT_EQ(line.rfind("Z.E.P.O. ", 0), 0u);
    EXPECT_NE(line.find("2005"), std::string::npos);
    EXPECT_NE(line.find(" *** "), std::string::npos);
    EXPECT_GT(line.size(), 250u);
    EXPECT_LT(line.size(), 350u);
    for (char c : line)
        EXPECT_TRUE(c >= 32 && c < 127) << "not plain ASCII: " << int(c);

    frames(1);
    EXPECT_FLOAT_EQ(credits.lineX(), 637.0f);
    const int width = app.largeFont->textWidth(line);
    int passes = 0;
    while (credits.lineX() >= -width && passes++ < 10000)
        frames(1);
    EXPECT_LT(credits.lineX(), static_cast<float>(-width));
    frames(1);
    EXPECT_FLOAT_EQ(credits.lineX(), 637.0f);
}

TEST_F(CreditsTest, TheLineHasItsPartsInOrderAndEveryLetterHasAGlyph)
{
    const std::string& line = credits.line();
    const char* const parts[] = {"Z.E.P.O. ",        " *** namet, programovani a grafika: ", " *** hudba a zvuky: ",
                                 " *** dalsi grafika: ", " *** dalsi programovani: ",      " *** dekujeme testerum: ",
                                 " *** a komunite tvurcu her na www."};
    size_t from = 0;
    for (const char* part : parts) {
        const size_t at = line.find(part, from);
        ASSERT_NE(at, std::string::npos) << part;
        from = at + 1;
    }
    EXPECT_EQ(line.find("example"), std::string::npos);

    const CFont& large = *app.largeFont;
    SDL_Surface* letter = makeSurface(64, large.height());
    for (char c : line) {
        if (c == ' ')
            continue;
        SDL_FillRect(letter, nullptr, 0);
        large.write(letter, std::string(1, c), 8, 0);
        EXPECT_TRUE(anythingDrawn(letter, 0, 0, 64, large.height())) << "no glyph for '" << c << "'";
    }
    SDL_FreeSurface(letter);
}

TEST_F(CreditsTest, TheBackdropIsDrawnWithoutTheHud)
{
    glSDL_FillRect(screen(), nullptr, 0);
    frames(1);
    EXPECT_TRUE(anythingDrawn(screen(), 0, 10, 640, app.largeFont->height()));  // the line
    EXPECT_FALSE(anythingDrawn(screen(), 0, 10 + app.largeFont->height(), 640, 80));
    EXPECT_EQ(globals.musicPlaying, "MENU");
}

TEST_F(CreditsTest, AKeyEndsTheCreditsAndTheirLevel)
{
    frames(3);
    input.keyDown(SDLK_SPACE);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_TRUE(credits.isInactive());
    start("CREDITS");  // may be visited again, with a fresh backdrop
    frames(1);
    EXPECT_FLOAT_EQ(credits.lineX(), 637.0f);
}

class OutroTest : public FrontEndTest
{
protected:
    OutroTest() : nameEntry(record("ENTERTOP10")) { add<CStavHry_Outro>(); start("OUTRO"); }

    CRecordingState& nameEntry;
};

TEST_F(OutroTest, TheEndingPlaysItsMusicAndAKeyLeadsToTheNameEntry)
{
    app.gameInProgress = true;
    globals.musicPlaying = "LETO";
    frames(1);
    EXPECT_EQ(globals.musicPlaying, "FINAL");
    input.keyDown(SDLK_x);
    frames(1);
    EXPECT_EQ(app.currentStateName(), "ENTERTOP10");
    EXPECT_FALSE(app.gameInProgress);
    EXPECT_EQ(globals.menuName, "mainMenu");
    EXPECT_TRUE(app.running);
}

TEST_F(OutroTest, ClosingTheWindowEndsTheGame)
{
    input.quit();
    frames(1);
    EXPECT_FALSE(app.running);
}

}
