#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/globals.h"
#include "behaviour/bosses.h"
#include "gfx/sprite.h"
#include "support/test_level.h"

namespace {

class Bosses : public ::testing::Test
{
protected:
    ~Bosses() override { globals.setDifficulty(0); }

    std::string shown(const CMapEntity* entity) const { return entity->getSprite()->currentFramesetName(); }
    // Entities spawned in the last frame: their controllers are bound only in the next one.
    std::vector<CMapEntity*> freshlySpawned(const std::string& name) const
    {
        std::vector<CMapEntity*> fresh;
        for (const auto& entity : level.collection.all())
            if (entity->getName() == name && !entity->isControlled())
                fresh.push_back(entity.get());
        return fresh;
    }
    CBoss2Controller* boss2(CMapEntity* boss) const { return static_cast<CBoss2Controller*>(level.controllerOf(boss)); }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

TEST_F(Bosses, TheGiantThrowsFourStonesAndABallAndIsWorthAThousand)
{
    globals.wind = -1.0f;
    CMapEntity* giant = level.place("BOSS1", 200, 380);
    level.frame();
    level.clock.advance(1780);
    level.frame();
    std::vector<CMapEntity*> stones = freshlySpawned("KAMEN");
    ASSERT_EQ(stones.size(), 4u);
    const float offsets[] = {30, 50, 80, 100};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(stones[i]->getX(), giant->getX() + offsets[i]);
        EXPECT_FLOAT_EQ(stones[i]->getVelocityX(), -0.5f + 1.2f);
    }
    ASSERT_EQ(freshlySpawned("KOULEUP").size(), 1u);
    EXPECT_FLOAT_EQ(freshlySpawned("KOULEUP")[0]->getX(), giant->getX() + 60);

