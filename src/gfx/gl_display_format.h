#pragma once

#include <SDL.h>

#include "gfx/gl_texture_table.h"

// The display formats of the OpenGL path. A surface with a colour key or per-surface alpha gets a
// 32-bit format with an alpha channel in which the colour key is transparent alpha and the
// per-surface alpha is carried over. Its colour key and per-surface alpha stay set as the game gave
// them, and SDL_SRCALPHA is kept on while either is in force, so that SDL blits from it into
// ordinary surfaces look exactly like blits from the plain path's display format: keyed pixels
// leave the target untouched, keyed pixels keep their colour for a later change of the key.

// Like SDL_DisplayFormat; a converted surface with a layer-made alpha channel gets a table entry.
SDL_Surface* openGlDisplayFormat(SDL_Surface* surface, GlTextureTable& table);

// Like SDL_DisplayFormatAlpha (SDL's own rules: the colour key becomes transparent pixels).
SDL_Surface* openGlDisplayFormatAlpha(SDL_Surface* surface);

// Makes the layer-made alpha channel of a surface agree with its pixels, colour key and
// per-surface alpha again (after the game changed any of them): in the given area when only its
// pixels there changed, everywhere when the area is null.
void refreshLayerAlpha(SDL_Surface* surface, const SDL_Rect* area = nullptr);
