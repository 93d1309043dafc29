#include "app/fatal.h"

#include <cstdio>
#include <cstdlib>

#include "app/logger.h"

void fatalErrorIn(const std::string& file, const std::string& message, int status)
{
    CLogger::instance().write(message);
    if (file.empty())
        std::fprintf(stderr, "zepo: %s\n", message.c_str());
    else
        std::fprintf(stderr, "zepo: %s: %s\n", file.c_str(), message.c_str());
    std::fflush(stderr);
    std::exit(status);
}

void fatalErrorNote(const std::string& message, const std::string& note, int status)
{
    CLogger::instance().write(message);
    std::fprintf(stderr, "zepo: %s (%s)\n", message.c_str(), note.c_str());
    std::fflush(stderr);
    std::exit(status);
}

void fatalError(const std::string& message, int status)
{
    fatalErrorIn(std::string(), message, status);
}
