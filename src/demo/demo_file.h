#pragma once

#include <SDL.h>

#include <cstddef>
#include <string>
#include <vector>

class CDemoByteReader;

// A demo file holds a game exactly as it was played. All numbers are little-endian.
//
// Header:
//   8 bytes       "ZEPODEMO"
//   u16           format version (demoFormatVersion)
//   u32           difficulty (from video.cfg: 0 easy, 1 medium, 2 hard)
//   u8            hints switch, 0 or 1 (from video.cfg)
//   5 x u16       control keys up, down, left, right, shoot (from controls.cfg)
//   u32           seed: the tick count at start-up; it seeds rand() and starts the game clock
//   u8 + bytes    level set asked for with --set: "", "easy", "medium" or "hard"
//   u8 + bytes    level asked for with --level ("" for a game from the opening story)
//   u8            number of entries of the top-ten table (top10.bin), at most 10, then for
//                 each: u8 + bytes name (at most 51 bytes, no NUL), u32 score
//   u32           number of frames
// Frames, one per pass of the main loop:
//   u16           duration in ms, not counting the waits inside the frame
//   u8, u16, u16  mouse buttons, x and y as the game read them in the frame
//   u32           number of polls
//   polls         what each read of the event queue gave, in order: a u8 event type, 0 when the
//                 queue was empty; any other type is followed by u8 a, u8 b, u16 key symbol,
//                 u16 key modifiers, u16 unicode, u16 x, u16 y (a and b: the key state; the
//                 mouse button and its state; the motion's button state; the focus gain and
//                 state). Empty reads at the end of a frame are not stored: once a frame's
//                 reads are used up, a replay answers that the queue is empty.
constexpr Uint16 demoFormatVersion = 1;
constexpr const char demoSignature[] = "ZEPODEMO";
// Neither a recording nor a file read for replaying grows beyond this (hours of play).
constexpr std::size_t demoSizeLimit = std::size_t(64) << 20;
constexpr std::size_t demoFrameFieldsSize = 11;

struct CDemoHighScore
{
    std::string name;
    Uint32 score = 0;
};

struct CDemoHeader
{
    Uint32 difficulty = 0;
    bool hints = true;
    Uint16 up = SDLK_w, down = SDLK_s, left = SDLK_a, right = SDLK_d, shoot = SDLK_SPACE;
    Uint32 seed = 0;
    std::string levelSet;
    std::string level;
    std::vector<CDemoHighScore> highScores;
};

struct CDemoFrame
{
    Uint16 duration = 0;
    Uint8 mouseButtons = 0;
    Uint16 mouseX = 0, mouseY = 0;
    Uint32 pollCount = 0;
    std::size_t pollOffset = 0;  // where the frame's polls start in the demo's bytes
};

// A demo read for replaying: its header, its bytes and where each frame lies in them.
struct CDemo
{
    CDemoHeader header;
    std::string bytes;
    std::vector<CDemoFrame> frames;
};

std::string encodeDemoHeader(const CDemoHeader& header, Uint32 frameCount);
// Writes a frame's fields (not its polls) at a place of the buffer.
void putFrameFields(std::string& out, std::size_t at, const CDemoFrame& frame);

void appendDemoEvent(std::string& out, const SDL_Event& event);
// Reads the rest of an event whose type byte has been read.
SDL_Event readDemoEvent(Uint8 type, CDemoByteReader& in);
// The event as a replay gives it back: only the fields a demo keeps.
SDL_Event keptPartOf(const SDL_Event& event);

// Checks a demo held in memory and finds its frames; false, with the reason, when the bytes
// are not a demo this game can replay.
bool parseDemo(std::string bytes, CDemo& demo, std::string& error);
// The same for a file; the reason also tells when the file cannot be read.
bool readDemoFile(const std::string& path, CDemo& demo, std::string& error);
// Writes the header and the recorded frames through a temporary file beside the target.
bool writeDemoFile(const std::string& path, const CDemoHeader& header, Uint32 frameCount,
                   const std::string& frames);
