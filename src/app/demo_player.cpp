#include "app/demo_player.h"

#include "app/demo_bytes.h"

CDemoPlayer::CDemoPlayer(const CDemo& played) : demo(played) {}

bool CDemoPlayer::beginFrame()
{
    if (started == demo.frames.size())
        return false;
    current = started++;
    position = frame().pollOffset;
    pollsRead = 0;
    return true;
}

int CDemoPlayer::pollEvent(SDL_Event* event)
{
    if (started == 0 || pollsRead == frame().pollCount)
        return 0;
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
