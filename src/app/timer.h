#pragma once

#include <SDL.h>

#include <vector>

#include "app/singleton.h"

// A millisecond timer polled once per frame. Its period starts counting at the first poll
// (or an explicit restart), it fires once when the period has run out and restarts itself
// from that poll: time beyond the deadline is not carried over. A start moved into the future
// (more time from a power-up, a pause that began on the very tick the timer started) simply
// waits; it never fires early.
class CTimer
{
public:
    explicit CTimer(Uint32 periodMs);
    ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    bool expired();
    void restart();
    void setPeriod(Uint32 periodMs) { period = periodMs; }
    Uint32 getPeriod() const { return period; }
    void shift(Sint32 ms) { startTick += static_cast<Uint32>(ms); }
    // Time since the period started; negative while a shift has moved the start into the future.
    Sint32 elapsed() const;

private:
    Uint32 startTick = 0;
    Uint32 lastFireTick = 0;
    Uint32 createdTick = 0;
    Uint32 period;
    bool waitingFirstPoll = true;
};

// Every live timer, in creation order; the timers are not owned.
class CTimerList : public Singleton<CTimerList>
{
public:
    ~CTimerList() override;

    void add(CTimer* timer) { timers.push_back(timer); }
    void remove(CTimer* timer);
    const std::vector<CTimer*>& all() const { return timers; }

private:
    std::vector<CTimer*> timers;
};

// Pushes every listed timer forward after an interruption (pause, hint window).
class CTimerWatch : public Singleton<CTimerWatch>
{
public:
    ~CTimerWatch() override = default;
    void shiftAll(Sint32 ms);
};
