#pragma once

#include <SDL.h>

#include <string>

#include "app/singleton.h"
#include "options/player_file.h"

// Sound effects and music switches, kept in "audio.cfg" of the player's config folder.
class CAudioOptions : public Singleton<CAudioOptions>
{
public:
    ~CAudioOptions() override = default;
    void load();
    // False when the file was not written (said on standard error; saveNote gives the line).
    bool save();
    const CPlayerFile& file() const { return playerFile; }

    bool getSound() const { return sound; }
    void setSound(bool on) { sound = on; }
    bool getMusic() const { return music; }
    void setMusic(bool on) { music = on; }

private:
    bool sound = true;
    bool music = true;
    CPlayerFile playerFile;
};

// The full-screen switch, kept in "video.cfg" of the player's config folder together with the difficulty and the hints switch
// of the global game data.
class CVideoOptions : public Singleton<CVideoOptions>
{
public:
    ~CVideoOptions() override = default;
    void load();
    bool save();
    const CPlayerFile& file() const { return playerFile; }

    bool getFullscreen() const { return fullscreen; }
    void setFullscreen(bool on) { fullscreen = on; }

private:
    bool fullscreen = false;
    CPlayerFile playerFile;
};

// The five game keys, kept in "controls.cfg".
class CControlOptions : public Singleton<CControlOptions>
{
public:
    ~CControlOptions() override = default;
    void load(const std::string& path);
    bool save(const std::string& path);
    const CPlayerFile& file() const { return playerFile; }

    Uint16 up = SDLK_w;
    Uint16 down = SDLK_s;
    Uint16 left = SDLK_a;
    Uint16 right = SDLK_d;
    Uint16 shoot = SDLK_SPACE;

private:
    CPlayerFile playerFile;
};

// The file contents exactly as they are written (tests compare them byte for byte).
std::string audioOptionsText(const CAudioOptions& options);
std::string videoOptionsText(const CVideoOptions& options);
std::string controlOptionsText(const CControlOptions& options);

// Sets up the 640 x 480 screen the first time; later calls apply a changed full-screen switch.
// Both hide the system mouse cursor. A screen that cannot be set up ends the program.
void setVideoMode();

// Switches between window and full screen (Alt+Enter) and saves the switch in "video.cfg" as the
// video menu's OK item does.
void switchFullScreen();
