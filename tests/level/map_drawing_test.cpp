#include <gtest/gtest.h>

#include <string>

#include "level/map.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

const Uint32 black = 0x000000, red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF;

// A 96 x 64 tile image: "red" at (0, 0) with a blue bottom-right pixel, "green" at (64, 32); the
// rest is white and must never show.
std::string writeTileImage(const TempDir& dir)
{
    SDL_Surface* image = makeSurface(96, 64);
    paint(image, 0, 0, 96, 64, 255, 255, 255);
    paint(image, 0, 0, 32, 32, 255, 0, 0);
    paint(image, 31, 31, 1, 1, 0, 0, 255);
    paint(image, 64, 32, 32, 32, 0, 255, 0);
    return saveBmp(image, dir.file("tiles.bmp"));
}

class MapDrawing : public ::testing::Test
{
protected:
    MapDrawing() : target(makeSurface(96, 64)) { clear(); }
    ~MapDrawing() override { SDL_FreeSurface(target); }

    // Tile 1 red, 2 green, 3 without a picture; tile 0 has the red picture but is never drawn.
    void load(const std::string& layers, const std::string& background = "")
    {
        std::string image = writeTileImage(dir);
        map.loadTileDefinitions(dir.write("tiles.xml", R"(<tiledef src=")" + image + R"(">
            <tileSprite name="red" x="0" y="0"/>
            <tileSprite name="green" x="64" y="32"/>
            <tile name="empty" id="0" walkable="1" special="0" tileSprite="red"/>
            <tile name="r" id="1" walkable="0" special="0" tileSprite="red"/>
            <tile name="g" id="2" walkable="0" special="0" tileSprite="green"/>
            <tile name="none" id="3" walkable="0" special="0" tileSprite="missing"/>
          </tiledef>)"));
        std::string backgroundAttribute = background.empty() ? "" : " background=\"" + background + "\"";
        map.loadMap(dir.write("map.xml", "<map" + backgroundAttribute + ">" + layers + "</map>"));
    }
    void clear() { paint(target, 0, 0, 96, 64, 0, 0, 0); }
    Uint32 at(int x, int y) { return colourAt(target, x, y); }
    bool blank()
    {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 96; ++x)
                if (at(x, y) != black)
                    return false;
        return true;
    }

    TempDir dir;
    CMap map;
    SDL_Surface* target;
};

TEST_F(MapDrawing, EachCellShowsItsTilePictureAtItsPlace)
{
    // Cells 0 (red), 1 (no picture), 2 (empty), 20 (empty), 21 (green), 22 (red).
    load(R"(<layer><tile id="1" x="0" y="0"/><tile id="3" x="1" y="0"/>
                   <tile id="2" x="1" y="1"/><tile id="1" x="2" y="1"/></layer>)");
    ASSERT_NE(map.tileImage(), nullptr);
    map.drawLayers(0, 0, target);
    EXPECT_EQ(at(0, 0), red);
    EXPECT_EQ(at(30, 30), red);
    EXPECT_EQ(at(31, 31), blue);  // the picture is not shifted or scaled
    EXPECT_EQ(at(32, 0), black);  // a tile without a picture draws nothing
    EXPECT_EQ(at(63, 31), black);
    EXPECT_EQ(at(64, 0), black);  // empty cells are skipped
    EXPECT_EQ(at(0, 32), black);
    EXPECT_EQ(at(32, 32), green);
    EXPECT_EQ(at(63, 63), green);
    EXPECT_EQ(at(64, 32), red);
    EXPECT_EQ(at(95, 63), blue);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            ASSERT_NE(at(x, y), white) << x << "," << y;
}

TEST_F(MapDrawing, LayersAreDrawnInOrderWithinTheAskedRange)
{
    load(R"(<layer><tile id="1" x="0" y="0"/><tile id="1" x="1" y="0"/></layer>
            <layer><tile id="2" x="0" y="0"/></layer>
            <layer><tile id="2" x="2" y="0"/></layer>)");
    map.drawLayers(0, 2, target);
    EXPECT_EQ(at(0, 0), green);  // layer 1 over layer 0
    EXPECT_EQ(at(32, 0), red);
    EXPECT_EQ(at(64, 0), black);  // layer 2 is not in the range

    clear();
    map.drawLayers(2, 0, target);  // from layer 2 to the last
    EXPECT_EQ(at(0, 0), black);
    EXPECT_EQ(at(64, 0), green);

    clear();
    map.drawLayers(0, 1, target);
    EXPECT_EQ(at(0, 0), red);
    EXPECT_EQ(at(64, 0), black);

    clear();
    map.drawLayers(1, 7, target);  // an end past the last layer stops at the last
    EXPECT_EQ(at(0, 0), green);
    EXPECT_EQ(at(32, 0), black);
    EXPECT_EQ(at(64, 0), green);
}

TEST_F(MapDrawing, RangesBeyondTheLayersDrawNothing)
{
    load(R"(<layer bgtiles="1"/>)");
    map.drawLayers(2, 0, target);
    EXPECT_TRUE(blank());
    map.drawLayers(5, 9, target);
    EXPECT_TRUE(blank());
    map.drawLayers(1, 0, target);
    EXPECT_TRUE(blank());
    map.drawLayers(0, 0, target);
    EXPECT_EQ(at(0, 0), red);
    EXPECT_EQ(at(95, 63), blue);  // bgtiles filled every cell
}

TEST_F(MapDrawing, AMapWithoutLayersDrawsOnlyItsBackground)
{
    SDL_Surface* picture = makeSurface(16, 16);
    paint(picture, 0, 0, 16, 16, 10, 20, 30);
    std::string background = saveBmp(picture, dir.file("background.bmp"));
    load("", background);
    EXPECT_EQ(map.layerCount(), 0u);
    ASSERT_NE(map.background(), nullptr);
    map.drawLayers(0, 2, target);
    map.drawLayers(2, 0, target);
    EXPECT_TRUE(blank());
    map.drawBackground(target);
    EXPECT_EQ(at(0, 0), 0x0A141Eu);
    EXPECT_EQ(at(15, 15), 0x0A141Eu);
    EXPECT_EQ(at(16, 0), black);
}

TEST_F(MapDrawing, NothingToDrawWithoutPictures)
{
    CMap bare;
    bare.drawBackground(target);
    bare.drawLayers(0, 0, target);
    EXPECT_TRUE(blank());

    // Tiles whose image cannot be loaded draw nothing.
    bare.loadTileDefinitions(dir.write("t.xml", R"(<tiledef src="missing.png">
        <tileSprite name="a" x="0" y="0"/><tile name="a" id="1" walkable="0" special="0" tileSprite="a"/>
      </tiledef>)"));
    bare.loadMap(dir.write("m.xml", R"(<map><layer bgtiles="1"/></map>)"));
    bare.drawLayers(0, 0, target);
    EXPECT_TRUE(blank());
}

}
