#include "bot/difficulty_curve.h"

#include <cstdio>

namespace {

// The share of plays each set's levels must be won in, in percent; the first levels of a set
// may ask for more.
struct CBand
{
    const char* set;
    int lowest, highest;
    int openingLevels, openingLowest;
};
const CBand bands[] = {
    {"easy", 80, 100, 3, 95},
    {"medium", 50, 90, 0, 0},
    {"hard", 20, 70, 0, 0},
};
// A measurement of the curve plays every level this often.
const size_t playsForTheCurve = 20;
// A level may be won this many points more often than the level before it of its season.
const double easierBy = 15;

double percentWon(const CLevelRecord& record)
{
    return record.runs.empty() ? 0 : 100.0 * record.wins() / static_cast<double>(record.runs.size());
}

std::string percentText(const CLevelRecord& record)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.0f %%", percentWon(record));
    return text;
}

std::string won(const CLevelRecord& record)
{
    return record.set + " " + record.level + ": won " + std::to_string(record.wins()) + " of " +
           std::to_string(record.runs.size()) + " (" + percentText(record) + ")";
}

bool startsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// A boss level or the rescue level may be harder than the level after it.
bool aToughOne(const CLevelRecord& record)
{
    return record.kind() == "rescue" || record.kind().find("boss") != std::string::npos;
}

void checkBand(const CBand& band, const std::vector<const CLevelRecord*>& set, std::vector<std::string>& faults)
{
    for (size_t i = 0; i < set.size(); ++i) {
        const CLevelRecord& record = *set[i];
        const int lowest = static_cast<int>(i) < band.openingLevels ? band.openingLowest : band.lowest;
        const double rate = percentWon(record);
        if (rate < lowest)
            faults.push_back(won(record) + ", below the " + band.set + " band's " + std::to_string(lowest) + " %");
        if (rate > band.highest)
            faults.push_back(won(record) + ", above the " + band.set + " band's " + std::to_string(band.highest) + " %");
        if (record.runs.size() < playsForTheCurve)
            faults.push_back(record.set + " " + record.level + ": played " + std::to_string(record.runs.size()) +
                             " times, the curve is measured on " + std::to_string(playsForTheCurve));
    }
}

// Within a set, the summer levels and the winter levels each grow harder; the rescue level
// belongs to the season of the level before it.
void checkFall(const std::vector<const CLevelRecord*>& set, std::vector<std::string>& faults)
{
    const CLevelRecord* before[2] = {nullptr, nullptr};
    int season = 0;
    for (const CLevelRecord* record : set) {
        if (startsWith(record->kind(), "summer"))
            season = 0;
        else if (startsWith(record->kind(), "winter"))
            season = 1;
        const CLevelRecord* previous = before[season];
        before[season] = record;
        if (!previous || aToughOne(*previous))
            continue;
        if (percentWon(*record) > percentWon(*previous) + easierBy)
            faults.push_back(won(*record) + ", more than " + std::to_string(static_cast<int>(easierBy)) +
                             " points easier than " + previous->level + " (" + percentText(*previous) + ")");
    }
}

}

std::vector<std::string> curveFaults(const std::vector<CLevelRecord>& human, const std::vector<CLevelRecord>& perfect)
{
    std::vector<std::string> faults;
    for (const CBand& band : bands) {
        std::vector<const CLevelRecord*> set;
        for (const CLevelRecord& record : human)
            if (record.set == band.set)
                set.push_back(&record);
        if (set.empty())
            faults.push_back(std::string(band.set) + ": not played with the human profile");
        checkBand(band, set, faults);
        checkFall(set, faults);
    }
    for (const CLevelRecord& record : perfect)
        if (record.wins() == 0)
            faults.push_back(record.set + " " + record.level + ": never won by the default profile in " +
                             std::to_string(record.runs.size()) + " plays");
    if (perfect.empty())
        faults.push_back("no plays of the default profile");
    return faults;
}
