#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/clock.h"
#include "app/gamepad.h"
#include "app/globals.h"
#include "app/paths.h"
#include "app/input.h"
#include "behaviour/prototype_controllers.h"
#include "demo/demo_bytes.h"
#include "demo/demo_file.h"
#include "demo/demo_session.h"
#include "demo/demo_statdump.h"
#include "frontend/high_score_table.h"
#include "frontend/password_list.h"
#include "frontend/stav_pauza.h"
#include "game/stav_hra.h"
#include "gfx/font.h"
#include "gfx/video.h"
#include "options/option_file.h"
#include "options/options.h"
#include "support/scripted_input.h"
#include "support/test_support.h"
#include "support/test_world.h"

namespace fs = std::filesystem;

namespace {

bool startsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The real keyboard and clock around a recorded or replayed game: the clock moves on by a step
// at every reading, and each event arrives at its real time. With a step of 20 ms a session
// reads the clock once to start and twice a frame, so the events of frame n arrive at
// 40 + 40 n ms and every frame lasts 20 ms.
class CFakeWorld : public CClockSource, public CInputSource
{
public:
    explicit CFakeWorld(Uint32 stepMs) : step(stepMs) {}

    static Uint32 frameTick(int frame) { return 40 + 40 * static_cast<Uint32>(frame); }

    Uint32 ticks() override { return now += step; }
    void delay(Uint32 ms) override
    {
        now += ms;
        waited += ms;
    }
    int pollEvent(SDL_Event* event) override
    {
        if (next == events.size() || events[next].first > now)
            return 0;
        *event = events[next++].second;
        return 1;
    }
    Uint8 mouseState(int* x, int* y) override
    {
        *x = 320;
        *y = 200;
        return 0;
    }

    void key(Uint32 tick, Uint8 type, SDLKey key)
    {
        SDL_Event event{};
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        events.emplace_back(tick, event);
    }
    void send(Uint32 tick, const SDL_Event& event) { events.emplace_back(tick, event); }
    void quit(Uint32 tick)
    {
        SDL_Event event{};
        event.type = SDL_QUIT;
        events.emplace_back(tick, event);
    }

    Uint32 now = 0;
    Uint32 waited = 0;

private:
    Uint32 step;
    std::vector<std::pair<Uint32, SDL_Event>> events;
    std::size_t next = 0;
};

// A state without a screen of its own yet (menu, ending, name entry): it reads the events and
// ends the program on a quit event, as the real ones do.
class CIdleState : public CStavHry
{
public:
    explicit CIdleState(const std::string& stateName) : CStavHry(stateName) {}
    void enter(CApplication* application) override
    {
        activate();
        app = application;
    }
    void frame() override
    {
        SDL_Event event;
        while (pollEvent(&event))
            if (event.type == SDL_QUIT)
                app->running = false;
    }
    void leave() override { deactivate(); }

private:
    CApplication* app = nullptr;
};

// Whole games on a level set of two short levels ("l1", "l2": 4 s each, nothing required): the
// bird starts at (100, 100); in "l1" an extra-life parachute comes down just right of it, where
// the bird meets it after a few frames of flying to the right.
class DemoGame : public ::testing::Test
{
protected:
    DemoGame()
    {
        installTestWorld();
        for (const char* font : {"font1.png", "font2.png", "fontsmall2.png"})
            fs::copy_file(std::string(ZEPO_GAME_DIR) + "/" + font, dir.file(font));
        dir.write("data/maps/tiles.xml", R"(<tiledef src="none.png"><tileSprite name="s" x="0" y="0"/>
            <tile name="ground" id="1" walkable="0" special="0" tileSprite="s"/></tiledef>)");
        std::string ground;
        for (int x = 0; x < 20; ++x)
            ground += "<tile id=\"1\" x=\"" + std::to_string(x) + "\" y=\"14\"/>";
        dir.write("data/maps/easy/levellist.xml", R"(<level name="l1"/><level name="l2"/>)");
        for (const char* name : {"l1", "l2"}) {
            std::string base = std::string("data/maps/easy/") + name;
            dir.write(base + "_defs.xml",
                      R"(<level tiledef="tiles.xml" name="Pole" score="0" maxWind="30" music="" time="4000"/>)");
            dir.write(base + "_map.xml", "<map><layer>" + ground + "</layer></map>");
        }
        dir.write("data/maps/easy/l1_entities.xml", R"(<mapEntities><entity name="PLAYER" x="100" y="100"/>
            <entity name="PADAKZIVOT" x="125" y="100"/></mapEntities>)");
        dir.write("data/maps/easy/l2_entities.xml", R"(<mapEntities><entity name="PLAYER" x="100" y="100"/></mapEntities>)");
        CPasswordList::instance().clear();
        globals.setDifficulty(0);
        globals.hints = false;
    }
    ~DemoGame() override
    {
        keepPlayerFiles(false);
        CPasswordList::instance().clear();
        defaultControlKeys();
        globals.setDifficulty(0);
        globals.hints = true;
        globals.resetForNewGame();
    }

