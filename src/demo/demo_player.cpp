#include "demo/demo_player.h"

#include "demo/demo_bytes.h"

namespace {

// Empty reads past a frame's recorded ones before the game counts as waiting: a frame's loops
// end with one each, a loop waiting for a key reads a hundred a second.
constexpr Uint32 waitingReads = 100;

}

CDemoPlayer::CDemoPlayer(const CDemo& played) : demo(played) {}

bool CDemoPlayer::beginFrame()
{
    if (started == demo.frames.size())
        return false;
    current = started++;
    position = frame().pollOffset;
    pollsRead = 0;
    pollsBeyond = 0;
    return true;
}

int CDemoPlayer::pollEvent(SDL_Event* event)
{
    if (started == 0)
        return 0;
    if (pollsRead == frame().pollCount) {
        if (++pollsBeyond < waitingReads)
            return 0;
        pollsBeyond = 0;
        gaveUp = true;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        *event = quit;
        return 1;
    }
    CDemoByteReader in(demo.bytes, position);
    Uint8 type = in.u8();
    if (type != SDL_NOEVENT)
        *event = readDemoEvent(type, in);
    position = in.offset();
    ++pollsRead;
    return type != SDL_NOEVENT;
}

Uint8 CDemoPlayer::mouseState(int* x, int* y)
{
    if (started == 0) {
        if (x)
            *x = 0;
        if (y)
            *y = 0;
        return 0;
    }
    if (x)
        *x = frame().mouseX;
    if (y)
        *y = frame().mouseY;
    return frame().mouseButtons;
}
