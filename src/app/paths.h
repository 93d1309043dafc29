#pragma once

#include <string>
#include <vector>

// Where the game's files are. The read-only data (data/, the fonts, the screen images) is one
// folder, the data root, which the game finds by itself and never writes into. The player's own
// files live in their home, in the XDG base folders: the option files in $XDG_CONFIG_HOME/zepo
// (~/.config/zepo), the top ten, recorded demos, screenshots and own level sets in
// $XDG_DATA_HOME/zepo (~/.local/share/zepo).

// A folder is the data root when it holds this file.
extern const char* const dataRootMarker;

// A place the data root may be, and what it is to the player ("ZEPO_DATA_DIR", ...).
struct CDataPlace
{
    std::string folder;
    std::string origin;
};

// Where to look, in order: $ZEPO_DATA_DIR (if set); the data folder that belongs to the
// executable (installed: share/games/zepo of the prefix whose games/ holds it; in a build tree,
// the folder named by the file "zepo-data-folder" beside it); the working directory.
std::vector<CDataPlace> dataRootPlaces(const std::string& executable);
// The folder of the first place that holds the marker; empty when none does.
std::string firstDataRoot(const std::vector<CDataPlace>& places);

// Start-up: remembers the folder the game was started in, finds the data root and makes it the
// working directory, so that every data file is read by its own name ("data/maps/...").
// No data anywhere ends the program with status 255 and a message naming every place tried.
void enterDataRoot();

// The folder the player started the game in (the working directory until enterDataRoot).
std::string startingFolder();
// A path given on the command line, made to hold after enterDataRoot: relative paths are
// taken from the starting folder.
std::string fromStartingFolder(const std::string& path);

// The folders of the player's files. XDG values that are not absolute paths are ignored; with
// no usable home (HOME unset, not absolute or not a folder) the starting folder is used, which
// the game says once on standard error.
std::string playerConfigFolder();
std::string playerDataFolder();
std::string playerConfigFile(const std::string& name);
std::string playerDataFile(const std::string& name);

// The first of folder/stem-0001extension, folder/stem-0002extension, ... that does not exist.
std::string numberedFile(const std::string& folder, const std::string& stem, const std::string& extension);

// Makes the folder with every missing folder above it, each with mode 0700 (they hold only the
// player's files). True when it is a folder afterwards.
bool makeFolder(const std::string& folder);
// The same for the folder a file goes into.
bool makeFolderFor(const std::string& file);
