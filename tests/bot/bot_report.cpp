#include "bot/bot_report.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

// Won with this many times the required score on the hardest set: the level may be too easy.
const float easyOnHard = 1.5f;

int count(const std::vector<CRunResult>& runs, EEnding ending)
{
    return static_cast<int>(std::count_if(runs.begin(), runs.end(), [&](const CRunResult& run) {
        return run.ending == ending;
    }));
}

std::string livesColumn(const CLevelRecord& record)
{
    const struct
    {
        EEnding ending;
        const char* cause;
    } causes[] = {{EEnding::Fell, "hit"}, {EEnding::Short, "time"}, {EEnding::Broke, "egg/heat"}};
    std::string why;
    for (const auto& cause : causes)
        if (int n = count(record.runs, cause.ending))
            why += (why.empty() ? "" : ", ") + std::to_string(n) + " " + cause.cause;
    return std::to_string(record.livesLost()) + (why.empty() ? "" : " (" + why + ")");
}

}

const std::string& CLevelRecord::kind() const
{
    static const std::string unknown;
    return runs.empty() ? unknown : runs.front().kind;
}

Uint32 CLevelRecord::best() const
{
    Uint32 best = 0;
    for (const CRunResult& run : runs)
        best = std::max(best, run.score);
    return best;
}

Uint32 CLevelRecord::median() const
{
    if (runs.empty())
        return 0;
    std::vector<Uint32> scores;
    for (const CRunResult& run : runs)
        scores.push_back(run.score);
    std::sort(scores.begin(), scores.end());
    return scores[(scores.size() - 1) / 2];
}

int CLevelRecord::wins() const
{
    return count(runs, EEnding::Won);
}

int CLevelRecord::livesLost() const
{
    return static_cast<int>(std::count_if(runs.begin(), runs.end(), [](const CRunResult& run) { return run.costALife(); }));
}

std::string CLevelRecord::hitters() const
{
    std::map<std::string, int> times;
    for (const CRunResult& run : runs)
        if (run.ending == EEnding::Fell)
            ++times[run.hitBy.empty() ? "?" : run.hitBy];
    std::string text;
    for (const auto& hitter : times)
        text += (text.empty() ? "" : ", ") + hitter.first + (hitter.second > 1 ? " x" + std::to_string(hitter.second) : "");
    return text;
}

int CLevelRecord::nearMissShare() const
{
    Uint64 all = 0, nearMisses = 0;
    for (const CRunResult& run : runs) {
        all += run.score;
        nearMisses += run.nearMisses;
    }
    return all == 0 ? 0 : static_cast<int>(nearMisses * 100 / all);
}

std::string CLevelRecord::note() const
{
    if (runs.empty())
        return "not played";
    std::vector<std::string> notes;
    if (count(runs, EEnding::Unfinished) > 0)
        notes.push_back("did not end within its time and a minute more");
    if (wins() == 0 && count(runs, EEnding::Broke) > 0)
        notes.push_back("never won: eggs broke or fainted birds overheated");
    else if (wins() == 0 && count(runs, EEnding::Short) > 0)
        notes.push_back("never won: best score " + std::to_string(best()) + " of " + std::to_string(required()) +
                        " needed");
    else if (wins() == 0)
        notes.push_back("never won");
    if (count(runs, EEnding::Fell) > 0)
        notes.push_back("brought down by " + hitters());

    Uint32 worst = runs.front().score;
    for (const CRunResult& run : runs)
        worst = std::min(worst, run.score);
    if (set == "hard" && wins() == static_cast<int>(runs.size()) && required() > 0 &&
        static_cast<float>(worst) >= easyOnHard * static_cast<float>(required()))
        notes.push_back("won every time on hard, with at least " + std::to_string(worst) + ": too easy?");

    std::string text;
    for (const std::string& note : notes)
        text += (text.empty() ? "" : "; ") + note;
    return text;
}

std::string resultsTable(const std::vector<CLevelRecord>& records)
{
    std::string table = "| Set | Level | Kind | Required | Best | Median | Near misses | Won | Lives lost | Note |\n"
                        "|---|---|---|---:|---:|---:|---:|---:|---|---|\n";
    for (const CLevelRecord& record : records)
        table += "| " + record.set + " | " + record.level + " | " + record.kind() + " | " +
                 std::to_string(record.required()) + " | " +
                 std::to_string(record.best()) + " | " + std::to_string(record.median()) + " | " +
                 std::to_string(record.nearMissShare()) + " % | " + std::to_string(record.wins()) + "/" + std::to_string(record.runs.size()) + " | " +
                 livesColumn(record) + " | " + record.note() + " |\n";
    return table;
}

namespace {

std::vector<std::string> cellsOf(const std::string& row)
{
    std::vector<std::string> cells;
    size_t at = row.find('|');
    while (at != std::string::npos) {
        const size_t next = row.find('|', at + 1);
        if (next == std::string::npos)
            break;
        std::string cell = row.substr(at + 1, next - at - 1);
        const size_t first = cell.find_first_not_of(' '), last = cell.find_last_not_of(' ');
        cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
        at = next;
    }
    return cells;
}

Uint32 number(const std::string& text)
{
    return static_cast<Uint32>(std::strtoul(text.c_str(), nullptr, 10));
}

}

std::vector<CLevelRecord> readResultsTable(const std::string& table)
{
    std::vector<CLevelRecord> records;
    size_t start = 0;
    while (start < table.size()) {
        size_t end = table.find('\n', start);
        if (end == std::string::npos)
            end = table.size();
        const std::vector<std::string> cells = cellsOf(table.substr(start, end - start));
        start = end + 1;
        // Set, level, kind, required, best, median, near misses, won ("3/5"), lives lost, note.
        const size_t slash = cells.size() >= 8 ? cells[7].find('/') : std::string::npos;
        if (cells.size() < 10 || cells[0] == "Set" || slash == std::string::npos)
            continue;
        const Uint32 wins = number(cells[7].substr(0, slash)), plays = number(cells[7].substr(slash + 1));
        CLevelRecord record{cells[0], cells[1], {}};
        for (Uint32 play = 0; play < plays; ++play) {
            CRunResult run;
            run.kind = cells[2];
            run.required = number(cells[3]);
            run.ending = play < wins ? EEnding::Won : EEnding::Short;
            record.runs.push_back(run);
        }
        records.push_back(record);
    }
    return records;
}
