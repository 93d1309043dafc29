#pragma once

#include <SDL.h>

#include <ctime>
#include <string>

// Screenshots (F12): the 640 x 480 picture as a PNG in "screenshots/" of the player's data folder,
// named after the local time, zepo-YYYYMMDD-HHMMSS.png; a second one in the same second gets
// "-2" before ".png", the next "-3", and so on. An existing file is never overwritten.

// The file name of the attempt'th screenshot (1, 2, ...) taken at that time.
std::string screenshotName(const std::tm& localTime, int attempt);

// Saves the screen's picture into the folder (made when missing); the path written, or empty
// after a message on standard error.
std::string saveScreenshot(SDL_Surface* screen, const std::string& folder, std::time_t now);

// F12: saves the screen now into the player's folder and prints the path on standard output.
void takeScreenshot();
