// SDL's event queue as the game sees it (dummy video driver, a plain screen of scale 2): mouse
// positions arrive in the picture's pixels, and Alt+Enter switches full screen, saves the
// switch in "video.cfg" and never reaches the states.
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/input.h"
#include "app/paths.h"
#include "app/window_events.h"
#include "gfx/video.h"
#include "options/options.h"
#include "support/test_support.h"

namespace {

class WindowEvents : public ::testing::Test
{
protected:
    WindowEvents()
    {
        glSDL_SetScale(2);
        glSDL_ForcePlainPath(true);
        CVideoOptions::instance().setFullscreen(false);
        glSDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF | GLSDL_OPENGL);
        SDL_Event pending;
        while (SDL_PollEvent(&pending)) {
        }
    }
    ~WindowEvents() override
    {
        glSDL_SetScale(0);
        glSDL_ForcePlainPath(false);
        CVideoOptions::instance().setFullscreen(false);
        SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

    static SDL_Event key(Uint8 type, SDLKey sym, SDLMod mod)
    {
        SDL_Event event = {};
        event.type = type;
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = mod;
        return event;
    }

    TempDir dir;
    ScopedChdir inDir{dir.path()};
};

TEST_F(WindowEvents, MousePositionsArriveInThePicture)
{
    ASSERT_EQ(SDL_GetVideoSurface()->w, 1280);
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 1279;
    motion.motion.y = 501;
    push(motion);
    SDL_Event click = {};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.x = 141;
    click.button.y = 490;
    push(click);

    SDL_Event event;
    ASSERT_EQ(pollEvent(&event), 1);
    EXPECT_EQ(event.type, SDL_MOUSEMOTION);
    EXPECT_EQ(event.motion.x, 639);
    EXPECT_EQ(event.motion.y, 250);
    ASSERT_EQ(pollEvent(&event), 1);
    EXPECT_EQ(event.type, SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(event.button.x, 70);
    EXPECT_EQ(event.button.y, 245);
    EXPECT_EQ(pollEvent(&event), 0);
}

TEST_F(WindowEvents, AltEnterSwitchesFullScreenSavesItAndIsNotPassedOn)
{
    push(key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT));
    push(key(SDL_KEYUP, SDLK_RETURN, KMOD_LALT));
    push(key(SDL_KEYDOWN, SDLK_RETURN, KMOD_NONE));
    SDL_Event event;
    ASSERT_EQ(pollEvent(&event), 1);
    EXPECT_EQ(event.type, SDL_KEYDOWN);
    EXPECT_EQ(event.key.keysym.mod, KMOD_NONE) << "a plain Return goes to the game";
    EXPECT_EQ(pollEvent(&event), 0);

    EXPECT_TRUE(glSDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_TRUE(CVideoOptions::instance().getFullscreen());
    EXPECT_EQ(readFile(playerConfigFile("video.cfg")), videoOptionsText(CVideoOptions::instance()));
    EXPECT_EQ(readFile(playerConfigFile("video.cfg")).substr(0, 13), "FULLSCREEN 1\n");
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);

    push(key(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT));
    EXPECT_EQ(pollEvent(&event), 0);
    EXPECT_FALSE(glSDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 1280);
    EXPECT_EQ(readFile(playerConfigFile("video.cfg")).substr(0, 13), "FULLSCREEN 0\n");
}

TEST_F(WindowEvents, ThePointerIsHiddenFromTheFirstModeSetOn)
{
    SDL_ShowCursor(SDL_ENABLE);
    glSDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    ASSERT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    // A first mode set: no screen of the layer yet.
    glSDL_Quit();
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_AUDIO), 0);
    SDL_ShowCursor(SDL_ENABLE);
    setVideoMode();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
}

}
