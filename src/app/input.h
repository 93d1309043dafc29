#pragma once

#include <SDL.h>

// Every read of input events and of the mouse position goes through here, so that a recorded
// demo can replace the real keyboard and mouse.
class CInputSource
{
public:
    virtual ~CInputSource() = default;
    virtual int pollEvent(SDL_Event* event) = 0;
    virtual Uint8 mouseState(int* x, int* y) = 0;
};

int pollEvent(SDL_Event* event);
Uint8 mouseState(int* x, int* y);

// Installs an input source (not owned); nullptr returns to SDL's own event queue.
void setInputSource(CInputSource* source);
CInputSource* inputSource();