    // A game that reaches the ending after 776 frames and is closed in frame 800; its player
    // flies to the right from frame 2 to frame 40 (into the parachute) and shoots in frame 60.
    static CFakeWorld player()
    {
        CFakeWorld world(20);
        world.key(CFakeWorld::frameTick(2), SDL_KEYDOWN, SDLK_d);
        world.key(CFakeWorld::frameTick(40), SDL_KEYUP, SDLK_d);
        world.key(CFakeWorld::frameTick(60), SDL_KEYDOWN, SDLK_SPACE);
        world.quit(CFakeWorld::frameTick(800));
        return world;
    }

    // The same game on a pad: the hat flies right from frame 2 to frame 40, the first button
    // shoots in frame 60.
    static CFakeWorld padPlayer()
    {
        CFakeWorld world(20);
        SDL_Event hat{};
        hat.type = SDL_JOYHATMOTION;
        hat.jhat.value = SDL_HAT_RIGHT;
        world.send(CFakeWorld::frameTick(2), hat);
        hat.jhat.value = SDL_HAT_CENTERED;
        world.send(CFakeWorld::frameTick(40), hat);
        SDL_Event button{};
        button.type = SDL_JOYBUTTONDOWN;
        button.jbutton.state = SDL_PRESSED;
        world.send(CFakeWorld::frameTick(60), button);
        world.quit(CFakeWorld::frameTick(800));
        return world;
    }

    // Plays one game from the first level as the program does it, with the singletons as a
    // fresh program has them; answers the statistics. The real input is the world itself, or
    // what stands between it and the game.
    std::string play(CDemoSession::EMode mode, const std::string& demoPath, CFakeWorld& world,
                     CInputSource* input = nullptr)
    {
        globals.windTimer = std::make_unique<CTimer>(5000);
        globals.endTimer = std::make_unique<CTimer>(3500);
        globals.resetForNewGame();
        globals.interruptionLength = 0;
        globals.frameFactor = 0;
        CApplication app;
        app.largeFont = loadFont("font2.png");
        app.smallFont = loadFont("fontsmall2.png");
        registerPrototypeControllers(app.prototypeControllers);
        app.addState(std::make_unique<CStavHry_Hra>());
        for (const char* name : {"INTRO", "OUTRO", "ENTERTOP10", "TIP"})
            app.addState(std::make_unique<CIdleState>(name));
        app.addState(std::make_unique<CStavHry_Pauza>());
        app.demo = std::make_unique<CDemoSession>(mode, demoPath, CCommandLine(), world, input ? *input : world);
        app.stats = std::make_unique<CStatDump>(statsPath);
        std::srand(app.demo->begin());
        app.demo->takeSettings(app.highScores);
        app.running = true;
        for (const char* name : {"INTRO", "OUTRO", "PAUZA", "ENTERTOP10", "TIP"})
            app.enterState(name);
        app.enterState("HRA");
        app.switchTo("HRA");
        app.mainLoop();
        app.shutdown();
        app.stats.reset();
        return readFile(statsPath);
    }

    std::string record(CFakeWorld world) { return play(CDemoSession::EMode::Record, demoPath, world); }

