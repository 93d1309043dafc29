// What a frame of the level object does first and what it draws over what, seen through the
// level itself: positions after a frame, entities gone or still there, pixels on the screen.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "entity/map_entity_collection.h"
#include "gfx/font.h"
#include "level_fixture.h"
#include "support/surfaces.h"
#include "support/test_world.h"

namespace {

const Uint32 red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, yellow = 0xFFFF00, white = 0xFFFFFF;

class LevelFrame : public LevelTest
{
protected:
    // A level "l1" of the easy set on a blue background with these layers and entities. Tile 1 is
    // green, 2 yellow, 3 white, 4 grey, all walkable; tile 5 is the solid ground (no picture).
    void writeLevel(const std::string& layers, const std::string& entities)
    {
        SDL_Surface* tiles = makeSurface(128, 32);
        paint(tiles, 0, 0, 32, 32, 0, 255, 0);
        paint(tiles, 32, 0, 32, 32, 255, 255, 0);
        paint(tiles, 64, 0, 32, 32, 255, 255, 255);
        paint(tiles, 96, 0, 32, 32, 90, 90, 90);
        const std::string tileImage = saveBmp(tiles, dir.file("tiles.bmp"));
        SDL_Surface* backdrop = makeSurface(640, 480);
        paint(backdrop, 0, 0, 640, 480, 0, 0, 255);
        const std::string background = saveBmp(backdrop, dir.file("backdrop.bmp"));
        dir.write("data/maps/frame_tiles.xml", R"(<tiledef src=")" + tileImage + R"(">
            <tileSprite name="green" x="0" y="0"/><tileSprite name="yellow" x="32" y="0"/>
            <tileSprite name="white" x="64" y="0"/><tileSprite name="grey" x="96" y="0"/>
            <tile name="g" id="1" walkable="1" special="0" tileSprite="green"/>
            <tile name="y" id="2" walkable="1" special="0" tileSprite="yellow"/>
            <tile name="w" id="3" walkable="1" special="0" tileSprite="white"/>
            <tile name="d" id="4" walkable="1" special="0" tileSprite="grey"/>
            <tile name="ground" id="5" walkable="0" special="0" tileSprite="none"/></tiledef>)");
        dir.write("data/maps/easy/l1_defs.xml", R"(<level tiledef="frame_tiles.xml" name="Pole" score="300"/>)");
        dir.write("data/maps/easy/l1_map.xml", "<map background=\"" + background + "\">" + layers + "</map>");
        dir.write("data/maps/easy/l1_entities.xml", "<mapEntities>" + entities + "</mapEntities>");
    }
    // A first layer of solid ground along the bottom row.
    static std::string groundLayer()
    {
        std::string ground = "<layer>";
        for (int x = 0; x < 20; ++x)
            ground += "<tile id=\"5\" x=\"" + std::to_string(x) + "\" y=\"14\"/>";
        return ground + "</layer>";
    }
    CMapEntity* addToLevel(const std::string& name, float x, float y)
    {
        std::unique_ptr<CMapEntity> entity = CMapEntityCollection::instance().createByName(name);
        entity->setPosition(x, y);
        CMapEntity* added = entity.get();
        level->getEntities().add(std::move(entity));
        return added;
    }
    bool inLevel(const CMapEntity* entity)
    {
        for (const auto& kept : level->getEntities().all())
            if (kept.get() == entity)
                return true;
        return false;
    }
    const CMapEntity* released(const std::string& name, const CMapEntity* other)
    {
        for (const auto& entity : level->getEntities().all())
            if (entity->getName() == name && entity.get() != other)
                return entity.get();
        return nullptr;
    }
};

TEST_F(LevelFrame, DrawsTheBackgroundTheLowerLayersTheActorsTheUpperLayersAndTheHudLast)
{
    // Layer 0: green at cell (2, 5) and (5, 5); layer 1: yellow at (3, 5) and over the green of
    // (5, 5); layer 2: white at (4, 5), grey under the score at (2, 0) and (3, 0).
    writeLevel(R"(<layer><tile id="1" x="2" y="5"/><tile id="1" x="5" y="5"/></layer>
                  <layer><tile id="2" x="3" y="5"/><tile id="2" x="5" y="5"/></layer>
                  <layer><tile id="3" x="4" y="5"/><tile id="4" x="2" y="0"/><tile id="4" x="3" y="0"/></layer>)",
               "");
    play("l1");
    addRedSprite();
    for (float x : {80.0f, 112.0f, 144.0f, 300.0f})  // over green, yellow, under white, over the sky
        level->getEntities().add(std::make_unique<CTestEntity>("RED10", x, 171.0f));
    globals.levelScore = 808;
    draw();

