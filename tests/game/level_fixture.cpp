#include "level_fixture.h"

#include <SDL_mixer.h>

#include <set>

#include "behaviour/prototype_controllers.h"
#include "gfx/font.h"
#include "gfx/video.h"
#include "options/options.h"
#include "sound/sound_engine.h"
#include "support/level_files.h"
#include "support/test_world.h"

LevelTest::LevelTest() : screen(glSDL_GetVideoSurface())
{
    static bool tracksAdded = false;  // the engine keeps what it registers
    if (!tracksAdded) {
        const std::string sfx = std::string(ZEPO_GAME_DIR) + "/data/sfx/";
        CSoundEngine::instance().addMusic(sfx + "vitr.wav", "LETO");
        CSoundEngine::instance().addMusic(sfx + "bird02.ogg", "ZIMA");
        tracksAdded = true;
    }
    installTestWorld();
    writeLevelRoot(dir);
    hudHeight = loadFont("font1.png")->height();
    CAudioOptions::instance().setMusic(true);
    Mix_HaltMusic();
    globals.musicPlaying.clear();
    globals.frameFactor = 1.0f;
    registerPrototypeControllers(prototypes);
}

LevelTest::~LevelTest()
{
    level.reset();
    Mix_HaltMusic();
    globals.musicPlaying.clear();
    globals.resetForNewGame();
}

void LevelTest::play(const std::string& name)
{
    level.reset();
    level = std::make_unique<CLevel>();
    level->setPrototypeControllers(&prototypes);
    level->load(name);
}

void LevelTest::draw()
{
    glSDL_FillRect(screen, nullptr, 0);
    level->draw(0, true, screen);
}

void LevelTest::frame()
{
    clock.advance(20);
    level->update(0);
    draw();
}

std::vector<std::string> LevelTest::heard() const
{
    const std::multiset<std::string> playing = sounds.playing();
    sounds.silence();
    return {playing.begin(), playing.end()};
}
