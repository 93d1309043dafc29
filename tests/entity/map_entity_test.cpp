#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/fatal.h"
#include "app/globals.h"
#include "app/timer.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "support/surfaces.h"
#include "support/test_world.h"

namespace {

class MapEntityTest : public ::testing::Test
{
protected:
    MapEntityTest()
    {
        installTestWorld();
        CGlobals::instance().frameFactor = 1.0f;
    }
};

TEST_F(MapEntityTest, ADyingEntityDoesNotMove)
{
    CTestEntity entity("BOX10", 100, 100);
    entity.moveX(3);
    entity.moveY(-2);
    EXPECT_FLOAT_EQ(entity.getX(), 103);
    EXPECT_FLOAT_EQ(entity.getPrevX(), 100);
    EXPECT_FLOAT_EQ(entity.getY(), 98);
    entity.damage(40);
    EXPECT_EQ(entity.getHealth(), 60);
    entity.damage(200);  // never below 0
    EXPECT_EQ(entity.getHealth(), 0);
    EXPECT_FALSE(entity.getSprite()->getCurrentFrameset()->isPlaying());
    entity.moveX(5);
    entity.moveY(5);
    EXPECT_FLOAT_EQ(entity.getX(), 103);
    EXPECT_FLOAT_EQ(entity.getPrevX(), 100);
    EXPECT_FLOAT_EQ(entity.getY(), 98);
}

TEST_F(MapEntityTest, MovesScaleWithTheFrameFactor)
{
    CTestEntity entity("BOX10", 0, 0);
    CGlobals::instance().frameFactor = 2.5f;
    entity.moveX(2);
    EXPECT_FLOAT_EQ(entity.getX(), 5);
    CGlobals::instance().frameFactor = 0;
    entity.moveY(7);
    EXPECT_FLOAT_EQ(entity.getY(), 0);
}

TEST_F(MapEntityTest, SolidContactsAndBlockingCellsUndoTheLastMove)
{
    CTestEntity wall("BOX10", 0, 0, true);
    CTestEntity softie("BOX10", 0, 0, false);
    CTestEntity mover("BOX10", 50, 50);

    mover.setPosition(60, 60);  // a teleport is never undone
    mover.addContact(&wall);
    mover.resolveContacts();
    EXPECT_FLOAT_EQ(mover.getX(), 60);

    mover.moveX(4);
    mover.moveY(3);
    mover.addContact(&softie);
    mover.resolveContacts();  // a solid contact, then a non-solid one
    EXPECT_FLOAT_EQ(mover.getX(), 60);
    EXPECT_FLOAT_EQ(mover.getY(), 60);

    mover.clearContacts();
    mover.moveX(4);
    mover.addTileContact(3);
    mover.addTileContact(3);
    EXPECT_EQ(mover.getTileContacts().size(), 1u);
    mover.resolveContacts();
    EXPECT_FLOAT_EQ(mover.getX(), 60);
}

TEST_F(MapEntityTest, ContactsHaveNoDuplicatesAndCountOnlyLiveOnes)
{
    CTestEntity me("BOX10", 0, 0);
    CTestEntity stone1("BOX10", 0, 0, false, 4, 3);
    CTestEntity stone2("BOX10", 0, 0, false, 4, 3);
    me.addContact(&stone1);
    me.addContact(&stone1);
    me.addContact(&stone2);
    EXPECT_EQ(me.getContacts().size(), 2u);
    EXPECT_EQ(me.countContactsOfKind(3), 2);
    EXPECT_EQ(me.countContactsOfClass(4), 2);
    stone2.setRemoved(true);
    EXPECT_EQ(me.countContactsOfKind(3), 1);
    EXPECT_EQ(me.countContactsOfClass(4), 1);
    me.removeContact(&stone1);
    EXPECT_FALSE(me.isTouching(&stone1));
    EXPECT_EQ(me.countContactsOfClass(4), 0);
}

TEST_F(MapEntityTest, DirectionToTheTargetIsAUnitVectorOrZero)
{
    CTestEntity entity("BOX10", 10, 10);
    entity.setTarget(13, 14);
    auto [ux, uy] = entity.directionToTarget();
    EXPECT_FLOAT_EQ(ux, 0.6f);
    EXPECT_FLOAT_EQ(uy, 0.8f);
    auto [ox, oy] = entity.directionToTarget(-3, -54);  // aims 50 px above the target
    EXPECT_FLOAT_EQ(ox, 0.0f);
    EXPECT_FLOAT_EQ(oy, -1.0f);
    entity.setTarget(10, 10);
    auto [zx, zy] = entity.directionToTarget();
    EXPECT_EQ(zx, 0.0f);
    EXPECT_EQ(zy, 0.0f);
}

TEST_F(MapEntityTest, CentreIsTheMiddleOfTheCollisionBox)
{
    CTestEntity entity("TALL", 100.5f, 20);
    EXPECT_FLOAT_EQ(entity.centerX(), 105.5f);
    EXPECT_FLOAT_EQ(entity.centerY(), 40);
    CTestEntity empty("NOBOX", 7, 9);
    EXPECT_FLOAT_EQ(empty.centerX(), 7);
}

TEST_F(MapEntityTest, AClonesStartsFresh)
{
    CTestEntity original("BOX10", 5, 6, true, 3, 42);
    original.setControlled(true);
    original.setRemoved(true);
    original.setAlpha(128);
    original.setTint(60, 220, 30);
    original.setVelocityX(1.5f);
    original.setHealth(7);
    original.setTarget(300, 200);
    CTestEntity other("BOX10", 0, 0);
    original.addContact(&other);
    std::unique_ptr<CMapEntity> copy = original.clone();
    EXPECT_FALSE(copy->isControlled());
    EXPECT_FALSE(copy->isRemoved());
    EXPECT_EQ(copy->getAlpha(), -1);
    EXPECT_FALSE(copy->isTinted());
    EXPECT_TRUE(copy->getContacts().empty());
    EXPECT_FLOAT_EQ(copy->getVelocityX(), 1.5f);
    EXPECT_EQ(copy->getHealth(), 7);
    EXPECT_TRUE(copy->isSolid());
    EXPECT_EQ(copy->getKind(), 42u);
    EXPECT_FLOAT_EQ(copy->getX(), 5);
    EXPECT_NE(copy->getSprite(), original.getSprite());
    EXPECT_NE(dynamic_cast<CTestEntity*>(copy.get()), nullptr);
}

TEST_F(MapEntityTest, DestroyingAnEntityMarksTheListChanged)
{
    CGlobals::instance().entityListChanged = false;
    { CTestEntity gone("BOX10", 0, 0); }
    EXPECT_TRUE(CGlobals::instance().entityListChanged);
}

TEST_F(MapEntityTest, DrawingModeFollowsAlphaAndTint)
{
    addRedSprite();
    CTestEntity entity("RED10", 5, 5);
    SDL_Surface* target = makeSurface(20, 20);
    // Draws the red entity onto blue and returns the colour in its middle.
    auto drawn = [&] {
        paint(target, 0, 0, 20, 20, 0, 0, 255);
        entity.draw(target);
        return colourAt(target, 10, 10);
    };
    auto near = [](Uint32 colour, int red, int green, int blue) {
        return std::abs(int(colour >> 16) - red) <= 2 && std::abs(int((colour >> 8) & 0xFF) - green) <= 2 &&
               std::abs(int(colour & 0xFF) - blue) <= 2;
    };
    EXPECT_EQ(drawn(), 0xFF0000u);
    EXPECT_EQ(colourAt(target, 4, 4), 0x0000FFu);
    entity.setAlpha(100);
    EXPECT_TRUE(near(drawn(), 100, 0, 155)) << std::hex << drawn();
    entity.setTint(0, 255, 0);
    EXPECT_TRUE(near(drawn(), 100, 0, 155)) << std::hex << drawn();  // translucency wins over the tint
    entity.setAlpha(-1);
    EXPECT_TRUE(near(drawn(), 128, 127, 0)) << std::hex << drawn();  // half red, half green
    entity.setTint(0, 0, 0);
    EXPECT_EQ(drawn(), 0xFF0000u);
    SDL_FreeSurface(target);

    entity.setHealth(0);
    entity.updateAndDraw(SDL_GetVideoSurface());  // dying: shows "DEATH", which this sprite lacks, so frameset 0
    EXPECT_EQ(entity.getSprite()->currentFramesetName(), "FRAMESET1");
}

// The exit handlers destroy the managers in reverse order of first use. Here the timer list is
// made after the prototype registry, so it is gone when the prototypes die at exit: their
// destructors must neither touch it nor make a global data object, whose timers would register
// with the list already gone. A fresh process, where nothing was made before, as in a game that
// ends on an error in its first map entities file.
TEST(ManagersAtExitDeathTest, AFatalErrorAfterTheRegistryEndsWithoutTouchingAManagerAlreadyGone)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            installTestWorld();
            CMapEntityCollection::instance().add(std::make_unique<CTestEntity>("BOX10", 0, 0));
            if (CGlobals::existing() || CTimerList::existing())
                std::exit(3);  // the order this check needs is not there
            CTimer generatorTimer(1000);
            fatalErrorIn("l1_entities.xml", "Entity CATAPULT1 not found in global entity object!");
        },
        ::testing::ExitedWithCode(255), "zepo: l1_entities.xml: Entity CATAPULT1 not found in global entity object!");
}

TEST(Managers, ExistOnlyFromTheirFirstUse)
{
    struct CProbe : Singleton<CProbe>
    {
        int value = 7;
    };
    EXPECT_EQ(CProbe::existing(), nullptr);
    CProbe& probe = CProbe::instance();
    EXPECT_EQ(CProbe::existing(), &probe);
    EXPECT_EQ(CProbe::instance().value, 7);
}

}
