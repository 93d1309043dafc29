#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "entity/contact_pass.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"
#include "level/map.h"
#include "support/surfaces.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace {

// Counts its updates and can release its entity on a chosen update.
class CCountingController : public CControllerClone<CCountingController>
{
public:
    CCountingController(CMapEntity* e, CMapEntitiesCollection* l, const std::string& n, std::vector<int>* log, int id)
        : CControllerClone(e, l, n), journal(log), ident(id)
    {
    }
    void update() override
    {
        journal->push_back(ident);
        if (releaseOnUpdate)
            release();
    }
    bool releaseOnUpdate = false;

private:
    std::vector<int>* journal;
    int ident;
};

class CollectionTest : public ::testing::Test
{
protected:
    CollectionTest()
    {
        installTestWorld();
        CGlobals::instance().frameFactor = 1.0f;
    }

    CMapEntity* put(std::unique_ptr<CMapEntity> entity)
    {
        CMapEntity* added = entity.get();
        collection.add(std::move(entity));
        return added;
    }
    CMapEntity* box(float x, float y, const char* sprite = "BOX10", bool solid = false)
    {
        return put(std::make_unique<CTestEntity>(sprite, x, y, solid));
    }
    void contacts()
    {
        pass.setLevel(&collection, map.layerCount() ? &map : nullptr);
        collection.drawAll(SDL_GetVideoSurface());  // sorts by box top
        pass.detectContacts();
    }
    // A map with one solid tile (number 5) and a given number of layers.
    void solidMap(const std::string& layers)
    {
        TempDir dir;
        std::string tiles = dir.write("t.xml", R"(<tiledef src="none.png"><tileSprite name="s" x="0" y="0"/>
            <tile name="rock" id="5" walkable="0" special="0" tileSprite="s"/>
            <tile name="air" id="6" walkable="1" special="0" tileSprite="s"/></tiledef>)");
        std::string mapFile = dir.write("m.xml", "<map>" + layers + "</map>");
        map.loadTileDefinitions(tiles);
        map.loadMap(mapFile);
    }

    CMapEntitiesCollection_Game collection;
    CContactPass pass;
    CMap map;
};

TEST_F(CollectionTest, OneSharedPixelTouchesEdgeToEdgeDoesNot)
{
    CMapEntity* a = box(100, 100);
    CMapEntity* corner = box(109, 109);
    CMapEntity* beside = box(110, 100);
    CMapEntity* below = box(100, 110);
    contacts();
    EXPECT_TRUE(a->isTouching(corner));
    EXPECT_TRUE(corner->isTouching(a));
    EXPECT_FALSE(a->isTouching(beside));
    EXPECT_FALSE(a->isTouching(below));
    EXPECT_TRUE(corner->isTouching(beside));
    EXPECT_TRUE(corner->isTouching(below));
}

TEST_F(CollectionTest, AnEmptyBoxTouchesNoEntityButGetsCellContacts)
{
    solidMap(R"(<layer><tile id="5" x="3" y="3"/></layer>)");
    CMapEntity* ghost = box(100, 100, "NOBOX");
    CMapEntity* other = box(100, 100);
    contacts();
    EXPECT_TRUE(ghost->getContacts().empty());
    EXPECT_TRUE(other->getContacts().empty());
    ASSERT_EQ(ghost->getTileContacts().size(), 1u);  // the cell under its box position (3, 3)
    EXPECT_EQ(ghost->getTileContacts()[0], 5);
}

TEST_F(CollectionTest, LayerOneBlocksButRecordsLayerZerosNumber)
{
    solidMap(R"(<layer><tile id="6" x="1" y="1"/></layer><layer><tile id="5" x="4" y="4"/><tile id="5" x="1" y="1"/></layer>
                <layer><tile id="5" x="8" y="8"/></layer>)");
    CMapEntity* overEmpty = box(130, 130);
    CMapEntity* overPassable = box(36, 36);
    CMapEntity* inFront = box(260, 260);  // layer 2 never collides
    contacts();
    ASSERT_EQ(overEmpty->getTileContacts().size(), 1u);
    EXPECT_EQ(overEmpty->getTileContacts()[0], 0);
    ASSERT_EQ(overPassable->getTileContacts().size(), 1u);
    EXPECT_EQ(overPassable->getTileContacts()[0], 6);
    EXPECT_TRUE(inFront->getTileContacts().empty());
}

TEST_F(CollectionTest, CellsReachOnePixelBeyondTheBoxAndStayOnTheGrid)
{
    solidMap(R"(<layer><tile id="5" x="1" y="0"/><tile id="5" x="19" y="2"/><tile id="5" x="0" y="4"/></layer>)");
    CMapEntity* justLeft = box(22, 0);        // box 22..31: its right edge + 1 is column 1
    CMapEntity* offLeft = box(-40, 100);      // column -1 is no column (never row 2 column 19); (0, 3) is empty
    CMapEntity* farAbove = box(0, -45);       // rows -1..-2: nothing
    contacts();
    EXPECT_EQ(justLeft->getTileContacts().size(), 1u);
    EXPECT_TRUE(offLeft->getTileContacts().empty());
    EXPECT_TRUE(farAbove->getTileContacts().empty());
}

TEST_F(CollectionTest, RemovedEntitiesAreScrubbedFromEveryContactList)
{
    CMapEntity* a = box(0, 0);
    CMapEntity* b = box(5, 5);
    CMapEntity* c = box(2, 2);
    contacts();
    ASSERT_TRUE(a->isTouching(b));
    b->setRemoved(true);
    c->setRemoved(true);
    collection.removeDead();
    EXPECT_EQ(collection.size(), 1u);
    EXPECT_TRUE(a->getContacts().empty());
}

