#include <gtest/gtest.h>

#include <functional>

#include "app/globals.h"
#include "behaviour/player_bird.h"
#include "gfx/sprite.h"
#include "scripted_rand.h"
#include "support/scripted_input.h"
#include "support/test_level.h"

namespace {

class PlayerBird : public ::testing::Test
{
protected:
    PlayerBird()
    {
        defaultControlKeys();
        bird = level.place("PLAYER", 300, 200);
        level.frame();  // binds the controller
        controller = static_cast<CDidudoController2*>(level.controllerOf(bird));
    }
    // Puts the named thing on the bird for long enough to be touched, then takes it away
    // (a real parachute hides its crate once taken).
    void touch(const char* name)
    {
        CMapEntity* thing = level.place(name, bird->getX(), bird->getY());
        level.frames(2);
        level.remove(thing);
        level.frame();
    }

    // Puts the named parachute on the bird until `taken` holds; returns the tick of that frame.
    Uint32 pickUp(const char* name, const std::function<bool()>& taken)
    {
        bird->setPosition(300, 100);
        CMapEntity* thing = level.place(name, bird->getX(), bird->getY());
        for (int i = 0; i < 5 && !taken(); ++i)
            level.frame();
        EXPECT_TRUE(taken()) << name;
        level.remove(thing);
        return level.clock.ticks();
    }
    // Runs frames until `over` holds; returns the tick of that frame.
    Uint32 runUntil(const std::function<bool()>& over)
    {
        for (int i = 0; i < 400 && !over(); ++i)
            level.frame();
        EXPECT_TRUE(over());
        return level.clock.ticks();
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
    CMapEntity* bird;
    CDidudoController2* controller;
};

TEST_F(PlayerBird, SinksClimbsAndStopsAtTheTop)
{
    float y = bird->getY();
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), y + 1.0f);
    level.key(SDLK_s, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), y + 4.0f);
    level.key(SDLK_s, false);
    level.key(SDLK_w, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), y + 1.5f);  // sinks 1, climbs 3.5
    bird->setPosition(300, 4);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), 1.5f);  // sinks to 5, and 5 - 3.5 is above 0
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), 2.5f);  // 2.5 - 3.5 is not: refused
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), 3.5f);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), 1.0f);
}

TEST_F(PlayerBird, SteersWithinTheScreen)
{
    level.key(SDLK_d, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 303);
    EXPECT_EQ(bird->getSprite()->currentFramesetName(), "RIGHT");
    bird->setPosition(598, 200);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 598);  // 598 + 3 is not below 600
    level.key(SDLK_d, false);
    level.key(SDLK_a, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 595);
    EXPECT_EQ(bird->getSprite()->currentFramesetName(), "LEFT");
    globals.birdSpeed = 2.0f;
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 589);
}

TEST_F(PlayerBird, TheLeftLimitIsXMinusTheSteeringAboveZero)
{
    bird->setPosition(2, 200);
    level.key(SDLK_a, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), -1);  // 2 - (-3) is above 0
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), -4);  // -1 - (-3) still is
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), -4);  // -4 - (-3) is not: refused
    level.key(SDLK_a, false);
    level.key(SDLK_d, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), -1);  // the way back is open
}

TEST_F(PlayerBird, WindMovesTheBirdOnlyOffEasyButAlwaysTheDroppings)
{
    globals.setDifficulty(0);
    globals.wind = 1.2f;
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 300);
    level.key(SDLK_SPACE, true);
    EXPECT_FLOAT_EQ(level.find("BOBEK")->getVelocityX(), 0.6f);

    globals.setDifficulty(2);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 300.3f);
    level.key(SDLK_SPACE, true);
    EXPECT_FLOAT_EQ(level.find("BOBEK", 1)->getVelocityX(), 0.6f + 0.3f);  // half the wind + the drift
    level.key(SDLK_d, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 300.3f + 0.3f + 3.3f);
    globals.setDifficulty(0);
}

