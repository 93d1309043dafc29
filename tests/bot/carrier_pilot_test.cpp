#include <gtest/gtest.h>

#include <cstdlib>

#include "app/globals.h"
#include "bot/carrier_pilot.h"
#include "bot/pilot_harness.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

class CarrierPilot : public ::testing::Test
{
protected:
    CarrierPilot()
    {
        std::srand(3);
        // The test carrier is 10 pixels tall: raised so that its water appears above the ground.
        carrier = level.place("NOSIC", 300, 400);
        level.frame();  // binds the carrier's controller, as loading the level does
    }

    CTestLevel level;
    CBotKeyboard keyboard;
    CCarrierPilot pilot;
    CGlobals& globals = CGlobals::instance();
    CMapEntity* carrier = nullptr;
};

TEST_F(CarrierPilot, WatersEveryFaintedBirdBeforeItOverheats)
{
    level.place("KOTEL", 560, 400);
    level.place("BONUSDIDUDO", 40, 250);
    level.place("BONUSDIDUDO", 120, 150);
    bool fainted[2] = {false, false};
    for (int frame = 0; frame < 900; ++frame) {
        letFly(level, pilot, keyboard, 1);
        for (int n = 0; n < 2; ++n)
            if (CMapEntity* bird = level.find("BONUSDIDUDO", n))
                fainted[n] = fainted[n] || bird->getSprite()->currentFramesetName() == "FALL";
    }
    EXPECT_TRUE(fainted[0] && fainted[1]) << "both birds must have fainted for the check to mean anything";
    EXPECT_FALSE(globals.levelOver);
    EXPECT_TRUE(globals.levelWon);
    EXPECT_EQ(level.count("BONUSDIDUDO"), 0);  // revived and flown off to the right
}

// Frames from the bird's fainting to the carrier's first move for it (a step or a pour).
int answersAfter(CCarrierPilot& pilot)
{
    CTestLevel level;
    std::srand(3);
    level.place("NOSIC", 520, 400);  // the bird faints at about x 320, far to its left
    level.frame();
    level.place("KOTEL", 580, 400);
    CMapEntity* bird = level.place("BONUSDIDUDO", 40, 250);
    CBotKeyboard keyboard;
    int faintedAt = -1;
    for (int frame = 0; frame < 900; ++frame) {
        letFly(level, pilot, keyboard, 1);
        if (faintedAt < 0 && bird->getSprite()->currentFramesetName() == "FALL")
            faintedAt = frame;
        const CControls& held = keyboard.held();
        if (held.left || held.right || held.shoot)
            return faintedAt < 0 ? -1 : frame - faintedAt;
    }
    return -1;
}

TEST(CarrierPilots, AHumanOneSetsOffForAFaintedBirdOnlyAfterTakingItIn)
{
    CCarrierPilot perfect, human(std::make_unique<CHumanProfile>(1));
    const int byDefault = answersAfter(perfect);
    EXPECT_GE(byDefault, 0) << "the carrier must wait for the bird to faint";
    EXPECT_LE(byDefault, 2);
    EXPECT_GE(answersAfter(human), byDefault + 18);
}

TEST_F(CarrierPilot, RefillsAnEmptyCanAtTheCauldron)
{
    globals.ammo = 0;
    level.place("KOTEL", 80, 400);
    letFly(level, pilot, keyboard, 200);
    EXPECT_EQ(globals.ammo, 15u);
    EXPECT_LT(carrier->getX(), 100);
}

}
