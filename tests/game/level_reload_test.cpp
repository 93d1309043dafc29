#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "app/application.h"
#include "app/clock.h"
#include "app/globals.h"
#include "app/timer.h"
#include "demo/demo_session.h"
#include "entity/entity_catalogue.h"
#include "entity/map_entity_collection.h"
#include "game/level.h"
#include "game/level_reload.h"
#include "game/stav_hra.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "support/gameplay_app.h"
#include "support/level_files.h"
#include "support/scripted_input.h"
#include "support/surfaces.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace {

// A game at level "l1" of a set of files on disk (10 s, a bird and solid ground), with a sprite
// collection file holding every sprite the catalogue needs: "PLAYER" cut from a picture of its
// own, the others from a common one.
class LevelReload : public GameplayTest
{
protected:
    LevelReload()
    {
        installTestWorld();
        testWorld = spriteCollection();
        writeLevelRoot(dir);
        dir.write("data/maps/easy/levellist.xml", R"(<level name="l1"/>)");
        writeLevelFiles(dir, "l1", R"(score="300" maxWind="30" music="" time="10000")");
        writePicture("data/gfx/common.bmp", 10, 10, 0, 200, 0);
        writePicture("data/gfx/player.bmp", 10, 10, 200, 0, 0);
        writeCollection(10, 10);
        globals.setDifficulty(0);
        globals.hints = true;
        startGameplay();
    }
    ~LevelReload() override
    {
        app.shutdown();
        setSpriteCollection(testWorld);
        CMapEntityCollection::instance().clear();
        CMapEntityCollection::instance().registerCatalogue();
        globals.resetForNewGame();
    }

    void writePicture(const std::string& name, int w, int h, Uint8 red, Uint8 green, Uint8 blue)
    {
        SDL_Surface* picture = makeSurface(w, h);
        paint(picture, 0, 0, w, h, red, green, blue);
        dir.write(name, "");
        saveBmp(picture, dir.file(name));
    }
    // Every sprite of the catalogue with its initial frameset of one frame, PLAYER's w x h.
    void writeCollection(int playerW, int playerH, const std::string& leftOut = "")
    {
        std::string xml = "<kolekce>\n";
        std::set<std::string> written;
        for (const CEntityRow& row : entityCatalogue) {
            if (row.sprite == leftOut || !written.insert(row.sprite).second)
                continue;
            const bool player = std::string(row.sprite) == "PLAYER";
            const std::string w = std::to_string(player ? playerW : 10), h = std::to_string(player ? playerH : 10);
            xml += std::string("<sprite name=\"") + row.sprite + "\" src=\"data/gfx/" +
                   (player ? "player" : "common") + ".bmp\"><frameset name=\"" + row.frameset +
                   "\"><frameB name=\"F\" x=\"0\" y=\"0\" w=\"" + w + "\" h=\"" + h +
                   "\" delay=\"100\" bX=\"0\" bY=\"0\" bW=\"" + w + "\" bH=\"" + h + "\"/></frameset></sprite>\n";
        }
        dir.write("data/gfx/didudo_sprites.xml", xml + "</kolekce>\n");
    }
    // A map whose solid row is the given one; a tile id out of range on line 3 when broken.
    void writeMap(int solidRow, bool broken = false)
    {
        std::string ground;
        for (int x = 0; x < 20; ++x)
            ground += "<tile id=\"1\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(solidRow) + "\"/>";
        dir.write("data/maps/easy/l1_map.xml",
                  "<map>\n<layer>\n" + std::string(broken ? "<tile id=\"999\" x=\"0\" y=\"0\"/>" : "") + ground +
                      "</layer>\n</map>\n");
    }
    size_t liveTimers() const { return CTimerList::instance().all().size(); }
    const CMapEntity* playerPrototype() const { return &CMapEntityCollection::instance().find("PLAYER"); }

    CSpriteCollection* testWorld = nullptr;
};