    level.place("BOBEK", giant->getX() + 2, 375);
    level.frames(2);
    EXPECT_EQ(globals.levelScore, 1000u);
    EXPECT_EQ(level.count("BONUS1000"), 1);
    EXPECT_EQ(level.count("BONUS150"), 0);
}

TEST_F(Bosses, TheBeatenGiantLiesWreckedInsteadOfHopping)
{
    CMapEntity* giant = level.place("BOSS1", 200, 380);
    level.frame();
    globals.levelOver = true;
    globals.levelWon = false;
    level.frames(5);
    EXPECT_EQ(shown(giant), "RIGHT");
    globals.levelWon = true;
    level.frames(5);
    EXPECT_EQ(shown(giant), "DESTROYED");
    EXPECT_FLOAT_EQ(giant->getY(), 380);
}

TEST_F(Bosses, TheFlyingBossChangesPhaseAt20And40Seconds)
{
    std::srand(5);
    CMapEntity* boss = level.place("BOSS2", 100, 50);
    level.frame();  // its timers start here
    level.clock.advance(19960);
    level.frame();
    EXPECT_EQ(boss2(boss)->getPhase(), 1);
    level.frame();
    EXPECT_EQ(boss2(boss)->getPhase(), 2);
    level.clock.advance(19960);
    level.frame();
    EXPECT_EQ(boss2(boss)->getPhase(), 2);
    level.frame();
    EXPECT_EQ(boss2(boss)->getPhase(), 3);
}

TEST_F(Bosses, TheFlyingBossDropsTwoSnowballsAndThreeInPhaseTwo)
{
    globals.wind = 3.0f;
    CMapEntity* boss = level.place("BOSS2", 100, 50);
    level.frame();
    level.clock.advance(780);  // 800 ms on easy
    level.frame();
    std::vector<CMapEntity*> bombs = freshlySpawned("FALLINGWINTERKOULE");
    ASSERT_EQ(bombs.size(), 2u);
    EXPECT_FLOAT_EQ(bombs[0]->getX(), boss->getX() + 120);
    EXPECT_FLOAT_EQ(bombs[0]->getY(), boss->getY() + 135);
    EXPECT_FLOAT_EQ(bombs[0]->getVelocityX(), 0.0f);
    EXPECT_FLOAT_EQ(bombs[1]->getX(), boss->getX() + 90);
    EXPECT_FLOAT_EQ(bombs[1]->getVelocityX(), 2.0f);
    EXPECT_FLOAT_EQ(bombs[1]->getVelocityY(), 1.0f);

    level.clock.advance(20000);
    level.frame();  // phase 2, and the drop timer has run out too
    bombs = freshlySpawned("FALLINGWINTERKOULE");
    ASSERT_EQ(bombs.size(), 3u);
    EXPECT_FLOAT_EQ(bombs[2]->getX(), boss->getX() + 105);
    EXPECT_FLOAT_EQ(bombs[2]->getVelocityX(), 1.0f);
}

TEST_F(Bosses, PhaseThreeVolleysHaveOneThreeAndFiveShotsByDifficulty)
{
    for (Uint32 difficulty : {0u, 1u, 2u}) {
        globals.setDifficulty(difficulty);
        CTestLevel fight;
        CMapEntity* boss = fight.place("BOSS2", 100, 50);
        fight.frame();
        fight.clock.advance(40000);
        fight.frame();
        ASSERT_EQ(static_cast<CBoss2Controller*>(fight.controllerOf(boss))->getPhase(), 3);
        const Uint32 fire[] = {1600, 1299, 1000};
        fight.clock.advance(fire[difficulty] - 20);
        fight.frame();
        std::vector<float> drifts;
        int upward = 0;
        for (const auto& entity : fight.collection.all()) {
            if (entity->isControlled() || (entity->getName() != "SNOWBALL" && entity->getName() != "KOULEUP"))
                continue;
            drifts.push_back(entity->getVelocityX());
            upward += entity->getName() == "KOULEUP";
            EXPECT_FLOAT_EQ(entity->getX(), boss->getX() + 105);
            EXPECT_FLOAT_EQ(entity->getY(), boss->getY() + 130);
        }
        const std::vector<float> expected[] = {{-1.0f}, {-1.0f, 1.0f, 0.0f}, {-1.0f, 1.0f, 0.0f, -0.5f, 0.5f}};
        EXPECT_EQ(drifts, expected[difficulty]) << difficulty;
        EXPECT_EQ(upward, static_cast<int>(difficulty)) << difficulty;
    }
}

TEST_F(Bosses, DivesStartOnlyFromThePatrolAndTurnAt250And100)
{
    std::srand(11);
    CMapEntity* boss = level.place("BOSS2", 100, 50);
    level.frame();
    level.clock.advance(20000);
    level.frame();
    ASSERT_EQ(boss2(boss)->getPhase(), 2);
    enum Move { Patrol, Down, Up } previous = Patrol;
    int dives = 0;
    for (int i = 0; i < 3000; ++i) {
        const float x = boss->getX(), y = boss->getY();
        level.frame();
        const float dx = boss->getX() - x, dy = boss->getY() - y;
        Move move;
        if (dy == 0 && std::fabs(dx) == 2)
            move = Patrol;
        else if (dx == 0 && dy == 2)
            move = Down;
        else if (dx == 0 && dy == -2)
            move = Up;
        else
            FAIL() << "neither a patrol step nor a dive or climb step: " << dx << ", " << dy;
        if (move == Down && previous == Up)
            FAIL() << "a dive started during the climb";
        if (move == Up && previous == Down)
            EXPECT_GT(y, 250);
        if (move == Patrol && previous == Up)
            EXPECT_LT(y, 100);
        if (move == Down && previous == Patrol) {
            EXPECT_LE(y, 250);
            ++dives;
        }
        previous = move;
    }
    EXPECT_GE(dives, 3);
}

TEST_F(Bosses, TheFlyingBossSinksAtTheEndButIsWreckedOnlyWhenBeaten)
{
    for (bool won : {false, true}) {
        CTestLevel fight;
        CMapEntity* boss = fight.place("BOSS2", 100, 50);
        fight.frame();
        globals.levelOver = true;
        globals.levelWon = won;
        fight.frames(10);
        EXPECT_FLOAT_EQ(boss->getY(), 70) << won;
        EXPECT_FLOAT_EQ(boss->getX(), 101.5f) << won;  // one patrol step, then only down
        EXPECT_EQ(shown(boss) == "DESTROYED", won);
        EXPECT_TRUE(freshlySpawned("FALLINGWINTERKOULE").empty());
    }
}

TEST_F(Bosses, TheEdgeYetiFallsToTwoSnowballsButScoresOnce)
{
    CMapEntity* yeti = level.place("HYETILEFT", 0, 200);
    level.place("FALLINGWINTERKOULE", 2, 195);
    level.place("FALLINGWINTERKOULE", 4, 197);
    level.frames(2);
    EXPECT_EQ(globals.levelScore, 5000u);
    EXPECT_EQ(level.count("BONUS1000"), 1);
    const float y = yeti->getY();
    level.place("FALLINGWINTERKOULE", 2, y + 2);
    level.frames(3);
    EXPECT_EQ(globals.levelScore, 5000u);
    EXPECT_FLOAT_EQ(yeti->getY(), y + 6);
    level.frames(150);
    EXPECT_EQ(level.count("HYETILEFT"), 0);  // gone on the ground
}

TEST_F(Bosses, NoAvalancheWhileTheChestBeatingStillPlays)
{
    std::srand(7);
    CMapEntity* yeti = level.place("HYETIRIGHT", 600, 200);
    level.frame();  // the avalanche timer starts here
    level.clock.advance(14000);
    level.frame();
    std::vector<CMapEntity*> avalanche = freshlySpawned("SNOWBALL");
    EXPECT_EQ(avalanche.size(), 22u);  // 35 / 1.6 on easy
    for (CMapEntity* snowball : avalanche) {
        EXPECT_GE(snowball->getX(), 0);
        EXPECT_LT(snowball->getX(), 620);
        EXPECT_GE(snowball->getY(), -300);
        EXPECT_LT(snowball->getY(), 0);
    }
    EXPECT_EQ(shown(yeti), "BUCH");

    // The chest beating is still playing when the timer runs out again.
    yeti->getSprite()->getCurrentFrameset()->start();
    level.frame();
    EXPECT_EQ(shown(yeti), "BUCH");
    level.clock.advance(14000);
    level.frame();
    EXPECT_TRUE(freshlySpawned("SNOWBALL").empty());
    level.frame();
    EXPECT_EQ(shown(yeti), "FRAMESET1");

    // The timer went on with its period from that moment.
    level.clock.advance(6900);
    level.frame();
    EXPECT_TRUE(freshlySpawned("SNOWBALL").empty());
    level.clock.advance(7100);
    level.frame();
    EXPECT_EQ(freshlySpawned("SNOWBALL").size(), 22u);
}

TEST_F(Bosses, AvalanchesGrowWithDifficulty)
{
    globals.setDifficulty(2);
    CTestLevel hard;
    hard.place("HYETILEFT", 0, 200);
    hard.frame();
    hard.clock.advance(14000);
    hard.frame();
    int snowballs = 0;
    for (const auto& entity : hard.collection.all())
        snowballs += entity->getName() == "SNOWBALL";
    EXPECT_EQ(snowballs, 35);
}

}
