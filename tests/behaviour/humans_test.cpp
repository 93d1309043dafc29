#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "behaviour/humans.h"
#include "frame_watch.h"
#include "gfx/sprite.h"
#include "scripted_rand.h"
#include "support/sound_probe.h"
#include "support/test_level.h"

namespace {

class Humans : public ::testing::Test
{
protected:
    ~Humans() override { globals.setDifficulty(0); }

    // Binds what was placed, then lets its 1800 ms throw timer run out.
    void untilThrow()
    {
        level.frame();
        level.clock.advance(1780);
        level.frame();
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

TEST_F(Humans, WalkersTurnAtSixtyAndAtTheRightEdge)
{
    CMapEntity* walker = level.place("CLOVEK1", 615, 400);
    level.frames(5);  // 620: its right edge 630 is not beyond 630
    EXPECT_EQ(framesetOf(walker), "RIGHT");
    level.frame();
    EXPECT_EQ(framesetOf(walker), "LEFT");
    walker->setPosition(61, 400);
    level.frame();  // 60 is not below 60
    EXPECT_EQ(framesetOf(walker), "LEFT");
    level.frame();
    EXPECT_EQ(framesetOf(walker), "RIGHT");
    level.frame();
    EXPECT_FLOAT_EQ(walker->getX(), 60);
}

TEST_F(Humans, SeveralDroppingsInOneFrameRewardOnceAndTheHitPoseLasts1200Ms)
{
    CMapEntity* human = level.place("CLOVEK1", 200, 400);
    level.place("BOBEK", 202, 395);
    level.place("BOBEK", 205, 395);
    level.frames(2);
    EXPECT_EQ(globals.levelScore, 150u);
    EXPECT_EQ(level.count("BONUS150"), 1);
    EXPECT_EQ(framesetOf(human), "HIT_RIGHT");
    level.frames(59);
    EXPECT_EQ(framesetOf(human), "HIT_RIGHT");
    level.frame();  // 1200 ms after the hit
    EXPECT_EQ(framesetOf(human), "RIGHT");
}

TEST_F(Humans, TheYetiThrowsThreeOnHardAndTwoOtherwise)
{
    for (Uint32 difficulty : {0u, 1u, 2u}) {
        globals.setDifficulty(difficulty);
        CTestLevel mountain;
        globals.wind = 1.0f;
        CMapEntity* yeti = mountain.place("YETI", 200, 400);
        mountain.frame();
        mountain.clock.advance(1780);
        mountain.frame();
        int thrown = 0;
        for (const auto& entity : mountain.collection.all()) {
            if (entity->getName() != "SNOWBALL")
                continue;
            EXPECT_FLOAT_EQ(entity->getVelocityX(), 0.5f + 1.2f);  // half the wind and the walk
            EXPECT_FLOAT_EQ(entity->getX(), yeti->getX() + (thrown == 0 ? 30 : thrown == 1 ? 50 : 80));
            ++thrown;
        }
        EXPECT_EQ(thrown, difficulty == 2 ? 3 : 2) << difficulty;
    }
}

TEST_F(Humans, TheCamelAimsEachBallFromWhereItStarts)
{
    float throwX = 100;  // where the camel will be after two steps
    throwX += 1.2f;
    throwX += 1.2f;
    level.place("PLAYER", throwX + 30, 100);  // right above the first ball
    CMapEntity* camel = level.place("VELBLOUD", 100, 400);
    untilThrow();
    std::vector<CMapEntity*> balls = fresh(level, "DKOULE");
    ASSERT_EQ(balls.size(), 2u);
    EXPECT_FLOAT_EQ(balls[0]->getX(), camel->getX() + 30);
    EXPECT_NEAR(balls[0]->getVelocityX(), 0.0f, 0.001f);
    EXPECT_NEAR(balls[0]->getVelocityY(), -1.0f, 0.001f);
    EXPECT_FLOAT_EQ(balls[1]->getX(), camel->getX() + 10);
    EXPECT_GT(balls[1]->getVelocityX(), 0.05f);
    EXPECT_NEAR(std::hypot(balls[1]->getVelocityX(), balls[1]->getVelocityY()), 1.0f, 0.001f);
}

TEST_F(Humans, EveryThrowShowsItsPoseFromTheFirstFrame)
{
    CMapEntity* thrower = level.place("CLOVEK6", 200, 400);
    untilThrow();
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(framesetOf(thrower), "THROW_RIGHT") << round;
        const CFrameset* pose = thrower->getSprite()->getCurrentFrameset();
        EXPECT_TRUE(pose->isPlaying());
        EXPECT_EQ(pose->getCurrentIndex(), 0);
        level.frames(4);  // its one frame stays 100 ms
        EXPECT_EQ(framesetOf(thrower), "THROW_RIGHT") << round;
        level.frames(3);  // it has stopped, and the walk comes back
        EXPECT_EQ(framesetOf(thrower), "RIGHT") << round;
        level.clock.advance(1800 - 8 * 20);
        level.frame();  // the next throw
    }
}

TEST_F(Humans, TheLevelOverHopFreezesALostPoseAndTurnsAngryWhenWon)
{
    CMapEntity* human = level.place("CLOVEK1", 200, 400);
    CMapEntity* leftwards = level.place("CLOVEK4", 625, 400);
    level.place("BOBEK", 202, 395);
    level.frames(3);
    ASSERT_EQ(framesetOf(human), "HIT_RIGHT");
    globals.levelOver = true;
    globals.levelWon = false;
    float highest = 400;
    bool landed = false;
    for (int i = 0; i < 150; ++i) {  // 3 s
        level.frame();
        highest = std::min(highest, human->getY());
        landed = landed || (highest < 400 && human->getY() >= 400);
    }
    EXPECT_EQ(framesetOf(human), "HIT_RIGHT");  // never back to walking
    EXPECT_FALSE(human->getSprite()->getCurrentFrameset()->isPlaying());
    EXPECT_EQ(human->getSprite()->currentFrame()->name, "FRAME1");
    EXPECT_FLOAT_EQ(human->getX(), 203);
    EXPECT_LE(highest, 395);  // at least 5 px up with the heaviest gravity
    EXPECT_TRUE(landed);
    EXPECT_EQ(level.count("KAMEN"), 0);

    globals.levelWon = true;
    level.frame();
    EXPECT_EQ(framesetOf(human), "ANGRY_RIGHT");
    EXPECT_EQ(framesetOf(leftwards), "ANGRY_LEFT");
}


TEST_F(Humans, EachFamilyWalksAtItsOwnSpeed)
{
    const std::pair<const char*, float> walkers[] = {
        {"CLOVEK1", 1.0f},       {"CLOVEK4", 1.0f}, {"CLOVEK2", 1.5f},    {"CLOVEK3", 1.5f},
        {"CLOVEK6", 1.8f},       {"CLOVEK5", 1.8f}, {"WINTERCLOVEK1", 1.8f}, {"YETI", 1.2f},
        {"VELBLOUD", 1.2f},      {"BOSS1", 1.2f}};
    for (const auto& [name, speed] : walkers) {
        CTestLevel street;
        CMapEntity* walker = street.place(name, 200, 400);
        street.frames(10);
        EXPECT_NEAR(walker->getX(), 200 + 10 * speed, 1e-3) << name;
        EXPECT_FLOAT_EQ(walker->getY(), 400) << name;
    }
}

// Whether the walker throws exactly `period` ms after its first update, and again `period` later,
// when rand() gives `drawn` to everything its clone draws.
::testing::AssertionResult throwsEvery(const char* name, int drawn, Uint32 period, const char* projectile)
{
    CTestLevel street;
    street.place(name, 200, 400);
    scriptRand({drawn, drawn, drawn});
    street.frame();
    scriptRand({});
    Uint32 last = street.clock.ticks();
    for (int round = 0; round < 2; ++round) {
        frameAt(street, last + period - 1);
        if (freshCount(street, projectile) != 0)
            return ::testing::AssertionFailure() << name << " threw before " << period << " ms";
        frameAt(street, last + period);
        if (freshCount(street, projectile) == 0)
            return ::testing::AssertionFailure() << name << " did not throw at " << period << " ms";
        last += period;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(Humans, ThrowPeriodsAreDrawnPerHumanForTheVillagersAndFixedForTheRest)
{
    EXPECT_TRUE(throwsEvery("CLOVEK1", 0, 1500, "KAMEN"));
    EXPECT_TRUE(throwsEvery("CLOVEK1", 3499, 4999, "KAMEN"));
    EXPECT_TRUE(throwsEvery("CLOVEK4", 3502, 1502, "KAMEN"));
    EXPECT_TRUE(throwsEvery("CLOVEK2", 0, 1000, "KAMEN"));
    EXPECT_TRUE(throwsEvery("CLOVEK3", 1499, 2499, "KAMEN"));
    EXPECT_TRUE(throwsEvery("CLOVEK2", 1500, 1000, "KAMEN"));
    for (int drawn : {0, 3499})
        for (const auto& [name, projectile] : {std::pair<const char*, const char*>{"CLOVEK6", "SNOWBALL"},
                                               {"WINTERCLOVEK1", "SNOWBALL"}, {"CLOVEK5", "SNOWBALL"},
                                               {"YETI", "SNOWBALL"}, {"VELBLOUD", "DKOULE"}, {"BOSS1", "KAMEN"}})
            EXPECT_TRUE(throwsEvery(name, drawn, 1800, projectile));
}

TEST_F(Humans, StonesAndSnowballsLeaveTheHandWithHalfTheWindAndTheWalk)
{
    const struct
    {
        const char* name;
        const char* projectile;
        float speed;
        Uint32 period;  // when rand() gives 0
    } throwers[] = {{"CLOVEK1", "KAMEN", 1.0f, 1500}, {"CLOVEK2", "KAMEN", 1.5f, 1000},
                    {"WINTERCLOVEK1", "SNOWBALL", 1.8f, 1800}};
    for (const auto& thrower : throwers) {
        for (bool leftwards : {false, true}) {
            CTestLevel street;
            globals.wind = 1.0f;
            CMapEntity* human = street.place(thrower.name, leftwards ? 625 : 200, 400);  // 625: turns at once
            scriptRand({0, 0});
            street.frame();
            scriptRand({});
            human->setPosition(400, 400);  // away from the edges, where the walk picks its own look
            frameAt(street, street.clock.ticks() + thrower.period);
            std::vector<CMapEntity*> thrown = fresh(street, thrower.projectile);
            ASSERT_EQ(thrown.size(), 1u) << thrower.name;
            EXPECT_FLOAT_EQ(thrown[0]->getX(), human->getX() + 30) << thrower.name;
            EXPECT_FLOAT_EQ(thrown[0]->getY(), 390) << thrower.name;
            EXPECT_FLOAT_EQ(thrown[0]->getVelocityX(), 0.5f + (leftwards ? -thrower.speed : thrower.speed))
                << thrower.name << (leftwards ? " leftwards" : " rightwards");

            EXPECT_EQ(framesetOf(human), leftwards ? "THROW_LEFT" : "THROW_RIGHT") << thrower.name;
            int frames = 0;
            while (framesetOf(human).rfind("THROW", 0) == 0 && frames++ < 20)
                street.frame();
            EXPECT_EQ(framesetOf(human), leftwards ? "LEFT" : "RIGHT") << thrower.name << ": back to walking";
        }
    }
}

TEST_F(Humans, TheAimedSnowballTakesItsDriftFromTheThrowersOwnPlaceAndDropsTheHeight)
{
    const struct
    {
        float dx, dy;  // the target from where the thrower stands when it throws
        float drift;
    } aims[] = {
        {30, -40, 0.5f + 2 * 0.6f},  // from the snowball's own start this would be straight up
        {-1000, 0, 0.5f - 2},
        {0, 0, 0.5f},  // no way to aim: half the wind only
    };
    for (const auto& aim : aims) {
        CTestLevel street;  // no bird on it: the target stays where the test puts it
        globals.wind = 1.0f;
        CMapEntity* thrower = street.place("CLOVEK6", 200, 400);
        street.frame();
        const Uint32 start = street.clock.ticks();
        frameAt(street, start + 1780);
        const float throwX = thrower->getX() + 1.8f;  // where its next step takes it
        thrower->setTarget(throwX + aim.dx, 400 + aim.dy);
        street.frame();
        std::vector<CMapEntity*> snowballs = fresh(street, "SNOWBALL");
        ASSERT_EQ(snowballs.size(), 1u);
        EXPECT_FLOAT_EQ(thrower->getX(), throwX);
        EXPECT_FLOAT_EQ(snowballs[0]->getX(), throwX + 30);
        EXPECT_FLOAT_EQ(snowballs[0]->getY(), 390);
        EXPECT_NEAR(snowballs[0]->getVelocityX(), aim.drift, 1e-4) << aim.dx << ", " << aim.dy;
        EXPECT_FLOAT_EQ(snowballs[0]->getVelocityY(), 0);
    }
}

TEST_F(Humans, OneHitInSixSwearsWithTheFirstVoiceAndFiveInThirtySixWithTheThird)
{
    CSoundProbe probe({"NADAVANI1", "NADAVANI3"});
    CMapEntity* human = level.place("CLOVEK1", 200, 400);
    level.frame();
    using Voices = std::multiset<std::string>;
    const struct
    {
        int first, second;  // what rand() gives the hit's draws
        Voices heard;
    } hits[] = {
        {6, 6, {"NADAVANI1"}},  // the first voice: no second draw, so never both
        {0, 0, {"NADAVANI1"}},
        {7, 12, {"NADAVANI3"}},
        {13, 0, {"NADAVANI3"}},
        {7, 13, {}},
    };
    for (const auto& hit : hits) {
        level.place("BOBEK", human->getX() + 3, 395);
        level.frame();  // the dropping is bound and touches the human
        EXPECT_TRUE(probe.playing().empty());
        scriptRand({hit.first, hit.second});
        level.frame();  // the human sees it
        scriptRand({});
        EXPECT_EQ(framesetOf(human), "HIT_RIGHT");
        EXPECT_EQ(probe.playing(), hit.heard) << hit.first << ", " << hit.second;
        probe.silence();
    }
    EXPECT_EQ(globals.levelScore, 150u * std::size(hits));
}
}
