#include "bot/results_page.h"

#include <map>

namespace {

const char* const pageHead =
    "# Level bot results\n\n"
    "Made by `zepo_level_bot` (tests/bot): levels of the sets played through the game's own gameplay state, 20 ms "
    "frames on a virtual clock, the bot's key presses as the player's, each play with its own random seed (1 to the "
    "number of plays). The bot keeps the bird high, drops where its forecast of the target's walk and the wind says "
    "the dropping lands, dodges what would fell the bird, catches eggs and fetches ammunition; on the rescue level it "
    "walks the carrier to the fainted birds and refills at the cauldron.\n\n"
    "Each attempt ends at the level's verdict; a lost one costs a life (hit: the bird fell; time: the clock ran out "
    "below the required score; egg/heat: an egg broke or a fainted bird overheated). The Won column says how many "
    "plays were made.\n";

struct CSectionText
{
    EProfile profile;
    const char* heading;
    const char* about;
};
const CSectionText sections[] = {
    {EProfile::Default, "## Default profile",
     "The bot as it is: it sees everything at once and exactly, and it never takes the parachute that wins a level "
     "at once (it plays the level, not the lottery). A level it never wins may be unwinnable.\n\n"
     "    build/tests/zepo_level_bot --runs 5 --write tools/levels/BOT_RESULTS.md\n"},
    {EProfile::Human, "## Human profile",
     "The bot playing like a person: it sees the level a quarter of a second late, dodges a new threat only once it "
     "has been on the screen for its reaction time, knows the wind only as it has seen it, misjudges where a "
     "dropping lands the more the higher and windier its fall, lets keys go a little late and takes the "
     "parachutes it notices, keeping away from those that harm. The difficulty curve is measured on it with 20 plays per level "
     "(`zepo_level_bot --check-curve tools/levels/BOT_RESULTS.md` checks it).\n\n"
     "    nice -n 10 build/tests/zepo_level_bot --profile human --runs 20 --write tools/levels/BOT_RESULTS.md\n"},
};

const CSectionText& sectionFor(EProfile profile)
{
    return profile == EProfile::Human ? sections[1] : sections[0];
}

// The text of a section, from its heading to the next heading or the end ("" when it has none).
std::string sectionOf(const std::string& page, const char* heading)
{
    const std::string start = std::string("\n") + heading + "\n";
    const size_t at = page.find(start);
    if (at == std::string::npos)
        return "";
    const size_t end = page.find("\n## ", at + start.size());
    return page.substr(at + 1, end == std::string::npos ? std::string::npos : end - at);
}

std::string rowKey(const CLevelRecord& record)
{
    return record.set + " " + record.level;
}

// The table's rows, each under its set and level.
std::vector<std::pair<std::string, std::string>> rowsOf(const std::string& table)
{
    std::vector<std::pair<std::string, std::string>> rows;
    size_t start = 0;
    while (start < table.size()) {
        size_t end = table.find('\n', start);
        if (end == std::string::npos)
            end = table.size();
        const std::string line = table.substr(start, end - start);
        start = end + 1;
        const std::vector<CLevelRecord> record = readResultsTable(line);
        if (!record.empty())
            rows.emplace_back(rowKey(record.front()), line);
    }
    return rows;
}

std::string section(const CSectionText& text, const std::string& existing, const std::vector<CLevelRecord>& records)
{
    std::vector<std::pair<std::string, std::string>> rows = rowsOf(sectionOf(existing, text.heading));
    for (const auto& row : rowsOf(resultsTable(records))) {
        bool replaced = false;
        for (auto& old : rows)
            if (old.first == row.first) {
                old.second = row.second;
                replaced = true;
            }
        if (!replaced)
            rows.push_back(row);
    }
    const std::string table = resultsTable({});
    std::string out = std::string(text.heading) + "\n\n" + text.about + "\n";
    if (rows.empty())
        return out + "Not measured yet.\n";
    out += table;
    for (const auto& row : rows)
        out += row.second + "\n";
    return out;
}

}

std::string resultsPage(const std::string& existing, EProfile profile, const std::vector<CLevelRecord>& records)
{
    std::string page = pageHead;
    for (const CSectionText& text : sections)
        page += "\n" + section(text, existing, text.profile == profile ? records : std::vector<CLevelRecord>());
    return page;
}

std::vector<CLevelRecord> sectionRecords(const std::string& page, EProfile profile)
{
    return readResultsTable(sectionOf(page, sectionFor(profile).heading));
}
