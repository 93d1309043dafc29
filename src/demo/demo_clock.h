#pragma once

#include "app/clock.h"

// The game clock of a recorded or replayed game. It stands still during a frame, so that every
// reading of it in the frame can be reproduced, and moves on at the frame's end by the frame's
// duration. A wait inside a frame moves it at once by the time asked for; the wait is also
// made on the real clock, unless the demo is timed (replayed as fast as possible).
class CDemoClock : public CClockSource
{
public:
    CDemoClock(CClockSource& realClock, Uint32 start, bool waitsReally)
        : real(realClock), now(start), realWaits(waitsReally)
    {
    }

    Uint32 ticks() override { return now; }
    void delay(Uint32 ms) override
    {
        now += ms;
        waited += ms;
        if (realWaits)
            real.delay(ms);
    }

    void beginFrame() { waited = 0; }
    // The time the frame spent in waits so far.
    Uint32 waitedThisFrame() const { return waited; }
    void endFrame(Uint32 durationMs) { now += durationMs; }

private:
    CClockSource& real;
    Uint32 now;
    bool realWaits;
    Uint32 waited = 0;
};