    TempDir dir;
    ScopedChdir inDir{dir.path()};
    std::string demoPath = dir.file("game.demo");
    std::string statsPath = dir.file("stats.txt");
    CGlobals& globals = CGlobals::instance();
};

TEST_F(DemoGame, AReplayPlaysTheRecordedGameAgain)
{
    const std::string recorded = record(player());
    EXPECT_TRUE(startsWith(recorded, "easy l1 frames=201 level=0 total=0 lives="));
    EXPECT_EQ(recorded.find("lives=5"), std::string::npos);  // the parachute was caught
    EXPECT_NE(recorded.find("\neasy l2 frames=200 level=0 total=0 lives="), std::string::npos);
    CDemo demo;
    std::string error;
    ASSERT_TRUE(readDemoFile(demoPath, demo, error)) << error;
    EXPECT_EQ(demo.frames.size(), 801u);  // up to the frame that read the quit event

    CFakeWorld quiet(20);
    EXPECT_EQ(play(CDemoSession::EMode::Time, demoPath, quiet), recorded);
    CFakeWorld watched(20);
    EXPECT_EQ(play(CDemoSession::EMode::Play, demoPath, watched), recorded);
}

TEST_F(DemoGame, AGamePlayedOnThePadIsRecordedAsItsKeysAndReplaysWithoutThePad)
{
    const std::string onTheKeyboard = record(player());
    CFakeWorld world = padPlayer();
    CGamepad pad(world);
    pad.setPlaying(true);
    const std::string recorded = play(CDemoSession::EMode::Record, demoPath, world, &pad);
    EXPECT_EQ(recorded, onTheKeyboard);

    CDemo demo;
    std::string error;
    ASSERT_TRUE(readDemoFile(demoPath, demo, error)) << error;
    std::vector<std::string> keys;
    for (const CDemoFrame& frame : demo.frames) {
        CDemoByteReader in(demo.bytes, frame.pollOffset);
        for (Uint32 poll = 0; poll < frame.pollCount; ++poll) {
            const Uint8 type = in.u8();
            if (type == SDL_NOEVENT)
                continue;
            const SDL_Event event = readDemoEvent(type, in);
            if (type == SDL_KEYDOWN || type == SDL_KEYUP)
                keys.push_back((type == SDL_KEYDOWN ? "down " : "up ") + std::to_string(event.key.keysym.sym));
            else
                EXPECT_EQ(type, SDL_QUIT) << "only keys and the closing of the window are recorded";
        }
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"down 100", "up 100", "down 32"}));  // d, d, space

    CFakeWorld quiet(20);
    EXPECT_EQ(play(CDemoSession::EMode::Time, demoPath, quiet), recorded);
}

TEST_F(DemoGame, OneChangedEventChangesTheReplay)
{
    const std::string recorded = record(player());
    std::string bytes = readFile(demoPath);
    // The right key becomes the left key: the bird flies away from the parachute.
    const std::string rightDown("\x02\x01\x00\x64\x00", 5), rightUp("\x03\x00\x00\x64\x00", 5);
    std::size_t down = bytes.find(rightDown), up = bytes.find(rightUp);
    ASSERT_NE(down, std::string::npos);
    ASSERT_NE(up, std::string::npos);
    bytes[down + 3] = 'a';
    bytes[up + 3] = 'a';
    dir.write("changed.demo", bytes);
    CFakeWorld quiet(20);
    const std::string changed = play(CDemoSession::EMode::Time, dir.file("changed.demo"), quiet);
    EXPECT_NE(changed, recorded);
    EXPECT_EQ(changed, "easy l1 frames=201 level=0 total=0 lives=5 won\n"
                       "easy l2 frames=200 level=0 total=0 lives=5 won\n");  // the parachute was missed
}

TEST_F(DemoGame, TheReplayIgnoresTheRealKeyboardAndClock)
{
    const std::string recorded = record(player());
    CFakeWorld meddling(333);  // a slow machine, and a player pressing keys
    meddling.key(0, SDL_KEYDOWN, SDLK_d);
    meddling.key(1000, SDL_KEYDOWN, SDLK_p);
    meddling.key(2000, SDL_KEYDOWN, SDLK_r);
    meddling.quit(100000000);
    EXPECT_EQ(play(CDemoSession::EMode::Time, demoPath, meddling), recorded);
    EXPECT_EQ(meddling.waited, 0u);  // a timed replay never waits

    // Watched at the recorded pace: the replay takes the game's own time on the real clock.
    CFakeWorld watching(0);
    EXPECT_EQ(play(CDemoSession::EMode::Play, demoPath, watching), recorded);
    EXPECT_EQ(watching.waited, 801u * 20);
}

TEST_F(DemoGame, EscapeOnTheRealKeyboardEndsTheReplay)
{
    record(player());
    CFakeWorld viewer(0);  // real time passes only while the replay keeps the recorded pace
    viewer.key(2010, SDL_KEYDOWN, SDLK_ESCAPE);  // while frame 100 is on the screen
    ::testing::internal::CaptureStderr();
    const std::string stopped = play(CDemoSession::EMode::Play, demoPath, viewer);
    EXPECT_TRUE(startsWith(stopped, "easy l1 frames=101 level=0 total=0 lives=")) << stopped;
    EXPECT_TRUE(endsWith(stopped, " unfinished\n")) << stopped;
    EXPECT_EQ(::testing::internal::GetCapturedStderr().find("zepo:"), std::string::npos);
    EXPECT_EQ(viewer.waited, 101u * 20);

    // Even a frame recorded as a minute long lets the viewer go at once.
    CDemo demo;
    std::string error;
    ASSERT_TRUE(readDemoFile(demoPath, demo, error));
    std::string bytes = demo.bytes;
    CDemoFrame longFrame = demo.frames[10];
    longFrame.duration = 60000;
    putFrameFields(bytes, longFrame.pollOffset - demoFrameFieldsSize, longFrame);
    dir.write("long.demo", bytes);
    CFakeWorld impatient(0);
    impatient.key(10 * 20 + 100, SDL_KEYDOWN, SDLK_ESCAPE);
    play(CDemoSession::EMode::Play, dir.file("long.demo"), impatient);
    EXPECT_LE(impatient.waited, 10u * 20 + 120);
}

