#pragma once

#include <SDL.h>

// A period scaled by the difficulty factor (1.6 easy, 1.3 medium, 1.0 hard) plus an extra part,
// truncated to whole milliseconds. The factor is the single-precision value of the global data,
// so a medium period of factor x 1200 comes out as 1559.
Uint32 difficultyPeriod(double baseMs, Uint32 extraMs = 0);
