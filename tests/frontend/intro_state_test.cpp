#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <string>

#include "front_end_fixture.h"
#include "frontend/stav_intro.h"
#include "gfx/font.h"
#include "options/options.h"
#include "sound/sound_engine.h"
#include "support/pad_events.h"
#include "support/surfaces.h"

namespace {

// The menu screen with stand-ins for the states its items lead to.
class IntroTest : public FrontEndTest
{
protected:
    IntroTest()
        : gameplay(record("HRA")), intro(add<CStavHry_Intro>()), password(record("ENTERPASSWORD")),
          credits(record("CREDITS"))
    {
        start("INTRO");
    }
    // An arrow key held for one move.
    void press(SDLKey key)
    {
        input.keyDown(key);
        frames(4);
    }
    void choose()
    {
        input.keyDown(SDLK_RETURN);
        frames(1);
    }
    // The text as the given font draws it at (x, y) on a black screen matches the screen there.
    bool shows(const CFont& font, const std::string& text, int x, int y)
    {
        SDL_Surface* expected = makeSurface(640, 480);
        font.write(expected, text, x, y);
        const int width = font.textWidth(text);
        const bool same = sameRegion(screen(), expected, x, y, width, font.height()) &&
                          anythingDrawn(expected, x, y, width, font.height());
        SDL_FreeSurface(expected);
        return same;
    }
    void blank() { glSDL_FillRect(screen(), nullptr, 0); }

    CRecordingState& gameplay;
    CStavHry_Intro& intro;
    CRecordingState& password;
    CRecordingState& credits;
};

TEST_F(IntroTest, TheFirstScreenIsTheMainMenuWithHrajSelectedInTheLargeFont)
{
    frames(1);
    EXPECT_EQ(intro.menus().currentName(), "mainMenu");
    const CFont& large = *app.largeFont;
    EXPECT_TRUE(shows(large, ">hraj", 70, 245));
    EXPECT_TRUE(shows(large, " heslo", 70, 245 + large.height()));
    EXPECT_TRUE(shows(large, " konec", 70, 245 + 4 * large.height()));
}

TEST_F(IntroTest, TheOptionsUseTheSmallFontAndTheirBackItemReturnsToTheMenuThatLedThere)
{
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    choose();
    blank();
    frames(1);
    EXPECT_EQ(intro.menus().currentName(), "optionsMenu");
    EXPECT_TRUE(shows(*app.smallFont, ">Obtiznost: spacek", 70, 245));
    EXPECT_TRUE(shows(*app.smallFont, " [X] ukazuj hinty", 70, 245 + app.smallFont->height()));

    input.keyDown(SDLK_ESCAPE);  // "zpet"
    frames(2);
    EXPECT_EQ(intro.menus().currentName(), "mainMenu");

    app.gameInProgress = true;
    globals.menuName = "optionsMenu";
    frames(1);
    press(SDLK_UP);  // "zpet" is the last item
    choose();
    EXPECT_EQ(intro.menus().currentName(), "inGameMenu");
}

TEST_F(IntroTest, ThePadWalksTheMenus)
{
    CScopedInput padInput(app.gamepad);
    frames(1);
    pushHat(SDL_HAT_DOWN);
    frames(4);
    pushHat(SDL_HAT_CENTERED);
    pushAxis(1, 30000);
    frames(4);
    pushAxis(1, 0);
    frames(1);
    pushButton(0, true);
    pushButton(0, false);
    frames(1);
    EXPECT_EQ(intro.menus().currentName(), "optionsMenu");
    pushButton(1, true);  // "zpet"
    pushButton(1, false);
    frames(2);
    EXPECT_EQ(intro.menus().currentName(), "mainMenu");
    EXPECT_TRUE(app.running);
}

TEST_F(IntroTest, EscapeOnTheMainMenuQuits)
{
    input.keyDown(SDLK_ESCAPE);
    frames(1);
    EXPECT_FALSE(app.running);
}

TEST_F(IntroTest, EscapeOnTheInGameMenuGoesBackToTheGame)
{
    app.gameInProgress = true;
    globals.menuName = "inGameMenu";
    app.switchTo("INTRO");
    frames(1);
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    press(SDLK_DOWN);  // "konec" selected: Escape still does not quit
    input.keyDown(SDLK_ESCAPE);
    frames(1);
    EXPECT_TRUE(app.running);
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_EQ(gameplay.entered, 0);  // the game goes on, it is not started again
    EXPECT_TRUE(app.gameInProgress);
}

TEST_F(IntroTest, TheHighScoresSitBesideTheMenuWithTheirScoresEndingAt590)
{
    const char* names[] = {"ada", "bo", "cyd", "dan", "eva", "fe", "gus", "hal", "ivo", "JANA"};
    for (Uint32 i = 0; i < 10; ++i)
        app.highScores.insert(names[i], 1234567 - i * 1000);
    frames(1);
    const CFont& small = *app.smallFont;
    EXPECT_TRUE(shows(small, "1. ada", 350, 240));
    EXPECT_TRUE(shows(small, "1,234,567", 590 - small.textWidth("1,234,567"), 240));
    EXPECT_TRUE(shows(small, "10. JANA", 350, 240 + 9 * small.height()));
    EXPECT_TRUE(shows(small, "1,225,567", 590 - small.textWidth("1,225,567"), 240 + 9 * small.height()));

    CHighScoreTable two;
    two.insert("ada", 5);
    two.insert("bo", 4);
    app.highScores = two;
    blank();
    frames(1);
    EXPECT_TRUE(shows(small, "2. bo", 350, 240 + small.height()));
    EXPECT_FALSE(anythingDrawn(screen(), 345, 240 + 2 * small.height(), 295, 8 * small.height()));
}

TEST_F(IntroTest, TheMenuMusicStartsAgainAfterALevelWithOtherMusic)
{
    frames(1);
    EXPECT_EQ(globals.musicPlaying, "MENU");
    globals.musicPlaying = "LETO";
    frames(1);
    EXPECT_EQ(globals.musicPlaying, "MENU");
}

// The sound engine, opened once for the program, with "MENU" a WAV track and "LETO" an Ogg one:
// the type of the music playing tells which of them it is.
void openEngineWithTwoTracks()
{
    static bool opened = false;
    if (opened)
        return;
    opened = true;
    CSoundEngine& engine = CSoundEngine::instance();
    engine.open();
    const std::string sfx = std::string(ZEPO_GAME_DIR) + "/data/sfx/";
    engine.addMusic(sfx + "vitr.wav", "MENU");
    engine.addMusic(sfx + "bird01.ogg", "LETO");
}

TEST_F(IntroTest, TheAudioMenusMusicSwitchHaltsTheMusicAndStartsTheMenuTrack)
{
    openEngineWithTwoTracks();
    globals.musicPlaying = "LETO";  // the in-game menu over a summer level
    frames(1);
    ASSERT_TRUE(Mix_PlayingMusic());
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    choose();  // "volby"
    for (int i = 0; i < 4; ++i)
        press(SDLK_DOWN);
    choose();  // "audio"
    ASSERT_EQ(intro.menus().currentName(), "audioMenu");

    choose();  // "hudba" off
    EXPECT_FALSE(CAudioOptions::instance().getMusic());
    EXPECT_FALSE(Mix_PlayingMusic());
    frames(5);
    EXPECT_FALSE(Mix_PlayingMusic());
    choose();  // and on again
    EXPECT_TRUE(CAudioOptions::instance().getMusic());
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_GetMusicType(nullptr), MUS_WAV) << "the menu's track, no other";
    Mix_HaltMusic();
}

