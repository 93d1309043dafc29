#pragma once

#include <SDL.h>

#include <cstddef>

#include "app/input.h"
#include "demo/demo_file.h"

// Gives the game the input of a demo in place of the real keyboard and mouse: in each frame
// the reads of the event queue get what they got when the demo was recorded, in the same
// order, and the mouse reads the position it had then. A game that goes on reading the queue
// long after the frame's reads are used up is waiting for input the demo does not have (a
// damaged demo, or a game changed since the recording): every hundredth such read gives it a
// quit event, which ends any such wait and the replay with it.
class CDemoPlayer : public CInputSource
{
public:
    explicit CDemoPlayer(const CDemo& demo);

    int pollEvent(SDL_Event* event) override;
    Uint8 mouseState(int* x, int* y) override;

    // Moves to the next frame; false when the demo has no more.
    bool beginFrame();
    const CDemoFrame& frame() const { return demo.frames[current]; }
    // Frames begun so far.
    std::size_t framesPlayed() const { return started; }
    // Recorded reads of this frame the game has not made: the replay is out of step.
    Uint32 unreadPolls() const { return started ? frame().pollCount - pollsRead : 0; }
    // The game was given a quit event because it waited for input the demo does not have.
    bool gaveUpWaiting() const { return gaveUp; }

private:
    const CDemo& demo;
    std::size_t current = 0;
    std::size_t started = 0;
    std::size_t position = 0;
    Uint32 pollsRead = 0;
    Uint32 pollsBeyond = 0;
    bool gaveUp = false;
};
