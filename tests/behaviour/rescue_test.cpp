#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/globals.h"
#include "behaviour/rescue.h"
#include "gfx/sprite.h"
#include "frame_watch.h"
#include "support/scripted_input.h"
#include "support/test_level.h"

namespace {

// The rescue level has no player bird: the carrier alone answers the keys.
class Rescue : public ::testing::Test
{
protected:
    Rescue()
    {
        std::srand(9);
        defaultControlKeys();
        carrier = level.place("NOSIC", 300, 300);
        level.frame();
        controller = static_cast<CNosicController*>(level.controllerOf(carrier));
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
    CMapEntity* carrier;
    CNosicController* controller;
};

TEST_F(Rescue, TheCarrierWalksWithTheKeysAndBothDirectionsCancelOut)
{
    level.key(SDLK_d, true);
    level.frame();
    EXPECT_FLOAT_EQ(carrier->getX(), 302);
    EXPECT_EQ(framesetOf(carrier), "RIGHT");
    EXPECT_TRUE(carrier->getSprite()->getCurrentFrameset()->isPlaying());

    level.key(SDLK_a, true);
    level.frames(5);
    EXPECT_FLOAT_EQ(carrier->getX(), 302);
    EXPECT_EQ(framesetOf(carrier), "LEFT");

    level.key(SDLK_SPACE, true);
    EXPECT_EQ(framesetOf(carrier), "VYLIT_LEFT");
    level.key(SDLK_SPACE, false);
    EXPECT_EQ(framesetOf(carrier), "LEFT");  // right is selected first, then left
    EXPECT_FALSE(controller->isPouring());

    level.key(SDLK_a, false);
    EXPECT_EQ(carrier->getSprite()->getCurrentFrameset()->getCurrentIndex(), 0);
    level.frame();
    EXPECT_FLOAT_EQ(carrier->getX(), 304);
    level.key(SDLK_d, false);
    level.frame();
    EXPECT_FLOAT_EQ(carrier->getX(), 304);
    EXPECT_FALSE(carrier->getSprite()->getCurrentFrameset()->isPlaying());  // standing still
}

TEST_F(Rescue, PouringDropsWaterEvery50MsOnTheSideItFacesUntilTheCanIsEmpty)
{
    globals.ammo = 3;
    level.key(SDLK_SPACE, true);  // it has not turned yet: it faces right, as it stands
    EXPECT_EQ(framesetOf(carrier), "VYLIT_RIGHT");
    EXPECT_TRUE(controller->isPouring());
    std::vector<Uint32> pouredAt;
    for (int frame = 0; frame < 30; ++frame) {
        level.frame();
        for (CMapEntity* drop : fresh(level, "VODA")) {
            pouredAt.push_back(level.clock.ticks());
            EXPECT_FLOAT_EQ(drop->getX(), carrier->centerX() + 20);
            EXPECT_FLOAT_EQ(drop->getY(), 318);
        }
    }
    ASSERT_EQ(pouredAt.size(), 3u);
    EXPECT_EQ(pouredAt[1] - pouredAt[0], 60u);  // 50 ms, polled in 20 ms frames
    EXPECT_EQ(pouredAt[2] - pouredAt[1], 60u);
    EXPECT_EQ(globals.ammo, 0u);
    EXPECT_EQ(framesetOf(carrier), "VYLIT_RIGHT");  // the pose stays while the key is held
    level.key(SDLK_SPACE, false);
    EXPECT_FALSE(controller->isPouring());

    globals.ammo = 1;
    level.key(SDLK_a, true);
    level.key(SDLK_a, false);
    level.key(SDLK_SPACE, true);
    EXPECT_EQ(framesetOf(carrier), "VYLIT_LEFT");
    level.frames(5);
    std::vector<CMapEntity*> drops;
    for (const auto& entity : level.collection.all())
        if (entity->getName() == "VODA" && entity->getX() == carrier->centerX())
            drops.push_back(entity.get());
    EXPECT_EQ(drops.size(), 1u);
}

TEST_F(Rescue, AnEmptyCanRefillsOnlyAtTheCauldronAndDoesNotPourInTheSamePress)
{
    globals.ammo = 0;
    level.key(SDLK_SPACE, true);
    EXPECT_EQ(globals.ammo, 0u);  // no cauldron here
    EXPECT_FALSE(controller->isPouring());
    level.key(SDLK_SPACE, false);

    level.place("KOTEL", 302, 302);
    level.frame();
    level.key(SDLK_SPACE, true);
    EXPECT_EQ(globals.ammo, 15u);
    EXPECT_FALSE(controller->isPouring());
    EXPECT_EQ(framesetOf(carrier), "RIGHT");
    level.frames(10);
    EXPECT_EQ(level.count("VODA"), 0);
    EXPECT_EQ(globals.ammo, 15u);
    level.key(SDLK_SPACE, false);

    globals.ammo = 2;  // water left: the cauldron does not refill, the can pours
    level.key(SDLK_SPACE, true);
    EXPECT_TRUE(controller->isPouring());
    EXPECT_EQ(globals.ammo, 2u);
    level.frames(10);
    EXPECT_EQ(globals.ammo, 0u);
}

TEST_F(Rescue, WaterFallsUntilItMeetsSomeoneSomethingOrTheGround)
{
    CMapEntity* drop = level.place("VODA", 100, 100);
    level.frames(2);
    EXPECT_FLOAT_EQ(drop->getY(), 104);
    level.frames(200);
    EXPECT_EQ(level.count("VODA"), 0);

    const char* stoppers[] = {"CLOVEK1", "KOTEL"};
    for (const char* name : stoppers) {
        CMapEntity* thing = level.place(name, 200, 200);
        level.place("VODA", 200, 192);
        level.frames(3);
        EXPECT_EQ(level.count("VODA"), 0) << name;
        level.remove(thing);
    }
    CMapEntity* stone = level.place("KAMEN2", 400, 200);
    level.place("VODA", 400, 192);
    level.frames(2);
    EXPECT_EQ(level.count("VODA"), 1);
    level.remove(stone);
}

class LittleBirds : public Rescue
{
protected:
    // A little bird that has fainted and lies on the ground.
    CMapEntity* fallenBird()
    {
        CMapEntity* bird = level.place("BONUSDIDUDO", 100, 200);
        level.frame();
        bird_ = static_cast<CBonusDidudoController*>(level.controllerOf(bird));
        int frames = 0;
        while (bird->getTileContacts().empty() && frames++ < 500)
            level.frame();
        return bird;
    }

