#pragma once

#include <SDL.h>

#include <cstdio>
#include <string>

// Writes the picture on a surface (the screen too: it is read back first on the OpenGL path) into
// an open file as an 8-bit RGB PNG. False, with the reason, when it cannot.
bool writePng(std::FILE* file, SDL_Surface* surface, std::string& error);