TEST_F(LevelReload, ABrokenFileKeepsTheLevelAsItWasAndTheMendedOneIsTaken)
{
    frames(50);
    globals.levelScore = 120;
    globals.ammo = 7;
    CLevel* played = app.level.get();
    CTimer* levelClock = globals.levelClock;
    const Sint32 elapsed = levelClock->elapsed();
    const size_t timers = liveTimers();
    const CMapEntity* prototype = playerPrototype();

    writeMap(10, true);
    const std::string mapFile = dir.file("data/maps/easy/l1_map.xml");
    CReloadOutcome outcome = reloadLevel(app, "l1");
    EXPECT_EQ(outcome.fault, "data/maps/easy/l1_map.xml:3: ID out of range near TILE tag!") << mapFile;
    EXPECT_EQ(outcome.screenFault, "l1_map.xml:3: ID out of range near TILE tag!");
    EXPECT_EQ(app.level.get(), played);
    EXPECT_EQ(globals.levelClock, levelClock);
    EXPECT_EQ(levelClock->elapsed(), elapsed);
    EXPECT_EQ(globals.timeLimit, 10000u);
    EXPECT_EQ(globals.levelScore, 120u);
    EXPECT_EQ(globals.ammo, 7u);
    EXPECT_EQ(liveTimers(), timers);  // the half-built level's are gone with it
    EXPECT_EQ(playerPrototype(), prototype);
    EXPECT_EQ(spriteCollection(), testWorld);
    EXPECT_EQ(app.sprites, nullptr);
    EXPECT_EQ(app.level->getMap().tileNumberAt(0, 14 * 20), 1);
    frames(50);  // the level plays on
    EXPECT_EQ(app.currentStateName(), "HRA");
    EXPECT_NE(app.level->getEntities().getPlayer(), nullptr);

    // A collection without a sprite the catalogue needs cannot make the entity prototypes.
    writeMap(10);
    writeCollection(10, 10, "LITTLEBIRD");
    outcome = reloadLevel(app, "l1");
    EXPECT_EQ(outcome.fault, "Cannot create sprite copy, sprite LITTLEBIRD not found!");
    EXPECT_EQ(app.level.get(), played);
    EXPECT_EQ(playerPrototype(), prototype);
    EXPECT_EQ(spriteCollection(), testWorld);
    EXPECT_EQ(globals.levelClock, levelClock);

    writeCollection(10, 10);
    dir.write("data/maps/easy/l1_defs.xml", R"(<level tiledef="tiles.xml" name="Nove pole" score="500" time="20000"/>)");
    outcome = reloadLevel(app, "l1");
    ASSERT_TRUE(outcome.reloaded()) << outcome.fault;
    EXPECT_NE(app.level.get(), played);
    EXPECT_EQ(app.level->displayName(), "Nove pole");
    EXPECT_EQ(app.level->requiredScore(), 500u);
    EXPECT_EQ(app.level->getMap().tileNumberAt(0, 10 * 20), 1);
    EXPECT_EQ(app.level->getMap().tileNumberAt(0, 14 * 20), 0);
    EXPECT_EQ(globals.levelScore, 0u);  // the level starts over
    EXPECT_EQ(globals.ammo, 20u);
    ASSERT_NE(globals.levelClock, nullptr);
    EXPECT_EQ(globals.levelClock->getPeriod(), 20000u);
    EXPECT_EQ(liveTimers(), timers);
    ASSERT_NE(app.sprites, nullptr);
    EXPECT_EQ(spriteCollection(), app.sprites.get());
    EXPECT_NE(playerPrototype(), prototype);
    frames(50);
    EXPECT_EQ(app.currentStateName(), "HRA");
}

