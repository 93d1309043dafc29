#include "frontend/interruption.h"

#include "app/clock.h"
#include "app/globals.h"
#include "app/timer.h"

bool CInterruption::measure()
{
    CGlobals& globals = CGlobals::instance();
    const Uint32 now = currentTicks();
    const bool begins = globals.interruptionLength == 0;
    if (begins)
        begin = now;
    globals.interruptionLength = now - begin + 1;
    return begins;
}

void CInterruption::resumePlay()
{
    CGlobals& globals = CGlobals::instance();
    CTimerWatch::instance().shiftAll(static_cast<Sint32>(globals.interruptionLength));
    globals.interruptionLength = 0;
}

void CInterruption::discard()
{
    CGlobals::instance().interruptionLength = 0;
}
