#include "app/data_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

std::string dataFileProblem(const std::string& path)
{
    if (path.empty())
        return "no file name given";
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return std::strerror(errno);
    if (S_ISDIR(status.st_mode))
        return "is a folder, not a file";
    if (!S_ISREG(status.st_mode))
        return "is not a regular file";
    if (status.st_size > dataFileSizeLimit)
        return "is larger than " + std::to_string(dataFileSizeLimit / (1024 * 1024)) + " MiB";
    return std::string();
}
