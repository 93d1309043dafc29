#include "full_disk.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// The full folder as the kernel names it, with a slash at the end; "" when no disk is full.
std::string fullFolder;

bool inFullFolder(int descriptor)
{
    if (fullFolder.empty())
        return false;
    char link[PATH_MAX] = {};
    const std::string fdPath = "/proc/self/fd/" + std::to_string(descriptor);
    const ssize_t length = readlink(fdPath.c_str(), link, sizeof link - 1);
    return length > 0 && std::string(link, static_cast<size_t>(length)).compare(0, fullFolder.size(), fullFolder) == 0;
}

}

FullDisk::FullDisk(const std::string& folder)
{
    char* real = realpath(folder.c_str(), nullptr);
    fullFolder = std::string(real ? real : folder.c_str()) + "/";
    std::free(real);
}

FullDisk::~FullDisk()
{
    fullFolder.clear();
}

// Stands in for the C library's write in this test program.
extern "C" ssize_t write(int descriptor, const void* buffer, size_t count)
{
    if (inFullFolder(descriptor)) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_write, descriptor, buffer, count);
}
