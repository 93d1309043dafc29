#pragma once

// Which path draws the picture when OpenGL is there. A software rasteriser (Mesa's llvmpipe,
// softpipe or swrast, Windows' GDI Generic) fills every pixel of an enlarged window on the
// processor and costs many times the frame at scale 2 or more, where the plain path enlarges at
// no measurable cost; a player who wants OpenGL all the same asks for it (--opengl).

// Whether OpenGL's GL_RENDERER string names a software rasteriser (null: not known, no).
bool isSoftwareRenderer(const char* renderer);

// Whether the plain path draws instead of OpenGL: a software rasteriser, the picture enlarged
// (largestScale: the larger of the window's scale and full screen's, which the player may switch
// to), and OpenGL not asked for.
bool plainPathInstead(const char* renderer, int largestScale, bool openGlForced);
