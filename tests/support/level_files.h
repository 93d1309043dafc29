#pragma once

#include <string>

#include "support/test_support.h"

// A runtime root for playing levels from files: the game's three fonts and the tile definitions
// "data/maps/tiles.xml" (tile 1: solid ground, no picture).
void writeLevelRoot(const TempDir& dir);

// The three files of a level of the "easy" set: a definition with tiledef "tiles.xml", the name
// "Pole <name>" and the given further attributes; a map with a solid row at the bottom (row 14);
// and one bird at (300, 100).
void writeLevelFiles(const TempDir& dir, const std::string& name, const std::string& attributes);
