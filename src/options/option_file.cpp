#include "options/option_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/paths.h"

namespace {

bool playerFilesKept = false;

// Waits until the data written to the descriptor is on the disk. A file system that cannot sync
// (EINVAL) keeps what it has.
bool syncToDisk(int descriptor)
{
    return fsync(descriptor) == 0 || errno == EINVAL;
}

// Makes a rename in the file's folder last across a power loss.
void syncFolderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    syncToDisk(descriptor);
    close(descriptor);
}

}

void keepPlayerFiles(bool keep)
{
    playerFilesKept = keep;
}

void readOptionFile(const std::string& path,
                    const std::function<void(const std::string& keyword, int value)>& apply)
{
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return;
    char line[4096];
    while (std::fgets(line, sizeof line, file)) {
        char tokenBuffer[4096];
        std::memcpy(tokenBuffer, line, sizeof tokenBuffer);
        const char* token = std::strtok(tokenBuffer, " ");
        if (!token)
            continue;
        char keyword[4096];
        int value = 0;
        std::sscanf(line, "%4095s %i", keyword, &value);
        apply(token, value);
    }
    std::fclose(file);
}

bool writeOptionFile(const std::string& path, const std::string& contents)
{
    return playerFilesKept || (makeFolderFor(path) && replaceFile(path, contents));
}

bool replaceFile(const std::string& path, const std::string& contents)
{
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    written = std::fflush(file) == 0 && written;
    written = syncToDisk(fileno(file)) && written;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}