TEST_F(PlayerBird, OneShotReleasesEveryDropPerShotForOneAmmo)
{
    globals.ammo = 1;
    globals.dropsPerShot = 3;
    level.key(SDLK_SPACE, true);
    ASSERT_EQ(level.count("BOBEK"), 3);
    EXPECT_FLOAT_EQ(level.find("BOBEK", 0)->getX(), 315);
    EXPECT_FLOAT_EQ(level.find("BOBEK", 1)->getX(), 319);
    EXPECT_FLOAT_EQ(level.find("BOBEK", 2)->getX(), 323);
    EXPECT_FLOAT_EQ(level.find("BOBEK", 2)->getY(), bird->getY() + 20);
    EXPECT_EQ(globals.ammo, 0u);
    level.key(SDLK_SPACE, true);
    EXPECT_EQ(level.count("BOBEK"), 3);
}

TEST_F(PlayerBird, NoShotWhileFallingOrAfterTheLevelEnded)
{
    globals.levelOver = true;
    level.key(SDLK_SPACE, true);
    EXPECT_EQ(level.count("BOBEK"), 0);
    globals.levelOver = false;
    level.place("KAMEN", 300, 200);
    level.frames(2);
    ASSERT_TRUE(controller->isFalling());
    EXPECT_EQ(bird->getSprite()->currentFramesetName(), "FALL");
    level.key(SDLK_SPACE, true);
    EXPECT_EQ(level.count("BOBEK"), 0);
    EXPECT_EQ(globals.ammo, 20u);
}

TEST_F(PlayerBird, AFallEndsOnlyOnABlockingCellAndCostsOneLife)
{
    level.place("KAMEN", 300, 200);
    level.frames(2);
    ASSERT_TRUE(controller->isFalling());
    bird->setPosition(300, 300);
    level.frames(20);
    EXPECT_FALSE(globals.levelOver);  // falling in the air
    EXPECT_EQ(globals.lives, 5u);
    level.frames(200);
    EXPECT_TRUE(globals.levelOver);
    EXPECT_FALSE(globals.levelWon);
    EXPECT_EQ(globals.lives, 4u);
    EXPECT_LT(bird->getY() + 10, 449);  // resting on the ground row
    level.frames(20);
    EXPECT_EQ(globals.lives, 4u);
}

TEST_F(PlayerBird, APersonsBodyFellsTheBirdToo)
{
    level.place("CLOVEK1", 300, 200);
    level.frames(2);
    EXPECT_TRUE(controller->isFalling());
    EXPECT_EQ(bird->getSprite()->currentFramesetName(), "FALL");
}

TEST_F(PlayerBird, NothingFellsTheBirdOnceTheLevelIsOver)
{
    globals.levelOver = true;
    level.place("KAMEN", 300, 200);
    level.place("CLOVEK1", 300, 200);
    level.frames(2);
    EXPECT_FALSE(controller->isFalling());
    globals.levelOver = false;
}

TEST_F(PlayerBird, AShieldBlocksAStoneAndEndsAfterThreeSeconds)
{
    touch("PADAKSTIT");
    ASSERT_TRUE(controller->isShielded());
    EXPECT_EQ(bird->getAlpha(), 128);
    level.place("KAMEN", 300, 200);
    level.frames(2);
    EXPECT_FALSE(controller->isFalling());
    level.clock.advance(3000);
    level.frame();
    EXPECT_FALSE(controller->isShielded());
    EXPECT_EQ(bird->getAlpha(), -1);
}

