#include "app/timer.h"

#include <algorithm>
#include <string>

#include "app/clock.h"
#include "app/logger.h"

CTimer::CTimer(Uint32 periodMs) : period(periodMs)
{
    CTimerList::instance().add(this);
    CLogger::instance().write("Adding timer .. ");
}

CTimer::~CTimer()
{
    if (CTimerList* list = CTimerList::existing())
        list->remove(this);
}

bool CTimer::expired()
{
    Uint32 now = currentTicks();
    if (waitingFirstPoll) {
        startTick = createdTick = now;
        waitingFirstPoll = false;
    }
    if (static_cast<Sint32>(now - startTick) < static_cast<Sint64>(period))
        return false;
    lastFireTick = now;
    startTick = now;
    return true;
}

void CTimer::restart()
{
    startTick = createdTick = currentTicks();
    waitingFirstPoll = false;
}

Sint32 CTimer::elapsed() const
{
    return static_cast<Sint32>(currentTicks() - startTick);
}

CTimerList::~CTimerList()
{
    timers.clear();
}

void CTimerList::remove(CTimer* timer)
{
    timers.erase(std::remove(timers.begin(), timers.end(), timer), timers.end());
}

void CTimerWatch::shiftAll(Sint32 ms)
{
    const std::vector<CTimer*>& timers = CTimerList::instance().all();
    CLogger::instance().write("Working with timers-size: " + std::to_string(timers.size()));
    for (CTimer* timer : timers)
        timer->shift(ms);
}
