#pragma once

#include <SDL.h>

#include <deque>

#include "app/input.h"

// Input for checks: events handed out in the order they were queued, and a fixed mouse position.
// Installed for its lifetime in place of SDL's own event queue.
class CScriptedInput : public CInputSource
{
public:
    CScriptedInput() : previous(inputSource()) { setInputSource(this); }
    ~CScriptedInput() override { setInputSource(previous); }
    CScriptedInput(const CScriptedInput&) = delete;
    CScriptedInput& operator=(const CScriptedInput&) = delete;

    int pollEvent(SDL_Event* event) override;
    Uint8 mouseState(int* x, int* y) override;

    void keyDown(SDLKey key, Uint16 unicode = 0);
    void keyUp(SDLKey key);
    void mouseButton(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
    void mouseMotion(int x, int y);
    void quit();
    bool empty() const { return queue.empty(); }

    int mouseX = 0, mouseY = 0;

private:
    std::deque<SDL_Event> queue;
    CInputSource* previous;
};

// Sets the control keys to the game's own defaults: w, s, a, d to steer and space to shoot.
void defaultControlKeys();
