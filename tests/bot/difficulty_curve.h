#pragma once

#include <string>
#include <vector>

#include "bot/bot_report.h"

// The difficulty curve the sets are tuned to, played by the human profile: the easy set a gentle
// start, the medium one a fair fight, the hard one a challenge, each harder as it goes; and every
// level still won by the default profile. The faults, one line each (none: the curve holds).
std::vector<std::string> curveFaults(const std::vector<CLevelRecord>& human,
                                     const std::vector<CLevelRecord>& perfect);
