#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "behaviour/machines.h"
#include "gfx/sprite.h"
#include "frame_watch.h"
#include "scripted_rand.h"
#include "support/sound_probe.h"
#include "support/test_level.h"
#include "support/test_world.h"

namespace {

// A dropping that stays where it is put (no controller): it touches what it overlaps every frame.
CMapEntity* heldDropping(CTestLevel& level, float x, float y)
{
    auto dropping = std::make_unique<CTestEntity>("BOX10", x, y, false, 2);
    CMapEntity* placed = dropping.get();
    level.collection.add(std::move(dropping));
    return placed;
}

class Machines : public ::testing::Test
{
protected:
    Machines() { std::srand(5); }
    ~Machines() override { globals.setDifficulty(0); }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

// Places the machine, lets its controller bind and returns the tick of its first update.
Uint32 bound(CTestLevel& level, CMapEntity*& machine, const char* name, float x, float y)
{
    machine = level.place(name, x, y);
    level.frame();
    return level.clock.ticks();
}

TEST_F(Machines, TheMortarLobsABallWithHalfTheWind)
{
    globals.setDifficulty(2);
    globals.wind = 1.0f;
    CMapEntity* mortar;
    Uint32 start = bound(level, mortar, "KANON", 200, 300);
    int shots = 0;
    Uint32 first = 0;
    while (level.clock.ticks() < start + 2000) {
        level.frame();
        for (CMapEntity* ball : fresh(level, "KOULEUP")) {
            EXPECT_FLOAT_EQ(ball->getX(), 210);
            EXPECT_FLOAT_EQ(ball->getY(), 300);
            EXPECT_FLOAT_EQ(ball->getVelocityX(), 0.5f);
            if (shots++ == 0)
                first = level.clock.ticks() - start;
        }
    }
    EXPECT_EQ(shots, 1);  // 1200 to 1999 ms on hard
    EXPECT_GE(first, 1200u);
    EXPECT_FLOAT_EQ(mortar->getX(), 200);
}

TEST_F(Machines, AReloadingCannonFiresTenAndIgnoresDroppingsWhileReloading)
{
    globals.setDifficulty(2);
    globals.wind = 1.0f;
    CMapEntity* cannon;
    bound(level, cannon, "KANON2", 300, 300);
    EXPECT_EQ(framesetOf(cannon), "FRAMESET1");

    level.place("BOBEK", 300, 292);
    level.frames(2);  // the dropping is bound and touches; the cannon answers
    Uint32 volleyAt = level.clock.ticks();
    std::vector<CMapEntity*> shots = fresh(level, "KAMEN");
    std::vector<CMapEntity*> balls = fresh(level, "KOULEUP");
    shots.insert(shots.end(), balls.begin(), balls.end());
    ASSERT_EQ(shots.size(), 10u);
    for (CMapEntity* shot : shots) {
        EXPECT_GE(shot->getX(), 310);
        EXPECT_LE(shot->getX(), 319);
        EXPECT_GE(shot->getY(), 291);
        EXPECT_LE(shot->getY(), 300);
        EXPECT_GE(shot->getVelocityX(), -2.5f + 0.5f);
        EXPECT_LE(shot->getVelocityX(), 1.5f + 0.5f);
    }
    EXPECT_EQ(framesetOf(cannon), "RELOAD");
    EXPECT_EQ(level.count("BOBEK"), 0);

    level.place("BOBEK", 300, 292);
    for (int frame = 0; frame < 3; ++frame) {
        level.frame();
        EXPECT_EQ(freshCount(level, "KAMEN") + freshCount(level, "KOULEUP"), 0);
    }
    EXPECT_EQ(level.count("BOBEK"), 0);  // the dropping still ends on the cannon

    frameAt(level, volleyAt + 8999);
    EXPECT_EQ(framesetOf(cannon), "RELOAD");
    frameAt(level, volleyAt + 9000);
    EXPECT_EQ(framesetOf(cannon), "FRAMESET1");
    level.place("BOBEK", 300, 292);
    level.frames(2);
    EXPECT_EQ(freshCount(level, "KAMEN") + freshCount(level, "KOULEUP"), 10);
}

// Whether the cannon is loaded again exactly `ms` after its volley (and not 1 ms earlier).
::testing::AssertionResult reloadsIn(const char* name, Uint32 difficulty, Uint32 ms)
{
    CGlobals::instance().setDifficulty(difficulty);
    CTestLevel range;
    CMapEntity* cannon;
    bound(range, cannon, name, 300, 300);
    range.place("BOBEK", 300, 292);
    range.frames(2);
    Uint32 volleyAt = range.clock.ticks();
    frameAt(range, volleyAt + ms - 1);
    if (framesetOf(cannon) != "RELOAD")
        return ::testing::AssertionFailure() << name << " loaded before " << ms << " ms";
    frameAt(range, volleyAt + ms);
    if (framesetOf(cannon) != "FRAMESET1")
        return ::testing::AssertionFailure() << name << " still reloading at " << ms << " ms";
    return ::testing::AssertionSuccess();
}

TEST_F(Machines, ReloadTimesFollowTheDifficultyFactorOnlyForTheSummerCannon)
{
    EXPECT_TRUE(reloadsIn("KANON2", 0, 5624));
    EXPECT_TRUE(reloadsIn("KANON2", 1, 6923));
    EXPECT_TRUE(reloadsIn("WINTERKANON2", 0, 9000));
    EXPECT_TRUE(reloadsIn("WINTERKANON2", 1, 9000));
}

TEST_F(Machines, TheWinterCannonFiresSnowAndShakesDropsOffEasy)
{
    const int showers[] = {0, 35, 45};
    for (Uint32 difficulty = 0; difficulty < 3; ++difficulty) {
        globals.setDifficulty(difficulty);
        CTestLevel range;
        CMapEntity* cannon;
        bound(range, cannon, "WINTERKANON2", 300, 300);
        range.place("BOBEK", 300, 292);
        range.frames(2);
        EXPECT_EQ(freshCount(range, "WINTERKOULE") + freshCount(range, "SNOWBALL"), 10) << difficulty;
        EXPECT_EQ(freshCount(range, "KAMEN") + freshCount(range, "KOULEUP"), 0);
        std::vector<CMapEntity*> drops = fresh(range, "KAPKA");
        EXPECT_EQ(static_cast<int>(drops.size()), showers[difficulty]) << difficulty;
        for (CMapEntity* drop : drops) {
            EXPECT_GE(drop->getX(), 0);
            EXPECT_LT(drop->getX(), 620);
            EXPECT_GE(drop->getY(), -300);
            EXPECT_LT(drop->getY(), 0);
        }
    }
}

TEST_F(Machines, SomeoneSteppingOnTheCatapultFlingsTheBoyWhoReloadsItOnLanding)
{
    CMapEntity* catapult;
    bound(level, catapult, "KATAPULT1", 300, 400);
    EXPECT_EQ(framesetOf(catapult), "IDLE");

    CMapEntity* walker = level.place("KUL", 302, 395);  // a hostile body without a controller
    level.frames(2);
    EXPECT_EQ(framesetOf(catapult), "FIRE");
    int frames = 0;
    while (freshCount(level, "FLYINGBOY1") == 0 && frames++ < 50)
        level.frame();
    ASSERT_EQ(freshCount(level, "FLYINGBOY1"), 1);
    CMapEntity* boy = level.find("FLYINGBOY1");
    EXPECT_FLOAT_EQ(boy->getX(), 310);
    EXPECT_FLOAT_EQ(boy->getY(), 370);
    EXPECT_FLOAT_EQ(boy->getVelocityX(), 0);
    EXPECT_EQ(framesetOf(catapult), "EMPTY");

    level.frames(30);  // still stood on, but empty
    EXPECT_EQ(level.count("FLYINGBOY1"), 1);
    EXPECT_EQ(framesetOf(catapult), "EMPTY");

    // The test world draws every "EMPTY" without a box; the empty catapult has one in the game.
    CFrameset* empty = catapult->getSprite()->getCurrentFrameset();
    empty->addFrame(std::make_unique<CFrame>("BOXED", 0, 0, 10, 10, 100, 0, 0, 10, 10));
    empty->stop();
    empty->selectFrame("BOXED");
    level.remove(walker);
    boy->setPosition(303, 396);  // the boy comes down on the catapult
    level.frames(2);
    EXPECT_EQ(framesetOf(catapult), "IDLE");

    level.place("KUL", 302, 395);
    level.frames(2);
    EXPECT_EQ(framesetOf(catapult), "FIRE");
}

TEST_F(Machines, TheStoneCatapultThrowsOnItsOwnPeriodWithASoundAndPlaysItsThrowEachTime)
{
    CSoundProbe probe({"KATAPULT"});
    const std::pair<int, Uint32> periods[] = {{0, 1600}, {799, 2399}, {800, 1600}};
    for (const auto& [drawn, period] : periods) {
        CTestLevel range;
        globals.wind = 1.0f;
        CMapEntity* catapult = range.place("KATAPULT2", 200, 380);
        scriptRand({drawn});
        range.frame();
        ASSERT_EQ(scriptedRandLeft(), 0);
        Uint32 last = range.clock.ticks();
        for (int round = 0; round < 2; ++round) {
            frameAt(range, last + period - 1);
            EXPECT_EQ(freshCount(range, "KAMEN2"), 0) << period;
            EXPECT_TRUE(probe.playing().empty());
            EXPECT_EQ(framesetOf(catapult), "IDLE");
            frameAt(range, last + period);
            last += period;
            std::vector<CMapEntity*> stones = fresh(range, "KAMEN2");
            ASSERT_EQ(stones.size(), 1u) << period;
            EXPECT_FLOAT_EQ(stones[0]->getX(), 220);
            EXPECT_FLOAT_EQ(stones[0]->getY(), 380);
            EXPECT_FLOAT_EQ(stones[0]->getVelocityX(), 0.5f - 2);
            EXPECT_EQ(probe.playing(), std::multiset<std::string>{"KATAPULT"});
            probe.silence();
            ASSERT_EQ(framesetOf(catapult), "FRAMESET1");
            CFrameset* throwing = catapult->getSprite()->getCurrentFrameset();
            EXPECT_TRUE(throwing->isPlaying());
            range.frame();
            EXPECT_EQ(framesetOf(catapult), "FRAMESET1");  // until the throw has played
            throwing->stop();
            range.frame();
        }
        EXPECT_FLOAT_EQ(catapult->getX(), 200);
    }
}

TEST_F(Machines, TheGliderDropsItsBallOnItsPeriodShowsItIsEmptyAndLeavesPast600)
{
    const struct
    {
        Uint32 difficulty;
        int drawn;
        Uint32 period;
    } drops[] = {{2, 0, 700}, {1, 399, 1308}, {0, 400, 1120}};
    for (const auto& drop : drops) {
        globals.setDifficulty(drop.difficulty);
        CTestLevel sky;
        CMapEntity* glider = sky.place("ROGALO", 100, 40);
        scriptRand({drop.drawn});
        sky.frame();
        ASSERT_EQ(scriptedRandLeft(), 0);
        const Uint32 start = sky.clock.ticks();
        frameAt(sky, start + drop.period - 1);
        EXPECT_EQ(freshCount(sky, "KOULE"), 0) << drop.period;
        EXPECT_EQ(framesetOf(glider), "FRAMESET1");
        frameAt(sky, start + drop.period);
        std::vector<CMapEntity*> balls = fresh(sky, "KOULE");
        ASSERT_EQ(balls.size(), 1u) << drop.period;
        EXPECT_FLOAT_EQ(glider->getX(), 106);
        EXPECT_FLOAT_EQ(balls[0]->getX(), 136);  // from where its step took it
        EXPECT_FLOAT_EQ(balls[0]->getY(), 90);
        EXPECT_EQ(framesetOf(glider), "EMPTY");
        EXPECT_FLOAT_EQ(glider->getY(), 40);
    }
    CMapEntity* glider = level.place("ROGALO", 596, 40);
    level.frames(2);
    EXPECT_EQ(level.count("ROGALO"), 1);  // at 600
    EXPECT_FLOAT_EQ(glider->getX(), 600);
    level.frame();
    EXPECT_EQ(level.count("ROGALO"), 0);
}

TEST_F(Machines, ThePlaneDropsMostlyEggsAndLeavesAtTheRight)
{
    globals.setDifficulty(2);
    int eggs = 0, balls = 0;
    for (int flight = 0; flight < 10; ++flight) {
        level.place("PLANE", 0, 40);
        for (int step = 1; step <= 310; ++step) {  // the plane has flown 2 px a step
            level.frame();
            for (const char* load : {"EGG", "KOULE"}) {
                for (CMapEntity* dropped : fresh(level, load)) {
                    EXPECT_FLOAT_EQ(dropped->getX(), 130 + 2 * step);
                    EXPECT_FLOAT_EQ(dropped->getY(), 90);
                    EXPECT_FLOAT_EQ(dropped->getVelocityX(), 1.5f);
                    (load[0] == 'E' ? eggs : balls) += 1;
                }
            }
        }
        EXPECT_EQ(level.count("PLANE"), 0);
        level.frames(400);  // the eggs leave
        globals.levelOver = false;
        globals.levelWon = true;
    }
    EXPECT_GT(eggs, 5 * balls);
    EXPECT_GT(balls, 0);
    EXPECT_EQ(eggs + balls, 10 * 12);  // 600 px at 2 a step, one drop per 500 ms
}

// Whether the balloon's first shots come exactly `ms` after its first update.
::testing::AssertionResult firesAfter(const char* name, Uint32 difficulty, Uint32 ms)
{
    CGlobals::instance().setDifficulty(difficulty);
    CTestLevel sky;
    CMapEntity* balloon;
    Uint32 start = bound(sky, balloon, name, 300, 400);
    frameAt(sky, start + ms - 1);
    if (freshCount(sky, "KOULEUP") > 0)
        return ::testing::AssertionFailure() << name << " fired before " << ms << " ms";
    frameAt(sky, start + ms);
    if (freshCount(sky, "KOULEUP") == 0)
        return ::testing::AssertionFailure() << name << " did not fire at " << ms << " ms";
    return ::testing::AssertionSuccess();
}

TEST_F(Machines, BalloonPeriodsAreTruncatedFromTheSinglePrecisionFactor)
{
    EXPECT_TRUE(firesAfter("BALON", 0, 3840));
    EXPECT_TRUE(firesAfter("BALON", 1, 2534));
    EXPECT_TRUE(firesAfter("BALON", 2, 1500));
    EXPECT_TRUE(firesAfter("WINTERBALON", 0, 1920));
    EXPECT_TRUE(firesAfter("WINTERBALON", 1, 1559));
    EXPECT_TRUE(firesAfter("WINTERBALON", 2, 1200));
}

using Shot = std::pair<std::string, float>;  // what was thrown, and its drift

// The volley a balloon throws in a wind of 1.0, each shot checked to leave from under the balloon;
// sorted, as the depth sort may reorder shots that start at the same height.
std::vector<Shot> volleyOf(const char* name, Uint32 difficulty)
{
    CGlobals& globals = CGlobals::instance();
    globals.setDifficulty(difficulty);
    CTestLevel sky;
    globals.wind = 1.0f;
    CMapEntity* balloon;
    bound(sky, balloon, name, 300, 400);
    std::vector<Shot> shots;
    while (shots.empty()) {
        sky.frame();
        for (const auto& entity : sky.collection.all()) {
            if (entity->isControlled() || entity.get() == balloon)
                continue;
            EXPECT_FLOAT_EQ(entity->getX(), 315);
            EXPECT_FLOAT_EQ(entity->getY(), balloon->getY() + 50);
            shots.emplace_back(entity->getName(), entity->getVelocityX());
        }
    }
    std::sort(shots.begin(), shots.end());
    return shots;
}

std::vector<Shot> sorted(std::vector<Shot> shots)
{
    std::sort(shots.begin(), shots.end());
    return shots;
}

TEST_F(Machines, BalloonVolleysFollowTheWindAndTheDifficulty)
{
    EXPECT_EQ(volleyOf("BALON", 1),
              sorted({{"KAMEN", 0}, {"KOULEUP", 2}, {"KAMEN", 1}, {"KOULEUP", 0.5f}, {"KAMEN", 1.5f}}));
    EXPECT_EQ(volleyOf("WINTERBALON", 0), sorted({{"SNOWBALL", 0}, {"SNOWBALL", 0}, {"KOULEUP", 2}, {"SNOWBALL", 1}}));
    EXPECT_EQ(volleyOf("WINTERBALON", 1), sorted({{"SNOWBALL", 0}, {"KOULEUP", 2}, {"SNOWBALL", 1}}));
    EXPECT_EQ(volleyOf("WINTERBALON", 2),
              sorted({{"SNOWBALL", 0}, {"KOULEUP", 2}, {"SNOWBALL", 1}, {"KOULEUP", 0.5f}}));
}

TEST_F(Machines, ATriggerBalloonHitByADroppingDropsTwoSnowballsEveryFrameOfTheHit)
{
    globals.setDifficulty(2);
    globals.wind = 0.5f;
    CMapEntity* balloon;
    Uint32 start = bound(level, balloon, "TRIGGERBALON", 300, 300);
    frameAt(level, start + 400);
    std::vector<CMapEntity*> snowballs = fresh(level, "SNOWBALL");
    ASSERT_EQ(snowballs.size(), 1u);
    EXPECT_FLOAT_EQ(snowballs[0]->getX(), 330);
    EXPECT_FLOAT_EQ(snowballs[0]->getY(), balloon->getY() + 10);
    EXPECT_FLOAT_EQ(snowballs[0]->getVelocityX(), 0.5f);

    CMapEntity* dropping = heldDropping(level, 302, balloon->getY() - 5);
    level.frame();  // the contact is found
    for (int frame = 0; frame < 3; ++frame) {
        level.frame();
        std::vector<CMapEntity*> falling = fresh(level, "FALLINGWINTERKOULE");
        ASSERT_EQ(falling.size(), 2u) << frame;
        if (falling[0]->getX() > falling[1]->getX())
            std::swap(falling[0], falling[1]);
        EXPECT_FLOAT_EQ(falling[0]->getX(), balloon->getX());
        EXPECT_FLOAT_EQ(falling[1]->getX(), balloon->getX() + 40);
        EXPECT_FLOAT_EQ(falling[0]->getY(), balloon->getY() + 50);
        EXPECT_FLOAT_EQ(falling[0]->getVelocityX(), -1.5f);
        EXPECT_FLOAT_EQ(falling[1]->getVelocityX(), 2.5f);
        EXPECT_FLOAT_EQ(falling[0]->getVelocityY(), 1.0f);
        EXPECT_FLOAT_EQ(falling[1]->getVelocityY(), 1.0f);
    }
    Uint32 lastHit = level.clock.ticks();
    level.remove(dropping);
    level.frame();
    EXPECT_EQ(freshCount(level, "FALLINGWINTERKOULE"), 0);
    frameAt(level, lastHit + 399);  // a hit restarts the snowball timer
    EXPECT_EQ(freshCount(level, "SNOWBALL"), 0);
    frameAt(level, lastHit + 400);
    EXPECT_EQ(freshCount(level, "SNOWBALL"), 1);
}

}
