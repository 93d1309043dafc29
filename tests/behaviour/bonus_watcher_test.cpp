#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <utility>

#include "app/globals.h"
#include "behaviour/bonus_watcher.h"
#include "gfx/sprite.h"
#include "support/test_level.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace {

// The watcher on a level with a bird holding still at (300, 200), box centre (305, 205), and
// projectiles without controllers, moved by hand between frames.
class BonusWatcher : public ::testing::Test
{
protected:
    BonusWatcher()
    {
        add("PLAYER", 300, 1, 7);
        watcher.init(&level.collection);
        level.actors = [this] { watcher.update(); };
    }

    CMapEntity* add(const char* sprite, float x, Uint32 collisionClass, Uint32 kind)
    {
        auto entity = std::make_unique<CTestEntity>(sprite, x, 200, false, collisionClass, kind);
        CMapEntity* added = entity.get();
        level.collection.add(std::move(entity));
        return added;
    }
    CMapEntity* stone() { return add("KAMEN", 450, 4, 3); }
    // Puts the projectile this far right of the bird and runs a frame.
    void at(CMapEntity* projectile, float distance)
    {
        projectile->setPosition(300 + distance, 200);
        level.frame();
    }
    // Closing in to `closest` px and moving off again: scored as it leaves.
    void pass(CMapEntity* projectile, float closest)
    {
        at(projectile, 150);
        at(projectile, closest);
        at(projectile, closest + 1);
    }
    std::string shown(const CMapEntity* entity) const { return entity->getSprite()->currentFramesetName(); }
    int praises() const
    {
        int n = 0;
        for (const char* name : {"BONUSGOOD", "BONUSGREAT", "BONUSFANTASTIC", "BONUSEXCELLENT", "BONUSNOWAY",
                                 "BONUSWOW", "BONUSCHAMPION"})
            n += level.count(name);
        return n;
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
    CBonusWatcher watcher;
};

TEST_F(BonusWatcher, AStonePassingAt80PxScores50OnceAndLooksSpentFor3s)
{
    CMapEntity* kamen = stone();
    pass(kamen, 80);
    EXPECT_EQ(globals.levelScore, 50u);
    EXPECT_EQ(level.count("BONUS50"), 1);
    for (int i = 0; i < 3; ++i)
        pass(kamen, 80);
    level.clock.advance(2660);
    pass(kamen, 80);  // ends 2940 ms after the score
    EXPECT_EQ(globals.levelScore, 50u);
    EXPECT_EQ(shown(kamen), "FRAMESET1");
    level.clock.advance(100);
    at(kamen, 80);
    at(kamen, 81);
    EXPECT_EQ(globals.levelScore, 100u);
    level.clock.advance(3020);
    at(kamen, 300);
    EXPECT_EQ(shown(kamen), "AKTIVNI");

    pass(stone(), 92);  // the widest pass that counts: 10 points as it leaves
    EXPECT_EQ(globals.levelScore, 110u);
    pass(stone(), 93);
    EXPECT_EQ(globals.levelScore, 110u);
}

TEST_F(BonusWatcher, TwoVeryCloseMisses900MsApartDoubleTheSecond)
{
    CMapEntity* first = stone();
    CMapEntity* second = stone();
    pass(first, 40);
    EXPECT_EQ(globals.levelScore, 150u);
    level.clock.advance(840);
    pass(second, 40);  // 900 ms after the first
    EXPECT_EQ(globals.levelScore, 450u);
    EXPECT_EQ(level.count("BONUS150"), 2);
    ASSERT_EQ(level.count("NASOBITEL2"), 1);
    EXPECT_FLOAT_EQ(level.find("NASOBITEL2")->getX(), 285);
    level.clock.advance(980);
    level.frame();
    EXPECT_EQ(watcher.getMultiplier(), 1);
    EXPECT_EQ(praises(), 0);
}

TEST_F(BonusWatcher, NineChainedMissesAngerTheCrowdFromFourAndEndWithTheChampion)
{
    CMapEntity* rightwards = add("CLOVEK1", 100, 3, 2);
    CMapEntity* leftwards = add("CLOVEK1", 500, 3, 2);
    leftwards->getSprite()->setFrameset("LEFT");
    CMapEntity* hit = add("CLOVEK1", 200, 3, 2);
    hit->getSprite()->setFrameset("HIT_RIGHT");
    for (int multiplier = 1; multiplier <= 9; ++multiplier) {
        pass(stone(), 30);
        EXPECT_EQ(watcher.getMultiplier(), multiplier);
        EXPECT_EQ(shown(rightwards), multiplier >= 4 ? "ANGRY_RIGHT" : "RIGHT") << multiplier;
        EXPECT_EQ(shown(leftwards), multiplier >= 4 ? "ANGRY_LEFT" : "LEFT") << multiplier;
    }
    EXPECT_EQ(shown(hit), "HIT_RIGHT");
    EXPECT_EQ(globals.levelScore, 150u * 45);
    EXPECT_EQ(level.count("NASOBITEL9"), 1);
    EXPECT_EQ(praises(), 0);
    level.clock.advance(1000);
    level.frame();
    ASSERT_EQ(level.count("BONUSCHAMPION"), 1);
    EXPECT_FLOAT_EQ(level.find("BONUSCHAMPION")->getX(), 315);  // centred: 320 - 10 / 2
    EXPECT_FLOAT_EQ(level.find("BONUSCHAMPION")->getY(), 430);
    level.frames(10);
    EXPECT_EQ(praises(), 1);
}

TEST_F(BonusWatcher, EachChainLengthEndsWithItsOwnPraise)
{
    const std::pair<int, const char*> praised[] = {{3, "BONUSGOOD"},      {4, "BONUSGREAT"}, {5, "BONUSFANTASTIC"},
                                                   {6, "BONUSEXCELLENT"}, {7, "BONUSNOWAY"}, {8, "BONUSWOW"}};
    for (const auto& [length, label] : praised) {
        for (int miss = 0; miss < length; ++miss)
            pass(stone(), 30);
        ASSERT_EQ(watcher.getMultiplier(), length);
        level.clock.advance(1000);
        level.frame();
        EXPECT_EQ(level.count(label), 1) << length;
        EXPECT_EQ(watcher.getMultiplier(), 1);
    }
}

TEST_F(BonusWatcher, LooksEvery10MsAndNotAtAllOnceTheLevelIsOver)
{
    CMapEntity* kamen = stone();
    at(kamen, 150);
    kamen->setPosition(340, 200);
    level.clock.advance(10);
    watcher.update();  // sees it closest
    kamen->setPosition(341, 200);
    level.clock.advance(9);
    watcher.update();
    EXPECT_EQ(globals.levelScore, 0u) << "looked again after 9 ms";
    level.clock.advance(1);
    watcher.update();
    EXPECT_EQ(globals.levelScore, 150u) << "did not look again after 10 ms";

    globals.levelOver = true;
    pass(stone(), 30);
    pass(stone(), 80);
    globals.levelOver = false;
    EXPECT_EQ(globals.levelScore, 150u);
}

TEST_F(BonusWatcher, TheRedBalloonScores2500AndEndsWithoutPraise)
{
    pass(add("REDBALON", 450, 4, 123), 45);
    EXPECT_EQ(globals.levelScore, 2500u);
    EXPECT_EQ(level.count("BONUS250"), 1);
    EXPECT_EQ(level.count("NASOBITEL10"), 1);
    level.clock.advance(1000);
    level.frame();
    EXPECT_EQ(watcher.getMultiplier(), 1);
    EXPECT_EQ(praises(), 0);
}

TEST_F(BonusWatcher, AFirstSightingInsideTheBandOnlyStoresTheDistanceAndUpwardBallsNeverScore)
{
    CMapEntity* ball = add("KOULE", 450, 4, 41);
    pass(ball, 30);
    EXPECT_EQ(shown(ball), "FRAMESET1");  // not even watched
    CMapEntity* kamen = add("KAMEN", 350, 4, 3);
    level.frame();
    EXPECT_EQ(globals.levelScore, 0u);
    at(kamen, 52);
    EXPECT_EQ(globals.levelScore, 150u);
}

TEST_F(BonusWatcher, ANeverScoredStoneScoresInTheClocksFirstThreeSeconds)
{
    level.clock.set(0);  // a demo or a check starting its clock at 0
    pass(stone(), 80);
    EXPECT_EQ(globals.levelScore, 50u);
}

// A projectile that always lives in the same one slot of memory, so that one made after another
// was released takes its place whatever the allocator (or a sanitizer's quarantine) would do.
class SlotProjectile : public CTestEntity
{
public:
    using CTestEntity::CTestEntity;
    static void* operator new(std::size_t size)
    {
        EXPECT_LE(size, sizeof(slot));
        EXPECT_FALSE(slotTaken);
        slotTaken = true;
        return slot;
    }
    static void operator delete(void*) { slotTaken = false; }

private:
    alignas(std::max_align_t) static inline unsigned char slot[sizeof(CTestEntity) + 64];
    static inline bool slotTaken = false;
};

TEST_F(BonusWatcher, AProjectileMadeWhereAReleasedOneLivedStartsAFreshRecord)
{
    auto addInSlot = [this](float x) {
        auto entity = std::make_unique<SlotProjectile>("KAMEN", x, 200, false, 4, 3);
        CMapEntity* added = entity.get();
        level.collection.add(std::move(entity));
        return added;
    };
    CMapEntity* old = addInSlot(450);
    at(old, 50);
    at(old, 45);
    level.remove(old);
    level.frame();
    CMapEntity* fresh = addInSlot(360);
    ASSERT_EQ(fresh, old);
    level.frame();
    EXPECT_EQ(globals.levelScore, 0u);
}

TEST_F(BonusWatcher, TheGliderKeepsItsEmptyLookAndOnlySpritesWithTheLooksChangeThem)
{
    CMapEntity* glider = level.place("ROGALO", 100, 40);  // with its own controller
    int frames = 0;
    while (shown(glider) != "EMPTY" && frames < 100) {
        level.frame();
        ++frames;
    }
    ASSERT_EQ(shown(glider), "EMPTY") << "the glider never showed that it dropped its ball";
    level.frames(20);
    EXPECT_EQ(shown(glider), "EMPTY");

    CMapEntity* drop = add("KAPKA", 450, 4, 80);  // comes in "AKTINI": that is its look too
    level.frames(2);
    EXPECT_EQ(shown(drop), "AKTIVNI");

    LogCapture log;
    CMapEntity* plain = add("NOBOX", 450, 4, 999);  // has "FRAMESET1" only
    level.frames(2);
    EXPECT_EQ(shown(plain), "FRAMESET1");
    EXPECT_FALSE(log.contains("Warning: frameset AKTIVNI not found in sprite NOBOX !"));
}

TEST_F(BonusWatcher, WithoutAPlayerItStaysIdle)
{
    CTestLevel empty;
    CBonusWatcher idle;
    LogCapture log;
    idle.init(&empty.collection);
    EXPECT_FALSE(idle.isActive());
    EXPECT_TRUE(log.contains("BONUSWATCHER warning: Player entity not found!"));
}

}
