#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/globals.h"
#include "bot/bird_pilot.h"
#include "bot/pilot_harness.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

class BirdPilot : public ::testing::Test
{
protected:
    BirdPilot()
    {
        std::srand(7);
        bird = level.place("PLAYER", 100, CBirdPilot::cruiseY);
        level.frame();  // binds the bird's controller, as loading the level does
    }

    bool birdFell() const { return bird->getSprite()->currentFramesetName() == "FALL"; }

    CTestLevel level;
    CBotKeyboard keyboard;
    CBirdPilot pilot;
    CGlobals& globals = CGlobals::instance();
    CMapEntity* bird = nullptr;
};

TEST_F(BirdPilot, DropsWhereTheWalkerWillBeWithoutWastingDroppings)
{
    level.place("CLOVEK1", 400, 437);  // walks right on the ground, turns at the edge
    letFly(level, pilot, keyboard, 1500);
    const Uint32 hits = globals.levelScore / 150;
    EXPECT_GE(hits, 3u);
    EXPECT_LE(20 - globals.ammo, 2 * hits) << "droppings let go: " << 20 - globals.ammo;
    EXPECT_FALSE(birdFell());
}

TEST_F(BirdPilot, DodgesAStoneThatWouldFellIt)
{
    // Without the pilot the rising stone meets the sinking bird.
    {
        CTestLevel idle;
        std::srand(7);
        CMapEntity* still = idle.place("PLAYER", 100, CBirdPilot::cruiseY);
        idle.place("KAMEN", 105, CBirdPilot::cruiseY + 70);
        idle.frames(60);
        ASSERT_EQ(still->getSprite()->currentFramesetName(), "FALL");
    }
    std::srand(7);
    level.place("KAMEN", 105, CBirdPilot::cruiseY + 70);
    letFly(level, pilot, keyboard, 60);
    EXPECT_FALSE(birdFell());
}

TEST_F(BirdPilot, CatchesAFallingEggBeforeItBreaks)
{
    level.place("EGG", 420, 150);
    letFly(level, pilot, keyboard, 400);
    EXPECT_EQ(globals.levelScore, 1000u);
    EXPECT_FALSE(globals.levelOver);
    EXPECT_EQ(level.count("EGG"), 0);
}

TEST_F(BirdPilot, FetchesAnAmmunitionParachuteWhenTheDroppingsRunOut)
{
    globals.ammo = 0;
    level.place("PADAKBOBKY", 450, 0);
    letFly(level, pilot, keyboard, 250);
    EXPECT_EQ(globals.ammo, 20u);
}

TEST_F(BirdPilot, KeepsOutFromUnderAnIcicleWhileItHunts)
{
    level.place("RAMPOUCH1", 300, 0);  // its drops appear at (302, 42) and fall straight down
    level.place("CLOVEK1", 250, 437);
    const CBox underTheTip{302, 42, 10, 50};
    for (int frame = 0; frame < 600; ++frame) {
        letFly(level, pilot, keyboard, 1);
        ASSERT_FALSE(boxOf(*bird).touches(underTheTip)) << "frame " << frame << " at " << bird->getX() << ", "
                                                        << bird->getY();
    }
    EXPECT_FALSE(birdFell());
    EXPECT_GE(globals.levelScore, 150u);
}

TEST_F(BirdPilot, FleesAVultureThatComesClose)
{
    CMapEntity* vulture = level.place("SUP", 160, CBirdPilot::cruiseY + 40);
    letFly(level, pilot, keyboard, 60);
    EXPECT_GT(std::fabs(boxOf(*vulture).centerX() - boxOf(*bird).centerX()), 150.0f);
    EXPECT_FALSE(birdFell());
}

TEST_F(BirdPilot, LeavesTheKeysAloneOnceTheBirdFalls)
{
    level.place("CLOVEK1", 400, 437);
    letFly(level, pilot, keyboard, 5);
    bird->getSprite()->setFrameset("FALL");
    const CControls keys = pilot.fly(level.collection, keyboard.held());
    EXPECT_FALSE(keys.left || keys.right || keys.up || keys.down || keys.fire);
}

TEST(DropScores, OnlyWhatADroppingScoresOnIsATarget)
{
    EXPECT_EQ(scoreFor("CLOVEK1"), 150);
    EXPECT_EQ(scoreFor("BOSS1"), 1000);
    EXPECT_EQ(scoreFor("PIG"), 250);
    EXPECT_EQ(scoreFor("KANON2"), 0);  // a hit makes it fire at the bird
    EXPECT_EQ(scoreFor("KUL"), 0);
}

}
