#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "app/globals.h"
#include "behaviour/power_ups.h"
#include "gfx/sprite.h"
#include "options/options.h"
#include "support/test_level.h"

namespace {

class PowerUps : public ::testing::Test
{
protected:
    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

// The dispenser on its own: every drop is one call after the longest period.
class Dispenser : public PowerUps
{
protected:
    Dispenser()
    {
        dispenser.setLevel(&level.collection);
        dispenser.update();  // the drop timer starts counting
    }
    // Runs `drops` drops and counts the parachutes by name.
    std::map<std::string, int> drop(int drops)
    {
        std::map<std::string, int> counts;
        for (int i = 0; i < drops; ++i) {
            size_t before = level.collection.size();
            level.clock.advance(14500);
            dispenser.update();
            EXPECT_EQ(level.collection.size(), before + 1);
            ++counts[level.collection.at(before)->getName()];
        }
        return counts;
    }

    CPadakDispenser dispenser;
};

TEST_F(Dispenser, TheFirstParachuteComesAfterFiveToTenSecondsFromAboveTheScreen)
{
    std::srand(1);
    CPadakDispenser first;
    first.setLevel(&level.collection);
    first.update();
    level.clock.advance(4990);
    first.update();
    EXPECT_EQ(level.collection.size(), 0u);
    level.clock.advance(5000);
    first.update();
    ASSERT_EQ(level.collection.size(), 1u);
    CMapEntity* parachute = level.collection.at(0);
    EXPECT_EQ(parachute->getName().compare(0, 5, "PADAK"), 0);
    EXPECT_FLOAT_EQ(parachute->getY(), -100);
    EXPECT_LT(parachute->getX(), 600);
    level.clock.advance(6480);
    first.update();
    EXPECT_EQ(level.collection.size(), 1u);  // the next period is at least 6500 ms
}

TEST_F(Dispenser, AmmunitionComesOnlyWhenTheBirdHasNone)
{
    std::srand(2);
    globals.ammo = 3;
    std::map<std::string, int> counts = drop(600);
    EXPECT_EQ(counts["PADAKBOBKY"], 0);
    EXPECT_FLOAT_EQ(dispenser.weightOf(0), 0.0f);

    globals.ammo = 0;
    counts = drop(600);
    EXPECT_FLOAT_EQ(dispenser.weightOf(0), 1.0f);
    // Accepted at every draw of its index, like the extra life with one life left.
    EXPECT_GT(counts["PADAKBOBKY"], 120);
}

TEST_F(Dispenser, TheFewerLivesTheLikelierAnExtraLife)
{
    const Uint32 lives[] = {1, 2, 3, 5, 6};
    const float weights[] = {1.0f, 0.75f, 0.5f, 0.3f, 0.25f};
    for (int i = 0; i < 5; ++i) {
        globals.lives = lives[i];
        drop(1);
        EXPECT_FLOAT_EQ(dispenser.weightOf(2), weights[i]) << lives[i];
    }
}

TEST_F(Dispenser, DrawsAreAcceptedByWeight)
{
    // With 1 life and ammunition left, of every 14 x 90 draws the extra life accepts 90, each of
    // the ten 0.23 kinds 14 (0.10 .. 0.23 inclusive) and the level and wing parachutes 4 each.
    std::srand(3);
    globals.lives = 1;
    std::map<std::string, int> counts = drop(2380);
    EXPECT_NEAR(counts["PADAKZIVOT"], 900, 60);
    for (const char* common : {"PADAKSTIT", "PADAKGOODTIME", "PADAKBADTIME", "PADAKSECRET", "PADAKLAVINA",
                               "PADAKKING", "PADAKSLOW", "PADAKSPEED", "PADAKBOMB", "PADAKBAD"})
        EXPECT_NEAR(counts[common], 140, 40) << common;
    EXPECT_NEAR(counts["PADAKLEVEL"], 40, 18);
    EXPECT_NEAR(counts["PADAKWING"], 40, 18);
}

TEST_F(Dispenser, NothingComesOnceTheLevelIsOver)
{
    globals.levelOver = true;
    for (int i = 0; i < 5; ++i) {
        level.clock.advance(15000);
        dispenser.update();
    }
    EXPECT_EQ(level.collection.size(), 0u);
}

TEST_F(PowerUps, AParachuteSinksUntil350AndTheBirdEmptiesIt)
{
    CMapEntity* parachute = level.place("PADAKSTIT", 100, 340);
    level.frames(12);
    EXPECT_NEAR(parachute->getY(), 340 + 12 * 0.8f, 0.001f);
    level.frame();  // beyond 350
    EXPECT_EQ(level.count("PADAKSTIT"), 0);

    CMapEntity* taken = level.place("PADAKSTIT", 300, 100);
    level.place("PLAYER", 300, 100);
    level.frames(2);
    EXPECT_EQ(taken->getSprite()->currentFramesetName(), "EMPTY");
    level.frames(10);
    EXPECT_EQ(level.count("PADAKSTIT"), 1);  // the canopy sinks on
}

// A parachute whose empty canopy still has a box, as a sprite set might give it.
class BoxedCanopy : public PowerUps
{
protected:
    BoxedCanopy()
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
        dispenser.setLevel(&level.collection);
        level.actors = [this] { dispenser.update(); };
    }
    CMapEntity* crate(const char* name)
    {
        CMapEntity* parachute = level.place(name, 300, 100);
        parachute->setSprite("BOXEDPADAK");
        return parachute;
    }

