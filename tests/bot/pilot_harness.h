#pragma once

#include <SDL.h>

#include "bot/bot_keyboard.h"
#include "bot/pilot.h"
#include "support/test_level.h"

// Lets a pilot play a test level: each frame its keys go to the level's controllers as key
// presses and releases, before the level's update, as the gameplay state hands them over.
inline void letFly(CTestLevel& level, CPilot& pilot, CBotKeyboard& keyboard, int frames)
{
    for (int i = 0; i < frames; ++i) {
        keyboard.hold(pilot.fly(level.collection, keyboard.held()));
        SDL_Event event;
        while (keyboard.pollEvent(&event))
            level.collection.dispatchEvent(level.controllers, event);
        level.frame();
    }
}
