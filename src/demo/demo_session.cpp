#include "demo/demo_session.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/globals.h"
#include "frontend/high_score_table.h"
#include "gfx/video.h"
#include "options/option_file.h"
#include "options/options.h"

namespace {

// More than the longest header (two names of 255 bytes, ten entries of the top-ten table).
constexpr std::size_t headerRoom = 2048;

[[noreturn]] void badDemoFile(const std::string& path, const std::string& reason)
{
    std::fprintf(stderr, "zepo: %s: %s\n", path.c_str(), reason.c_str());
    std::fflush(stderr);
    std::exit(2);
}

// The control keys a demo carries: where the header holds each and where the options do.
struct CCarriedKey
{
    Uint16 CDemoHeader::*recorded;
    Uint16 CControlOptions::*option;
};
const CCarriedKey carriedKeys[] = {{&CDemoHeader::up, &CControlOptions::up},
                                   {&CDemoHeader::down, &CControlOptions::down},
                                   {&CDemoHeader::left, &CControlOptions::left},
                                   {&CDemoHeader::right, &CControlOptions::right},
                                   {&CDemoHeader::shoot, &CControlOptions::shoot}};

// A recording is written beside its target and renamed over it: the place must take a file.
void checkWritable(const std::string& path)
{
    const std::string probe = path + ".tmp";
    const int descriptor = createFileAnew(probe);
    if (descriptor < 0)
        badDemoFile(path, std::string("cannot record the demo: ") + std::strerror(errno));
    close(descriptor);
    unlink(probe.c_str());
}

}

std::unique_ptr<CDemoSession> CDemoSession::fromCommandLine(const CCommandLine& commandLine,
                                                            CInputSource& realInput)
{
    if (!commandLine.record.empty())
        return std::make_unique<CDemoSession>(EMode::Record, commandLine.record, commandLine, realInput);
    if (!commandLine.playDemo.empty())
        return std::make_unique<CDemoSession>(EMode::Play, commandLine.playDemo, commandLine, realInput);
    if (!commandLine.timeDemo.empty())
        return std::make_unique<CDemoSession>(EMode::Time, commandLine.timeDemo, commandLine, realInput);
    return nullptr;
}

CDemoSession::CDemoSession(EMode mode, const std::string& demoPath, const CCommandLine& commandLine,
                           CInputSource& inputSource)
    : CDemoSession(mode, demoPath, commandLine, nullptr, inputSource)
{
}

CDemoSession::CDemoSession(EMode mode, const std::string& demoPath, const CCommandLine& commandLine,
                           CClockSource& clockSource, CInputSource& inputSource)
    : CDemoSession(mode, demoPath, commandLine, &clockSource, inputSource)
{
}

// The session's own SDL clock is bound here, where the object is being built, never by a
// constructor delegating to this one.
CDemoSession::CDemoSession(EMode mode, const std::string& demoPath, const CCommandLine& commandLine,
                           CClockSource* clockSource, CInputSource& inputSource)
    : realClock(clockSource ? *clockSource : sdlClock), realInput(inputSource), sessionMode(mode), path(demoPath),
      start(commandLine)
{
    open();
}

void CDemoSession::open()
{
    if (!replaying()) {
        checkWritable(path);
        demo.header.levelSet = start.levelSet;
        demo.header.level = start.level;
        return;
    }
    std::string reason;
    if (!readDemoFile(path, demo, reason))
        badDemoFile(path, reason);
    start.levelSet = demo.header.levelSet;
    start.level = demo.header.level;
}

CDemoSession::~CDemoSession()
{
    uninstall();
}

void CDemoSession::takeSettings(CHighScoreTable& highScores)
{
    CGlobals& globals = CGlobals::instance();
    CControlOptions& keys = CControlOptions::instance();
    CDemoHeader& header = demo.header;
    if (replaying()) {
        globals.setDifficulty(header.difficulty);
        globals.hints = header.hints;
        for (const auto& key : carriedKeys)
            keys.*key.option = header.*key.recorded;
        highScores = CHighScoreTable();
        for (const CDemoHighScore& score : header.highScores)
            highScores.insert(score.name, score.score);
        return;
    }
    header.difficulty = globals.difficulty;
    header.hints = globals.hints;
    for (const auto& key : carriedKeys)
        header.*key.recorded = keys.*key.option;
    header.highScores.clear();
    for (size_t entry = 0; entry < highScores.count(); ++entry)
        header.highScores.push_back(
            {highScores.entry(entry).name.substr(0, CHighScoreTable::nameFieldSize - 1), highScores.entry(entry).score});
}

Uint32 CDemoSession::begin()
{
    if (replaying()) {
        clock = std::make_unique<CDemoClock>(realClock, demo.header.seed, sessionMode == EMode::Play);
        player = std::make_unique<CDemoPlayer>(demo);
        keepPlayerFiles(true);
    } else {
        demo.header.seed = realClock.ticks();
        clock = std::make_unique<CDemoClock>(realClock, demo.header.seed, true);
        recorder = std::make_unique<CDemoRecorder>(realInput, demoSizeLimit - headerRoom);
        std::atexit(saveRecordingAtExit);
    }
    install();
    return demo.header.seed;
}