TEST_F(PlayerBird, GameSpeedChangesLast3000MsFromTheLatestTimedPickup)
{
    pickUp("PADAKSLOW", [this] { return globals.gameSpeed == 0.5f; });
    level.clock.advance(1000);
    const Uint32 fast = pickUp("PADAKSPEED", [this] { return globals.gameSpeed == 2.0f; });
    EXPECT_EQ(runUntil([this] { return globals.gameSpeed != 2.0f; }) - fast, 3000u);
    EXPECT_FLOAT_EQ(globals.gameSpeed, 1.0f);

    const Uint32 shield = pickUp("PADAKSTIT", [this] { return controller->isShielded(); });
    level.clock.advance(2000);
    const Uint32 slow = pickUp("PADAKSLOW", [this] { return globals.gameSpeed == 0.5f; });
    EXPECT_EQ(runUntil([this] { return !controller->isShielded(); }) - slow, 3000u);
    EXPECT_GT(slow - shield, 2000u);
    EXPECT_FLOAT_EQ(globals.gameSpeed, 1.0f);
}

TEST_F(PlayerBird, TheBadParachuteSwapsTheKeysAndTintsForThreeSeconds)
{
    touch("PADAKBAD");
    EXPECT_EQ(controller->getKeyLeft(), SDLK_d);
    EXPECT_EQ(controller->getKeyRight(), SDLK_a);
    EXPECT_EQ(bird->getTint()[1], 220);
    level.clock.advance(3000);
    level.frame();
    EXPECT_EQ(controller->getKeyLeft(), SDLK_a);
    EXPECT_FALSE(bird->isTinted());
}

TEST_F(PlayerBird, AReleasedKeyLetsGoOfWhatItsPressSetAcrossASwap)
{
    level.key(SDLK_a, true);  // steering left
    touch("PADAKBAD");        // now "a" means right
    const float x = bird->getX();
    level.key(SDLK_a, false);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), x);  // no steering left over

    level.key(SDLK_a, true);  // steering right while swapped
    level.clock.advance(3000);
    level.frame();            // the swap ends, "a" means left again
    ASSERT_EQ(controller->getKeyLeft(), SDLK_a);
    level.key(SDLK_a, false);
    const float later = bird->getX();
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), later);
}

TEST_F(PlayerBird, SpeedLossesStopWhereTheBirdStillClimbs)
{
    for (int i = 0; i < 7; ++i)
        touch("PADAKKING");
    EXPECT_FLOAT_EQ(globals.birdSpeed, 0.4f);
    EXPECT_EQ(level.count("MSGMINUSSPEED"), 7);
    bird->setPosition(300, 200);
    level.key(SDLK_w, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getY(), 200 + 1.0f - 3.5f * 0.4f);
    level.key(SDLK_w, false);
    level.key(SDLK_a, true);
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), 300 - 3 * 0.4f);  // left is still left
    touch("PADAKWING");
    EXPECT_FLOAT_EQ(globals.birdSpeed, 0.55f);  // gains count from the floor
}

TEST_F(PlayerBird, ThreeAmmoParachutesAddADropPerShot)
{
    for (int i = 0; i < 3; ++i)
        touch("PADAKBOBKY");
    EXPECT_EQ(globals.ammo, 20u + 60u);
    EXPECT_EQ(globals.dropsPerShot, 2);
    EXPECT_EQ(globals.ammoPickups, 0);
    EXPECT_EQ(level.count("MSGPLUSAMMO"), 3);
}

TEST_F(PlayerBird, AmmoThenBombCallsTheFriendlyBirdsOnce)
{
    touch("PADAKBOBKY");
    touch("PADAKBOMB");
    EXPECT_EQ(level.count("DIDUDO"), 4);
    EXPECT_EQ(level.count("MSGFRIENDS"), 1);
    EXPECT_EQ(level.count("CAT"), 2);  // the bomb's own stampede
    EXPECT_EQ(controller->getPickupLetters(), (std::vector<std::string>{"X", "X"}));
    touch("PADAKBOMB");
    EXPECT_EQ(level.count("MSGFRIENDS"), 1);
}

