#pragma once

#include "app/clock.h"
#include "app/input.h"
#include "app/window_events.h"

// SDL's own clock and event queue as sources, for the demo code that stands between them and
// the game: a recording reads the real keyboard and clock through them, a replay watches them
// only for the viewer's Escape and for the pace of the frames. (The game reads the queue through
// its gamepad, which turns the joystick's events into key events.) Both see the window as the game
// does (window_events.h).
class CSdlClock : public CClockSource
{
public:
    Uint32 ticks() override { return SDL_GetTicks(); }
    void delay(Uint32 ms) override { SDL_Delay(ms); }
};

class CSdlInput : public CInputSource
{
public:
    int pollEvent(SDL_Event* event) override { return pollWindowEvent(event); }
    Uint8 mouseState(int* x, int* y) override { return windowMouseState(x, y); }
};
