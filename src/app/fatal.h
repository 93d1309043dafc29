#pragma once

#include <stdexcept>
#include <string>

// Ends the program after an error: the message goes to the log, and also to standard error
// as "zepo: [file: ]message" so that a player or level designer always learns why the game
// stopped. Data errors end with status -1 (255); a few errors of the design end with 0.
// While a CFatalErrorsThrow lives, the same call throws a CFatalError instead.
[[noreturn]] void fatalError(const std::string& message, int status = -1);
[[noreturn]] void fatalErrorIn(const std::string& file, const std::string& message, int status = -1);
// The same naming the line of the file (the XML element's line; 0 when it is not known):
// "zepo: file:line: message".
[[noreturn]] void fatalErrorAt(const std::string& file, int line, const std::string& message, int status = -1);
// The same, with a note for standard error only: "zepo: message (note)".
[[noreturn]] void fatalErrorNote(const std::string& message, const std::string& note, int status = -1);
// A data file that cannot be opened or parsed: "File <path> not found!", with the parser's
// reason (and its line and column, when it has them) as the note. Thrown, the error is the
// file's at that line: "not well-formed XML: ..." or "the file cannot be read: ...".
[[noreturn]] void fatalFileError(const std::string& path, bool opened, int line, int column, const std::string& reason);

// A fatal error caught by a CFatalErrorsThrow scope. what() is the line standard error would
// have shown, without the "zepo: " prefix.
class CFatalError : public std::runtime_error
{
public:
    CFatalError(const std::string& file, const std::string& message, const std::string& line, int status,
                int fileLine = 0);

    const std::string& file() const { return errorFile; }
    // The logged message, without the file or a note.
    const std::string& message() const { return errorMessage; }
    // The status the program would have ended with.
    int status() const { return exitStatus; }
    // The line of the file at fault; 0 when it is not known.
    int line() const { return errorLine; }

private:
    std::string errorFile;
    std::string errorMessage;
    int exitStatus;
    int errorLine;
};

// For code that must go on after a data error (checking many files, fuzzing a loader): while
// one of these lives, fatal errors are thrown as CFatalError and nothing is printed. Scopes
// nest; the program ends on fatal errors again when the last one closes. What a loader built
// before the error is freed as the exception unwinds it, but the state of the singletons it
// touched is the loader's own business: callers check one file at a time.
class CFatalErrorsThrow
{
public:
    CFatalErrorsThrow();
    ~CFatalErrorsThrow();
    CFatalErrorsThrow(const CFatalErrorsThrow&) = delete;
    CFatalErrorsThrow& operator=(const CFatalErrorsThrow&) = delete;

    static bool active();
};