    EXPECT_EQ(colourAt(screen, 600, 300), blue);
    EXPECT_EQ(colourAt(screen, 66, 162), green);
    EXPECT_EQ(colourAt(screen, 98, 162), yellow);
    EXPECT_EQ(colourAt(screen, 170, 186), yellow) << "layer 1 over layer 0";
    EXPECT_EQ(colourAt(screen, 85, 176), red) << "an actor over layer 0";
    EXPECT_EQ(colourAt(screen, 117, 176), red) << "an actor over layer 1";
    EXPECT_EQ(colourAt(screen, 149, 176), white) << "layer 2 over an actor";
    EXPECT_EQ(colourAt(screen, 305, 176), red);

    // The score as the HUD font draws it over the grey of layer 2, not hidden under it.
    SDL_Surface* expected = makeSurface(640, 480);
    paint(expected, 64, 0, 64, 32, 90, 90, 90);
    SDL_Surface* grey = makeSurface(640, 480);
    paint(grey, 64, 0, 64, 32, 90, 90, 90);
    loadFont("font1.png")->write(expected, "808", 85, 18);
    EXPECT_FALSE(sameRegion(expected, grey, 85, 18, 40, 14));
    EXPECT_TRUE(sameRegion(screen, expected, 85, 18, 40, 14));
    SDL_FreeSurface(grey);
    SDL_FreeSurface(expected);
}

TEST_F(LevelFrame, ANewcomerMovesInItsFirstFrameButWhatAGeneratorReleasesOnlyFromTheNext)
{
    writeLevel(groundLayer(), R"(<generator x="400" y="50" interval="60000" start="100">
                                     <generatorentity name="BOBEK"/></generator>)");
    play("l1");
    CMapEntity* dropped = addToLevel("BOBEK", 200, 50);
    frame();
    EXPECT_FLOAT_EQ(dropped->getY(), 52.0f) << "bound to its controller before the controllers ran";

    const CMapEntity* fromGenerator = nullptr;
    for (int i = 0; i < 20 && !fromGenerator; ++i) {
        frame();
        fromGenerator = released("BOBEK", dropped);
    }
    ASSERT_NE(fromGenerator, nullptr);
    EXPECT_FLOAT_EQ(fromGenerator->getY(), 50.0f) << "released after the controllers were bound";
    frame();
    EXPECT_FLOAT_EQ(fromGenerator->getY(), 52.0f);
}

TEST_F(LevelFrame, ADroppingThatReachesTheGroundIsPutBackInTheSameFrameAndGoneInTheNext)
{
    writeLevel(groundLayer(), "");
    play("l1");
    // Its 10-pixel box ends 2 pixels above the ground row; one step of 2 reaches it.
    CMapEntity* dropping = addToLevel("BOBEK", 200, 436);
    frame();
    ASSERT_TRUE(inLevel(dropping));
    EXPECT_FLOAT_EQ(dropping->getY(), 436.0f) << "the contacts of its step resolved after it moved";
    frame();
    EXPECT_FALSE(inLevel(dropping)) << "released by its controller and removed in the same frame";
}

}
