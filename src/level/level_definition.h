#pragma once

#include <SDL.h>

#include <string>

// What a level definition file says about a level (the rest goes to the global data).
struct CLevelDefinition
{
    std::string tileDefFile;
    std::string displayName = "NO NAME";
    Uint32 requiredScore = 0;
    std::string musicName;
};

// Reads "<level>_defs.xml": the first top-level <level tiledef [name score maxWind music time]>.
// maxWind goes to the global data (absent: the previous level's range stays); time makes a new
// level clock with that period, started at once (absent: no clock). A new wind is drawn last.
void readLevelDefinition(CLevelDefinition& level, const std::string& path);
