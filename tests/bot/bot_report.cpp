#include "bot/bot_report.h"

#include <algorithm>
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
    std::string table = "| Set | Level | Required | Best | Median | Near misses | Won | Lives lost | Note |\n"
                        "|---|---|---:|---:|---:|---:|---:|---|---|\n";
    for (const CLevelRecord& record : records)
        table += "| " + record.set + " | " + record.level + " | " + std::to_string(record.required()) + " | " +
                 std::to_string(record.best()) + " | " + std::to_string(record.median()) + " | " +
                 std::to_string(record.nearMissShare()) + " % | " + std::to_string(record.wins()) + "/" + std::to_string(record.runs.size()) + " | " +
                 livesColumn(record) + " | " + record.note() + " |\n";
    return table;
}
