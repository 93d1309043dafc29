#include "level_fixture.h"

#include <SDL_mixer.h>

#include <iterator>
#include <utility>

#include "behaviour/prototype_controllers.h"
#include "gfx/font.h"
#include "gfx/video.h"
#include "options/options.h"
#include "sound/sound_engine.h"
#include "support/level_files.h"
#include "support/test_world.h"

namespace {

// The effects the level tests listen for, each loaded from its own file of the game.
const std::pair<const char*, const char*> knownEffects[] = {
    {"TICK1", "bird_tick1.wav"}, {"TICK2", "bird_tick2.wav"}, {"NADAVANI2", "nadavani2.wav"}, {"SMICH", "smich.wav"}};
const Mix_Chunk* effectChunks[std::size(knownEffects)] = {};

}

void LevelTest::SetUpTestSuite()
{
    if (effectChunks[0])  // one sound engine per program
        return;
    CSoundEngine& engine = CSoundEngine::instance();
    engine.open();
    SDL_PauseAudio(1);
    const std::string sfx = std::string(ZEPO_GAME_DIR) + "/data/sfx/";
    for (const auto& [name, file] : knownEffects)
        engine.addSound(sfx + file, name);
    engine.addMusic(sfx + "vitr.wav", "LETO");
    engine.addMusic(sfx + "bird02.ogg", "ZIMA");
    CAudioOptions::instance().setSound(true);
    for (size_t i = 0; i < std::size(knownEffects); ++i) {
        Mix_HaltChannel(-1);
        engine.playSound(knownEffects[i].first);
        effectChunks[i] = Mix_GetChunk(0);
    }
    Mix_HaltChannel(-1);
}

LevelTest::LevelTest() : screen(glSDL_GetVideoSurface())
{
    installTestWorld();
    writeLevelRoot(dir);
    hudHeight = loadFont("font1.png")->height();
    CAudioOptions::instance().setSound(true);
    CAudioOptions::instance().setMusic(true);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    globals.musicPlaying.clear();
    globals.frameFactor = 1.0f;
    registerPrototypeControllers(prototypes);
}

LevelTest::~LevelTest()
{
    level.reset();
    Mix_HaltChannel(-1);
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

std::vector<std::string> LevelTest::heard()
{
    std::vector<std::string> names;
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (!Mix_Playing(channel))
            continue;
        const Mix_Chunk* chunk = Mix_GetChunk(channel);
        std::string name = "?";
        for (size_t i = 0; i < std::size(knownEffects); ++i)
            if (chunk == effectChunks[i])
                name = knownEffects[i].first;
        names.push_back(name);
    }
    Mix_HaltChannel(-1);
    return names;
}
