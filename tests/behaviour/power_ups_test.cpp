#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

#include "app/globals.h"
#include "behaviour/power_ups.h"
#include "gfx/sprite.h"
#include "scripted_rand.h"
#include "support/test_level.h"

namespace {

class PowerUps : public ::testing::Test
{
protected:
    PowerUps()
    {
        dispenser.setLevel(&level.collection);
        dispenser.update();  // the drop timer starts counting
    }
    // Runs drops, each after the longest period, and counts the parachutes by name.
    std::map<std::string, int> drop(int drops)
    {
        std::map<std::string, int> counts;
        for (int i = 0; i < drops; ++i) {
            size_t before = level.collection.size();
            level.clock.advance(14500);
            dispenser.update();
            if (level.collection.size() > before)
                ++counts[level.collection.at(before)->getName()];
        }
        return counts;
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
    CPadakDispenser dispenser;
};

TEST_F(PowerUps, AmmunitionComesOnlyWhenTheBirdHasNoneAndLivesComeTheLikelierTheFewerAreLeft)
{
    std::srand(2);
    globals.lives = 1;
    std::map<std::string, int> counts = drop(1190);
    EXPECT_EQ(counts["PADAKBOBKY"], 0);
    EXPECT_FLOAT_EQ(dispenser.weightOf(2), 1.0f);
    EXPECT_FLOAT_EQ(dispenser.weightOf(0), 0.0f);
    // Of 14 x 90 draws the extra life (weight 1) accepts 90, the 0.23 kinds 14 (0.10 .. 0.23
    // inclusive) and the level and wing parachutes (0.13) 4 each.
    EXPECT_NEAR(counts["PADAKZIVOT"], 450, 60);
    EXPECT_NEAR(counts["PADAKSTIT"], 70, 25);
    EXPECT_NEAR(counts["PADAKLEVEL"] + counts["PADAKWING"], 40, 18);

    globals.ammo = 0;
    counts = drop(500);
    EXPECT_FLOAT_EQ(dispenser.weightOf(0), 1.0f);
    EXPECT_NEAR(counts["PADAKBOBKY"], counts["PADAKZIVOT"], 50);  // both accepted at every draw

    const Uint32 lives[] = {2, 3, 5, 6};
    const float weights[] = {0.75f, 0.5f, 0.3f, 0.25f};
    for (int i = 0; i < 4; ++i) {
        globals.lives = lives[i];
        drop(1);
        EXPECT_FLOAT_EQ(dispenser.weightOf(2), weights[i]) << lives[i];
    }
}

// Draws are scripted: an index (rand() % 14), a threshold ((rand() % 90 + 10) / 100), the x,
// the next period.
TEST_F(PowerUps, DrawsAcceptAWeightEqualToTheThresholdInSinglePrecisionAndKeepTheirRanges)
{
    globals.lives = 2;  // the extra life weighs 0.75
    globals.ammo = 5;   // ammunition weighs 0
    scriptRand({4999});
    CPadakDispenser scripted;  // first drop after 9999 ms
    ASSERT_EQ(scriptedRandLeft(), 0);
    scripted.setLevel(&level.collection);
    scripted.update();
    auto dropAfter = [&](Uint32 ms, std::initializer_list<int> draws) -> CMapEntity* {
        const size_t before = level.collection.size();
        scriptRand(draws);
        level.clock.advance(ms - 1);
        scripted.update();
        EXPECT_EQ(level.collection.size(), before) << "dropped before " << ms << " ms";
        level.clock.advance(1);
        scripted.update();
        EXPECT_EQ(scriptedRandLeft(), 0);
        return level.collection.size() == before + 1 ? level.collection.at(before) : nullptr;
    };

    CMapEntity* shield = dropAfter(9999, {1, 13, 599, 7999});  // 0.23 >= 0.23, x 599, then 14499 ms
    ASSERT_NE(shield, nullptr);
    EXPECT_EQ(shield->getName(), "PADAKSTIT");
    EXPECT_FLOAT_EQ(shield->getX(), 599);
    EXPECT_FLOAT_EQ(shield->getY(), -100);

    CMapEntity* level13 = dropAfter(14499, {8, 3, 600, 8000});  // 0.13 >= 0.13, x 0, then 6500 ms
    ASSERT_NE(level13, nullptr);
    EXPECT_EQ(level13->getName(), "PADAKLEVEL");
    EXPECT_FLOAT_EQ(level13->getX(), 0);

    // 0.23 refuses 0.24 and ammunition refuses 0.10; the extra life takes 0.75.
    CMapEntity* life = dropAfter(6500, {1, 14, 0, 0, 2, 65, 0, 0});
    ASSERT_NE(life, nullptr);
    EXPECT_EQ(life->getName(), "PADAKZIVOT");
    CMapEntity* noLife = dropAfter(6500, {2, 66, 13, 13, 0, 0});  // 0.75 refuses 0.76
    ASSERT_NE(noLife, nullptr);
    EXPECT_EQ(noLife->getName(), "PADAKBAD");
}

TEST_F(PowerUps, ParachutesFallFromAboveTheScreenButNotOnceTheLevelIsOver)
{
    globals.levelOver = true;
    EXPECT_TRUE(drop(5).empty());
    globals.levelOver = false;
    drop(1);
    ASSERT_EQ(level.collection.size(), 1u);
    CMapEntity* parachute = level.collection.at(0);
    EXPECT_FLOAT_EQ(parachute->getY(), -100);
    parachute->setPosition(100, 340);
    level.frames(12);
    EXPECT_NEAR(parachute->getY(), 340 + 12 * 0.8f, 0.001f);
    level.frame();  // beyond 350
    EXPECT_EQ(level.collection.size(), 0u);
}

// The bird takes a crate whose empty canopy still has a box, as a sprite set might give it,
// whichever of the two controllers runs first.
TEST_F(PowerUps, ATakenCrateIsCollectedOnceEvenIfItsCanopyHasABox)
{
    CSpriteCollection* sprites = spriteCollection();
    if (sprites->find("BOXEDPADAK") < 0) {
        auto sprite = std::make_unique<CSprite>("BOXEDPADAK");
        for (const char* name : {"FRAMESET1", "EMPTY"}) {
            auto set = std::make_unique<CFrameset>("test-sheet-that-does-not-exist.png", name, true);
            set->addFrame(std::make_unique<CFrame>("FRAME1", 0, 0, 10, 10, 100, 0, 0, 10, 10));
            sprite->addFrameset(std::move(set));
        }
        sprites->add(std::move(sprite));
    }
    for (bool birdFirst : {true, false}) {
        CTestLevel sky;
        CPadakDispenser skyDispenser;
        skyDispenser.setLevel(&sky.collection);
        sky.actors = [&skyDispenser] { skyDispenser.update(); };
        CMapEntity* bird = birdFirst ? sky.place("PLAYER", 300, 100) : nullptr;
        CMapEntity* parachute = sky.place("PADAKZIVOT", 300, 100);
        parachute->setSprite("BOXEDPADAK");
        bird = bird ? bird : sky.place("PLAYER", 300, 100);
        sky.frames(20);
        EXPECT_EQ(parachute->getSprite()->currentFramesetName(), "EMPTY");
        EXPECT_TRUE(bird->isTouching(parachute)) << birdFirst;
        EXPECT_EQ(globals.lives, 6u) << birdFirst;
        EXPECT_EQ(sky.count("MSGPLUSLIVES"), 1) << birdFirst;
    }
}

TEST_F(PowerUps, LabelsRiseAndFadeAndComboTextsGoAfter3s)
{
    level.place("BONUS150", 300, 19);
    CMapEntity* figure = level.place("NASOBITEL3", 300, 300);
    CMapEntity* message = level.place("MSGPLUSTIME", 300, 300);
    CMapEntity* combo = level.place("BONUSWOW", 300, 430);
    level.frame();
    EXPECT_EQ(level.count("BONUS150"), 0);  // above y 20 after its first step
    EXPECT_EQ(figure->getAlpha(), 252);
    EXPECT_EQ(message->getAlpha(), 254);  // three times slower
    level.frames(81);
    EXPECT_EQ(level.count("NASOBITEL3"), 1);  // alpha 9
    level.frame();
    EXPECT_EQ(level.count("NASOBITEL3"), 0);  // alpha 6
    EXPECT_FLOAT_EQ(combo->getY(), 430 - 12.5f + 12.5f - 12.5f + 4);  // 25 steps up, 25 down, 25 up, 8 down

    level.clock.advance(2980 - 83 * 20);
    level.frame();  // 2980 ms after its first update
    EXPECT_EQ(level.count("BONUSWOW"), 1);
    level.frame();
    EXPECT_EQ(level.count("BONUSWOW"), 0);
}

}
