#pragma once

#include <SDL.h>

#include <deque>

#include "app/input.h"
#include "bot/pilot.h"

// The bot's hands on the keyboard: presses and releases of the control keys (those of the
// control options), handed to the game through its input seam like a player's, installed for
// the keyboard's lifetime.
class CBotKeyboard : public CInputSource
{
public:
    CBotKeyboard();
    ~CBotKeyboard() override;
    CBotKeyboard(const CBotKeyboard&) = delete;
    CBotKeyboard& operator=(const CBotKeyboard&) = delete;

    int pollEvent(SDL_Event* event) override;
    Uint8 mouseState(int* x, int* y) override;

    // Queues the presses and releases that leave exactly these keys held, then the tap.
    void hold(const CControls& keys);
    // A press of any other key (it ends a pause screen).
    void tap(SDLKey key);
    // Forgets what is held and queued (a new game starts with no key down).
    void reset();
    const CControls& held() const { return current; }

private:
    void queue(Uint8 type, Uint16 key);

    std::deque<SDL_Event> events;
    CControls current;
    CInputSource* previous;
};
