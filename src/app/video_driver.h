#pragma once

#include <string>

// With no graphical display SDL falls back to a text-mode video driver, which draws the game as
// characters on the terminal. The game plays through one only when the player asked for it by
// naming it in SDL_VIDEODRIVER.

// Why the game refuses the video driver SDL chose (driver, as SDL names it), given the values of
// SDL_VIDEODRIVER and DISPLAY (null when not set): "" when it plays through it.
std::string videoDriverRefusal(const std::string& driver, const char* requestedDriver, const char* display);

// Once SDL's video has started: a refused driver is shut down, so the terminal is the player's
// again, and the game ends with the reason (status 255).
void refuseTextModeVideo();
