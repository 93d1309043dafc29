#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>
#include <utility>
#include <vector>

#include "app/singleton.h"

// Owns every sound effect and music track; both are played by name and obey the switches of
// the audio options. A file that fails to load is kept as an empty entry and plays silence.
// Without an audio device every entry is empty: the game plays on in silence.
class CSoundEngine : public Singleton<CSoundEngine>
{
public:
    ~CSoundEngine() override;

    void open();
    void addSound(const std::string& file, const std::string& name);
    void addMusic(const std::string& file, const std::string& name);
    void playSound(const std::string& name);
    void playMusic(const std::string& name);
    void stopMusic();
    void stopAllSounds();

    // The effects and tracks the game registers at start-up, in their order.
    void registerGameSounds();

    // For checks: how many registered entries carry this name, and how many of them loaded.
    int soundEntries(const std::string& name, bool loadedOnly = false) const;
    int musicEntries(const std::string& name, bool loadedOnly = false) const;

private:
    std::vector<std::pair<Mix_Music*, std::string>> tracks;
    std::vector<std::pair<Mix_Chunk*, std::string>> sounds;
    bool opened = false;
};
