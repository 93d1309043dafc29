#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <typeinfo>

#include "behaviour/prototype_controllers.h"
#include "entity/entity_catalogue.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "support/test_world.h"

namespace {

class CatalogueTest : public ::testing::Test
{
protected:
    CatalogueTest() { installTestWorld(); }
    CMapEntityCollection& registry = CMapEntityCollection::instance();
};

struct ExpectedRow
{
    const char* name;
    const char* sprite;
    const char* frameset;
    Uint32 kind;
    Uint32 collisionClass;
};

// Every entity a level file may name, written out by hand from the design's list.
const ExpectedRow expectedRows[] = {
    {"PLAYER", "PLAYER", "RIGHT", 7, 1},
    {"LITTLEBIRD", "LITTLEBIRD", "FRAMESET1", 8, 0},
    {"APPLE", "APPLE", "FRAMESET1", 5, 0},
    {"CLOVEK1", "CLOVEK1", "RIGHT", 2, 3},
    {"CLOVEK2", "CLOVEK2", "RIGHT", 20, 3},
    {"CLOVEK3", "CLOVEK3", "RIGHT", 38, 3},
    {"CLOVEK4", "CLOVEK4", "RIGHT", 39, 3},
    {"BOSS1", "BOSS1", "RIGHT", 40, 3},
    {"BOBEK", "BOBEK", "FRAMESET1", 4, 2},
    {"KAMEN", "KAMEN", "AKTIVNI", 3, 4},
    {"KAMEN2", "KAMEN2", "AKTIVNI", 29, 4},
    {"BONUS10", "BONUS10", "FRAMESET1", 9, 0},
    {"BONUS50", "BONUS50", "FRAMESET1", 10, 0},
    {"BONUS150", "BONUS150", "FRAMESET1", 11, 0},
    {"BONUS250", "BONUS250", "FRAMESET1", 31, 0},
    {"BONUS1000", "BONUS1000", "FRAMESET1", 43, 0},
    {"NASOBITEL2", "NASOBITEL2", "FRAMESET1", 12, 0},
    {"NASOBITEL3", "NASOBITEL3", "FRAMESET1", 13, 0},
    {"NASOBITEL4", "NASOBITEL4", "FRAMESET1", 44, 0},
    {"NASOBITEL5", "NASOBITEL5", "FRAMESET1", 94, 0},
    {"NASOBITEL6", "NASOBITEL6", "FRAMESET1", 95, 0},
    {"NASOBITEL7", "NASOBITEL7", "FRAMESET1", 96, 0},
    {"NASOBITEL8", "NASOBITEL8", "FRAMESET1", 97, 0},
    {"NASOBITEL9", "NASOBITEL9", "FRAMESET1", 98, 0},
    {"NASOBITEL10", "NASOBITEL10", "FRAMESET1", 99, 0},
    {"TREE1", "TREE1", "FRAMESET1", 14, 0},
    {"TREE2", "TREE2", "FRAMESET1", 15, 0},
    {"TREE3", "TREE3", "FRAMESET1", 30, 0},
    {"FLOWER1", "FLOWER1", "FRAMESET1", 16, 0},
    {"FLOWER2", "FLOWER2", "FRAMESET1", 32, 0},
    {"FLOWERS1", "FLOWERS1", "FRAMESET1", 33, 0},
    {"FLOWERS2", "FLOWERS2", "FRAMESET1", 34, 0},
    {"NEST", "NEST", "FRAMESET1", 17, 5},
    {"KATAPULT1", "CATAPULT1", "IDLE", 18, 0},
    {"KATAPULT2", "CATAPULT2", "IDLE", 28, 0},
    {"FLYINGBOY1", "FLYINGBOY", "FRAMESET1", 19, 4},
    {"HRAD1", "HRAD1", "FRAMESET1", 21, 0},
    {"HRAD2", "HRAD2", "FRAMESET1", 22, 0},
    {"HRAD3", "HRAD3", "FRAMESET1", 23, 0},
    {"PADAKBOBKY", "PADAKBOBKY", "FRAMESET1", 23, 0},
    {"PADAKSTIT", "PADAKSTIT", "FRAMESET1", 24, 0},
    {"PADAKZIVOT", "PADAKZIVOT", "FRAMESET1", 25, 0},
    {"PADAKGOODTIME", "PADAKGOODTIME", "FRAMESET1", 69, 0},
    {"PADAKBADTIME", "PADAKBADTIME", "FRAMESET1", 70, 0},
    {"PADAKBAD", "PADAKBAD", "FRAMESET1", 89, 0},
    {"PADAKSPEED", "PADAKSPEED", "FRAMESET1", 71, 0},
    {"PADAKSLOW", "PADAKSLOW", "FRAMESET1", 72, 0},
    {"PADAKSECRET", "PADAKSECRET", "FRAMESET1", 74, 0},
    {"PADAKLEVEL", "PADAKLEVEL", "FRAMESET1", 75, 0},
    {"PADAKBOMB", "PADAKBOMB", "FRAMESET1", 78, 0},
    {"PADAKWING", "PADAKWING", "FRAMESET1", 73, 0},
    {"PADAKKING", "PADAKKING", "FRAMESET1", 77, 0},
    {"PADAKLAVINA", "PADAKLAVINA", "FRAMESET1", 76, 0},
    {"CAT", "CAT", "FRAMESET1", 26, 5},
    {"DOG", "DOG", "FRAMESET1", 27, 5},
    {"PIG", "PIG", "FRAMESET1", 37, 5},
    {"WINTERDOG", "WINTERDOG", "FRAMESET1", 90, 5},
    {"FOX", "FOX", "FRAMESET1", 92, 5},
    {"PENGUIN", "PENGUIN", "FRAMESET1", 91, 5},
    {"ROGALO", "ROGALO", "FRAMESET1", 36, 4},
    {"KOULE", "KOULE", "FRAMESET1", 35, 4},
    {"KOULEUP", "KOULE", "AKTIVNI", 41, 4},
    {"KANON", "KANON", "FRAMESET", 42, 0},
    {"BALON", "BALON", "FRAMESET1", 45, 0},
    {"KUL", "KUL", "FRAMESET1", 46, 3},
    {"KULCLOVEK1", "KUL_CLOVEK1", "FRAMESET1", 47, 3},
    {"KULCLOVEK2", "KUL_CLOVEK2", "FRAMESET1", 48, 3},
    {"KULCLOVEK3", "KUL_CLOVEK3", "FRAMESET1", 49, 3},
    {"CEDULE1", "CEDULE1", "FRAMESET", 50, 0},
    {"KANON2", "KANON2", "FRAMESET", 51, 3},
    {"PLANE", "PLANE", "FRAMESET1", 52, 4},
    {"EGG", "EGG", "FRAMESET1", 53, 0},
    {"BONUSFANTASTIC", "BONUSFANTASTIC", "FRAMESET1", 56, 0},
    {"BONUSGOOD", "BONUSGOOD", "FRAMESET1", 54, 0},
    {"BONUSGREAT", "BONUSGREAT", "FRAMESET1", 55, 0},
    {"BONUSNOWAY", "BONUSNOWAY", "FRAMESET1", 58, 0},
    {"BONUSWOW", "BONUSWOW", "FRAMESET1", 60, 0},
    {"BONUSEXCELLENT", "BONUSEXCELLENT", "FRAMESET1", 57, 0},
    {"BONUSCHAMPION", "BONUSCHAMPION", "FRAMESET1", 59, 0},
    {"WINTERPLAYER", "WINTERPLAYER", "RIGHT", 61, 1},
    {"WINTERCLOVEK1", "WINTERCLOVEK1", "RIGHT", 62, 3},
    {"WINTERBALON", "WINTERBALON", "FRAMESET1", 67, 0},
    {"SNOWBALL", "SNOWBALL", "AKTIVNI", 64, 4},
    {"TREE4", "TREE4", "FRAMESET1", 68, 0},
    {"KRYSTAL1", "KRYSTAL1", "FRAMESET1", 65, 0},
    {"KRYSTAL2", "KRYSTAL2", "FRAMESET1", 66, 0},
    {"YETI", "YETI", "RIGHT", 63, 3},
    {"YETILEZICI", "YETILEZICI", "FRAMESET1", 79, 0},
    {"RAMPOUCH1", "RAMPOUCH1", "FRAMESET1", 81, 0},
    {"RAMPOUCH2", "RAMPOUCH2", "FRAMESET1", 82, 0},
    {"KAPKA", "KAPKA", "AKTINI", 80, 4},
    {"VYKUK", "VYKUK", "INVISIBLE", 83, 0},
    {"CLOVEK5", "CLOVEK5", "RIGHT", 84, 3},
    {"WINTERKOULE", "WINTERKOULE", "AKTIVNI", 86, 4},
    {"WINTERKANON2", "WINTERKANON2", "FRAMESET", 85, 3},
    {"BOSS2", "BOSS2", "FRAMESET1", 87, 4},
    {"FALLINGWINTERKOULE", "WINTERKOULE", "FRAMESET1", 88, 4},
    {"DIDUDO", "PLAYER", "RIGHT", 93, 5},
    {"BIRDGENERATOR", "EGG", "FRAMESET1", 100, 0},
    {"BIRDGENERATOR2", "EGG", "FRAMESET1", 117, 0},
    {"MSGANIMALS", "MSGANIMALS", "FRAMESET1", 101, 0},
    {"MSGFRIENDS", "MSGFRIENDS", "FRAMESET1", 102, 0},
    {"MSGMINUSSPEED", "MSGMINUSSPEED", "FRAMESET1", 103, 0},
    {"MSGMINUSTIME", "MSGMINUSTIME", "FRAMESET1", 104, 0},
    {"MSGPLUSAMMO", "MSGPLUSAMMO", "FRAMESET1", 105, 0},
    {"MSGPLUSLIVES", "MSGPLUSLIVES", "FRAMESET1", 106, 0},
    {"MSGPLUSSPEED", "MSGPLUSSPEED", "FRAMESET1", 107, 0},
    {"MSGPLUSTIME", "MSGPLUSTIME", "FRAMESET1", 108, 0},
    {"TRIGGERBALON", "TRIGGERBALOON", "FRAMESET1", 109, 3},
    {"HYETILEFT", "HYETI_LEFT", "FRAMESET1", 110, 0},
    {"HYETIRIGHT", "HYETI_RIGHT", "FRAMESET1", 111, 0},
    {"NOSIC", "NOSIC", "RIGHT", 112, 3},
    {"KOTEL", "KOTEL", "FRAMESET1", 113, 5},
    {"VODA", "VODA", "FRAMESET1", 114, 5},
    {"PLAMEN", "PLAMEN", "FRAMESET1", 115, 5},
    {"BONUSDIDUDO", "PLAYER", "RIGHT", 116, 5},
    {"MEGASNOWBALL", "MEGASNOWBALL", "FRAMESET1", 119, 4},
    {"RAMBO", "RAMBO", "FRAMESET1", 118, 0},
    {"TREE5", "TREE5", "FRAMESET1", 120, 0},
    {"CLOVEK6", "CLOVEK6", "RIGHT", 121, 3},
    {"CAR1", "CAR1", "FRAMESET", 122, 0},
    {"SPOT", "REDBALON", "FRAMESET1", 123, 4},
    {"VELBLOUD", "VELBLOUD", "RIGHT", 124, 3},
    {"SKORPION", "SKORPION", "RIGHT", 125, 3},
    {"DFLOWER1", "DFLOWER1", "FRAMESET1", 126, 5},
    {"DFLOWER2", "DFLOWER2", "FRAMESET1", 127, 5},
    {"DFLOWER3", "DFLOWER3", "FRAMESET1", 128, 5},
    {"DFLOWER4", "DFLOWER4", "FRAMESET1", 129, 5},
    {"KAKTUS1", "KAKTUS1", "FRAMESET1", 130, 5},
    {"KAKTUS2", "KAKTUS2", "FRAMESET1", 131, 5},
    {"DKOULE", "DKOULE", "FRAMESET1", 132, 4},
    {"SPIKE", "SPIKE", "FRAMESET1", 133, 0},
    {"SUP", "SUP", "RIGHT", 134, 3},
    {"KOSTRA", "KOSTRA", "FRAMESET1", 135, 5},
    {"GOLDENSUP", "GOLDENSUP", "RIGHT", 136, 3},
    {"EGGRUNNER", "EGGRUNNER", "RIGHT", 137, 5},
};

TEST_F(CatalogueTest, EveryNameClonesToItsRow)
{
    ASSERT_EQ(std::size(expectedRows), 136u);
    ASSERT_EQ(registry.size(), 136u);
    std::set<std::string> names;
    for (const ExpectedRow& row : expectedRows) {
        std::unique_ptr<CMapEntity> entity = registry.createByName(row.name);
        ASSERT_NE(entity, nullptr) << row.name;
        EXPECT_EQ(entity->getName(), row.name);
        EXPECT_EQ(entity->getKind(), row.kind) << row.name;
        EXPECT_EQ(entity->getCollisionClass(), row.collisionClass) << row.name;
        EXPECT_EQ(entity->getSpriteName(), row.sprite) << row.name;
        EXPECT_EQ(entity->getSprite()->currentFramesetName(), row.frameset) << row.name;
        bool player = std::string(row.name) == "PLAYER";
        EXPECT_EQ(entity->getHealth(), player ? 20 : 100) << row.name;
        EXPECT_EQ(entity->getPenalty(), player ? 0 : 200) << row.name;
        EXPECT_EQ(entity->isSolid(), std::string(row.name) == "LITTLEBIRD") << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << "duplicate " << row.name;
    }
}

TEST_F(CatalogueTest, EachNameHasItsOwnClass)
{
    std::set<std::string> classes;
    for (const CEntityRow& row : entityCatalogue) {
        std::unique_ptr<CMapEntity> entity = registry.createByName(row.name);
        classes.insert(typeid(*entity).name());
    }
    EXPECT_EQ(classes.size(), 136u);
    EXPECT_NE(dynamic_cast<CMapEntity_Player*>(registry.createByName("PLAYER").get()), nullptr);
    EXPECT_NE(dynamic_cast<CMapEntity_Living*>(registry.createByName("PLAYER").get()), nullptr);
    EXPECT_NE(dynamic_cast<CMapEntity_Apple*>(registry.createByName("APPLE").get()), nullptr);
    EXPECT_NE(dynamic_cast<CMapEntity_TriggerBalon*>(registry.createByName("TRIGGERBALON").get()), nullptr);
    EXPECT_EQ(dynamic_cast<CMapEntity_Apple*>(registry.createByName("KAPKA").get()), nullptr);
}

TEST_F(CatalogueTest, SpellingsOfSpritesAndFramesets)
{
    EXPECT_EQ(registry.createByName("KAPKA")->getSprite()->currentFramesetName(), "AKTINI");
    EXPECT_EQ(registry.createByName("TRIGGERBALON")->getSpriteName(), "TRIGGERBALOON");
    EXPECT_EQ(registry.createByName("SPOT")->getSpriteName(), "REDBALON");
    EXPECT_EQ(registry.createByName("DIDUDO")->getSpriteName(), "PLAYER");
    EXPECT_EQ(registry.createByName("BONUSDIDUDO")->getSpriteName(), "PLAYER");
    EXPECT_EQ(registry.createByName("BIRDGENERATOR2")->getSpriteName(), "EGG");
    EXPECT_EQ(registry.createByName("FALLINGWINTERKOULE")->getSpriteName(), "WINTERKOULE");
    EXPECT_EQ(registry.createByName("KOULEUP")->getSpriteName(), "KOULE");
    EXPECT_EQ(registry.createByName("HRAD3")->getKind(), registry.createByName("PADAKBOBKY")->getKind());
}

TEST_F(CatalogueTest, ConstructorExceptions)
{
    EXPECT_TRUE(registry.find("PLAYER").getSprite()->getCurrentFrameset()->isPlaying());
    EXPECT_TRUE(registry.find("LITTLEBIRD").getSprite()->getCurrentFrameset()->isPlaying());
    EXPECT_FALSE(registry.find("NOSIC").getSprite()->getCurrentFrameset()->isPlaying());
    std::unique_ptr<CMapEntity> first = registry.createByName("BIRDGENERATOR");
    auto* generator = dynamic_cast<CMapEntity_Spawner*>(first.get());
    ASSERT_NE(generator, nullptr);
    EXPECT_EQ(generator->spawnName, "DIDUDO");
    auto second = registry.createByName("BIRDGENERATOR2");
    EXPECT_EQ(dynamic_cast<CMapEntity_Spawner&>(*second).spawnName, "BONUSDIDUDO");
}

TEST_F(CatalogueTest, UnknownNamesEndTheProgram)
{
    EXPECT_EXIT(registry.createByName("DRAGON"), ::testing::ExitedWithCode(255),
                "Entity DRAGON not found in global entity object!");
    EXPECT_EXIT(registry.find("player"), ::testing::ExitedWithCode(255),
                "Entity player not found in global entity object!");
}

TEST_F(CatalogueTest, PrototypeControllersFollowTheCatalogueOrder)
{
    CControllerList prototypes;
    registerPrototypeControllers(prototypes);
    ASSERT_FALSE(prototypes.empty());
    size_t row = 0;
    for (const auto& prototype : prototypes) {
        while (row < entityCatalogueSize && entityCatalogue[row].name != prototype->getBoundName())
            ++row;
        ASSERT_LT(row, entityCatalogueSize) << prototype->getBoundName() << " is out of catalogue order";
        EXPECT_EQ(prototype->getEntity(), nullptr);
    }
    bool spot = false;
    for (const auto& prototype : prototypes)
        if (prototype->getBoundName() == "SPOT")
            spot = dynamic_cast<CUpDownController*>(prototype.get()) != nullptr;
    EXPECT_TRUE(spot);
}

}
