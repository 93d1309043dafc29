#pragma once

#include <SDL.h>

// An interruption of play (the pause, the hint window, the in-game menu). While it lasts, its
// length is kept in the global game data; when play resumes every timer is pushed forward by
// that length, so that no game timer runs out while the player is away.
class CInterruption
{
public:
    // Called every frame of the interruption: it begins on the first frame after play (when no
    // length is pending) and returns true then.
    bool measure();
    // Shifts every timer by the interruption's length and ends it.
    static void resumePlay();
    // Ends it without shifting (the game it interrupted is over).
    static void discard();

private:
    Uint32 begin = 0;
};