void CDemoSession::install()
{
    previousClock = clockSource();
    previousInput = inputSource();
    setClockSource(clock.get());
    setInputSource(this);
    installed = true;
}

void CDemoSession::uninstall()
{
    if (!installed)
        return;
    setClockSource(previousClock);
    setInputSource(previousInput);
    installed = false;
}

bool CDemoSession::viewerStopped()
{
    SDL_Event event;
    while (realInput.pollEvent(&event))
        if (event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE))
            stoppedByViewer = true;
    return stoppedByViewer;
}

bool CDemoSession::beginFrame()
{
    if (replaying() && (viewerStopped() || !player->beginFrame()))
        return false;
    if (recorder)
        recorder->beginFrame();
    clock->beginFrame();
    frameRealStart = realClock.ticks();
    if (player && framesTimed == 0)
        timingStart = frameRealStart;
    return true;
}

void CDemoSession::endFrame()
{
    const Uint32 realElapsed = realClock.ticks() - frameRealStart;
    const Uint32 waited = clock->waitedThisFrame();
    if (recorder) {
        const Uint32 worked = realElapsed > waited ? realElapsed - waited : 0;
        const Uint16 duration = static_cast<Uint16>(std::min<Uint32>(worked, 0xFFFF));
        recorder->endFrame(duration);
        clock->endFrame(duration);
        if (recorder->full() && !fullReported) {
            fullReported = true;
            warn("the demo has grown to its size limit; the rest of the game is not recorded");
        }
        return;
    }
    if ((player->unreadPolls() > 0 || player->gaveUpWaiting()) && !outOfStepReported) {
        outOfStepReported = true;
        warn("the replay went out of step with the demo in frame " + std::to_string(player->framesPlayed()) +
             (player->gaveUpWaiting() ? ": the game waited for input the demo does not have, and was closed"
                                      : " (the game or its data have changed since it was recorded)"));
    }
    const Uint16 duration = player->frame().duration;
    clock->endFrame(duration);
    ++framesTimed;
    if (framesTimed == 1)
        firstFrameUploads = glSDL_TextureUploads();
    if (realElapsed > slowestFrameMs) {
        slowestFrameMs = realElapsed;
        slowestFrame = framesTimed;
    }
    if (sessionMode == EMode::Play)
        keepPace(waited + duration);
}

void CDemoSession::keepPace(Uint32 frameMs)
{
    // In short naps, so that Escape ends even a replay of a frame that took a minute.
    for (Uint32 elapsed = realClock.ticks() - frameRealStart; elapsed < frameMs && !viewerStopped();
         elapsed = realClock.ticks() - frameRealStart)
        realClock.delay(std::min<Uint32>(frameMs - elapsed, 20));
}

void CDemoSession::finish()
{
    if (finished)
        return;
    finished = true;
    uninstall();
    if (!replaying()) {
        if (recorder)
            save();
        return;
    }
    if (!stoppedByViewer && player && player->framesPlayed() < demo.frames.size())
        warn("the game ended in frame " + std::to_string(player->framesPlayed()) + ", before the demo's last frame (" +
             std::to_string(demo.frames.size()) + ")");
    if (sessionMode == EMode::Time)
        reportSpeed();
}

void CDemoSession::reportSpeed() const
{
    const Uint32 totalMs = realClock.ticks() - timingStart;
    const double fps = framesTimed * 1000.0 / (totalMs > 0 ? totalMs : 1);
    std::printf("timed %u frames in %u ms: %.1f fps; slowest frame %u took %u ms\n", framesTimed, totalMs, fps,
                slowestFrame, slowestFrameMs);
    if (glSDL_UsingOpenGL() && framesTimed > 1) {
        const double later = double(glSDL_TextureUploads() - firstFrameUploads) / (framesTimed - 1);
        std::printf("texture uploads at scale %d: %lu in the first frame, %.2f a frame after it\n", glSDL_Scale(),
                    firstFrameUploads, later);
    }
    std::fflush(stdout);
}

void CDemoSession::save()
{
    if (writeDemoFile(path, demo.header, recorder->frameCount(), recorder->recordedFrames()))
        return;
    saveFailed = true;
    warn("the demo could not be written");
}

void CDemoSession::warn(const std::string& message) const
{
    std::fprintf(stderr, "zepo: %s: %s\n", path.c_str(), message.c_str());
    std::fflush(stderr);
}

void CDemoSession::saveRecordingAtExit()
{
    // The program is ending without its shutdown (a fatal error): the frame in progress is
    // kept too, so that the replay ends the same way.
    auto* session = dynamic_cast<CDemoSession*>(inputSource());
    if (!session || !session->recorder)
        return;
    session->recorder->closeOpenFrame();
    session->finish();
}

int CDemoSession::pollEvent(SDL_Event* event)
{
    return recorder ? recorder->pollEvent(event) : player->pollEvent(event);
}

Uint8 CDemoSession::mouseState(int* x, int* y)
{
    return recorder ? recorder->mouseState(x, y) : player->mouseState(x, y);
}