    CPadakDispenser dispenser;
};

TEST_F(BoxedCanopy, ATakenCrateIsCollectedOnceWhenTheBirdComesFirst)
{
    CMapEntity* bird = level.place("PLAYER", 300, 100);
    level.frame();
    CMapEntity* parachute = crate("PADAKBOBKY");
    level.frames(20);
    EXPECT_TRUE(bird->isTouching(parachute));  // the canopy still touches the bird
    EXPECT_EQ(globals.ammo, 40u);
    EXPECT_EQ(level.count("MSGPLUSAMMO"), 1);
}

TEST_F(BoxedCanopy, ATakenCrateIsCollectedOnceWhenTheParachuteComesFirst)
{
    CMapEntity* parachute = crate("PADAKZIVOT");
    CMapEntity* bird = level.place("PLAYER", 300, 100);
    level.frames(20);
    EXPECT_TRUE(bird->isTouching(parachute));
    EXPECT_EQ(globals.lives, 6u);
    EXPECT_EQ(level.count("MSGPLUSLIVES"), 1);
}

TEST_F(PowerUps, ScoreFiguresRiseFadeAndGoAtTheTop)
{
    level.place("BONUS150", 300, 19);
    level.frame();
    EXPECT_EQ(level.count("BONUS150"), 0);  // above y 20 after its first step

    CMapEntity* figure = level.place("NASOBITEL3", 300, 300);
    level.frame();
    EXPECT_EQ(figure->getAlpha(), 252);
    EXPECT_FLOAT_EQ(figure->getY(), 299);
    level.frames(81);  // alpha 9
    EXPECT_EQ(level.count("NASOBITEL3"), 1);
    level.frame();  // alpha 6
    EXPECT_EQ(level.count("NASOBITEL3"), 0);

    CMapEntity* rising = level.place("BONUS10", 300, 60);
    level.frames(40);
    EXPECT_FLOAT_EQ(rising->getY(), 20);
    level.frame();
    EXPECT_EQ(level.count("BONUS10"), 0);
}

TEST_F(PowerUps, MessagesFadeThreeTimesSlower)
{
    CMapEntity* message = level.place("MSGPLUSTIME", 300, 300);
    level.frame();
    EXPECT_EQ(message->getAlpha(), 254);
    level.frames(246);  // fade 8
    EXPECT_EQ(level.count("MSGPLUSTIME"), 1);
    level.frame();  // fade 7
    EXPECT_EQ(level.count("MSGPLUSTIME"), 0);
}

TEST_F(PowerUps, AComboTextBobsAndGoes3sAfterItsFirstUpdate)
{
    CMapEntity* text = level.place("BONUSWOW", 300, 430);
    level.frames(25);
    EXPECT_FLOAT_EQ(text->getY(), 430 - 12.5f);
    level.frames(25);
    EXPECT_FLOAT_EQ(text->getY(), 430);
    EXPECT_EQ(text->getAlpha(), -1);  // drawn opaque
    level.clock.advance(2980 - 50 * 20);  // the 50 updates took 980 ms
    level.frame();  // 2980 ms after its first update
    EXPECT_EQ(level.count("BONUSWOW"), 1);
    level.frame();
    EXPECT_EQ(level.count("BONUSWOW"), 0);
}

}
