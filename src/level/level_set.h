#pragma once

#include <string>
#include <vector>

// Where the files of a level set are. A set is a folder holding "levellist.xml" and the files of
// its levels ("<level>_defs.xml", "_map.xml", "_entities.xml"); the hints lie in the folder
// above it ("<level>_hint.xml"), and the tile definitions a level names are looked up there,
// then in the data folder's "data/maps/". The sets are the folders of the data folder's
// "data/maps/" and of "maps/" in the player's data folder (~/.local/share/zepo/maps/NAME/), so
// a designer never writes into the installed data; a shipped set wins over a player's of the
// same name.
struct CLevelSet
{
    std::string name;
    std::string folder;      // ends with '/': "data/maps/easy/"
    std::string mapsFolder;  // the folder above it, ends with '/': "data/maps/"

    std::string levelList() const { return folder + "levellist.xml"; }
    std::string definitionFile(const std::string& level) const { return folder + level + "_defs.xml"; }
    std::string mapFile(const std::string& level) const { return folder + level + "_map.xml"; }
    std::string entitiesFile(const std::string& level) const { return folder + level + "_entities.xml"; }
    std::string hintFile(const std::string& level) const { return mapsFolder + level + "_hint.xml"; }
    // The tile definitions file a level definition names, relative to the maps folder.
    std::string tileDefinitionsFile(const std::string& tiledef) const;
};

// The data folder's own maps folder, where the shipped sets are.
extern const char* const shippedMapsFolder;

// The set of that name in the data folder as it stands (whether or not its files exist).
CLevelSet shippedLevelSet(const std::string& name);

// The sets the difficulty chooses, by difficulty: "easy", "medium", "hard".
extern const char* const shippedSetNames[3];

// A set name is a folder name: not empty, without a path separator and without "..".
bool isLevelSetName(const std::string& name);
// The player's set of that name (whether or not its files exist).
CLevelSet playerLevelSet(const std::string& name);
// The set of that name that has a level list; false when none has.
bool findLevelSet(const std::string& name, CLevelSet& found);
// The set of that name that has a level list; when none has, the shipped set's place (whose
// missing files the loaders then report).
CLevelSet levelSetNamed(const std::string& name);
// Every set with a level list: the shipped ones by name, then the player's by name.
std::vector<CLevelSet> findLevelSets();
