#include "options/player_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/logger.h"
#include "app/paths.h"
#include "options/option_file.h"

namespace {

// Set when a file may not be written over because it could not be read.
constexpr int keptUnread = -1;

std::string baseName(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool exists(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

// Why a save failed, in the player's words.
std::string saveReason(int error)
{
    switch (error) {
    case keptUnread:
        return "nelze ho precist";
    case ENOSPC:
    case EDQUOT:
        return "plny disk";
    case EROFS:
    case EACCES:
    case EPERM:
        return "slozka jen pro cteni";
    default:
        return "chyba zapisu";
    }
}

}

CPlayerFile::CPlayerFile(const std::string& path) : filePath(path) {}

void CPlayerFile::report(const std::string& message) const
{
    CLogger::instance().write(filePath + ": " + message);
    std::fprintf(stderr, "zepo: %s: %s\n", filePath.c_str(), message.c_str());
    std::fflush(stderr);
}

bool CPlayerFile::read(std::string& contents)
{
    contents.clear();
    std::FILE* file = std::fopen(filePath.c_str(), "rb");
    if (!file) {
        if (errno == ENOENT) {
            fileState = EState::Missing;
            return false;
        }
        fileState = EState::Unreadable;
        report(std::string("cannot be read (") + std::strerror(errno) +
               "); the game plays with the defaults and keeps the file as it is");
        return false;
    }
    struct stat status;
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) {
        std::fclose(file);
        fileState = EState::Unreadable;
        report("is not a file; the game plays with the defaults and leaves it as it is");
        return false;
    }
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && contents.size() <= sizeLimit)
        contents.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        contents.clear();
        fileState = EState::Unreadable;
        report(std::string("cannot be read (") + std::strerror(readError) +
               "); the game plays with the defaults and keeps the file as it is");
        return false;
    }
    if (contents.size() > sizeLimit) {
        contents.clear();
        markDamaged("it is larger than any file the game writes");
        return false;
    }
    fileState = EState::Read;
    return true;
}

void CPlayerFile::markDamaged(const std::string& why)
{
    fileState = EState::Damaged;
    report("is damaged (" + why + "); the game plays with the defaults and sets the file aside as " +
           baseName(filePath) + ".damaged when it next saves it");
}

bool CPlayerFile::setAside()
{
    for (int copy = 1; copy < 100; ++copy) {
        const std::string aside = filePath + ".damaged" + (copy > 1 ? "." + std::to_string(copy) : "");
        if (exists(aside))
            continue;
        if (std::rename(filePath.c_str(), aside.c_str()) != 0)
            break;
        report("the damaged file is kept as " + aside);
        return true;
    }
    saveError = errno;
    return false;
}

bool CPlayerFile::write(const std::string& contents)
{
    if (playerFilesKeptAsTheyAre())
        return true;
    saveError = 0;
    if (fileState == EState::Unreadable) {
        saveError = keptUnread;
        report("not saved: the file could not be read, so it is kept as it is");
        return false;
    }
    if (fileState == EState::Damaged && exists(filePath) && !setAside()) {
        report(std::string("not saved: the damaged file cannot be set aside (") + std::strerror(saveError) + ")");
        return false;
    }
    if (!makeFolderFor(filePath) || !replaceFile(filePath, contents)) {
        saveError = errno;
        report(std::string("cannot be saved (") + std::strerror(saveError) + "); the previous file is kept");
        return false;
    }
    fileState = EState::Read;
    return true;
}

std::string CPlayerFile::readNote() const
{
    switch (fileState) {
    case EState::Unreadable:
        return baseName(filePath) + " nelze precist: plati vychozi hodnoty";
    case EState::Damaged:
        return baseName(filePath) + " je poskozeny: plati vychozi hodnoty";
    default:
        return std::string();
    }
}

std::string CPlayerFile::saveNote() const
{
    return baseName(filePath) + " nelze ulozit: " + saveReason(saveError);
}