TEST_F(PlayerBird, OnlyAnAmmoParachuteRightBeforeABombCallsTheFriendsAndTheHistoryKeepsEight)
{
    touch("PADAKBOBKY");
    touch("PADAKGOODTIME");
    touch("PADAKBOMB");
    EXPECT_EQ(level.count("MSGFRIENDS"), 0);
    EXPECT_EQ(controller->getPickupLetters(), (std::vector<std::string>{"A", "F", "N"}));
    for (int i = 0; i < 6; ++i)
        touch("PADAKBADTIME");
    EXPECT_EQ(controller->getPickupLetters(),
              (std::vector<std::string>{"F", "N", "G", "G", "G", "G", "G", "G"}));
}

TEST_F(PlayerBird, TwoCratesAtOnceAreBothRecordedButOnlyTheLaterTestedActs)
{
    const Uint32 lives = globals.lives;
    CMapEntity* life = level.place("PADAKZIVOT", bird->getX(), bird->getY());
    CMapEntity* time = level.place("PADAKGOODTIME", bird->getX(), bird->getY());
    level.frames(2);
    level.remove(life);
    level.remove(time);
    level.frame();
    EXPECT_EQ(controller->getPickupLetters(), (std::vector<std::string>{"D", "F"}));
    EXPECT_EQ(globals.lives, lives);
    EXPECT_EQ(level.count("MSGPLUSLIVES"), 0);
    EXPECT_EQ(level.count("MSGPLUSTIME"), 1);
}

TEST_F(PlayerBird, TheLevelCrateWinsAndTheSecretDrawsAnEffect)
{
    touch("PADAKLEVEL");
    EXPECT_TRUE(globals.levelOver);
    EXPECT_TRUE(globals.levelWon);
    globals.levelOver = globals.levelWon = false;

    const float speed = globals.birdSpeed;
    scriptRand({8});  // the wing's effect
    touch("PADAKSECRET");
    EXPECT_EQ(scriptedRandLeft(), 0);
    EXPECT_FLOAT_EQ(globals.birdSpeed, speed + 0.15f);
    EXPECT_EQ(level.count("MSGPLUSSPEED"), 1);
    scriptRand({15});  // rand() % 10: the level's effect
    touch("PADAKSECRET");
    EXPECT_TRUE(globals.levelWon);
    EXPECT_EQ(controller->getPickupLetters().back(), "B");
    globals.levelOver = globals.levelWon = false;
}

TEST_F(PlayerBird, TheAvalancheDropsThirtyFiveBallsFromAboveTheScreen)
{
    touch("PADAKLAVINA");
    ASSERT_EQ(level.count("KOULE"), 35);
    for (int i = 0; i < 35; ++i) {
        const CMapEntity* ball = level.find("KOULE", i);
        EXPECT_TRUE(ball->getX() >= 0 && ball->getX() < 620 && ball->getY() < 6)
            << ball->getX() << ", " << ball->getY();
    }
}

TEST_F(PlayerBird, TimePowerUpsMoveTheLevelClock)
{
    CTimer levelClock(60000);
    levelClock.restart();
    globals.levelClock = &levelClock;
    touch("PADAKGOODTIME");
    EXPECT_EQ(levelClock.elapsed(), 60 - 10000);
    touch("PADAKBADTIME");
    EXPECT_EQ(levelClock.elapsed(), 120 - 5000);
    globals.levelClock = nullptr;
}

TEST_F(PlayerBird, CatchingAnEggScoresAThousand)
{
    level.place("EGG", 300, 200);
    level.frames(2);
    EXPECT_EQ(globals.levelScore, 1000u);
    EXPECT_EQ(level.count("BONUS1000"), 1);
}

TEST_F(PlayerBird, FriendlyBirdsFlyRightDroppingAndLeave)
{
    std::srand(5);
    level.place("DIDUDO", 400, 50);
    level.frames(31);  // a drop comes every 200 to 599 ms
    EXPECT_EQ(level.count("DIDUDO"), 1);
    EXPECT_GT(level.count("BOBEK"), 0);
    level.frames(80);  // 2 to 4 px a step
    EXPECT_EQ(level.count("DIDUDO"), 0);  // gone past x 600
}

}
