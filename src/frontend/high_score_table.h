#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "options/player_file.h"

// One line of the top-ten table; in "top10.bin" a record of 56 bytes: the name in a 52-byte
// NUL-terminated field, then the score as an unsigned 32-bit little-endian number.
struct CHighScoreEntry
{
    std::string name;
    Uint32 score = 0;
};

// The ten best games, highest score first. "top10.bin" holds a 4-byte little-endian record count
// and the records in table order.
class CHighScoreTable
{
public:
    static const size_t maxEntries = 10;
    static const size_t recordSize = 56;
    static const size_t nameFieldSize = 52;

    // Empties the table and reads the file. A missing file is created empty. A file that ends
    // inside a record, or holds fewer records than its count says, yields its complete records
    // and a message on standard error; nothing past the file's end is ever read. More than ten
    // records give the best ten. A file that cannot be read, or whose records hold names no
    // player can type, leaves the table empty and is not written over (see CPlayerFile).
    void load(const std::string& path);
    // Writes the count and the records through a temporary file renamed over the target; false
    // (with a message on standard error) when the file could not be written.
    bool save(const std::string& path);
    // The file read by load, and what became of it.
    const CPlayerFile& file() const { return playerFile; }

    // True when a game with this score enters the table.
    bool qualifies(Uint32 score) const;
    // Adds the entry in its place by score and keeps the table at most ten entries long.
    void insert(const std::string& name, Uint32 score);

    size_t count() const { return entries.size(); }
    const CHighScoreEntry& entry(size_t index) const { return entries[index]; }
    // Goes up whenever the table changes, so that its display can be rebuilt only then.
    unsigned revision() const { return changes; }

private:
    std::vector<CHighScoreEntry> entries;
    unsigned changes = 0;
    CPlayerFile playerFile;
};

// The bytes of "top10.bin" for the table.
std::string highScoreFileBytes(const CHighScoreTable& table);
