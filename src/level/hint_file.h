#pragma once

#include <string>

// The text of a level's hint file, read as plain text with its line ends kept; "" when the file
// cannot be opened or is no data file (a folder, a huge file: the level then has no hint).
std::string readHint(const std::string& path);