TEST_F(LevelReload, PicturesChangeForEveryHolderOnlyOnceEverythingHasLoaded)
{
    ASSERT_TRUE(reloadLevel(app, "l1").reloaded());
    // Something outside the level holds a sprite copy of the first collection (a menu's cursor).
    std::unique_ptr<CSprite> held = spriteCollection()->createCopy("PLAYER");
    SDL_Surface* sheet = held->getCurrentFrameset()->getSource();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->w, 10);
    EXPECT_EQ(colourAt(sheet, 0, 0), 0xC80000u);

    writePicture("data/gfx/player.bmp", 20, 10, 0, 0, 200);
    writeCollection(20, 10);
    ASSERT_TRUE(reloadLevel(app, "l1").reloaded());
    EXPECT_EQ(held->getCurrentFrameset()->getSource(), sheet);
    EXPECT_EQ(sheet->w, 20);
    EXPECT_EQ(colourAt(sheet, 15, 5), 0x0000C8u);
    const CMapEntity* bird = app.level->getEntities().getPlayer();
    ASSERT_NE(bird, nullptr);
    EXPECT_EQ(bird->getSprite()->getCurrentFrameset()->getSource(), sheet);
    EXPECT_EQ(bird->getSprite()->currentFrame()->w, 20);

    // The picture shrinks under a frame the collection still cuts from it.
    writePicture("data/gfx/player.bmp", 5, 5, 200, 200, 0);
    CLevel* played = app.level.get();
    CSpriteCollection* collection = app.sprites.get();
    const CReloadOutcome outcome = reloadLevel(app, "l1");
    EXPECT_EQ(outcome.screenFault,
              "didudo_sprites.xml: The frame F of sprite PLAYER (0, 0, 20 x 10) does not lie inside its image "
              "data/gfx/player.bmp (5 x 5)!");
    EXPECT_EQ(app.level.get(), played);
    EXPECT_EQ(app.sprites.get(), collection);
    EXPECT_EQ(sheet->w, 20);
    EXPECT_EQ(colourAt(sheet, 15, 5), 0x0000C8u);
}

TEST_F(LevelReload, F5ReloadsOnlyAGameStartedAtALevelAndNotWhileADemoIsRecorded)
{
    const auto& gameplay = static_cast<const CStavHry_Hra&>(*app.currentState);
    CLevel* played = app.level.get();
    writeMap(10, true);
    frames(200);  // the title is over
    ASSERT_FALSE(gameplay.showingTitle());
    input.keyDown(SDLK_F5);
    frames(1);
    EXPECT_EQ(app.level.get(), played);  // a game from the menu: nothing happens
    EXPECT_EQ(app.messageLine.current(), "");

    app.levelReloads = true;
    input.keyDown(SDLK_F5);
    frames(1);
    EXPECT_EQ(app.level.get(), played);
    EXPECT_EQ(app.messageLine.current(), "l1_map.xml:3: ID out of range near TILE tag!");

    writeMap(10);
    dir.write("data/maps/l1_hint.xml", "Nova rada");
    input.keyDown(SDLK_F5);
    frames(1);
    EXPECT_NE(app.level.get(), played);
    EXPECT_EQ(app.messageLine.current(), "");  // the fault is no longer true
    EXPECT_EQ(app.level->hintText(), "Nova rada");
    EXPECT_TRUE(gameplay.showingTitle());
    EXPECT_EQ(app.currentStateName(), "TIP");  // the level's start shows its hint again

    app.switchTo("HRA");
    played = app.level.get();
    app.demo = std::make_unique<CDemoSession>(CDemoSession::EMode::Record, dir.file("game.demo"), CCommandLine(),
                                              clock, input);
    input.keyDown(SDLK_F5);
    frames(1);
    input.keyDown(SDLK_F5);
    frames(1);
    EXPECT_EQ(app.level.get(), played);
    EXPECT_EQ(app.messageLine.current(), "F5: pri nahravani dema nelze nacist uroven znovu");
    app.messageLine.draw(glSDL_GetVideoSurface(), *app.smallFont);
    clock.advance(5000);
    app.messageLine.draw(glSDL_GetVideoSurface(), *app.smallFont);
    EXPECT_EQ(app.messageLine.current(), "");  // said once, not once per press
    app.demo.reset();
}

}
