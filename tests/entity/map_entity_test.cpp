#include <gtest/gtest.h>

#include <cmath>

#include "app/globals.h"
#include "gfx/sprite.h"
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
    CTestEntity entity("BOX10", 0, 0);
    entity.setHealth(0);
    SDL_Surface* screen = SDL_GetVideoSurface();
    entity.updateAndDraw(screen);  // dying: shows "DEATH", which this sprite lacks, so frameset 0
    EXPECT_EQ(entity.getSprite()->currentFramesetName(), "FRAMESET1");
    entity.setAlpha(100);
    entity.draw(screen);
    entity.setAlpha(-1);
    entity.setTint(1, 0, 0);
    entity.draw(screen);
    EXPECT_EQ(entity.getSprite()->getX(), 0);
}

}