TEST_F(DemoGame, TheReplayOfAShorterDemoEndsWithItsLastFrame)
{
    record(player());
    std::string bytes = readFile(demoPath);
    CDemo demo;
    std::string error;
    ASSERT_TRUE(parseDemo(bytes, demo, error));
    // The demo cut after its 50th frame: the replay ends there, cleanly.
    std::string cut = bytes.substr(0, demo.frames[50].pollOffset - demoFrameFieldsSize);
    const std::size_t count = encodeDemoHeader(demo.header, 0).size() - 4;
    cut[count] = 50;
    cut[count + 1] = cut[count + 2] = cut[count + 3] = 0;
    dir.write("short.demo", cut);
    CFakeWorld quiet(20);
    ::testing::internal::CaptureStdout();
    const std::string stopped = play(CDemoSession::EMode::Time, dir.file("short.demo"), quiet);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "timed 50 frames in 2000 ms: 25.0 fps; slowest frame 1 took 20 ms\n");
    EXPECT_TRUE(startsWith(stopped, "easy l1 frames=50 level=0 total=0 lives=")) << stopped;
    EXPECT_TRUE(endsWith(stopped, " unfinished\n")) << stopped;
}

TEST_F(DemoGame, TheHeaderCarriesTheSettingsThatChangeTheGame)
{
    CControlOptions& keys = CControlOptions::instance();
    keys.up = SDLK_i;
    keys.down = SDLK_k;
    keys.left = SDLK_j;
    keys.right = SDLK_RIGHT;
    keys.shoot = SDLK_LCTRL;
    globals.setDifficulty(1);
    globals.hints = true;
    CSdlInput input;
    CHighScoreTable recorded;
    recorded.insert("Ema", 5000);
    recorded.insert("Ota", 300);
    {
        CDemoSession recording(CDemoSession::EMode::Record, demoPath, CCommandLine(), input);
        recording.begin();
        recording.takeSettings(recorded);
        recording.finish();
    }
    defaultControlKeys();
    globals.setDifficulty(2);
    globals.hints = false;
    CHighScoreTable local;  // this machine's table: a score of 400 would not enter it
    for (int entry = 0; entry < 10; ++entry)
        local.insert("Mistr", 9000);
    CDemoSession replay(CDemoSession::EMode::Time, demoPath, CCommandLine(), input);
    replay.takeSettings(local);
    EXPECT_EQ(keys.up, SDLK_i);
    EXPECT_EQ(keys.down, SDLK_k);
    EXPECT_EQ(keys.left, SDLK_j);
    EXPECT_EQ(keys.right, SDLK_RIGHT);
    EXPECT_EQ(keys.shoot, SDLK_LCTRL);
    EXPECT_EQ(globals.difficulty, 1u);
    EXPECT_EQ(globals.levelSet, "medium");
    EXPECT_TRUE(globals.hints);
    ASSERT_EQ(local.count(), 2u);
    EXPECT_EQ(local.entry(0).name, "Ema");
    EXPECT_EQ(local.entry(1).score, 300u);
    EXPECT_TRUE(local.qualifies(400));
}

TEST_F(DemoGame, AReplayStartsWhereTheRecordingStarted)
{
    CCommandLine warp;
    warp.levelSet = "easy";
    warp.level = "l2";
    {
        CFakeWorld world(20);
        CDemoSession recording(CDemoSession::EMode::Record, demoPath, warp, world, world);
        EXPECT_EQ(recording.begin(), 20u);  // the seed is the tick count at start-up
        recording.finish();
    }
    CFakeWorld world(20);
    CDemoSession replay(CDemoSession::EMode::Play, demoPath, CCommandLine(), world, world);
    EXPECT_EQ(replay.startingPoint().levelSet, "easy");
    EXPECT_EQ(replay.startingPoint().level, "l2");
    EXPECT_EQ(replay.begin(), 20u);
    EXPECT_EQ(currentTicks(), 20u);  // the game clock starts where it started then
}

