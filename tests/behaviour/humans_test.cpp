#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

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
    // Runs frames until the throw timer of a human bound in the first frame has run its period.
    void untilThrow(Uint32 period)
    {
        level.clock.advance(period - 20);
        level.frame();
    }
    // Projectiles spawned in the last frame: their controllers are bound only in the next one.
    int freshlySpawned(const std::string& name) const
    {
        int n = 0;
        for (const auto& entity : level.collection.all())
            if (entity->getName() == name && !entity->isControlled())
                ++n;
        return n;
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

TEST_F(Humans, WalkersTurnAtSixtyAndAtTheRightEdge)
{
    CMapEntity* walker = level.place("CLOVEK1", 615, 400);
    level.frames(4);  // 616 .. 619: the right edge 629 is not beyond 630
    EXPECT_FLOAT_EQ(walker->getX(), 619);
    EXPECT_EQ(shown(walker), "RIGHT");
    level.frame();  // 620: 630 is not beyond either
    level.frame();  // 621: 631 is
    EXPECT_EQ(shown(walker), "LEFT");
    level.frame();
    EXPECT_FLOAT_EQ(walker->getX(), 620);

    walker->setPosition(61, 400);
    level.frame();
    EXPECT_FLOAT_EQ(walker->getX(), 60);
    EXPECT_EQ(shown(walker), "LEFT");
    level.frame();
    EXPECT_EQ(shown(walker), "RIGHT");
    level.frame();
    EXPECT_FLOAT_EQ(walker->getX(), 60);

    CMapEntity* quick = level.place("CLOVEK2", 20, 400);
    level.frame();
    EXPECT_FLOAT_EQ(quick->getX(), 21.5f);
    EXPECT_EQ(shown(quick), "RIGHT");
}

TEST_F(Humans, SeveralDroppingsInOneFrameRewardOnceAndTheHitPoseLasts1200Ms)
{
    CMapEntity* human = level.place("CLOVEK1", 200, 400);
    level.place("BOBEK", 202, 395);
    level.place("BOBEK", 205, 395);
    level.frames(2);
    EXPECT_EQ(globals.levelScore, 150u);
    EXPECT_EQ(level.count("BONUS150"), 1);
    EXPECT_EQ(level.count("BOBEK"), 0);
    EXPECT_EQ(shown(human), "HIT_RIGHT");
    ASSERT_NE(level.find("BONUS150"), nullptr);
    EXPECT_FLOAT_EQ(level.find("BONUS150")->getY(), human->getY() - 15);

    level.frames(59);  // 1180 ms after the hit
    EXPECT_EQ(shown(human), "HIT_RIGHT");
    level.frame();
    EXPECT_EQ(shown(human), "RIGHT");
    EXPECT_EQ(globals.levelScore, 150u);
}

TEST_F(Humans, ThrowersLaunchWithHalfTheWindAndTheirWalk)
{
    globals.wind = 1.0f;
    CMapEntity* villager = level.place("WINTERCLOVEK1", 200, 400);
    level.frame();
    untilThrow(1800);
    ASSERT_EQ(freshlySpawned("SNOWBALL"), 1);
    CMapEntity* snowball = level.find("SNOWBALL");
    EXPECT_FLOAT_EQ(snowball->getX(), villager->getX() + 30);
    EXPECT_FLOAT_EQ(snowball->getY(), villager->getY() - 10);
    EXPECT_FLOAT_EQ(snowball->getVelocityX(), 0.5f + 1.8f);

    // The throw pose plays once (one frame of this world), then the walk shows again; the
    // next throw finds it played out and walks on at once, but still throws.
    EXPECT_EQ(shown(villager), "THROW_RIGHT");
    level.frame();
    EXPECT_EQ(shown(villager), "RIGHT");
    untilThrow(1800);
    EXPECT_EQ(freshlySpawned("SNOWBALL"), 1);
    EXPECT_EQ(shown(villager), "RIGHT");
}

TEST_F(Humans, TheYetiThrowsThreeOnHardAndTwoOtherwise)
{
    for (Uint32 difficulty : {0u, 1u, 2u}) {
        globals.setDifficulty(difficulty);
        CMapEntity* yeti = level.place("YETI", 200, 400);
        level.frame();
        untilThrow(1800);
        EXPECT_EQ(freshlySpawned("SNOWBALL"), difficulty == 2 ? 3 : 2) << difficulty;
        EXPECT_FLOAT_EQ(level.find("SNOWBALL")->getX(), yeti->getX() + 30);
        EXPECT_FLOAT_EQ(level.find("SNOWBALL", 1)->getX(), yeti->getX() + 50);
        level.remove(yeti);
        for (const auto& entity : level.collection.all())
            if (entity->getName() == "SNOWBALL")
                level.remove(entity.get());
        level.frame();
    }
}

TEST_F(Humans, TheWinterThrowerAimsAcrossAtTheBird)
{
    level.place("PLAYER", 20, 395);
    CMapEntity* thrower = level.place("CLOVEK6", 400, 400);
    level.frame();
    untilThrow(1800);
    ASSERT_EQ(freshlySpawned("SNOWBALL"), 1);
    EXPECT_NEAR(level.find("SNOWBALL")->getVelocityX(), -2.0f, 0.01f);  // twice the unit vector's x
    EXPECT_FLOAT_EQ(level.find("SNOWBALL")->getX(), thrower->getX() + 30);
}

TEST_F(Humans, TheCamelAimsEachBallFromWhereItStarts)
{
    // The bird waits right above where the first ball will start, two steps of the camel on.
    float throwX = 100;
    throwX += 1.2f;
    throwX += 1.2f;
    CMapEntity* bird = level.place("PLAYER", throwX + 30, 100);
    CMapEntity* camel = level.place("VELBLOUD", 100, 400);
    level.frame();
    untilThrow(1800);
    ASSERT_EQ(freshlySpawned("DKOULE"), 2);
    CMapEntity* first = level.find("DKOULE");
    CMapEntity* second = level.find("DKOULE", 1);
    EXPECT_FLOAT_EQ(first->getX(), camel->getX() + 30);
    EXPECT_FLOAT_EQ(second->getX(), camel->getX() + 10);
    EXPECT_NEAR(first->getX(), bird->getX(), 0.001f);
    EXPECT_NEAR(first->getVelocityX(), 0.0f, 0.001f);
    EXPECT_NEAR(first->getVelocityY(), -1.0f, 0.001f);
    EXPECT_GT(second->getVelocityX(), 0.05f);
    EXPECT_NEAR(std::hypot(second->getVelocityX(), second->getVelocityY()), 1.0f, 0.001f);
}

TEST_F(Humans, ALostLevelFreezesThePoseAndTheHopNeverReturnsToWalking)
{
    std::srand(3);
    CMapEntity* human = level.place("CLOVEK1", 200, 400);
    level.place("BOBEK", 202, 395);
    level.frames(2);
    ASSERT_EQ(shown(human), "HIT_RIGHT");
    globals.levelOver = true;
    globals.levelWon = false;
    const float x = human->getX();
    float highest = 400;
    bool landed = false;
    for (int i = 0; i < 150; ++i) {
        level.frame();
        highest = std::min(highest, human->getY());
        landed = landed || (highest < 400 && human->getY() >= 400);
    }
    EXPECT_EQ(shown(human), "HIT_RIGHT");  // 3 s later: no return to walking
    EXPECT_FALSE(human->getSprite()->getCurrentFrameset()->isPlaying());
    EXPECT_EQ(human->getSprite()->currentFrame()->name, "FRAME1");
    EXPECT_FLOAT_EQ(human->getX(), x);
    EXPECT_LT(highest, 395);
    EXPECT_TRUE(landed);
    EXPECT_EQ(level.count("KAMEN"), 0);  // no more throwing
}

TEST_F(Humans, AWonLevelTurnsTheHoppersAngry)
{
    CMapEntity* right = level.place("CLOVEK1", 200, 400);
    CMapEntity* left = level.place("CLOVEK4", 625, 400);
    level.frames(3);
    ASSERT_EQ(shown(left), "LEFT");
    globals.levelOver = true;
    level.frame();
    EXPECT_EQ(shown(right), "ANGRY_RIGHT");
    EXPECT_EQ(shown(left), "ANGRY_LEFT");
    level.frame();
    EXPECT_FALSE(right->getSprite()->getCurrentFrameset()->isPlaying());
}

}
