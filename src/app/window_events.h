#pragma once

#include <SDL.h>

// SDL's event queue and mouse as the game sees them, on every screen: mouse positions in the
// 640 x 480 picture whatever the window's scale or the borders of full screen, and the keys of
// the window itself answered here without reaching the states (Alt+Enter switches full screen,
// F12 saves a screenshot).
// Everything that reads the real keyboard and mouse (the game, a demo's recording and replay)
// reads them through these two.
int pollWindowEvent(SDL_Event* event);
Uint8 windowMouseState(int* x, int* y);

// Whether the event is one of the window's own keys (taken out of the queue by pollWindowEvent).
bool isWindowKey(const SDL_Event& event);
