#include "sound/sound_engine.h"

#include <cstdio>

#include "app/data_file.h"
#include "app/logger.h"
#include "options/options.h"

// What was loaded is freed whether or not the audio device ever opened.
CSoundEngine::~CSoundEngine()
{
    if (opened)
        Mix_HaltMusic();
    for (auto& track : tracks)
        if (track.first)
            Mix_FreeMusic(track.first);
    for (auto& sound : sounds)
        if (sound.first)
            Mix_FreeChunk(sound.first);
    if (opened)
        Mix_CloseAudio();
}

void CSoundEngine::open()
{
    // Opening the device starts the audio subsystem of the multimedia layer if need be.
    opened = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024) == 0;
    if (!opened) {
        // No sound device is no reason to stop: the game plays on in silence.
        CLogger::instance().write("Nemohu otevrit audio!");
        std::printf("Nemohu otevrit audio!\n");
        std::fflush(stdout);
        std::fprintf(stderr, "zepo: no audio device (%s): the game plays without sound\n", Mix_GetError());
        std::fflush(stderr);
        return;
    }
    Mix_VolumeMusic(35);
    SDL_PauseAudio(0);
}

void CSoundEngine::addSound(const std::string& file, const std::string& name)
{
    SDL_RWops* stream = opened && dataFileProblem(file).empty() ? SDL_RWFromFile(file.c_str(), "rb") : nullptr;
    Mix_Chunk* chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    sounds.emplace_back(chunk, name);
}

void CSoundEngine::addMusic(const std::string& file, const std::string& name)
{
    tracks.emplace_back(opened && dataFileProblem(file).empty() ? Mix_LoadMUS(file.c_str()) : nullptr, name);
}

void CSoundEngine::playSound(const std::string& name)
{
    if (!CAudioOptions::instance().getSound())
        return;
    for (auto& sound : sounds)
        if (sound.second == name && sound.first)
            Mix_PlayChannel(-1, sound.first, 0);
}

void CSoundEngine::playMusic(const std::string& name)
{
    if (!CAudioOptions::instance().getMusic())
        return;
    for (auto& track : tracks)
        if (track.second == name && track.first)
            Mix_PlayMusic(track.first, -1);
}

void CSoundEngine::stopMusic()
{
    if (opened)
        Mix_HaltMusic();
}

void CSoundEngine::stopAllSounds()
{
    if (opened)
        Mix_HaltChannel(-1);
}

void CSoundEngine::registerGameSounds()
{
    addSound("data/sfx/uvod2.wav", "LETS GO");
    addSound("data/sfx/zasah.wav", "ZASAH1");
    addSound("data/sfx/katapult.wav", "KATAPULT");
    addSound("data/sfx/nadavani1.wav", "NADAVANI1");
    addSound("data/sfx/nadavani2.wav", "NADAVANI2");
    addSound("data/sfx/nadavani3.wav", "NADAVANI3");
    addSound("data/sfx/smich.wav", "SMICH");
    addSound("data/sfx/vitr.wav", "VITR");
    addSound("data/sfx/bird_rock1.wav", "ROCK");
    addSound("data/sfx/bird_tick1.wav", "TICK1");
    addSound("data/sfx/bird_tick2.wav", "TICK2");
    addSound("data/sfx/bird_bonus2.wav", "BONUS");
    addMusic("data/sfx/bird00.ogg", "MENU");
    addMusic("data/sfx/bird01.ogg", "LETO");
    addMusic("data/sfx/bird02.ogg", "ZIMA");
    addMusic("data/sfx/bird03.ogg", "BOSS");
    addMusic("data/sfx/bird04.ogg", "FINAL");
}

int CSoundEngine::soundEntries(const std::string& name, bool loadedOnly) const
{
    int count = 0;
    for (const auto& sound : sounds)
        if (sound.second == name && (!loadedOnly || sound.first))
            ++count;
    return count;
}

int CSoundEngine::musicEntries(const std::string& name, bool loadedOnly) const
{
    int count = 0;
    for (const auto& track : tracks)
        if (track.second == name && (!loadedOnly || track.first))
            ++count;
    return count;
}
