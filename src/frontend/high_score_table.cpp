#include "frontend/high_score_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/logger.h"
#include "options/option_file.h"

namespace {

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

// A name a player can have typed: the characters the name entry takes.
bool typedName(const std::string& name)
{
    return std::all_of(name.begin(), name.end(), [](char c) {
        const unsigned char code = static_cast<unsigned char>(c);
        return code >= 32 && code < 128;
    });
}

}

void CHighScoreTable::load(const std::string& path)
{
    entries.clear();
    ++changes;
    playerFile = CPlayerFile(path);
    std::string bytes;
    if (!playerFile.read(bytes)) {
        // Only a file that is not there is made anew (not while a replay keeps the player's
        // files): one that exists but cannot be read keeps its contents.
        if (playerFile.state() == CPlayerFile::EState::Missing)
            playerFile.write("");
        return;
    }
    if (bytes.empty())
        return;
    if (bytes.size() < 4) {
        playerFile.markDamaged("it is too short to hold a record count");
        return;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const Uint32 declared = littleEndian(data);
    const size_t complete = (bytes.size() - 4) / recordSize;
    const size_t records = std::min<size_t>(declared, complete);
    if (records < declared)
        report(path, "the file holds " + std::to_string(records) + " complete records of the " +
                         std::to_string(declared) + " it announces; the rest is ignored");
    for (size_t i = 0; i < records; ++i) {
        const unsigned char* record = data + 4 + i * recordSize;
        CHighScoreEntry entry;
        const char* name = reinterpret_cast<const char*>(record);
        entry.name.assign(name, strnlen(name, nameFieldSize - 1));
        entry.score = littleEndian(record + nameFieldSize);
        if (!typedName(entry.name)) {
            entries.clear();
            playerFile.markDamaged("record " + std::to_string(i + 1) + " holds no name a player can type");
            return;
        }
        entries.push_back(entry);
    }
    if (entries.size() > maxEntries) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const CHighScoreEntry& a, const CHighScoreEntry& b) { return a.score > b.score; });
        entries.resize(maxEntries);
        report(path, "the file holds " + std::to_string(records) + " records; the best ten are kept");
    }
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

bool CHighScoreTable::save(const std::string& path)
{
    if (playerFile.path() != path)
        playerFile = CPlayerFile(path);
    return playerFile.write(highScoreFileBytes(*this));
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
