#include "frontend/high_score_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/logger.h"
#include "options/option_file.h"

namespace {

// Reads a file front to back and never past its end: a read that cannot be satisfied in full
// fails, and so does every read after it.
class CBoundedReader
{
public:
    explicit CBoundedReader(std::FILE* source) : file(source) {}
    bool read(unsigned char* target, size_t size)
    {
        if (failed)
            return false;
        size_t got = std::fread(target, 1, size, file);
        failed = got != size;
        lastShort = failed && got > 0;
        return !failed;
    }
    // The last failed read got some bytes, but not all it asked for.
    bool endedInside() const { return lastShort; }

private:
    std::FILE* file;
    bool failed = false;
    bool lastShort = false;
};

Uint32 littleEndian(const unsigned char* bytes)
{
    return static_cast<Uint32>(bytes[0]) | static_cast<Uint32>(bytes[1]) << 8 | static_cast<Uint32>(bytes[2]) << 16 |
           static_cast<Uint32>(bytes[3]) << 24;
}

void appendLittleEndian(std::string& bytes, Uint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
}

void report(const std::string& path, const std::string& message)
{
    CLogger::instance().write(path + ": " + message);
    std::fprintf(stderr, "zepo: %s: %s\n", path.c_str(), message.c_str());
}

}

void CHighScoreTable::load(const std::string& path)
{
    entries.clear();
    ++changes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        // Only a file that is not there is made anew (not while a replay keeps the player's
        // files): one that exists but cannot be read keeps its contents.
        if (errno == ENOENT) {
            writeOptionFile(path, "");
        } else {
            report(path, std::string("cannot read the high scores: ") + std::strerror(errno));
        }
        return;
    }
    CBoundedReader reader(file);
    unsigned char countBytes[4];
    if (!reader.read(countBytes, sizeof countBytes)) {
        if (reader.endedInside())
            report(path, "the file is too short to hold a record count; the table starts empty");
        std::fclose(file);
        return;
    }
    const Uint32 declared = littleEndian(countBytes);
    unsigned char record[recordSize];
    for (Uint32 i = 0; i < declared; ++i) {
        if (!reader.read(record, recordSize)) {
            report(path, "the file holds " + std::to_string(i) + " complete records of the " +
                             std::to_string(declared) + " it announces; the rest is ignored");
            break;
        }
        CHighScoreEntry entry;
        const char* name = reinterpret_cast<const char*>(record);
        entry.name.assign(name, strnlen(name, nameFieldSize - 1));
        entry.score = littleEndian(record + nameFieldSize);
        entries.push_back(entry);
    }
    std::fclose(file);
}

std::string highScoreFileBytes(const CHighScoreTable& table)
{
    std::string bytes;
    appendLittleEndian(bytes, static_cast<Uint32>(table.count()));
    for (size_t i = 0; i < table.count(); ++i) {
        const CHighScoreEntry& entry = table.entry(i);
        std::string name = entry.name.substr(0, CHighScoreTable::nameFieldSize - 1);
        name.resize(CHighScoreTable::nameFieldSize, '\0');
        bytes += name;
        appendLittleEndian(bytes, entry.score);
    }
    return bytes;
}

bool CHighScoreTable::save(const std::string& path) const
{
    if (writeOptionFile(path, highScoreFileBytes(*this)))
        return true;
    report(path, "cannot write the high scores");
    return false;
}

bool CHighScoreTable::qualifies(Uint32 score) const
{
    if (entries.size() < maxEntries)
        return true;
    return std::any_of(entries.begin(), entries.end(),
                       [score](const CHighScoreEntry& entry) { return entry.score < score; });
}

void CHighScoreTable::insert(const std::string& name, Uint32 score)
{
    entries.push_back(CHighScoreEntry{name, score});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CHighScoreEntry& a, const CHighScoreEntry& b) { return a.score > b.score; });
    if (entries.size() > maxEntries)
        entries.pop_back();
    ++changes;
}
