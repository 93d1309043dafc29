#pragma once

#include <string>

// The largest data file the game opens (the longest shipped music track is under 1 MiB): a file
// beyond it is not one of the game's files.
constexpr long long dataFileSizeLimit = 64LL * 1024 * 1024;

// Every data file (XML, image, sound, font, hint) is opened only when it is a regular file of at
// most dataFileSizeLimit bytes. Empty when the file can be opened; otherwise why it cannot:
// "no such file", "is a folder, not a file", "is not a regular file", "is larger than 64 MiB"...
// A file refused here is treated as a missing one.
std::string dataFileProblem(const std::string& path);
