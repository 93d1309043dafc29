#include "demo/demo_recorder.h"

#include <algorithm>

#include "demo/demo_bytes.h"
#include "demo/demo_file.h"

namespace {

// Room for about an hour of ordinary play before the buffer has to grow.
constexpr std::size_t initialRoom = std::size_t(4) << 20;
// Room kept for one frame: its fields and the reads of a waiting loop (a menu waiting for a key
// reads the queue a hundred times a second).
constexpr std::size_t frameReserve = std::size_t(1) << 20;

}

CDemoRecorder::CDemoRecorder(CInputSource& realInput, std::size_t sizeLimit) : real(realInput), limit(sizeLimit)
{
    buffer.reserve(std::min(initialRoom, limit));
}

int CDemoRecorder::pollEvent(SDL_Event* event)
{
    SDL_Event got;
    if (!real.pollEvent(&got)) {
        ++pendingEmptyPolls;
        return 0;
    }
    *event = keptPartOf(got);
    if (frameOpen) {
        buffer.append(pendingEmptyPolls, char(SDL_NOEVENT));
        appendDemoEvent(buffer, *event);
        polls += pendingEmptyPolls + 1;
    }
    pendingEmptyPolls = 0;
    return 1;
}

Uint8 CDemoRecorder::mouseState(int* x, int* y)
{
    if (!mouseRead) {
        mouseButtons = real.mouseState(&mouseX, &mouseY);
        mouseRead = true;
    }
    if (x)
        *x = mouseX;
    if (y)
        *y = mouseY;
    return mouseButtons;
}

void CDemoRecorder::beginFrame()
{
    mouseRead = false;
    pendingEmptyPolls = 0;
    polls = 0;
    if (stopped || buffer.size() + frameReserve > limit) {
        stopped = true;
        return;
    }
    frameStart = buffer.size();
    buffer.append(demoFrameFieldsSize, '\0');
    frameOpen = true;
}

void CDemoRecorder::endFrame(Uint16 durationMs)
{
    if (!frameOpen)
        return;
    CDemoFrame frame;
    frame.duration = durationMs;
    frame.mouseButtons = mouseButtons;
    frame.mouseX = static_cast<Uint16>(mouseX);
    frame.mouseY = static_cast<Uint16>(mouseY);
    frame.pollCount = polls;
    putFrameFields(buffer, frameStart, frame);
    frameOpen = false;
    ++frames;
}

void CDemoRecorder::closeOpenFrame()
{
    endFrame(0);
}
