#pragma once

#include <string>

// One of the player's files (an option file, the top ten) and what became of reading it. A file
// that is there but could not be read is never written over: its saves fail and it stays as it
// is. A damaged one (more than a player file can hold, or junk the reader cannot make sense of)
// is played with the defaults and set aside as NAME.damaged (or NAME.damaged.2 ...) by the first
// save, so nothing the player had is lost. Problems are said on standard error where they are
// found; readNote and saveNote give the one line the game shows on screen.
class CPlayerFile
{
public:
    enum class EState { Missing, Read, Unreadable, Damaged };

    // More than any player file the game writes (a few hundred bytes): such a file is damaged.
    static const long sizeLimit = 1024 * 1024;

    explicit CPlayerFile(const std::string& path = std::string());

    // Reads the whole file. True with its bytes when it could be read; otherwise the file is
    // missing, unreadable or (too large) damaged, and the caller keeps its defaults.
    bool read(std::string& contents);
    // The reader found the contents to be junk: the caller plays with its defaults.
    void markDamaged(const std::string& why);

    // Writes the contents through replaceFile (not while a replay keeps the player's files).
    // False, saying why on standard error, when the file could not be written or may not be
    // written over.
    bool write(const std::string& contents);

    const std::string& path() const { return filePath; }
    EState state() const { return fileState; }
    // The line shown on screen after reading ("" when the file was read or missing) and after a
    // failed save, e.g. "top10.bin nelze ulozit: plny disk".
    std::string readNote() const;
    std::string saveNote() const;

private:
    void report(const std::string& message) const;
    bool setAside();

    std::string filePath;
    EState fileState = EState::Missing;
    int saveError = 0;
};
