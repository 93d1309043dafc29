#pragma once

#include <string>

// A score as the high-score table shows it: whole points grouped in threes from the right with
// "," between the groups, a leading "-" for a negative number (1234567 -> "1,234,567").
std::string formatScore(long long score);
