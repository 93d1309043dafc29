#pragma once

#include <string>
#include <vector>

#include "bot/bot_report.h"
#include "bot/pilot.h"

// The results page (tools/levels/BOT_RESULTS.md): what the bot reached with each profile, a
// section each. A run writes its rows into its profile's section: rows of the levels it played
// replace theirs, the other rows and the other profile's section stay as they are.
std::string resultsPage(const std::string& existing, EProfile profile, const std::vector<CLevelRecord>& records);

// The records of a profile's section of a page (none when it has no such section).
std::vector<CLevelRecord> sectionRecords(const std::string& page, EProfile profile);
