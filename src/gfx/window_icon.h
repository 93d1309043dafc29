#pragma once

#include <SDL.h>

#include <string>

// The window's icon, a PNG of the game's data (transparent where its alpha is 0, or where it
// is cyan when it has no alpha). It must be set before the video mode, which makes the window.
// A missing or unreadable icon is logged and leaves the window without one: the game goes on.

// The icon's picture, or null (logged) when it cannot be read. The caller frees it.
SDL_Surface* loadWindowIcon(const std::string& file);
// Loads the icon and hands it to the window manager; false when there was none to hand over.
bool setWindowIcon(const std::string& file);
