#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "level/map.h"
#include "support/test_support.h"

namespace {

class TileDefinitionsFile : public ::testing::Test
{
protected:
    std::string file(const std::string& body) { return dir.write("tiles.xml", body); }
    TempDir dir;
    CMap map;
};

TEST_F(TileDefinitionsFile, CutsPicturesAndCarriesLeftOutAttributesOver)
{
    map.loadTileDefinitions(file(R"(<tiledef src="no-such-tiles.png">
        <tileSprite name="grass" x="0" y="0"/>
        <tileSprite name="earth" x="32" y="0"/>
        <tileSprite name="earth" x="64" y="-32"/>
        <tile name="first" id="1" walkable="0" special="7" tileSprite="grass"/>
        <tile name="second" id="2" walkable="2" special="0" tileSprite="earth" atribut1="1.5" atribut3="2.5"/>
        <tile name="third" id="3" walkable="1" special="0" tileSprite="late" atribut1="-4" atribut5="9e1"/>
        <tile name="fourth" id="4" walkable=" 1x" special="abc" tileSprite="grass"/>
        <tileSprite name="late" x="96" y="32"/>
      </tiledef>)"));
    EXPECT_EQ(map.tileImage(), nullptr);  // a picture that cannot load is not fatal
    ASSERT_EQ(map.tileSprites().size(), 4u);
    EXPECT_EQ(map.tileSprites()[2].y, -32);

    const CTileDefinition& first = map.definition(1);
    EXPECT_EQ(first.walkable, 0);
    EXPECT_EQ(first.special, 7);
    EXPECT_TRUE(first.hasPicture);
    EXPECT_EQ(first.picture.name, "grass");
    for (float value : first.attributes)
        EXPECT_EQ(value, 0.0f);  // the carried values start at 0

    const CTileDefinition& second = map.definition(2);
    EXPECT_EQ(second.walkable, 2);
    EXPECT_EQ(second.picture.x, 64);  // of two pictures with one name the last one counts
    EXPECT_EQ(second.picture.y, -32);

    // Tile sprites are all cut before any tile is defined, wherever they stand in the file.
    const CTileDefinition& third = map.definition(3);
    EXPECT_TRUE(third.hasPicture);
    EXPECT_EQ(third.picture.x, 96);
    const float carried[5] = {-4.0f, 0.0f, 2.5f, 0.0f, 90.0f};
    const CTileDefinition& fourth = map.definition(4);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(third.attributes[i], carried[i]) << i;
        EXPECT_EQ(fourth.attributes[i], carried[i]) << i;
    }
    EXPECT_EQ(second.attributes[2], 2.5f);
    EXPECT_EQ(fourth.walkable, 1);
    EXPECT_EQ(fourth.special, 0);

    const CTileDefinition& untouched = map.definition(199);
    EXPECT_EQ(untouched.walkable, 0);
    EXPECT_FALSE(untouched.hasPicture);
    EXPECT_EQ(untouched.attributes[0], 0.0f);
}

TEST_F(TileDefinitionsFile, ALaterTileWithTheSameIdStandsAndAnUnknownPictureKeepsTheOldOne)
{
    map.loadTileDefinitions(file(R"(<tiledef src="none.png">
        <tileSprite name="rock" x="32" y="64"/>
        <tile name="a" id="5" walkable="0" special="1" tileSprite="rock" atribut2="3"/>
        <tile name="b" id="5" walkable="1" special="2" tileSprite="nothing" atribut2="8"/>
        <tile name="c" id="6" walkable="1" special="0" tileSprite="nothing"/>
      </tiledef>)"));
    const CTileDefinition& tile = map.definition(5);
    EXPECT_EQ(tile.walkable, 1);
    EXPECT_EQ(tile.special, 2);
    EXPECT_EQ(tile.attributes[1], 8.0f);
    EXPECT_TRUE(tile.hasPicture);
    EXPECT_EQ(tile.picture.name, "rock");
    EXPECT_EQ(tile.picture.x, 32);
    EXPECT_EQ(tile.picture.y, 64);
    EXPECT_FALSE(map.definition(6).hasPicture);
}

TEST_F(TileDefinitionsFile, AFileWithoutTiledefDefinesNothing)
{
    map.loadTileDefinitions(file(R"(<tiles src="a.png"><tile name="a" id="1" walkable="1" special="0"
        tileSprite="x"/></tiles>)"));
    EXPECT_EQ(map.tileImage(), nullptr);
    EXPECT_TRUE(map.tileSprites().empty());
    EXPECT_EQ(map.definition(1).walkable, 0);
}

TEST_F(TileDefinitionsFile, StructuralErrorsEndTheProgramWithTheirMessage)
{
    struct Case
    {
        std::string body;
        std::string message;
    };
    std::vector<Case> cases = {
        {R"(<tiledef><tileSprite name="a" x="0" y="0"/></tiledef>)", "NAME not found near TILESPRITE tag!"},
        {R"(<tiledef src="t.png"><tileSprite x="0" y="0"/></tiledef>)", "NAME not found near TILESPRITE tag!"},
        {R"(<tiledef src="t.png"><tileSprite name="a" y="0"/></tiledef>)", "X not found near TILESPRITE tag!"},
        {R"(<tiledef src="t.png"><tileSprite name="a" x="0"/></tiledef>)", "Y not found near TILESPRITE tag!"},
        {R"(<tiledef src="t.png"><tileSprite/></tiledef>)", "NAME not found near TILESPRITE tag!"},
        {R"(<tiledef src="t.png"><tile/></tiledef>)", "NAME not found near TILE tag!"},
        {R"(<tiledef src="t.png"><tile name="a" walkable="0"/></tiledef>)", "ID not found near TILE tag!"},
    };
    const std::string attributes[] = {"name", "id", "walkable", "special", "tileSprite"};
    const std::string names[] = {"NAME", "ID", "WALKABLE", "SPECIAL", "TILESPRITE"};
    for (int left = 0; left < 5; ++left) {
        std::string element = "<tile";
        for (int i = 0; i < 5; ++i)
            if (i != left)
                element += " " + attributes[i] + "=\"1\"";
        cases.push_back({R"(<tiledef src="t.png">)" + element + "/></tiledef>", names[left] + " not found near TILE tag!"});
    }
    for (const char* id : {"200", "-1", "65536", "1000000"})
        cases.push_back({std::string(R"(<tiledef src="t.png"><tile name="a" id=")") + id +
                             R"(" walkable="0" special="0" tileSprite="x"/></tiledef>)",
                         "ID out of range near TILE tag!"});
    for (const Case& c : cases) {
        std::string path = file(c.body);
        CMap fresh;
        EXPECT_EXIT(fresh.loadTileDefinitions(path), ::testing::ExitedWithCode(255), "zepo: .*tiles.xml:1: " + c.message)
            << c.body;
    }
}

TEST_F(TileDefinitionsFile, TheLastTileNumberIsInRange)
{
    map.loadTileDefinitions(
        file(R"(<tiledef src="t.png"><tile name="a" id="199" walkable="3" special="0" tileSprite="x"/></tiledef>)"));
    EXPECT_EQ(map.definition(199).walkable, 3);
}

TEST_F(TileDefinitionsFile, AMissingOrBrokenFileEndsTheProgram)
{
    std::string missing = dir.file("nothing.xml");
    EXPECT_EXIT(map.loadTileDefinitions(missing), ::testing::ExitedWithCode(255),
                "zepo: File " + missing + " not found!");
    std::string broken = file(R"(<tiledef src="t.png"><tile name="a")");
    EXPECT_EXIT(map.loadTileDefinitions(broken), ::testing::ExitedWithCode(255), "File .*tiles.xml not found!");
}

}
