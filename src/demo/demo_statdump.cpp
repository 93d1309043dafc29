#include "demo/demo_statdump.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/globals.h"

CStatDump::CStatDump(const std::string& path) : file(std::fopen(path.c_str(), "w"))
{
    if (file)
        return;
    std::fprintf(stderr, "zepo: %s: cannot write the statistics: %s\n", path.c_str(), std::strerror(errno));
    std::exit(2);
}

CStatDump::~CStatDump()
{
    std::fclose(file);
}

void CStatDump::levelStarted(const std::string& set, const std::string& name)
{
    leaveUnfinished();
    levelSet = set;
    levelName = name;
    inProgress = true;
    frames = 0;
}

void CStatDump::beginFrame(bool levelExists)
{
    if (!inProgress)
        return;
    if (!levelExists) {
        leaveUnfinished();
        return;
    }
    ++frames;
    noteValues();
}

void CStatDump::levelEnded(bool won)
{
    if (!inProgress)
        return;
    noteValues();
    write(won ? "won" : "lost");
    inProgress = false;
}

void CStatDump::finish(bool levelExists)
{
    if (levelExists && inProgress)
        noteValues();
    leaveUnfinished();
}

void CStatDump::noteValues()
{
    const CGlobals& globals = CGlobals::instance();
    levelScore = globals.levelScore;
    totalScore = globals.totalScore;
    lives = globals.lives;
}

void CStatDump::leaveUnfinished()
{
    // A level replaced before any frame of it ran (the warp of the command line loads the
    // first level before the asked one) was not played.
    if (inProgress && frames > 0)
        write("unfinished");
    inProgress = false;
}

void CStatDump::write(const char* verdict)
{
    std::fprintf(file, "%s %s frames=%u level=%u total=%u lives=%u %s\n", levelSet.c_str(), levelName.c_str(), frames,
                 levelScore, totalScore, lives, verdict);
    std::fflush(file);
}
