#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/globals.h"
#include "behaviour/humans.h"
#include "gfx/sprite.h"
#include "support/test_level.h"

namespace {

class Humans : public ::testing::Test
{
protected:
    ~Humans() override { globals.setDifficulty(0); }

    std::string shown(const CMapEntity* entity) const { return entity->getSprite()->currentFramesetName(); }
    // Binds what was placed, then lets its 1800 ms throw timer run out.
    void untilThrow()
    {
        level.frame();
        level.clock.advance(1780);
        level.frame();
    }
    // Spawned in the last frame: not yet bound to a controller.
    std::vector<CMapEntity*> fresh(const std::string& name) const
    {
        std::vector<CMapEntity*> found;
        for (const auto& entity : level.collection.all())
            if (entity->getName() == name && !entity->isControlled())
                found.push_back(entity.get());
        return found;
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

TEST_F(Humans, WalkersTurnAtSixtyAndAtTheRightEdge)
{
    CMapEntity* walker = level.place("CLOVEK1", 615, 400);
    level.frames(5);  // 620: its right edge 630 is not beyond 630
    EXPECT_EQ(shown(walker), "RIGHT");
    level.frame();
    EXPECT_EQ(shown(walker), "LEFT");
    walker->setPosition(61, 400);
    level.frame();  // 60 is not below 60
    EXPECT_EQ(shown(walker), "LEFT");
    level.frame();
    EXPECT_EQ(shown(walker), "RIGHT");
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
    EXPECT_EQ(shown(human), "HIT_RIGHT");
    level.frames(59);
    EXPECT_EQ(shown(human), "HIT_RIGHT");
    level.frame();  // 1200 ms after the hit
    EXPECT_EQ(shown(human), "RIGHT");
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
    std::vector<CMapEntity*> balls = fresh("DKOULE");
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
        ASSERT_EQ(shown(thrower), "THROW_RIGHT") << round;
        const CFrameset* pose = thrower->getSprite()->getCurrentFrameset();
        EXPECT_TRUE(pose->isPlaying());
        EXPECT_EQ(pose->getCurrentIndex(), 0);
        level.frames(4);  // its one frame stays 100 ms
        EXPECT_EQ(shown(thrower), "THROW_RIGHT") << round;
        level.frames(3);  // it has stopped, and the walk comes back
        EXPECT_EQ(shown(thrower), "RIGHT") << round;
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
    ASSERT_EQ(shown(human), "HIT_RIGHT");
    globals.levelOver = true;
    globals.levelWon = false;
    float highest = 400;
    bool landed = false;
    for (int i = 0; i < 150; ++i) {  // 3 s
        level.frame();
        highest = std::min(highest, human->getY());
        landed = landed || (highest < 400 && human->getY() >= 400);
    }
    EXPECT_EQ(shown(human), "HIT_RIGHT");  // never back to walking
    EXPECT_FALSE(human->getSprite()->getCurrentFrameset()->isPlaying());
    EXPECT_EQ(human->getSprite()->currentFrame()->name, "FRAME1");
    EXPECT_FLOAT_EQ(human->getX(), 203);
    EXPECT_LE(highest, 395);  // at least 5 px up with the heaviest gravity
    EXPECT_TRUE(landed);
    EXPECT_EQ(level.count("KAMEN"), 0);

    globals.levelWon = true;
    level.frame();
    EXPECT_EQ(shown(human), "ANGRY_RIGHT");
    EXPECT_EQ(shown(leftwards), "ANGRY_LEFT");
}

}
