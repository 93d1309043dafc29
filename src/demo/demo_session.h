#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/input.h"
#include "demo/demo_clock.h"
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "demo/demo_sdl_sources.h"

class CHighScoreTable;

// A game recorded into a demo file (--record), replayed from one (--playdemo) or replayed as
// fast as possible and timed (--timedemo). From start-up step 8 on it is the game's clock and
// input: a recording passes the real keyboard through and writes it down, a replay gives the
// game the recorded input and frame durations and keeps the real keyboard and clock out.
class CDemoSession : public CInputSource
{
public:
    enum class EMode { Record, Play, Time };

    // Null when the command line asks for no demo. The real input is the keyboard, mouse and
    // gamepad as the game reads them without a demo.
    static std::unique_ptr<CDemoSession> fromCommandLine(const CCommandLine& commandLine, CInputSource& realInput);

    // A replayed demo is read and checked here, and a recording's file is checked for being
    // writable: a bad demo file ends the program with the reason on standard error (status 2).
    CDemoSession(EMode mode, const std::string& path, const CCommandLine& commandLine, CInputSource& realInput);
    // The same with another source for the real clock (checks).
    CDemoSession(EMode mode, const std::string& path, const CCommandLine& commandLine, CClockSource& realClock,
                 CInputSource& realInput);
    ~CDemoSession() override;
    CDemoSession(const CDemoSession&) = delete;
    CDemoSession& operator=(const CDemoSession&) = delete;

    EMode mode() const { return sessionMode; }
    bool replaying() const { return sessionMode != EMode::Record; }
    // Where the game starts: --set and --level of the command line when recording, the demo's
    // when replaying.
    const CCommandLine& startingPoint() const { return start; }

    // Called once the option files and the top-ten table are read: a recording writes down the
    // options and the table, which change the course of the game (the keys, the difficulty, the
    // hints, whether a score enters the table); a replay puts the recorded ones in force instead.
    void takeSettings(CHighScoreTable& highScores);
    // Start-up step 8: installs the demo clock and input and gives the seed for rand().
    Uint32 begin();
    // Each pass of the main loop. beginFrame answers false when a replay is over: the demo has
    // no more frames, or the viewer pressed Escape or closed the window.
    bool beginFrame();
    void endFrame();
    // The end of the game: a recording is written, a timed replay prints its speed.
    void finish();
    // The recording could not be written.
    bool failed() const { return saveFailed; }

    int pollEvent(SDL_Event* event) override;
    Uint8 mouseState(int* x, int* y) override;

private:
    // Both of the above: a null clock source is the session's own SDL clock.
    CDemoSession(EMode mode, const std::string& path, const CCommandLine& commandLine, CClockSource* realClock,
                 CInputSource& realInput);
    // Reads and checks the demo to replay, or checks that the recording can be written.
    void open();
    void install();
    void uninstall();
    bool viewerStopped();
    // A watched replay shows each frame for as long as it lasted when it was recorded.
    void keepPace(Uint32 frameMs);
    void save();
    void reportSpeed() const;
    void warn(const std::string& message) const;
    static void saveRecordingAtExit();

    CSdlClock sdlClock;
    CClockSource& realClock;
    CInputSource& realInput;
    const EMode sessionMode;
    const std::string path;
    CCommandLine start;
    CDemo demo;
    std::unique_ptr<CDemoClock> clock;
    std::unique_ptr<CDemoRecorder> recorder;
    std::unique_ptr<CDemoPlayer> player;
    bool installed = false;
    CClockSource* previousClock = nullptr;
    CInputSource* previousInput = nullptr;
    bool finished = false;
    bool stoppedByViewer = false;
    bool outOfStepReported = false;
    bool fullReported = false;
    bool saveFailed = false;
    Uint32 frameRealStart = 0;
    Uint32 timingStart = 0;
    Uint32 framesTimed = 0;
    Uint32 slowestFrameMs = 0;
    Uint32 slowestFrame = 0;
    unsigned long firstFrameUploads = 0;  // of the OpenGL path, by the end of the first timed frame
};
