#include <gtest/gtest.h>

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

TEST_F(CatalogueTest, EveryNameClonesToItsRow)
{
    ASSERT_EQ(registry.size(), 136u);
    std::set<std::string> names;
    for (const CEntityRow& row : entityCatalogue) {
        std::unique_ptr<CMapEntity> entity = registry.createByName(row.name);
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
