#include "level/level_set.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

bool findLevelSet(const std::string& name, CLevelSet& found)
{
    if (!isLevelSetName(name))
        return false;
    CLevelSet shipped = shippedLevelSet(name);
    if (!fileExists(shipped.levelList()))
        return false;
    found = shipped;
    return true;
}

CLevelSet levelSetNamed(const std::string& name)
{
    CLevelSet set;
    return findLevelSet(name, set) ? set : shippedLevelSet(name);
}

std::vector<CLevelSet> findLevelSets()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(shippedMapsFolder, error)) {
        const std::string name = entry.path().filename().string();
        CLevelSet set;
        if (findLevelSet(name, set) && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::vector<CLevelSet> sets;
    for (const std::string& name : names) {
        CLevelSet set;
        findLevelSet(name, set);
        sets.push_back(set);
    }
    return sets;
}
