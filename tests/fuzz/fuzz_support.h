#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/fatal.h"

// What every fuzz target shares. Each target hands one input to one loader of a file that a
// player or a level designer can give the game; a refusal through the fatal-error path is a
// clean outcome, anything else that stops the program (a signal, a sanitizer report, a hang, an
// exit) is a finding.

// Starts SDL once on the dummy drivers with a 640 x 480 plain screen and makes the game's data
// root the working directory, so that the names in an input find the shipped pictures.
void fuzzStartSdl();
// The shipped sprite collection loaded and the entity catalogue registered, once.
void fuzzLoadWorld();
// The input written to a file of that name in a folder of this process, removed again when
// the object goes.
class CFuzzInputFile
{
public:
    CFuzzInputFile(const std::uint8_t* data, std::size_t size, const std::string& name);
    ~CFuzzInputFile();
    CFuzzInputFile(const CFuzzInputFile&) = delete;
    CFuzzInputFile& operator=(const CFuzzInputFile&) = delete;

    const std::string& path() const { return filePath; }

private:
    std::string filePath;
};
// A surface of the screen's size to draw on.
struct SDL_Surface* fuzzCanvas();

// Runs a loader: the fatal errors it ends the game with are caught as the refusals they are.
template <class Load>
void refusalsAreFine(Load&& load)
{
    CFatalErrorsThrow scope;
    try {
        load();
    } catch (const CFatalError&) {
    }
}
