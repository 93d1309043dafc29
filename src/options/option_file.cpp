#include "options/option_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
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

bool playerFilesKeptAsTheyAre()
{
    return playerFilesKept;
}

void readOptionFile(CPlayerFile& file, const std::function<void(const std::string& keyword, int value)>& apply)
{
    std::string text;
    if (!file.read(text))
        return;
    const auto junk = std::find_if(text.begin(), text.end(), [](char c) {
        const unsigned char byte = static_cast<unsigned char>(c);
        return (byte < 32 && c != '\t' && c != '\n' && c != '\r') || byte == 127;
    });
    if (junk != text.end()) {
        file.markDamaged("it holds a control character at byte " + std::to_string(junk - text.begin()));
        return;
    }
    // Lines are taken as fgets takes them into a 4096-byte buffer: a longer line in pieces.
    const size_t pieceLength = 4095;
    for (size_t at = 0; at < text.size();) {
        const size_t lineEnd = text.find('\n', at);
        const size_t length = std::min(pieceLength, (lineEnd == std::string::npos ? text.size() : lineEnd + 1) - at);
        char line[4096];
        std::memcpy(line, text.data() + at, length);
        line[length] = '\0';
        at += length;
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
}

int createFileAnew(const std::string& path)
{
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        return -1;
    // O_EXCL: a link planted between the unlink and here makes the open fail, not write through it.
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

bool replaceFile(const std::string& path, const std::string& contents)
{
    const std::string temporary = path + ".tmp";
    const int descriptor = createFileAnew(temporary);
    if (descriptor < 0)
        return false;
    int error = 0;
    const auto check = [&error](bool done) {
        if (!done && error == 0)
            error = errno != 0 ? errno : EIO;
    };
    errno = 0;
    for (size_t written = 0; written < contents.size() && error == 0;) {
        const ssize_t now = write(descriptor, contents.data() + written, contents.size() - written);
        if (now < 0 && errno == EINTR)
            continue;
        check(now > 0);
        if (now > 0)
            written += static_cast<size_t>(now);
    }
    check(syncToDisk(descriptor));
    check(close(descriptor) == 0);
    if (error == 0)
        check(std::rename(temporary.c_str(), path.c_str()) == 0);
    if (error == 0) {
        syncFolderOf(path);
        return true;
    }
    unlink(temporary.c_str());
    errno = error;
    return false;
}
