#include "options/options.h"

#include "app/fatal.h"
#include "app/globals.h"
#include "app/paths.h"
#include "gfx/video.h"
#include "options/option_file.h"

namespace {

const char* const audioFile = "audio.cfg";
const char* const videoFile = "video.cfg";

// The player file kept for a path: the one read from it, or a fresh one for another path.
CPlayerFile& fileAt(CPlayerFile& file, const std::string& path)
{
    if (file.path() != path)
        file = CPlayerFile(path);
    return file;
}

std::string line(const char* keyword, long value)
{
    return std::string(keyword) + " " + std::to_string(value);
}

}

void CAudioOptions::load()
{
    playerFile = CPlayerFile(playerConfigFile(audioFile));
    readOptionFile(playerFile, [this](const std::string& keyword, int value) {
        if (keyword == "SOUND")
            sound = value != 0;
        else if (keyword == "MUSIC")
            music = value != 0;
    });
}

bool CAudioOptions::save()
{
    return fileAt(playerFile, playerConfigFile(audioFile)).write(audioOptionsText(*this));
}

void CVideoOptions::load()
{
    playerFile = CPlayerFile(playerConfigFile(videoFile));
    readOptionFile(playerFile, [this](const std::string& keyword, int value) {
        if (keyword == "FULLSCREEN")
            fullscreen = value != 0;
        else if (keyword == "DIF")
            CGlobals::instance().setDifficulty(static_cast<Uint32>(value));
        else if (keyword == "HINTS")
            CGlobals::instance().hints = value != 0;
    });
}

bool CVideoOptions::save()
{
    return fileAt(playerFile, playerConfigFile(videoFile)).write(videoOptionsText(*this));
}

void CControlOptions::load(const std::string& path)
{
    playerFile = CPlayerFile(path);
    readOptionFile(playerFile, [this](const std::string& keyword, int value) {
        Uint16 key = static_cast<Uint16>(value);
        if (keyword == "LEFT")
            left = key;
        else if (keyword == "RIGHT")
            right = key;
        else if (keyword == "UP")
            up = key;
        else if (keyword == "DOWN")
            down = key;
        else if (keyword == "SHOOT")
            shoot = key;
    });
}

bool CControlOptions::save(const std::string& path)
{
    return fileAt(playerFile, path).write(controlOptionsText(*this));
}

std::string audioOptionsText(const CAudioOptions& options)
{
    return line("SOUND", options.getSound() ? 1 : 0) + "\n" + line("MUSIC", options.getMusic() ? 1 : 0);
}

std::string videoOptionsText(const CVideoOptions& options)
{
    const CGlobals& globals = CGlobals::instance();
    return line("FULLSCREEN", options.getFullscreen() ? 1 : 0) + "\n" + line("DIF", globals.difficulty) + "\n" +
           line("HINTS", globals.hints ? 1 : 0) + "\n";
}

std::string controlOptionsText(const CControlOptions& options)
{
    return line("LEFT", options.left) + "\n" + line("RIGHT", options.right) + "\n" + line("UP", options.up) + "\n" +
           line("DOWN", options.down) + "\n" + line("SHOOT", options.shoot);
}

void setVideoMode()
{
    const bool fullscreen = CVideoOptions::instance().getFullscreen();
    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (screen) {
        if (((screen->flags & SDL_FULLSCREEN) != 0) != fullscreen)
            glSDL_ToggleFullScreen();
    } else {
        Uint32 flags = SDL_DOUBLEBUF | GLSDL_OPENGL | (fullscreen ? SDL_FULLSCREEN : 0);
        if (!glSDL_SetVideoMode(640, 480, 32, flags))
            fatalError(std::string("Unable to set 640x480 video: ") + SDL_GetError());
    }
    // The menus draw their own arrow and play has none: the system's pointer is never shown over
    // the game's window.
    SDL_ShowCursor(SDL_DISABLE);
}

void switchFullScreen()
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (!screen)
        return;
    CVideoOptions& options = CVideoOptions::instance();
    options.setFullscreen((screen->flags & SDL_FULLSCREEN) == 0);
    options.save();
    setVideoMode();
}
