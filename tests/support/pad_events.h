#pragma once

#include <SDL.h>

#include "app/input.h"

// Joystick events as a real pad sends them, pushed into SDL's own event queue, for checks of the
// gamepad without a pad.
void pushHat(Uint8 value);
void pushAxis(Uint8 axis, Sint16 value);
void pushButton(Uint8 button, bool down);
// Empties SDL's queue (what the dummy drivers or an earlier check left there).
void drainSdlQueue();

// Installs a source in place of the current one for its lifetime (the gamepad of an application
// under test in place of the scripted input), on an empty SDL queue.
class CScopedInput
{
public:
    explicit CScopedInput(CInputSource& source);
    ~CScopedInput();
    CScopedInput(const CScopedInput&) = delete;
    CScopedInput& operator=(const CScopedInput&) = delete;

private:
    CInputSource* previous;
};
