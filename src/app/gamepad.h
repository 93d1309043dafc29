#pragma once

#include <SDL.h>

#include "app/input.h"

// The first joystick as a second keyboard. Events are read from the source below (SDL's own
// queue in the game); the joystick's events never pass: its hat and left stick become the
// direction keys, its buttons the shot, Return, Escape and "p", as key presses and releases of
// exactly the keys a keyboard player would press. So every state, controller and recorded demo
// sees only key events.
//
// A key is held by its sources (the keyboard, the hat, the stick, a button): it goes down when
// the first of them presses it and up when the last lets go, so a pad pressed while the key is
// held, or a stick passing through the dead zone, never leaves a key held or lets it go early.
class CGamepad : public CInputSource
{
public:
    explicit CGamepad(CInputSource& below);
    ~CGamepad() override;
    CGamepad(const CGamepad&) = delete;
    CGamepad& operator=(const CGamepad&) = delete;

    // Opens the joystick subsystem and the first joystick found; false (and nothing changes)
    // when there is none.
    bool open();
    void close();

    // Play takes the configured keys of the bird; every other screen takes the arrows and Return.
    // A key already pressed is released as the key it was pressed as.
    void setPlaying(bool inPlay) { playing = inPlay; }

    int pollEvent(SDL_Event* event) override;
    Uint8 mouseState(int* x, int* y) override;

    // The stick counts as pushed beyond a quarter of its range either way from the centre.
    static constexpr Sint16 deadZone = 8192;

    // The sources that hold keys: the keyboard and each input of the pad.
    enum Source : Uint8 {
        keyboard,
        hatUp, hatDown, hatLeft, hatRight,
        stickUp, stickDown, stickLeft, stickRight,
        firstButton, secondButton, startButton,
        sourceCount
    };

private:
    // The pad's event becomes key events in the pending queue.
    void translate(const SDL_Event& event);
    // A key event of the keyboard: false when it is swallowed (the pad holds the key already).
    bool passKeyboard(const SDL_Event& event);
    void hold(Source source, bool held);
    void press(Source source, Uint16 key);
    void release(Source source);
    void queueKey(Uint8 type, Uint16 key);

    static constexpr int pendingRoom = 16;

    CInputSource& below;
    SDL_Joystick* joystick = nullptr;
    bool playing = false;
    Uint16 holders[SDLK_LAST] = {};       // per key, one bit per source holding it
    Uint16 pressedKey[sourceCount] = {};  // per pad source, the key it holds (0: none)
    SDL_Event pending[pendingRoom] = {};
    int pendingStart = 0;
    int pendingCount = 0;
};
