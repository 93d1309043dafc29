#pragma once

#include <SDL.h>

#include <string>

// A 32-bit RGB software surface (red in the low byte, like the game's temporary surfaces).
SDL_Surface* makeSurface(int width, int height);
void paint(SDL_Surface* surface, int x, int y, int w, int h, Uint8 red, Uint8 green, Uint8 blue);
// The colour at (x, y) as 0xRRGGBB, whatever the surface's format.
Uint32 colourAt(SDL_Surface* surface, int x, int y);
// Whether anything but black was drawn in the rectangle.
bool anythingDrawn(SDL_Surface* surface, int x, int y, int w, int h);
// Whether the rectangle of the two surfaces holds the same colours (give or take the rounding of
// different blitters).
bool sameRegion(SDL_Surface* a, SDL_Surface* b, int x, int y, int w, int h);
// Saves the surface as a BMP file and frees it; returns the path.
std::string saveBmp(SDL_Surface* surface, const std::string& path);
