#pragma once

#include <SDL.h>

// Clipping of blits and fills onto the OpenGL screen, by SDL 1.2's own rules, so that the drawn
// area and the rectangles handed back to the caller are exactly what SDL's functions give.

// Clips a blit as SDL_UpperBlit does: the source rectangle (null: the whole source) to the source,
// then the target position to the target's clip rectangle. Writes the final position and size into
// *targetRect (when given) and the source area into `sourceArea`; false when nothing is left.
bool clipBlit(const SDL_Surface* source, const SDL_Rect* sourceRect, const SDL_Surface* target,
              SDL_Rect* targetRect, SDL_Rect& sourceArea);

// Clips a fill as SDL_FillRect does: a null rectangle fills the clip rectangle, any other is cut
// to it and written back. The area to fill goes into `area`; false when it is empty.
bool clipFill(const SDL_Surface* target, SDL_Rect* rect, SDL_Rect& area);

// The part of a rectangle (null: the whole surface) that lies on the surface; false when none.
bool clipToSurface(const SDL_Surface* surface, const SDL_Rect* rect, SDL_Rect& area);
