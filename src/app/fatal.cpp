#include "app/fatal.h"

#include <cstdio>
#include <cstdlib>

#include "app/logger.h"

namespace {

int openThrowScopes = 0;

[[noreturn]] void endWith(const std::string& file, const std::string& message, const std::string& line, int status,
                          int fileLine = 0)
{
    CLogger::instance().write(message);
    if (CFatalErrorsThrow::active())
        throw CFatalError(file, message, line, status, fileLine);
    std::fprintf(stderr, "zepo: %s\n", line.c_str());
    std::fflush(stderr);
    std::exit(status);
}

}

CFatalError::CFatalError(const std::string& file, const std::string& message, const std::string& line, int status,
                         int fileLine)
    : std::runtime_error(line), errorFile(file), errorMessage(message), exitStatus(status), errorLine(fileLine)
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

void fatalErrorAt(const std::string& file, int line, const std::string& message, int status)
{
    const std::string place = line > 0 ? file + ":" + std::to_string(line) : file;
    endWith(file, message, file.empty() ? message : place + ": " + message, status, line);
}

void fatalFileError(const std::string& path, bool opened, int line, int column, const std::string& reason)
{
    const std::string where = line > 0 ? "line " + std::to_string(line) + ", column " + std::to_string(column) : "";
    if (CFatalErrorsThrow::active()) {
        const std::string fault = opened ? "not well-formed XML: " + reason + (where.empty() ? "" : " (" + where + ")")
                                         : "the file cannot be read: " + reason;
        endWith(path, fault, path + ": " + fault, -1, line);
    }
    const std::string message = "File " + path + " not found!";
    endWith(std::string(), message, message + " (" + reason + (where.empty() ? "" : " at " + where) + ")", -1);
}

void fatalErrorNote(const std::string& message, const std::string& note, int status)
{
    endWith(std::string(), message, message + " (" + note + ")", status);
}

void fatalError(const std::string& message, int status)
{
    fatalErrorIn(std::string(), message, status);
}
