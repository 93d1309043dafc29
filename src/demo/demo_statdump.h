#pragma once

#include <SDL.h>

#include <cstdio>
#include <string>

// The statistics file of --statdump: one line per level played, in this stable format
//
//   <level set> <level> frames=<n> level=<score> total=<score> lives=<n> <verdict>
//
// for example "easy l1 frames=1234 level=450 total=450 lives=5 won". frames counts the passes
// of the main loop from the level's load to its verdict (its pause, hint and menu frames
// included); level, total and lives are the level score, the total score (the level's score
// included) and the lives left once the verdict is given. The verdict is "won" or "lost"; a
// level left without one (a restart, a new game, the end of the program) is "unfinished", with
// the values of its last frame.
class CStatDump
{
public:
    // A file that cannot be written ends the program with the reason (status 2).
    explicit CStatDump(const std::string& path);
    ~CStatDump();
    CStatDump(const CStatDump&) = delete;
    CStatDump& operator=(const CStatDump&) = delete;

    void levelStarted(const std::string& levelSet, const std::string& levelName);
    // Each pass of the main loop, before the state's frame.
    void beginFrame(bool levelExists);
    // The level's verdict, given once.
    void levelEnded(bool won);
    // The end of the program.
    void finish(bool levelExists);

private:
    void noteValues();
    void leaveUnfinished();
    void write(const char* verdict);

    std::FILE* file = nullptr;
    std::string levelSet;
    std::string levelName;
    bool inProgress = false;
    Uint32 frames = 0;
    Uint32 levelScore = 0;
    Uint32 totalScore = 0;
    Uint32 lives = 0;
};
