#include "app/fatal.h"

#include <cstdio>
#include <cstdlib>

#include "app/logger.h"

namespace {

int openThrowScopes = 0;

[[noreturn]] void endWith(const std::string& file, const std::string& message, const std::string& line, int status)
{
    CLogger::instance().write(message);
    if (CFatalErrorsThrow::active())
        throw CFatalError(file, message, line, status);
    std::fprintf(stderr, "zepo: %s\n", line.c_str());
    std::fflush(stderr);
    std::exit(status);
}

}

CFatalError::CFatalError(const std::string& file, const std::string& message, const std::string& line, int status)
    : std::runtime_error(line), errorFile(file), errorMessage(message), exitStatus(status)
{
}

CFatalErrorsThrow::CFatalErrorsThrow()
{
    ++openThrowScopes;
}

CFatalErrorsThrow::~CFatalErrorsThrow()
{
    --openThrowScopes;
}

bool CFatalErrorsThrow::active()
{
    return openThrowScopes > 0;
}

void fatalErrorIn(const std::string& file, const std::string& message, int status)
{
    endWith(file, message, file.empty() ? message : file + ": " + message, status);
}

void fatalErrorNote(const std::string& message, const std::string& note, int status)
{
    endWith(std::string(), message, message + " (" + note + ")", status);
}

void fatalError(const std::string& message, int status)
{
    fatalErrorIn(std::string(), message, status);
}