TEST_F(CollectionTest, ControllersAreBoundOnceAndUpdatedInOrder)
{
    std::vector<int> journal;
    CControllerList prototypes;
    prototypes.push_back(std::make_unique<CCountingController>(nullptr, nullptr, "TEST_BOX10", &journal, 1));
    CControllerList live;
    CMapEntity* first = box(0, 0);
    CMapEntity* second = box(50, 50);
    box(0, 0, "NOBOX");  // no prototype of its name: stays passive
    collection.bindControllers(prototypes, live);
    collection.bindControllers(prototypes, live);
    ASSERT_EQ(live.size(), 2u);
    EXPECT_EQ(live[0]->getEntity(), first);
    EXPECT_EQ(live[1]->getEntity(), second);
    EXPECT_TRUE(first->isControlled());
    EXPECT_EQ(prototypes[0]->getEntity(), nullptr);

    static_cast<CCountingController&>(*live[0]).releaseOnUpdate = true;
    collection.updateControllers(live);
    EXPECT_EQ(journal, (std::vector<int>{1, 1}));
    EXPECT_TRUE(first->isRemoved());
    EXPECT_EQ(live.size(), 2u);  // the dead controller goes at the next pass
    collection.removeDead();
    collection.updateControllers(live);
    EXPECT_EQ(live.size(), 1u);
    EXPECT_EQ(journal.size(), 3u);  // the controller after the removed one was still updated
}

TEST_F(CollectionTest, ASpawnedEntityIsDrawnAtOnceButControlledNextFrame)
{
    std::vector<int> journal;
    CControllerList prototypes;
    prototypes.push_back(std::make_unique<CCountingController>(nullptr, nullptr, "TEST_RED10", &journal, 7));
    CControllerList live;
    addRedSprite();
    CGlobals::instance().entityListChanged = false;
    CMapEntity* late = box(10, 10, "RED10");
    EXPECT_TRUE(CGlobals::instance().entityListChanged);
    SDL_Surface* target = makeSurface(40, 40);
    collection.updateControllers(live);
    collection.drawAll(target);
    EXPECT_EQ(colourAt(target, 15, 15), 0xFF0000u);  // on screen in the frame it came
    EXPECT_EQ(colourAt(target, 25, 25), 0u);
    EXPECT_FALSE(late->isControlled());
    EXPECT_TRUE(journal.empty());
    SDL_FreeSurface(target);
    collection.bindControllers(prototypes, live);
    collection.updateControllers(live);
    EXPECT_TRUE(late->isControlled());
    EXPECT_EQ(journal, std::vector<int>{7});
}

TEST_F(CollectionTest, TargetsFollowThePlayerAndAPlayerWins)
{
    auto& registry = CMapEntityCollection::instance();
    CMapEntity* winter = put(registry.createByName("WINTERPLAYER"));
    CMapEntity* summer = put(registry.createByName("PLAYER"));
    CMapEntity* other = box(0, 0);
    winter->setPosition(10, 20);
    summer->setPosition(300, 200);
    collection.choosePlayer();
    EXPECT_EQ(collection.getPlayer(), summer);
    collection.drawAll(SDL_GetVideoSurface());
    EXPECT_FLOAT_EQ(other->getTargetX(), 300);
    EXPECT_FLOAT_EQ(winter->getTargetY(), 200);
    EXPECT_EQ(collection.indexOfKind(61) == 0xFFFF, false);
    EXPECT_EQ(collection.indexOfKind(12345), 0xFFFF);
}

TEST_F(CollectionTest, NoPlayerMeansNoTargets)
{
    CMapEntity* alone = box(5, 5);
    alone->setTarget(77, 88);
    collection.choosePlayer();
    EXPECT_EQ(collection.getPlayer(), nullptr);
    collection.drawAll(SDL_GetVideoSurface());
    EXPECT_FLOAT_EQ(alone->getTargetX(), 77);
}

TEST_F(CollectionTest, DrawingSortsByBoxTop)
{
    CMapEntity* low = box(0, 300);
    CMapEntity* high = box(0, 10);
    CMapEntity* middle = box(0, 100, "TALL");
    collection.drawAll(SDL_GetVideoSurface());
    EXPECT_EQ(collection.at(0), high);
    EXPECT_EQ(collection.at(1), middle);
    EXPECT_EQ(collection.at(2), low);
}

TEST_F(CollectionTest, SetMapClearsPenaltiesAndMarksLayerZeroUnderEntities)
{
    solidMap(R"(<layer/><layer/>)");
    map.cell(1, 5).penalty = 9;
    CMapEntity* entity = box(40, 40);
    entity->setPenalty(200);
    collection.setMap(&map);
    EXPECT_EQ(map.cell(1, 5).penalty, 0);
    EXPECT_EQ(map.cell(0, 1 + 20).penalty, 200);   // column 1, row 1
    EXPECT_EQ(map.cell(0, 2 + 40).penalty, 0);     // 40 + 10 = 50 stays in column 1 and row 1
    EXPECT_EQ(map.cell(0, 0).penalty, 0);
}

TEST_F(CollectionTest, UpDownBobsTwentyFiveFramesEachWay)
{
    CMapEntity* balloon = box(0, 100);
    CUpDownController bob(balloon, &collection, "SPOT");
    std::unique_ptr<CEntityController> clone = bob.clone();
    clone->bind(balloon);
    for (int i = 0; i < 25; ++i)
        clone->update();
    EXPECT_FLOAT_EQ(balloon->getY(), 87.5f);
    for (int i = 0; i < 25; ++i)
        clone->update();
    EXPECT_FLOAT_EQ(balloon->getY(), 100.0f);
    clone->update();
    EXPECT_FLOAT_EQ(balloon->getY(), 99.5f);
}

}