// The recording's temporary file (made once to check the place takes a file, then again when it
// is written) never writes through a link planted at its name.
TEST_F(DemoGame, ARecordingNeverWritesThroughALinkAtItsTemporaryName)
{
    const std::string elsewhere = dir.write("elsewhere", "someone else's");
    ASSERT_EQ(symlink(elsewhere.c_str(), (demoPath + ".tmp").c_str()), 0);
    record(player());
    EXPECT_EQ(readFile(elsewhere), "someone else's");
    EXPECT_FALSE(fs::exists(fs::symlink_status(demoPath + ".tmp")));
    CDemo demo;
    std::string error;
    EXPECT_TRUE(readDemoFile(demoPath, demo, error)) << error;
}

// A game ended by a fatal error still leaves its demo, up to the frame of the error.
TEST_F(DemoGame, ARecordingEndedByAnErrorIsWrittenAtExit)
{
    EXPECT_EXIT(
        {
            CFakeWorld world(20);
            world.key(0, SDL_KEYDOWN, SDLK_x);
            CDemoSession recording(CDemoSession::EMode::Record, demoPath, CCommandLine(), world, world);
            recording.begin();
            recording.beginFrame();
            recording.endFrame();
            recording.beginFrame();
            SDL_Event event;
            while (pollEvent(&event)) {
            }
            std::exit(255);
        },
        ::testing::ExitedWithCode(255), "");
    CDemo demo;
    std::string error;
    ASSERT_TRUE(readDemoFile(demoPath, demo, error)) << error;
    ASSERT_EQ(demo.frames.size(), 2u);
    EXPECT_EQ(demo.frames[1].pollCount, 1u);
}

// A state that waits for a key the way the key-binding menu does: reading the queue every 10 ms
// until a key comes, a quit event ending the wait and the game.
class CKeyWaitState : public CStavHry
{
public:
    CKeyWaitState() : CStavHry("HRA") {}
    void enter(CApplication* application) override
    {
        activate();
        app = application;
    }
    void frame() override
    {
        for (;;) {
            SDL_Event event;
            while (pollEvent(&event)) {
                if (event.type == SDL_KEYDOWN)
                    return;
                if (event.type == SDL_QUIT) {
                    app->running = false;
                    return;
                }
            }
            waitTicks(10);
        }
    }
    void leave() override { deactivate(); }

private:
    CApplication* app = nullptr;
};

TEST(DemoReplay, AGameWaitingForInputTheDemoLacksIsClosedNotLeftWaiting)
{
    TempDir dir;
    std::string frames;
    for (int frame = 0; frame < 5; ++frame)
        frames += std::string(demoFrameFieldsSize, '\0');
    const std::string path = dir.write("silent.demo", encodeDemoHeader(CDemoHeader(), 5) + frames);
    CFakeWorld world(20);
    CApplication app;
    app.addState(std::make_unique<CKeyWaitState>());
    app.demo = std::make_unique<CDemoSession>(CDemoSession::EMode::Time, path, CCommandLine(), world, world);
    app.demo->begin();
    app.running = true;
    app.enterState("HRA");
    app.switchTo("HRA");
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    app.mainLoop();
    app.shutdown();
    ::testing::internal::GetCapturedStdout();
    const std::string messages = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(app.running);
    EXPECT_NE(messages.find("silent.demo: the replay went out of step with the demo in frame 1: the game waited for "
                            "input the demo does not have, and was closed"),
              std::string::npos)
        << messages;
}

TEST(DemoCommandLine, AReplayTakesItsStartFromTheDemo)
{
    const char* replayWarp[] = {"zepo", "--playdemo", "a.demo", "--level", "l2"};
    EXPECT_EXIT(parseCommandLine(5, const_cast<char**>(replayWarp)), ::testing::ExitedWithCode(2),
                "a replayed demo starts where it was recorded");
    const char* timedWarp[] = {"zepo", "--set", "hard", "--timedemo", "a.demo"};
    EXPECT_EXIT(parseCommandLine(5, const_cast<char**>(timedWarp)), ::testing::ExitedWithCode(2),
                "a replayed demo starts where it was recorded");
    const char* recordWarp[] = {"zepo", "--record", "a.demo", "--set", "hard", "--statdump", "s.txt"};
    CCommandLine recording = parseCommandLine(7, const_cast<char**>(recordWarp));
    EXPECT_EQ(recording.record, fromStartingFolder("a.demo"));
    EXPECT_EQ(recording.levelSet, "hard");
}

}
