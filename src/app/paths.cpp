#include "app/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/fatal.h"

const char* const dataRootMarker = "data/gfx/didudo_sprites.xml";

namespace {

// Set once by enterDataRoot; until then the working directory is the starting folder.
std::string rememberedStart;

std::string currentFolder()
{
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

bool isFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string parentOf(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string executablePath()
{
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

// The build writes the source tree's data folder into this file beside the executable it makes;
// an installed executable has none.
std::string buildTreeDataFolder(const std::string& executableFolder)
{
    std::ifstream marker(executableFolder + "/zepo-data-folder");
    std::string folder;
    std::getline(marker, folder);
    return folder;
}

bool absolute(const char* path)
{
    return path && path[0] == '/';
}

// HOME when it is an absolute path of a folder, otherwise empty.
std::string usableHome()
{
    const char* home = std::getenv("HOME");
    return absolute(home) && isFolder(home) ? std::string(home) : std::string();
}

// $variable when absolute, else HOME/underHome; empty when neither is usable.
std::string baseFolder(const char* variable, const char* underHome)
{
    const char* value = std::getenv(variable);
    if (absolute(value))
        return value;
    const std::string home = usableHome();
    return home.empty() ? home : home + "/" + underHome;
}

std::string playerFolder(const char* variable, const char* underHome)
{
    const std::string base = baseFolder(variable, underHome);
    if (!base.empty())
        return base + "/zepo";
    static bool told = false;
    if (!told) {
        told = true;
        std::fprintf(stderr, "zepo: no usable home folder (HOME is not the absolute path of a folder): the player's "
                             "files are kept in %s\n", startingFolder().c_str());
        std::fflush(stderr);
    }
    return startingFolder();
}

}

std::vector<CDataPlace> dataRootPlaces(const std::string& executable)
{
    std::vector<CDataPlace> places;
    const char* chosen = std::getenv("ZEPO_DATA_DIR");
    if (chosen && chosen[0] != '\0')
        places.push_back({fromStartingFolder(chosen), "ZEPO_DATA_DIR"});
    if (!executable.empty()) {
        const std::string folder = parentOf(executable);
        places.push_back({parentOf(folder) + "/share/games/zepo", "installed beside " + executable});
        const std::string built = buildTreeDataFolder(folder);
        if (!built.empty())
            places.push_back({built, "the source tree of " + executable});
    }
    places.push_back({startingFolder(), "the working directory"});
    return places;
}

std::string firstDataRoot(const std::vector<CDataPlace>& places)
{
    for (const CDataPlace& place : places)
        if (isFile(place.folder + "/" + dataRootMarker))
            return place.folder;
    return std::string();
}

void enterDataRoot()
{
    rememberedStart = currentFolder();
    const std::vector<CDataPlace> places = dataRootPlaces(executablePath());
    const std::string root = firstDataRoot(places);
    if (root.empty()) {
        std::string tried;
        for (const CDataPlace& place : places)
            tried += (tried.empty() ? "" : ", ") + place.folder + " (" + place.origin + ")";
        fatalError(std::string("cannot find the game's data: no ") + dataRootMarker + " in " + tried +
                   "; set ZEPO_DATA_DIR to the folder that holds data/ and the fonts");
    }
    if (places.front().origin == "ZEPO_DATA_DIR" && root != places.front().folder) {
        std::fprintf(stderr, "zepo: ZEPO_DATA_DIR (%s) holds no %s; the data of %s is used\n",
                     places.front().folder.c_str(), dataRootMarker, root.c_str());
        std::fflush(stderr);
    }
    if (chdir(root.c_str()) != 0)
        fatalError("cannot enter the game's data folder " + root);
}

std::string startingFolder()
{
    return rememberedStart.empty() ? currentFolder() : rememberedStart;
}

std::string fromStartingFolder(const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    return startingFolder() + "/" + path;
}

std::string playerConfigFolder()
{
    return playerFolder("XDG_CONFIG_HOME", ".config");
}

std::string playerDataFolder()
{
    return playerFolder("XDG_DATA_HOME", ".local/share");
}

std::string playerConfigFile(const std::string& name)
{
    return playerConfigFolder() + "/" + name;
}

std::string playerDataFile(const std::string& name)
{
    return playerDataFolder() + "/" + name;
}

std::string numberedFile(const std::string& folder, const std::string& stem, const std::string& extension)
{
    for (unsigned number = 1;; ++number) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "-%04u", number);
        const std::string file = folder + "/" + stem + digits + extension;
        struct stat info;
        if (lstat(file.c_str(), &info) != 0)
            return file;
    }
}

bool makeFolder(const std::string& folder)
{
    if (folder.empty())
        return false;
    for (std::string::size_type slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    return isFolder(folder);
}

bool makeFolderFor(const std::string& file)
{
    return makeFolder(parentOf(file));
}
