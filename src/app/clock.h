#pragma once

#include <SDL.h>

// Every read of the millisecond tick and every wait in the game goes through here. By default
// the source is SDL's own clock; tests and demo playback install a virtual one.
class CClockSource
{
public:
    virtual ~CClockSource() = default;
    virtual Uint32 ticks() = 0;
    virtual void delay(Uint32 ms) = 0;
};

// A clock that stands still until told to move: delay() and advance() move it forward.
class CVirtualClock : public CClockSource
{
public:
    explicit CVirtualClock(Uint32 start = 0) : now(start) {}
    Uint32 ticks() override { return now; }
    void delay(Uint32 ms) override { now += ms; }
    void advance(Uint32 ms) { now += ms; }
    void set(Uint32 ms) { now = ms; }

private:
    Uint32 now;
};

Uint32 currentTicks();
void waitTicks(Uint32 ms);

// Installs a clock source (not owned); nullptr returns to SDL's clock.
void setClockSource(CClockSource* source);
CClockSource* clockSource();

// Installs a virtual clock for the lifetime of the object (tests).
class CScopedClock
{
public:
    explicit CScopedClock(CClockSource* source) : previous(clockSource()) { setClockSource(source); }
    ~CScopedClock() { setClockSource(previous); }
    CScopedClock(const CScopedClock&) = delete;
    CScopedClock& operator=(const CScopedClock&) = delete;

private:
    CClockSource* previous;
};
