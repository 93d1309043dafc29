// The start-up reads the player's options before it acts on them: the audio options before the
// first track starts, the video options before the window is made.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/application.h"
#include "app/command_line.h"
#include "gfx/video.h"
#include "support/test_support.h"

namespace {

// Starts the game from the shipped data with these option files in a fresh home, then says on
// standard error whether music plays and whether the screen is a full-screen one. It runs in a
// child process started afresh (so that nothing the other checks left behind, such as a screen
// or a sound engine, takes part), where the video subsystem is shut first so that the start-up
// makes the screen itself, as it does when the program starts.
void startAndReport(const std::string& audioCfg, const std::string& videoCfg)
{
    TempDir home;
    home.write(".config/zepo/audio.cfg", audioCfg);
    home.write(".config/zepo/video.cfg", videoCfg);
    ScopedHome player(home.path());
    ScopedChdir inGame(ZEPO_GAME_DIR);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    const char* argv[] = {"zepo", "--software"};
    CApplication app(parseCommandLine(2, const_cast<char**>(argv)));
    app.initialise();
    const SDL_Surface* screen = glSDL_GetVideoSurface();
    std::fprintf(stderr, "music %s, %s\n", Mix_PlayingMusic() ? "on" : "off",
                 screen && (screen->flags & SDL_FULLSCREEN) ? "full screen" : "window");
    std::fflush(stderr);
    std::_Exit(0);
}

TEST(StartUp, TheOptionFilesAreInForceBeforeTheFirstTrackAndTheWindow)
{
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(startAndReport("SOUND 1\nMUSIC 0", "FULLSCREEN 1\nDIF 0\nHINTS 1\n"), ::testing::ExitedWithCode(0),
                "music off, full screen");
    EXPECT_EXIT(startAndReport("SOUND 1\nMUSIC 1", "FULLSCREEN 0\nDIF 0\nHINTS 1\n"), ::testing::ExitedWithCode(0),
                "music on, window");
    GTEST_FLAG_SET(death_test_style, style);
}

}
