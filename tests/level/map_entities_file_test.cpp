#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clock.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"
#include "level/map_generator.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace {

class MapEntitiesFile : public ::testing::Test
{
protected:
    MapEntitiesFile() { installTestWorld(); }
    std::string file(const std::string& body) { return dir.write("l1_entities.xml", body); }
    TempDir dir;
    CVirtualClock clock{1000};
    CScopedClock installed{&clock};
};

TEST_F(MapEntitiesFile, EntitiesComeBeforeGeneratorsAndAPlayerWins)
{
    CMapEntitiesCollection_Game level;
    level.loadEntities(file(R"(<mapEntities>
        <generator x="-40" y="60" interval="1000" start="0"><generatorentity name="DIDUDO"/></generator>
        <entity name="WINTERPLAYER" x="10" y="20"/>
        <entity name="CLOVEK1" x="120" y="384"/>
        <entity name="PLAYER" x="300" y="120"/>
      </mapEntities>)"));
    ASSERT_EQ(level.size(), 3u);
    EXPECT_EQ(level.at(0)->getName(), "WINTERPLAYER");
    EXPECT_FLOAT_EQ(level.at(1)->getX(), 120);
    EXPECT_FLOAT_EQ(level.at(1)->getPrevY(), 384);
    EXPECT_EQ(level.getPlayer(), level.at(2));
    EXPECT_EQ(level.generatorCount(), 1u);
}

TEST_F(MapEntitiesFile, GeneratorsReleaseLastFirstAfterStartThenEveryInterval)
{
    CMapEntitiesCollection_Game level;
    level.loadEntities(file(R"(<mapEntities>
        <generator x="-80" y="415" interval="500" start="2000">
          <generatorentity name="CAT"/><generatorentity name="DOG"/><generatorentity name="PIG"/>
        </generator>
      </mapEntities>)"));
    std::vector<std::string> released;
    auto frame = [&] {
        size_t before = level.size();
        level.spawnFromGenerators();
        for (size_t i = before; i < level.size(); ++i)
            released.push_back(level.at(i)->getName());
    };
    frame();  // first poll starts both timers
    clock.advance(1999);
    frame();
    EXPECT_TRUE(released.empty());
    clock.advance(1);
    frame();
    EXPECT_EQ(released, std::vector<std::string>{"PIG"});
    EXPECT_FLOAT_EQ(level.at(0)->getX(), -80);
    EXPECT_FLOAT_EQ(level.at(0)->getY(), 415);
    clock.advance(499);
    frame();
    EXPECT_EQ(released.size(), 1u) << "released before the interval after the first";
    clock.advance(1);
    frame();
    EXPECT_EQ(released.size(), 2u);
    clock.advance(499);
    frame();
    EXPECT_EQ(released.size(), 2u) << "released before the interval after the second";
    clock.advance(1);
    frame();
    EXPECT_EQ(released.size(), 3u);
    clock.advance(5000);
    frame();
    EXPECT_EQ(released, (std::vector<std::string>{"PIG", "DOG", "CAT"}));
}

// Positions beyond any screen are kept within the 16-bit range the drawing takes, so that no
// conversion of them overflows when the entity is drawn.
TEST_F(MapEntitiesFile, FarAwayPositionsStayWithinWhatTheDrawingTakes)
{
    CMapEntitiesCollection_Game level;
    level.loadEntities(file(R"(<mapEntities>
        <generator x="99999999999" y="-70000" interval="0" start="0"><generatorentity name="DOG"/></generator>
        <entity name="CLOVEK1" x="2147483647" y="-2147483648"/>
        <entity name="CLOVEK1" x="-640" y="30000"/>
      </mapEntities>)"));
    ASSERT_EQ(level.size(), 2u);
    EXPECT_FLOAT_EQ(level.at(0)->getX(), 30000);
    EXPECT_FLOAT_EQ(level.at(0)->getY(), -30000);
    EXPECT_FLOAT_EQ(level.at(1)->getX(), -640);
    EXPECT_FLOAT_EQ(level.at(1)->getY(), 30000);
    level.spawnFromGenerators();
    level.spawnFromGenerators();
    ASSERT_EQ(level.size(), 3u);
    EXPECT_FLOAT_EQ(level.at(2)->getX(), 30000);
    EXPECT_FLOAT_EQ(level.at(2)->getY(), -30000);
    level.drawAll(SDL_GetVideoSurface());
}

TEST_F(MapEntitiesFile, StartZeroAndIntervalZero)
{
    auto& registry = CMapEntityCollection::instance();
    CMapGenerator generator(5, 6, 0, 0);
    for (int i = 0; i < 3; ++i)
        generator.push(registry.createByName("BOBEK"));
    EXPECT_NE(generator.poll(), nullptr);  // start 0: the first poll releases
    EXPECT_NE(generator.poll(), nullptr);  // interval 0: one per frame after that
    EXPECT_NE(generator.poll(), nullptr);
    EXPECT_EQ(generator.poll(), nullptr);  // exhausted for good
    clock.advance(100000);
    EXPECT_EQ(generator.poll(), nullptr);
}

TEST_F(MapEntitiesFile, NegativeStartAndIntervalCountAsZero)
{
    CMapEntitiesCollection_Game level;
    level.loadEntities(file(R"(<mapEntities>
        <generator x="10" y="20" interval="-1" start="-500">
          <generatorentity name="CAT"/><generatorentity name="DOG"/>
        </generator>
        <generator x="30" y="40" interval="-7" start="100"><generatorentity name="PIG"/><generatorentity name="FOX"/></generator>
      </mapEntities>)"));
    level.spawnFromGenerators();
    ASSERT_EQ(level.size(), 1u);  // the first generator's first release at once
    EXPECT_EQ(level.at(0)->getName(), "DOG");
    level.spawnFromGenerators();
    ASSERT_EQ(level.size(), 2u);  // and its next one on the next frame
    EXPECT_EQ(level.at(1)->getName(), "CAT");
    clock.advance(100);
    level.spawnFromGenerators();
    level.spawnFromGenerators();
    ASSERT_EQ(level.size(), 4u);  // the second after its start, then one a frame
    EXPECT_EQ(level.at(3)->getName(), "PIG");
}

TEST_F(MapEntitiesFile, AFileWithoutTheRootLeavesTheLevelEmpty)
{
    CMapEntitiesCollection_Game level;
    LogCapture log;
    level.loadEntities(file(R"(<entities><entity name="PLAYER" x="1" y="1"/></entities>)"));
    EXPECT_EQ(level.size(), 0u);
    EXPECT_EQ(level.getPlayer(), nullptr);
    EXPECT_TRUE(log.contains("MAPENTITIES tag not found! This is probably not the map entities file.."));
}

TEST_F(MapEntitiesFile, MistakesEndTheProgramNamingTheFile)
{
    struct Case
    {
        const char* body;
        const char* message;
    };
    const Case cases[] = {
        {R"(<mapEntities><entity x="1" y="1"/></mapEntities>)", "NAME not found near ENTITY tag!"},
        {R"(<mapEntities><entity name="PLAYER" y="1"/></mapEntities>)", "X not found near ENTITY tag!"},
        {R"(<mapEntities><entity name="PLAYER" x="1"/></mapEntities>)", "Y not found near ENTITY tag!"},
        {R"(<mapEntities><generator y="1" interval="1" start="1"/></mapEntities>)", "X not found near GENERATOR tag!"},
        {R"(<mapEntities><generator x="1" interval="1" start="1"/></mapEntities>)", "Y not found near GENERATOR tag!"},
        {R"(<mapEntities><generator x="1" y="1" start="1"/></mapEntities>)", "INTERVAL not found near GENERATOR tag!"},
        {R"(<mapEntities><generator x="1" y="1" interval="1"/></mapEntities>)", "START not found near GENERATOR tag!"},
        {R"(<mapEntities><generator x="1" y="1" interval="1" start="1"><generatorentity/></generator></mapEntities>)",
         "NAME not found near ENTITY\\(GENERATOR\\) tag!"},
        {R"(<mapEntities><entity name="CATAPULT1" x="1" y="1"/></mapEntities>)",
         "Entity CATAPULT1 not found in global entity object!"},
    };
    for (const Case& c : cases) {
        std::string path = file(c.body);
        CMapEntitiesCollection_Game level;
        EXPECT_EXIT(level.loadEntities(path), ::testing::ExitedWithCode(255),
                    std::string("zepo: .*l1_entities.xml:1: ") + c.message)
            << c.body;
    }
    CMapEntitiesCollection_Game level;
    std::string missing = dir.file("nowhere.xml");
    EXPECT_EXIT(level.loadEntities(missing), ::testing::ExitedWithCode(255), "File " + missing + " not found!");
}

}
