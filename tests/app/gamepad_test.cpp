#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "app/gamepad.h"
#include "demo/demo_sdl_sources.h"
#include "options/options.h"
#include "support/pad_events.h"

namespace {

// A key event as the checks read it: "down i", "up Return"; anything else by its type.
std::string describe(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return "event " + std::to_string(event.type);
    return std::string(event.type == SDL_KEYDOWN ? "down " : "up ") + SDL_GetKeyName(event.key.keysym.sym);
}

void pushKey(Uint8 type, SDLKey key)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

using Keys = std::vector<std::string>;

// The pad over SDL's own queue, with keys of the controls menu that no default has: i, k, j, l
// for up, down, left and right and the left Ctrl for the shot.
class GamepadTest : public ::testing::Test
{
protected:
    GamepadTest()
    {
        drainSdlQueue();
        keys.up = SDLK_i;
        keys.down = SDLK_k;
        keys.left = SDLK_j;
        keys.right = SDLK_l;
        keys.shoot = SDLK_LCTRL;
        pad.setPlaying(true);
    }
    ~GamepadTest() override
    {
        keys.up = SDLK_w;
        keys.down = SDLK_s;
        keys.left = SDLK_a;
        keys.right = SDLK_d;
        keys.shoot = SDLK_SPACE;
        drainSdlQueue();
    }
    // Every event the game reads now.
    Keys read()
    {
        Keys seen;
        SDL_Event event;
        while (pad.pollEvent(&event))
            seen.push_back(describe(event));
        return seen;
    }

