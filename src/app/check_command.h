#pragma once

#include <string>
#include <vector>

// "zepo --check [SET ...]": loads every level of the named sets (all sets found when none is
// named) through the game's own loaders, with no window and no audio device, and prints one line
// per fault on standard output, "FILE:LINE: what is wrong". Returns the exit status: 0 when
// clean, 1 when faults were found, 2 when a named set does not exist.
int runLevelCheck(const std::vector<std::string>& setNames);
