#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "level/map.h"
#include "support/test_support.h"

namespace {

// Tile 1 solid, 2 and 3 passable (walkable 2 and 1), 4 solid without a picture; tile 0 is
// defined solid but stays the empty tile.
const char* const tileDefinitions = R"(<tiledef src="none.png">
    <tileSprite name="a" x="0" y="0"/>
    <tile name="zero" id="0" walkable="0" special="0" tileSprite="a"/>
    <tile name="solid" id="1" walkable="0" special="0" tileSprite="a" atribut1="1.5" atribut5="5"/>
    <tile name="two" id="2" walkable="2" special="0" tileSprite="a" atribut1="7"/>
    <tile name="open" id="3" walkable="1" special="0" tileSprite="a"/>
    <tile name="wall" id="4" walkable="0" special="0" tileSprite="nothing"/>
  </tiledef>)";

class MapFile : public ::testing::Test
{
protected:
    MapFile() { map.loadTileDefinitions(dir.write("tiles.xml", tileDefinitions)); }
    std::string file(const std::string& body) { return dir.write("l1_map.xml", body); }
    TempDir dir;
    CMap map;
};

TEST_F(MapFile, ReadsLayersInFileOrder)
{
    LogCapture log;
    map.loadMap(file(R"(<map name="l1" background="no-such-background.png">
        <layer name="ground" bgtiles="3"/>
        <comment/>
        <layer>
          <tile id="1" x="19" y="14" atribut1="99"/>
          <tile id="2" x="20" y="0"/>
          <tile id="1" x="5" y="2"/>
          <tile id="3" x="5" y="2"/>
          <tile id="0" x="0" y="0"/>
        </layer>
        <layer bgtiles="2"><tile id="1" x="0" y="0"/></layer>
      </map>)"));
    ASSERT_EQ(map.layerCount(), 3u);
    EXPECT_EQ(map.background(), nullptr);
    EXPECT_EQ(log.count("New layer"), 3);
    EXPECT_EQ(log.count("New tile"), 6);

    for (size_t index = 0; index < 300; ++index) {
        const CMapCell& cell = map.cell(0, index);
        ASSERT_EQ(cell.tileNumber, 3) << index;
        EXPECT_EQ(cell.penalty, 0);
        EXPECT_EQ(cell.attributes[0], 0.0f);  // bgtiles leaves the attributes at 0
    }

    const CMapCell& last = map.cell(1, 299);
    EXPECT_EQ(last.tileNumber, 1);
    EXPECT_EQ(last.attributes[0], 1.5f);  // from the definition, not from the map's own atribut1
    EXPECT_EQ(last.attributes[4], 5.0f);
    EXPECT_EQ(map.cell(1, 20).tileNumber, 2);  // x 20, y 0 is column 0 of row 1
    EXPECT_EQ(map.cell(1, 20).attributes[0], 7.0f);
    EXPECT_EQ(map.cell(1, 45).tileNumber, 3);  // the later tile for a cell wins
    EXPECT_EQ(map.cell(1, 45).attributes[0], 7.0f);  // tile 3 carried atribut1 over from tile 2
    int used = 0;
    for (size_t index = 0; index < 300; ++index)
        used += map.cell(1, index).tileNumber != 0;
    EXPECT_EQ(used, 3);

    EXPECT_EQ(map.tileNumberAt(2, 0), 1);
    EXPECT_EQ(map.tileNumberAt(2, 1), 2);
}

TEST_F(MapFile, CollisionAsksTheTileDefinition)
{
    map.loadMap(file(R"(<map><layer>
        <tile id="1" x="0" y="0"/><tile id="2" x="1" y="0"/><tile id="3" x="2" y="0"/>
        <tile id="4" x="3" y="0"/><tile id="0" x="4" y="0"/><tile id="1" x="19" y="14"/>
      </layer></map>)"));
    EXPECT_TRUE(map.blocks(0, 0));
    EXPECT_FALSE(map.blocks(0, 1));  // walkable 2 is passable like 1
    EXPECT_FALSE(map.blocks(0, 2));
    EXPECT_TRUE(map.blocks(0, 3));   // solid without a picture: an invisible wall
    EXPECT_FALSE(map.blocks(0, 4));  // tile 0 never blocks, whatever its definition says
    EXPECT_TRUE(map.blocks(0, 299));
    EXPECT_FALSE(map.blocks(0, 300));
    EXPECT_FALSE(map.blocks(1, 0));  // a layer the map does not have
    EXPECT_EQ(map.tileNumberAt(0, 299), 1);
    EXPECT_EQ(map.tileNumberAt(0, 300), 0);
    EXPECT_EQ(map.tileNumberAt(0, 65535), 0);
    EXPECT_EQ(map.tileNumberAt(1, 0), 0);
}

TEST_F(MapFile, PenaltiesAreWritableThroughTheCell)
{
    map.loadMap(file(R"(<map><layer bgtiles="1"/></map>)"));
    map.cell(0, 7).penalty = -3;
    EXPECT_EQ(map.cell(0, 7).penalty, -3);
    EXPECT_EQ(map.cell(0, 8).penalty, 0);
}

TEST_F(MapFile, AFileWithoutAMapLeavesTheMapUnchanged)
{
    map.loadMap(file(R"(<map><layer bgtiles="1"/></map>)"));
    LogCapture log;
    map.loadMap(file(R"(<mapEntities><layer bgtiles="2"/></mapEntities>)"));
    EXPECT_TRUE(log.contains("MAP tag not found! This is probably not the map file.."));
    ASSERT_EQ(map.layerCount(), 1u);
    EXPECT_EQ(map.tileNumberAt(0, 0), 1);

    CMap empty;
    empty.loadMap(file("<level/>"));
    EXPECT_EQ(empty.layerCount(), 0u);
    EXPECT_EQ(empty.background(), nullptr);
}

TEST_F(MapFile, StructuralErrorsEndTheProgramWithTheirMessage)
{
    struct Case
    {
        std::string layer;
        std::string message;
    };
    const std::vector<Case> cases = {
        {R"(<layer><tile/></layer>)", "ID not found near TILE tag!"},
        {R"(<layer><tile x="0" y="0"/></layer>)", "ID not found near TILE tag!"},
        {R"(<layer><tile id="1" y="0"/></layer>)", "X not found near TILE tag!"},
        {R"(<layer><tile id="1"/></layer>)", "X not found near TILE tag!"},
        {R"(<layer><tile id="1" x="0"/></layer>)", "Y not found near TILE tag!"},
        {R"(<layer><tile id="1" x="0" y="15"/></layer>)", "Coordinates out of bounds!"},
        {R"(<layer><tile id="1" x="280" y="1"/></layer>)", "Coordinates out of bounds!"},
        {R"(<layer><tile id="1" x="-1" y="0"/></layer>)", "Coordinates out of bounds!"},
        {R"(<layer><tile id="1" x="-20" y="1"/></layer>)", "Coordinates out of bounds!"},
        {R"(<layer><tile id="1" x="0" y="-1"/></layer>)", "Coordinates out of bounds!"},
        {R"(<layer><tile id="1" x="65556" y="0"/></layer>)", "Coordinates out of bounds!"},
        {R"(<layer><tile id="200" x="0" y="0"/></layer>)", "ID out of range near TILE tag!"},
        {R"(<layer><tile id="-1" x="0" y="0"/></layer>)", "ID out of range near TILE tag!"},
        {R"(<layer><tile id="65536" x="0" y="0"/></layer>)", "ID out of range near TILE tag!"},
        {R"(<layer bgtiles="200"/>)", "BGTILES out of range near LAYER tag!"},
        {R"(<layer bgtiles="-3"/>)", "BGTILES out of range near LAYER tag!"},
        {R"(<layer/><layer bgtiles="70000"/>)", "BGTILES out of range near LAYER tag!"},
    };
    for (const Case& c : cases) {
        std::string path = file("<map>" + c.layer + "</map>");
        EXPECT_EXIT(map.loadMap(path), ::testing::ExitedWithCode(255), "zepo: .*l1_map.xml:[0-9]+: " + c.message) << c.layer;
    }
}

TEST_F(MapFile, AMissingOrBrokenFileEndsTheProgram)
{
    std::string missing = dir.file("l9_map.xml");
    EXPECT_EXIT(map.loadMap(missing), ::testing::ExitedWithCode(255), "zepo: File " + missing + " not found!");
    std::string broken = file("<map><layer>");
    EXPECT_EXIT(map.loadMap(broken), ::testing::ExitedWithCode(255), "File .*l1_map.xml not found!");
}

}