    CControlOptions& keys = CControlOptions::instance();
    CSdlInput sdl;
    CGamepad pad{sdl};
};

TEST_F(GamepadTest, InPlayTheHatTheStickAndTheButtonsAreTheConfiguredKeys)
{
    pushHat(SDL_HAT_UP);
    pushHat(SDL_HAT_CENTERED);
    pushHat(SDL_HAT_LEFTDOWN);
    pushHat(SDL_HAT_CENTERED);
    EXPECT_EQ(read(), (Keys{"down i", "up i", "down k", "down j", "up k", "up j"}));
    pushAxis(0, 32767);
    pushAxis(0, 0);
    pushAxis(1, -32768);
    pushAxis(1, 0);
    EXPECT_EQ(read(), (Keys{"down l", "up l", "down i", "up i"}));
    for (Uint8 button : {0, 1, 7, 2, 3, 6}) {
        pushButton(button, true);
        pushButton(button, false);
    }
    EXPECT_EQ(read(), (Keys{"down left ctrl", "up left ctrl", "down escape", "up escape", "down p", "up p"}));
}

TEST_F(GamepadTest, ElsewhereTheDirectionsAreTheArrowsAndTheFirstButtonIsReturn)
{
    pad.setPlaying(false);
    pushHat(SDL_HAT_DOWN);
    pushHat(SDL_HAT_CENTERED);
    pushAxis(1, -20000);
    pushAxis(1, 0);
    pushAxis(0, 20000);
    pushAxis(0, 0);
    pushButton(0, true);
    pushButton(0, false);
    pushButton(7, true);
    pushButton(7, false);
    EXPECT_EQ(read(), (Keys{"down down", "up down", "down up", "up up", "down right", "up right", "down return",
                            "up return", "down p", "up p"}));

    // Typed as the keyboard types them: the name entry takes Return by its character.
    pushButton(0, true);
    SDL_Event event;
    ASSERT_TRUE(pad.pollEvent(&event));
    EXPECT_EQ(event.key.keysym.unicode, 13);
    EXPECT_EQ(event.key.state, SDL_PRESSED);
}

TEST_F(GamepadTest, AKeyIsReleasedAsTheKeyItWasPressedAsWhateverTheScreenIsNow)
{
    pushButton(0, true);
    EXPECT_EQ(read(), (Keys{"down left ctrl"}));
    pad.setPlaying(false);
    pushButton(0, false);
    pushHat(SDL_HAT_RIGHT);
    EXPECT_EQ(read(), (Keys{"up left ctrl", "down right"}));
    pad.setPlaying(true);
    pushHat(SDL_HAT_CENTERED);
    EXPECT_EQ(read(), (Keys{"up right"}));
}

TEST_F(GamepadTest, TheHatLetGoWhileTheStickPointsTheSameWayKeepsTheDirection)
{
    pushAxis(0, -30000);
    pushHat(SDL_HAT_LEFT);
    pushHat(SDL_HAT_CENTERED);
    EXPECT_EQ(read(), (Keys{"down j"}));
    pushAxis(0, -100);
    EXPECT_EQ(read(), (Keys{"up j"}));

    pushHat(SDL_HAT_UP);
    pushAxis(1, -30000);
    pushAxis(1, 0);
    EXPECT_EQ(read(), (Keys{"down i"}));
    pushHat(SDL_HAT_CENTERED);
    EXPECT_EQ(read(), (Keys{"up i"}));
}

TEST_F(GamepadTest, TheStickCountsOnlyBeyondAQuarterOfItsRangeAndPassingTheCentreReleases)
{
    pushAxis(0, -8192);
    pushAxis(0, 8192);
    pushAxis(1, 8192);
    EXPECT_EQ(read(), Keys{});
    pushAxis(0, 8193);
    pushAxis(0, 12000);  // further the same way: nothing new
    EXPECT_EQ(read(), (Keys{"down l"}));
    pushAxis(0, -8193);  // straight through the dead zone in one step
    EXPECT_EQ(read(), (Keys{"up l", "down j"}));
    pushAxis(0, 3000);
    EXPECT_EQ(read(), (Keys{"up j"}));
    // The other axes and other sticks are not the left stick.
    pushAxis(2, 32767);
    pushAxis(3, -32768);
    SDL_Event other{};
    other.type = SDL_JOYAXISMOTION;
    other.jaxis.which = 1;
    other.jaxis.value = 32767;
    SDL_PushEvent(&other);
    EXPECT_EQ(read(), Keys{});
}

TEST_F(GamepadTest, AKeyHeldOnTheKeyboardAndOnThePadGoesUpWhenTheLastOfThemLetsGo)
{
    pushKey(SDL_KEYDOWN, SDLK_j);
    pushHat(SDL_HAT_LEFT);
    pushHat(SDL_HAT_CENTERED);
    EXPECT_EQ(read(), (Keys{"down j"}));
    pushKey(SDL_KEYUP, SDLK_j);
    EXPECT_EQ(read(), (Keys{"up j"}));

    pushHat(SDL_HAT_LEFT);
    pushKey(SDL_KEYDOWN, SDLK_j);
    pushKey(SDL_KEYUP, SDLK_j);
    EXPECT_EQ(read(), (Keys{"down j"}));
    pushHat(SDL_HAT_CENTERED);
    EXPECT_EQ(read(), (Keys{"up j"}));

    // Keys the pad does not hold pass as they are, and so does everything else.
    pushKey(SDL_KEYDOWN, SDLK_q);
    pushKey(SDL_KEYUP, SDLK_q);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(read(), (Keys{"down q", "up q", "event " + std::to_string(SDL_QUIT)}));
}

class CStill : public CStavHry
{
public:
    using CStavHry::CStavHry;
    void enter(CApplication*) override {}
    void frame() override {}
    void leave() override {}
};

TEST(GamepadOfTheGame, PlayIsTheStateHraAndEveryOtherStateIsAScreenOfMenus)
{
    drainSdlQueue();
    CApplication app;
    app.addState(std::make_unique<CStill>("HRA"));
    app.addState(std::make_unique<CStill>("PAUZA"));
    SDL_Event event;
    app.switchTo("HRA");
    pushButton(0, true);
    ASSERT_TRUE(app.gamepad.pollEvent(&event));
    EXPECT_EQ(event.key.keysym.sym, SDLK_SPACE);
    pushButton(0, false);
    app.switchTo("PAUZA");
    pushButton(0, true);
    ASSERT_TRUE(app.gamepad.pollEvent(&event));
    EXPECT_EQ(event.type, SDL_KEYUP);
    EXPECT_EQ(event.key.keysym.sym, SDLK_SPACE);
    ASSERT_TRUE(app.gamepad.pollEvent(&event));
    EXPECT_EQ(event.type, SDL_KEYDOWN);
    EXPECT_EQ(event.key.keysym.sym, SDLK_RETURN);
    drainSdlQueue();
}

}
