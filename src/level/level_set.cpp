#include "level/level_set.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/paths.h"

const char* const shippedMapsFolder = "data/maps/";
const char* const shippedSetNames[3] = {"easy", "medium", "hard"};

namespace {

bool fileExists(const std::string& path)
{
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return true;
    }
    return false;
}

}

std::string CLevelSet::tileDefinitionsFile(const std::string& tiledef) const
{
    const std::string own = mapsFolder + tiledef;
    if (mapsFolder == shippedMapsFolder || fileExists(own))
        return own;
    return shippedMapsFolder + tiledef;
}

CLevelSet shippedLevelSet(const std::string& name)
{
    return {name, shippedMapsFolder + name + "/", shippedMapsFolder};
}

bool isLevelSetName(const std::string& name)
{
    return !name.empty() && name.find_first_of("/\\") == std::string::npos && name.find("..") == std::string::npos;
}

CLevelSet playerLevelSet(const std::string& name)
{
    const std::string maps = playerDataFile("maps") + "/";
    return {name, maps + name + "/", maps};
}

bool findLevelSet(const std::string& name, CLevelSet& found)
{
    if (!isLevelSetName(name))
        return false;
    for (const CLevelSet& set : {shippedLevelSet(name), playerLevelSet(name)})
        if (fileExists(set.levelList())) {
            found = set;
            return true;
        }
    return false;
}

CLevelSet levelSetNamed(const std::string& name)
{
    CLevelSet set;
    return findLevelSet(name, set) ? set : shippedLevelSet(name);
}

namespace {

// The names of the folders in that folder that hold a level list, sorted.
std::vector<std::string> setsIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (isLevelSetName(name) && fileExists(folder + name + "/levellist.xml"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}

std::vector<CLevelSet> findLevelSets()
{
    std::vector<CLevelSet> sets;
    for (const std::string& name : setsIn(shippedMapsFolder))
        sets.push_back(shippedLevelSet(name));
    for (const std::string& name : setsIn(playerLevelSet("").mapsFolder))
        if (!fileExists(shippedLevelSet(name).levelList()))
            sets.push_back(playerLevelSet(name));
    return sets;
}
