#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>

#include "app/globals.h"
#include "behaviour/bonus_watcher.h"
#include "gfx/sprite.h"
#include "support/test_level.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace {

const char* const praises[] = {"BONUSGOOD",      "BONUSGREAT", "BONUSFANTASTIC", "BONUSEXCELLENT",
                               "BONUSNOWAY",     "BONUSWOW",   "BONUSCHAMPION"};

// The watcher on a level with a bird that holds still at (300, 200) (box centre 305, 205) and
// projectiles without controllers, moved by hand between frames.
class BonusWatcher : public ::testing::Test
{
protected:
    BonusWatcher()
    {
        bird = add("PLAYER", 300, 200, 1, 7);
        watcher.init(&level.collection);
        level.actors = [this] { watcher.update(); };
    }

    CMapEntity* add(const char* sprite, float x, float y, Uint32 collisionClass, Uint32 kind)
    {
        auto entity = std::make_unique<CTestEntity>(sprite, x, y, false, collisionClass, kind);
        CMapEntity* added = entity.get();
        level.collection.add(std::move(entity));
        return added;
    }
    CMapEntity* stone(float distance) { return add("KAMEN", 300 + distance, 200, 4, 3); }
    // Puts the projectile at this distance right of the bird and runs a frame.
    void at(CMapEntity* projectile, float distance)
    {
        projectile->setPosition(300 + distance, 200);
        level.frame();
    }
    // Far away, then closing in, then moving off: a pass at `closest` px, scored as it leaves.
    void pass(CMapEntity* projectile, float closest)
    {
        at(projectile, 150);
        at(projectile, closest);
        at(projectile, closest + 1);
    }
    std::string shown(const CMapEntity* entity) const { return entity->getSprite()->currentFramesetName(); }
    int praiseLabels() const
    {
        int n = 0;
        for (const char* name : praises)
            n += level.count(name);
        return n;
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
    CBonusWatcher watcher;
    CMapEntity* bird;
};

TEST_F(BonusWatcher, AStonePassingAt80PxScores50OnceAndLooksSpentFor3s)
{
    CMapEntity* kamen = stone(150);
    pass(kamen, 80);
    EXPECT_EQ(globals.levelScore, 50u);
    ASSERT_EQ(level.count("BONUS50"), 1);
    EXPECT_FLOAT_EQ(level.find("BONUS50")->getX(), 305);  // above the bird's centre
    at(kamen, 81);
    EXPECT_EQ(shown(kamen), "FRAMESET1");

    for (int i = 0; i < 3; ++i)
        pass(kamen, 80);
    level.clock.advance(2660);
    pass(kamen, 80);  // ends 2940 ms after the first score
    EXPECT_EQ(globals.levelScore, 50u);
    EXPECT_EQ(shown(kamen), "FRAMESET1");

    level.clock.advance(100);
    at(kamen, 80);
    at(kamen, 81);
    EXPECT_EQ(globals.levelScore, 100u);
    level.clock.advance(3020);
    at(kamen, 300);
    EXPECT_EQ(shown(kamen), "AKTIVNI");
}

TEST_F(BonusWatcher, ANeverScoredStoneScoresInTheClocksFirstThreeSeconds)
{
    level.clock.set(0);  // a demo or a check starting its clock at 0
    pass(stone(150), 80);
    EXPECT_EQ(globals.levelScore, 50u);
}

TEST_F(BonusWatcher, APassMustComeWithin92PxAndScoresByHowCloseItWas)
{
    const float passes[] = {92, 82, 50, 93};  // each scored as it moves off at one pixel more
    const Uint32 totals[] = {10, 60, 210, 210};
    const char* labels[] = {"BONUS10", "BONUS50", "BONUS150", nullptr};
    for (int i = 0; i < 4; ++i) {
        pass(stone(150), passes[i]);
        EXPECT_EQ(globals.levelScore, totals[i]) << passes[i];
        if (labels[i])
            EXPECT_EQ(level.count(labels[i]), 1) << labels[i];
        level.clock.advance(1100);  // no chain
    }
}

TEST_F(BonusWatcher, TwoVeryCloseMisses900MsApartDoubleTheSecond)
{
    CMapEntity* first = stone(150);
    CMapEntity* second = stone(150);
    pass(first, 40);
    EXPECT_EQ(globals.levelScore, 150u);
    level.clock.advance(840);
    pass(second, 40);  // 900 ms after the first
    EXPECT_EQ(globals.levelScore, 450u);
    EXPECT_EQ(level.count("BONUS150"), 2);
    ASSERT_EQ(level.count("NASOBITEL2"), 1);
    EXPECT_FLOAT_EQ(level.find("NASOBITEL2")->getX(), 285);
    EXPECT_EQ(watcher.getMultiplier(), 2);

    level.clock.advance(980);
    level.frame();
    EXPECT_EQ(watcher.getMultiplier(), 1);
    EXPECT_EQ(praiseLabels(), 0);
}

TEST_F(BonusWatcher, NineChainedMissesEndWithTheChampionAtTheBottom)
{
    CMapEntity* villager = add("CLOVEK1", 100, 400, 3, 2);
    CMapEntity* leftwards = add("CLOVEK1", 500, 400, 3, 2);
    leftwards->getSprite()->setFrameset("LEFT");
    CMapEntity* hit = add("CLOVEK1", 200, 400, 3, 2);
    hit->getSprite()->setFrameset("HIT_RIGHT");

    Uint32 expected = 0;
    for (int multiplier = 1; multiplier <= 9; ++multiplier) {
        pass(stone(150), 30);
        expected += 150 * multiplier;
        EXPECT_EQ(globals.levelScore, expected);
        EXPECT_EQ(watcher.getMultiplier(), multiplier);
        if (multiplier > 1)
            EXPECT_EQ(level.count("NASOBITEL" + std::to_string(multiplier)), 1);
        // The crowd turns angry from multiplier 4.
        EXPECT_EQ(shown(villager), multiplier >= 4 ? "ANGRY_RIGHT" : "RIGHT") << multiplier;
        EXPECT_EQ(shown(leftwards), multiplier >= 4 ? "ANGRY_LEFT" : "LEFT") << multiplier;
        EXPECT_EQ(shown(hit), "HIT_RIGHT");
    }
    EXPECT_EQ(expected, 6750u);
    EXPECT_EQ(praiseLabels(), 0);
    level.clock.advance(1000);
    level.frame();
    ASSERT_EQ(level.count("BONUSCHAMPION"), 1);
    EXPECT_EQ(praiseLabels(), 1);
    EXPECT_FLOAT_EQ(level.find("BONUSCHAMPION")->getY(), 430);
    EXPECT_FLOAT_EQ(level.find("BONUSCHAMPION")->getX(), 315);  // centred: 320 - 10 / 2
    level.frames(20);
    EXPECT_EQ(praiseLabels(), 1);  // shown once
}

TEST_F(BonusWatcher, ThePraiseFollowsTheMultiplier)
{
    const char* byMultiplier[] = {"BONUSGOOD", "BONUSGREAT", "BONUSFANTASTIC"};
    for (int chain = 3; chain <= 5; ++chain) {
        for (int i = 0; i < chain; ++i)
            pass(stone(150), 30);
        level.clock.advance(1000);
        level.frame();
        EXPECT_EQ(level.count(byMultiplier[chain - 3]), 1) << chain;
    }
}

TEST_F(BonusWatcher, TheRedBalloonScores2500AndEndsWithoutPraise)
{
    CMapEntity* balloon = add("REDBALON", 450, 200, 4, 123);
    pass(balloon, 45);
    EXPECT_EQ(globals.levelScore, 2500u);
    EXPECT_EQ(level.count("BONUS250"), 1);
    EXPECT_EQ(level.count("NASOBITEL10"), 1);
    EXPECT_EQ(watcher.getMultiplier(), 10);
    level.clock.advance(1000);
    level.frame();
    EXPECT_EQ(watcher.getMultiplier(), 1);
    EXPECT_EQ(praiseLabels(), 0);
}

TEST_F(BonusWatcher, AFirstSightingInsideTheBandOnlyStoresTheDistance)
{
    CMapEntity* kamen = stone(50);
    level.frame();
    EXPECT_EQ(globals.levelScore, 0u);
    at(kamen, 49);
    at(kamen, 52);
    EXPECT_EQ(globals.levelScore, 150u);
}

TEST_F(BonusWatcher, BallsThrownUpwardsNeverScore)
{
    CMapEntity* ball = add("KOULE", 450, 200, 4, 41);
    pass(ball, 30);
    pass(ball, 80);
    EXPECT_EQ(globals.levelScore, 0u);
    EXPECT_EQ(shown(ball), "FRAMESET1");  // not even watched
}

TEST_F(BonusWatcher, NothingScoresOnceTheLevelIsOver)
{
    globals.levelOver = true;
    pass(stone(150), 30);
    EXPECT_EQ(globals.levelScore, 0u);
}

TEST_F(BonusWatcher, WithoutAPlayerItStaysIdle)
{
    CTestLevel empty;
    CBonusWatcher idle;
    LogCapture log;
    idle.init(&empty.collection);
    EXPECT_FALSE(idle.isActive());
    EXPECT_TRUE(log.contains("BONUSWATCHER warning: Player entity not found!"));
    EXPECT_TRUE(watcher.isActive());
}

TEST_F(BonusWatcher, AProjectileMadeWhereAReleasedOneLivedStartsAFreshRecord)
{
    CMapEntity* old = stone(150);
    at(old, 50);
    at(old, 45);
    const std::uintptr_t oldAddress = reinterpret_cast<std::uintptr_t>(old);
    level.remove(old);
    level.frame();
    CMapEntity* fresh = stone(60);
    if (reinterpret_cast<std::uintptr_t>(fresh) != oldAddress)
        GTEST_SKIP() << "the allocator did not reuse the released projectile's memory";
    level.frame();
    EXPECT_EQ(globals.levelScore, 0u);
}

}