    CBonusDidudoController* bird_ = nullptr;
};

TEST_F(LittleBirds, ABirdFliesRightFaintsAndFallsStraightDown)
{
    CMapEntity* bird = level.place("BONUSDIDUDO", 100, 200);
    level.frame();
    Uint32 start = level.clock.ticks();
    CBonusDidudoController* controller = static_cast<CBonusDidudoController*>(level.controllerOf(bird));
    float x = bird->getX();
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), x + 2);
    EXPECT_FLOAT_EQ(bird->getY(), 200);
    while (!controller->isFainted())
        level.frame();
    Uint32 faintedAfter = level.clock.ticks() - start;
    EXPECT_GE(faintedAfter, 1000u);
    EXPECT_LT(faintedAfter, 4020u);
    EXPECT_EQ(framesetOf(bird), "FALL");
    x = bird->getX();
    float y = bird->getY();
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), x);
    EXPECT_FLOAT_EQ(bird->getY(), y + 2);
}

TEST_F(LittleBirds, ABirdOnTheGroundHeatsUpAndLosesTheLevelOnce)
{
    CMapEntity* bird = fallenBird();
    ASSERT_FALSE(bird->getTileContacts().empty());
    level.frame();
    const Uint8* tint = bird->getTint();
    EXPECT_EQ(tint[0], 30);
    EXPECT_EQ(tint[1], static_cast<int>(bird_->getHeat() - 0.75f));
    EXPECT_EQ(tint[2], tint[1]);
    float heat = bird_->getHeat();
    level.frame();
    EXPECT_FLOAT_EQ(bird_->getHeat(), heat + 0.75f);

    int frames = 0;
    while (!globals.levelOver && frames++ < 400)
        level.frame();
    EXPECT_TRUE(globals.levelOver);
    EXPECT_FALSE(globals.levelWon);
    EXPECT_EQ(globals.lives, 4u);
    EXPECT_GE(bird_->getHeat(), 250);
    EXPECT_GT(frames, 200);  // about 5 s on the ground
    level.frames(100);
    EXPECT_EQ(globals.lives, 4u);
}

TEST_F(LittleBirds, ABirdOverheatingAfterTheLevelIsLostTakesNoSecondLife)
{
    globals.levelOver = true;
    globals.levelWon = false;
    globals.lives = 4;
    fallenBird();
    level.frames(400);
    EXPECT_GE(bird_->getHeat(), 250);
    EXPECT_EQ(globals.lives, 4u);
}

TEST_F(LittleBirds, WaterRevivesABirdThatThenClimbsAwayToTheRight)
{
    CMapEntity* bird = fallenBird();
    level.frames(20);
    ASSERT_TRUE(bird->isTinted());
    level.place("VODA", bird->getX(), bird->getY() - 8);
    level.frames(2);
    ASSERT_TRUE(bird_->isRevived());
    EXPECT_FALSE(bird_->isFainted());
    EXPECT_EQ(framesetOf(bird), "RIGHT");
    EXPECT_FALSE(bird->isTinted());
    EXPECT_EQ(level.count("VODA"), 0);
    float heat = bird_->getHeat();

    float x = bird->getX(), y = bird->getY();
    level.frame();
    EXPECT_FLOAT_EQ(bird->getX(), x + 2);
    EXPECT_FLOAT_EQ(bird->getY(), y - 1.5f);
    level.frames(10);
    EXPECT_FALSE(bird->isTinted());
    EXPECT_FLOAT_EQ(bird_->getHeat(), heat);
    EXPECT_EQ(framesetOf(bird), "RIGHT");  // a revived bird never faints again

    bird->setPosition(599, 100);
    level.frame();
    EXPECT_EQ(level.count("BONUSDIDUDO"), 0);
    EXPECT_FALSE(globals.levelOver);
}

}