TEST_F(IntroTest, HrajStartsANewGameAndPokracujGoesBackWithoutStartingAgain)
{
    choose();
    EXPECT_EQ(gameplay.entered, 1);
    EXPECT_EQ(app.currentStateName(), "HRA");

    // In play, Escape opens the in-game menu.
    app.gameInProgress = true;
    globals.menuName = "inGameMenu";
    app.switchTo("INTRO");
    blank();
    frames(1);
    EXPECT_EQ(intro.menus().currentName(), "inGameMenu");
    EXPECT_TRUE(shows(*app.largeFont, ">pokracuj", 70, 245));
    choose();
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_EQ(gameplay.entered, 1);
    EXPECT_EQ(gameplay.left, 0);
}

TEST_F(IntroTest, TheGameClockStandsStillWhileTheInGameMenuIsOpen)
{
    app.gameInProgress = true;
    globals.menuName = "inGameMenu";
    CTimer levelClock(3000);
    levelClock.expired();
    clock.advance(2000);  // one second left
    frames(250);  // five seconds in the menu
    choose();
    ASSERT_EQ(app.currentStateName(), "HRA");
    EXPECT_EQ(globals.interruptionLength, 0u);
    clock.advance(900);
    EXPECT_FALSE(levelClock.expired());
    clock.advance(200);
    EXPECT_TRUE(levelClock.expired());
}

TEST_F(IntroTest, ZrusHruEndsTheGameAndShowsTheMainMenu)
{
    app.enterState("HRA");
    app.gameInProgress = true;
    globals.menuName = "inGameMenu";
    frames(1);
    press(SDLK_DOWN);
    choose();
    EXPECT_FALSE(app.gameInProgress);
    EXPECT_EQ(gameplay.left, 1);
    EXPECT_EQ(intro.menus().currentName(), "mainMenu");
    EXPECT_EQ(globals.interruptionLength, 0u);
}

TEST_F(IntroTest, HesloAndCreditsLeadToTheirScreensOnlyBetweenGames)
{
    press(SDLK_DOWN);
    choose();
    EXPECT_EQ(app.currentStateName(), "ENTERPASSWORD");

    app.switchTo("INTRO");
    app.gameInProgress = true;
    globals.menuName = "mainMenu";
    for (int i = 0; i < 3; ++i)
        press(SDLK_DOWN);
    choose();
    EXPECT_EQ(app.currentStateName(), "INTRO");
    EXPECT_EQ(credits.entered, 0);

    app.gameInProgress = false;
    for (int i = 0; i < 3; ++i)  // an activated item hands the selection back to the first
        press(SDLK_DOWN);
    choose();
    EXPECT_EQ(credits.entered, 1);
    EXPECT_EQ(app.currentStateName(), "CREDITS");
}

}
