#include <gtest/gtest.h>

#include "app/globals.h"
#include "behaviour/periods.h"
#include "behaviour/projectiles.h"
#include "support/test_level.h"

namespace {

class Projectiles : public ::testing::Test
{
protected:
    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

TEST_F(Projectiles, TheDroppingsDriftSettlesBelowAStep)
{
    CMapEntity* dropping = level.place("BOBEK", 100, 40);
    dropping->setVelocityX(1.0f);
    level.frames(60);
    EXPECT_GE(dropping->getVelocityX(), 0.0f);
    EXPECT_LT(dropping->getVelocityX(), 0.03f);
    CMapEntity* leftward = level.place("BOBEK", 200, 40);
    leftward->setVelocityX(-0.5f);
    level.frames(40);
    EXPECT_GE(leftward->getVelocityX(), 0.0f);
    EXPECT_LT(leftward->getVelocityX(), 0.03f);
}

TEST_F(Projectiles, ADroppingEndsOnTargetsCreaturesAndGroundOnly)
{
    const char* stoppers[] = {"CLOVEK1", "CAT", "KAKTUS1"};
    for (const char* name : stoppers) {
        CMapEntity* target = level.place(name, 100, 100);
        level.place("BOBEK", 100, 95);
        level.frames(3);
        EXPECT_EQ(level.count("BOBEK"), 0) << name;
        level.remove(target);
        level.frame();
    }
    const char* passers[] = {"KAMEN", "PLAYER", "TREE1"};
    for (const char* name : passers) {
        CMapEntity* other = level.place(name, 300, 100);
        level.place("BOBEK", 300, 95);
        level.frames(3);
        EXPECT_EQ(level.count("BOBEK"), 1) << name;
        level.remove(other);
        level.remove(level.find("BOBEK"));
        level.frame();
    }
    level.place("BOBEK", 400, 420);
    level.frames(30);
    EXPECT_EQ(level.count("BOBEK"), 0);  // the ground
}

TEST_F(Projectiles, AStoneRisesThenFallsAndLeavesAtTheBounds)
{
    std::srand(1);
    CMapEntity* stone = level.place("KAMEN", 300, 300);
    level.frame();
    float start = stone->getY();
    level.frame();
    EXPECT_LT(stone->getY(), start);
    level.frames(600);
    EXPECT_EQ(level.count("KAMEN"), 0);  // landed

    CMapEntity* sideways = level.place("KAMEN", 630, 100);
    sideways->setVelocityX(4);
    level.frames(5);
    EXPECT_EQ(level.count("KAMEN"), 0);
    CMapEntity* back = level.place("KAMEN", 5, 100);
    back->setVelocityX(-3);
    level.frames(5);
    EXPECT_EQ(level.count("KAMEN"), 0);
}

TEST_F(Projectiles, FallingSnowballsStartWithTheirSpawnersSpeed)
{
    CMapEntity* bomb = level.place("FALLINGWINTERKOULE", 300, 100);
    bomb->setVelocityY(1.0f);
    level.frames(2);  // bound and moved in the first frame, then gravity
    EXPECT_FLOAT_EQ(bomb->getY(), 102.03f);
}

TEST_F(Projectiles, AnAppleEndsOnlyOnThePlayerOrALittleBird)
{
    CMapEntity* apple = level.place("APPLE", 100, 380);
    level.frames(60);
    EXPECT_EQ(level.count("APPLE"), 1);  // resting on the ground
    EXPECT_LT(apple->getY(), 448);
    level.place("LITTLEBIRD", apple->getX(), apple->getY());
    level.frames(2);
    EXPECT_EQ(level.count("APPLE"), 0);
}

TEST_F(Projectiles, ASpikeFliesAtThePlayerAndEndsAboveTheScreen)
{
    level.place("PLAYER", 300, 0);
    level.frame();
    CMapEntity* spike = level.place("SPIKE", 300, 400);
    spike->setTarget(300, 1);  // what the level's drawing gives every entity before it is bound
    level.frames(2);
    EXPECT_FLOAT_EQ(spike->getX(), 300);
    EXPECT_LT(spike->getY(), 400);
    level.frames(100);
    EXPECT_EQ(level.count("SPIKE"), 0);
}

TEST_F(Projectiles, IciclesDripMoreOftenOnHarderSets)
{
    auto dripsIn = [&](Uint32 difficulty) {
        globals.setDifficulty(difficulty);
        std::srand(11);
        CTestLevel cave;
        cave.place("RAMPOUCH1", 300, 100);
        int drips = 0;
        for (int frame = 0; frame < 3000; ++frame) {  // a minute
            cave.frame();
            for (const auto& entity : cave.collection.all())
                drips += entity->getName() == "KAPKA" && !entity->isControlled() && entity->getY() == 142;
        }
        return drips;
    };
    int easy = dripsIn(0);
    int hard = dripsIn(2);
    globals.setDifficulty(0);
    EXPECT_GT(hard, easy);
}

TEST_F(Projectiles, IcicleFirstPeriodsFollowTheDifficultyFactor)
{
    globals.setDifficulty(1);
    EXPECT_EQ(difficultyPeriod(2000), 2599u);
    EXPECT_EQ(difficultyPeriod(1200), 1559u);
    EXPECT_EQ(difficultyPeriod(500), 649u);
    globals.setDifficulty(0);
    EXPECT_EQ(difficultyPeriod(2000, 7), 3207u);
    globals.setDifficulty(2);
    EXPECT_EQ(difficultyPeriod(2500), 2500u);
    globals.setDifficulty(0);
}

}
