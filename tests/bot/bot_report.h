#pragma once

#include <string>
#include <vector>

#include "bot/level_runner.h"

// The bot's attempts at one level of one set.
struct CLevelRecord
{
    std::string set, level;
    std::vector<CRunResult> runs;

    Uint32 required() const { return runs.empty() ? 0 : runs.front().required; }
    const std::string& kind() const;
    Uint32 best() const;
    // The middle score (the lower one of the two middle scores for an even count).
    Uint32 median() const;
    int wins() const;
    int livesLost() const;
    // The share of all the points scored that came from near misses, in percent.
    int nearMissShare() const;
    // What brought the bird down, with how often: "SUP x2, KAMEN".
    std::string hitters() const;
    // What the designers should look at, or "".
    std::string note() const;
};

// The table of every record: set, level, its kind, required score, best and median score, the
// share of near misses in the score, wins, lives lost (with what took them) and the note.
std::string resultsTable(const std::vector<CLevelRecord>& records);

// The records of a table as resultsTable writes it, as far as the curve needs them: the kind,
// the required score and how many of the plays were won (the lost ones as lost on time).
std::vector<CLevelRecord> readResultsTable(const std::string& table);
