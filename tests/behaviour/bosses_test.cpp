#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/globals.h"
#include "behaviour/bosses.h"
#include "frame_watch.h"
#include "gfx/sprite.h"
#include "support/test_level.h"

namespace {

class Bosses : public ::testing::Test
{
protected:
    ~Bosses() override { globals.setDifficulty(0); }

    Uint16 phase(CMapEntity* boss) const { return static_cast<CBoss2Controller*>(level.controllerOf(boss))->getPhase(); }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

TEST_F(Bosses, TheGiantThrowsFourStonesAndABallIsWorthAThousandAndLiesWreckedWhenBeaten)
{
    CMapEntity* giant = level.place("BOSS1", 200, 380);
    level.frame();
    level.clock.advance(1780);
    level.frame();
    std::vector<CMapEntity*> stones = fresh(level, "KAMEN");
    ASSERT_EQ(stones.size(), 4u);
    EXPECT_FLOAT_EQ(stones[3]->getX(), giant->getX() + 100);
    EXPECT_FLOAT_EQ(stones[3]->getVelocityX(), 1.2f);
    ASSERT_EQ(fresh(level, "KOULEUP").size(), 1u);

    level.place("BOBEK", giant->getX() + 2, 375);
    level.frames(2);
    EXPECT_EQ(globals.levelScore, 1000u);
    EXPECT_EQ(level.count("BONUS1000"), 1);

    globals.levelOver = true;
    level.frames(5);
    EXPECT_EQ(framesetOf(giant), "DESTROYED");
    EXPECT_FLOAT_EQ(giant->getY(), 380);  // no hop
}

TEST_F(Bosses, ALostLevelLeavesTheGiantStandingAsItWas)
{
    CMapEntity* giant = level.place("BOSS1", 200, 380);
    level.frames(3);
    ASSERT_EQ(framesetOf(giant), "RIGHT");
    globals.levelOver = true;
    globals.levelWon = false;
    level.frames(25);  // ten passes of its 50 ms loop
    EXPECT_EQ(framesetOf(giant), "RIGHT");
    EXPECT_NEAR(giant->getX(), 200 + 3 * 1.2f, 1e-3);  // it stopped where it stood
    EXPECT_FLOAT_EQ(giant->getY(), 380);
    EXPECT_EQ(level.count("KAMEN"), 0);
}

TEST_F(Bosses, TheFlyingBossTurnsToPhaseTwoAt20sAndThreeAt40sDroppingThreeSnowballsInTwo)
{
    std::srand(5);
    CMapEntity* boss = level.place("BOSS2", 100, 50);
    level.frame();  // its timers start here
    level.clock.advance(780);
    level.frame();  // the 800 ms drop on easy
    std::vector<CMapEntity*> bombs = fresh(level, "FALLINGWINTERKOULE");
    ASSERT_EQ(bombs.size(), 2u);
    EXPECT_FLOAT_EQ(bombs[0]->getX(), boss->getX() + 120);
    EXPECT_FLOAT_EQ(bombs[1]->getVelocityX(), 1.0f);
    EXPECT_FLOAT_EQ(bombs[1]->getVelocityY(), 1.0f);

    level.clock.advance(19160);
    level.frame();
    EXPECT_EQ(phase(boss), 1);
    level.frame();  // 20 s
    EXPECT_EQ(phase(boss), 2);
    level.clock.advance(780);
    level.frame();
    EXPECT_EQ(fresh(level, "FALLINGWINTERKOULE").size(), 3u);
    level.clock.advance(19160);
    level.frame();
    EXPECT_EQ(phase(boss), 2);
    level.frame();  // 40 s
    EXPECT_EQ(phase(boss), 3);
    level.clock.advance(780);
    level.frame();
    EXPECT_EQ(fresh(level, "FALLINGWINTERKOULE").size(), 2u);
}

TEST_F(Bosses, PhaseThreeVolleysHaveOneThreeAndFiveShotsByDifficulty)
{
    const Uint32 firePeriods[] = {1600, 1299, 1000};
    const std::vector<float> drifts[] = {{-1.0f}, {-1.0f, 1.0f, 0.0f}, {-1.0f, 1.0f, 0.0f, -0.5f, 0.5f}};
    for (Uint32 difficulty : {0u, 1u, 2u}) {
        globals.setDifficulty(difficulty);
        CTestLevel fight;
        fight.place("BOSS2", 100, 50);
        fight.frame();
        fight.clock.advance(40000);
        fight.frame();
        fight.clock.advance(firePeriods[difficulty] - 20);
        fight.frame();
        std::vector<float> volley;
        for (const auto& entity : fight.collection.all())
            if (!entity->isControlled() && (entity->getName() == "SNOWBALL" || entity->getName() == "KOULEUP"))
                volley.push_back(entity->getVelocityX());
        EXPECT_EQ(volley, drifts[difficulty]) << difficulty;
        EXPECT_EQ(fresh(fight, "KOULEUP").size(), difficulty) << difficulty;
    }
}

TEST_F(Bosses, DivesStartOnlyFromThePatrolAndTurnBelow250AndAbove100)
{
    std::srand(11);
    CMapEntity* boss = level.place("BOSS2", 100, 50);
    level.frame();
    level.clock.advance(20000);
    level.frame();
    ASSERT_EQ(phase(boss), 2);
    enum Move { Patrol, Down, Up } previous = Patrol;
    int dives = 0;
    for (int i = 0; i < 3000; ++i) {
        const float x = boss->getX(), y = boss->getY();
        level.frame();
        const float dx = boss->getX() - x, dy = boss->getY() - y;
        ASSERT_TRUE((dy == 0 && std::fabs(dx) == 2) || (dx == 0 && std::fabs(dy) == 2)) << dx << ", " << dy;
        const Move move = dy > 0 ? Down : dy < 0 ? Up : Patrol;
        ASSERT_FALSE(move == Down && previous == Up) << "a dive started during the climb";
        if (move == Up && previous == Down)
            EXPECT_GT(y, 250);
        if (move == Patrol && previous == Up)
            EXPECT_LT(y, 100);
        dives += move == Down && previous == Patrol;
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
        EXPECT_EQ(framesetOf(boss) == "DESTROYED", won);
    }
}

TEST_F(Bosses, TheEdgeYetiFallsToTwoSnowballsButScoresOnce)
{
    CMapEntity* yeti = level.place("HYETILEFT", 0, 200);
    level.place("FALLINGWINTERKOULE", 2, 195);
    level.place("FALLINGWINTERKOULE", 4, 197);
    level.frames(2);
    level.place("FALLINGWINTERKOULE", 2, yeti->getY() + 2);
    level.frames(3);
    EXPECT_EQ(globals.levelScore, 5000u);
    EXPECT_EQ(level.count("BONUS1000"), 1);
    level.frames(150);
    EXPECT_EQ(level.count("HYETILEFT"), 0);  // gone on the ground
}

TEST_F(Bosses, NoAvalancheWhileTheChestBeatingStillPlays)
{
    std::srand(7);
    CMapEntity* yeti = level.place("HYETIRIGHT", 600, 200);
    level.frame();  // the 7 to 14 s avalanche timer starts here
    level.clock.advance(14000);
    level.frame();
    std::vector<CMapEntity*> avalanche = fresh(level, "SNOWBALL");
    EXPECT_EQ(avalanche.size(), 22u);  // 35 / 1.6 on easy
    for (CMapEntity* snowball : avalanche)
        EXPECT_TRUE(snowball->getX() >= 0 && snowball->getX() < 620 && snowball->getY() >= -300 && snowball->getY() < 0);
    EXPECT_EQ(framesetOf(yeti), "BUCH");

    yeti->getSprite()->getCurrentFrameset()->start();  // still beating when the timer runs out again
    level.frame();
    level.clock.advance(14000);
    level.frame();
    EXPECT_TRUE(fresh(level, "SNOWBALL").empty());
    level.frame();
    EXPECT_EQ(framesetOf(yeti), "FRAMESET1");
    level.clock.advance(6900);  // the timer went on with its period from the missed avalanche
    level.frame();
    EXPECT_TRUE(fresh(level, "SNOWBALL").empty());
    level.clock.advance(7100);
    level.frame();
    EXPECT_EQ(fresh(level, "SNOWBALL").size(), 22u);
}

}
