#pragma once

#include <string>
#include <vector>

// A fresh temporary directory, removed with everything in it when the object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return dir; }
    std::string file(const std::string& name) const { return dir + "/" + name; }
    // Writes a file (creating its directories) and returns its full path.
    std::string write(const std::string& name, const std::string& contents) const;

private:
    std::string dir;
};

// Changes the working directory for the lifetime of the object.
class ScopedChdir
{
public:
    explicit ScopedChdir(const std::string& dir);
    ~ScopedChdir();
    ScopedChdir(const ScopedChdir&) = delete;
    ScopedChdir& operator=(const ScopedChdir&) = delete;

private:
    std::string previous;
};

// Sets (or, with nullptr, removes) an environment variable for the lifetime of the object.
class ScopedVariable
{
public:
    ScopedVariable(const char* variable, const char* value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name;
    bool hadValue = false;
    std::string previous;
};

// Makes a folder the player's home for the lifetime of the object, without XDG values: the
// option files go to <folder>/.config/zepo, the top ten to <folder>/.local/share/zepo.
class ScopedHome
{
public:
    explicit ScopedHome(const std::string& folder) : home("HOME", folder.c_str()) {}

private:
    ScopedVariable home;
    ScopedVariable config{"XDG_CONFIG_HOME", nullptr};
    ScopedVariable data{"XDG_DATA_HOME", nullptr};
};

std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
// Makes the file (sparsely) one byte larger than any data file may be; returns its path.
std::string makeOversized(const std::string& path);
// The permission bits of a file or folder (0 when there is none).
unsigned fileMode(const std::string& path);

// While it lives, file permissions hold for the test: run as root (which ignores them), it takes
// on the user "nobody" as its effective user; otherwise it changes nothing.
class AsAnotherUser
{
public:
    AsAnotherUser();
    ~AsAnotherUser();
    AsAnotherUser(const AsAnotherUser&) = delete;
    AsAnotherUser& operator=(const AsAnotherUser&) = delete;

private:
    bool switched = false;
};

// Collects every log message written while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return captured; }
    bool contains(const std::string& line) const;
    int count(const std::string& line) const;
    // Lines that start with the prefix.
    int countPrefix(const std::string& prefix) const;

private:
    std::vector<std::string> captured;
};
