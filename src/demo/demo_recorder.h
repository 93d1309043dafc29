#pragma once

#include <SDL.h>

#include <cstddef>
#include <string>

#include "app/input.h"

// Stands between the game and the real keyboard and mouse while a demo is recorded: every read
// of the event queue and the mouse is passed on and written down, frame by frame, into a buffer
// (the frames of the demo file). The game sees each event as a replay will give it back, and
// one mouse reading per frame, so that the replay cannot differ from what was played.
class CDemoRecorder : public CInputSource
{
public:
    // The recorded frames never grow beyond the size limit (bytes): frames that would come too
    // near it are left out.
    CDemoRecorder(CInputSource& realInput, std::size_t sizeLimit);

    int pollEvent(SDL_Event* event) override;
    Uint8 mouseState(int* x, int* y) override;

    void beginFrame();
    // Closes the frame with its duration (ms, without its waits).
    void endFrame(Uint16 durationMs);
    // Closes a frame cut short by the end of the program (the replay ends in it, too).
    void closeOpenFrame();

    Uint32 frameCount() const { return frames; }
    const std::string& recordedFrames() const { return buffer; }
    // The size limit was reached: the frames after it are not recorded.
    bool full() const { return stopped; }

private:
    CInputSource& real;
    std::size_t limit;
    std::string buffer;
    Uint32 frames = 0;
    bool stopped = false;
    bool frameOpen = false;
    std::size_t frameStart = 0;
    Uint32 polls = 0;
    Uint32 pendingEmptyPolls = 0;
    bool mouseRead = false;
    Uint8 mouseButtons = 0;
    int mouseX = 0, mouseY = 0;
};
