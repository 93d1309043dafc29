#include "front_end_fixture.h"

#include <filesystem>

#include "behaviour/prototype_controllers.h"
#include "frontend/password_list.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "options/options.h"
#include "support/surfaces.h"
#include "support/test_world.h"

namespace fs = std::filesystem;

namespace {

const char* const frontEndSprites[] = {"SIPKA", "TIPWINDOW", "INTRO1", "INTRO2", "INTRO3",
                                       "SRDCE1", "SRDCE2", "SRDCE3"};

void addFrontEndSprites()
{
    CSpriteCollection& sprites = *spriteCollection();
    for (const char* name : frontEndSprites) {
        if (sprites.find(name) >= 0)
            continue;
        auto frames = std::make_unique<CFrameset>("front-end-sheet-that-does-not-exist.png", "FRAMESET1", true);
        frames->addFrame(std::make_unique<CFrame>("FRAME1", 0, 0, 10, 10, 100));
        auto sprite = std::make_unique<CSprite>(name);
        sprite->addFrameset(std::move(frames));
        sprites.add(std::move(sprite));
    }
}

void writeLevel(const TempDir& dir, const std::string& name, const std::string& music)
{
    std::string ground;
    for (int x = 0; x < 20; ++x)
        ground += "<tile id=\"1\" x=\"" + std::to_string(x) + "\" y=\"14\"/>";
    const std::string base = "data/maps/easy/" + name;
    dir.write(base + "_defs.xml", "<level tiledef=\"tiles.xml\" name=\"Pole " + name +
                                      "\" score=\"300\" maxWind=\"30\" music=\"" + music + "\"/>");
    dir.write(base + "_map.xml", "<map><layer>" + ground + "</layer></map>");
    dir.write(base + "_entities.xml", R"(<mapEntities><entity name="PLAYER" x="300" y="100"/></mapEntities>)");
}

}

FrontEndTest::FrontEndTest()
{
    installTestWorld();
    addFrontEndSprites();
    collection = spriteCollection();
    for (const char* font : {"font1.png", "font2.png", "fontsmall2.png"})
        fs::copy_file(std::string(ZEPO_GAME_DIR) + "/" + font, dir.file(font));
    dir.write("data/maps/tiles.xml", R"(<tiledef src="none.png"><tileSprite name="s" x="0" y="0"/>
        <tile name="ground" id="1" walkable="0" special="0" tileSprite="s"/></tiledef>)");
    dir.write("data/maps/easy/levellist.xml", R"(<level name="l1"/><level name="l6"/><level name="l1b"/>)");
    for (const char* name : {"l1", "l6", "l1b"})
        writeLevel(dir, name, "");
    writeLevel(dir, "credits", "MENU");

    globals.resetForNewGame();
    globals.setDifficulty(0);
    globals.hints = true;
    globals.frameFactor = 1.0f;
    CAudioOptions::instance().setSound(true);
    CAudioOptions::instance().setMusic(true);
    CVideoOptions::instance().setFullscreen(false);
    CControlOptions& keys = CControlOptions::instance();
    keys.up = SDLK_w;
    keys.down = SDLK_s;
    keys.left = SDLK_a;
    keys.right = SDLK_d;
    keys.shoot = SDLK_SPACE;
    CPasswordList& passwords = CPasswordList::instance();
    passwords.clear();
    passwords.add("l6", "plumb");
    passwords.add("l1b", "grivelk");
    passwords.add("l8b", "tandor");

    app.largeFont = loadFont("font2.png");
    app.smallFont = loadFont("fontsmall2.png");
    registerPrototypeControllers(app.prototypeControllers);
    app.running = true;
    glSDL_FillRect(screen(), nullptr, 0);
}

FrontEndTest::~FrontEndTest()
{
    app.shutdown();
    setSpriteCollection(collection);
    CPasswordList::instance().clear();
    globals.resetForNewGame();
    globals.setDifficulty(0);
    globals.hints = true;
}

CRecordingState& FrontEndTest::record(const std::string& stateName)
{
    auto state = std::make_unique<CRecordingState>(stateName);
    CRecordingState& added = *state;
    app.addState(std::move(state));
    return added;
}

void FrontEndTest::start(const std::string& stateName)
{
    app.enterState(stateName);
    app.switchTo(stateName);
}

void FrontEndTest::frames(int count)
{
    for (int i = 0; i < count && app.running; ++i) {
        clock.advance(20);
        globals.frameFactor = 1.0f;
        app.currentState->frame();
    }
}

SDL_Surface* FrontEndTest::screen() const
{
    return glSDL_GetVideoSurface();
}
