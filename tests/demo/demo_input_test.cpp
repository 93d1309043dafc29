#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "demo/demo_bytes.h"
#include "demo/demo_clock.h"
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "demo/demo_recorder.h"
#include "support/scripted_input.h"

namespace {

// The reads a frame of the game makes: its events until the queue is empty.
std::vector<SDL_Event> drain(CInputSource& input)
{
    std::vector<SDL_Event> events;
    SDL_Event event;
    while (input.pollEvent(&event))
        events.push_back(event);
    return events;
}

// A recording run through the player again.
CDemo replayOf(const CDemoRecorder& recorder)
{
    CDemo demo;
    std::string error;
    EXPECT_TRUE(parseDemo(encodeDemoHeader(CDemoHeader(), recorder.frameCount()) + recorder.recordedFrames(), demo,
                          error))
        << error;
    return demo;
}

class DemoInput : public ::testing::Test
{
protected:
    CScriptedInput real;
    CDemoRecorder recorder{real, demoSizeLimit};
};

TEST_F(DemoInput, AFrameGivesBackItsEventsInOrderAndNothingMore)
{
    recorder.beginFrame();
    real.keyDown(SDLK_d, 'd');
    real.mouseButton(10, 20);
    EXPECT_EQ(drain(recorder).size(), 2u);
    recorder.endFrame(20);
    recorder.beginFrame();
    EXPECT_TRUE(drain(recorder).empty());
    recorder.endFrame(17);
    recorder.beginFrame();
    real.keyUp(SDLK_d);
    real.quit();
    drain(recorder);
    recorder.endFrame(900);
    ASSERT_EQ(recorder.frameCount(), 3u);

    CDemo demo = replayOf(recorder);
    CDemoPlayer player(demo);
    SDL_Event event;
    EXPECT_EQ(player.pollEvent(&event), 0);  // before the first frame
    ASSERT_TRUE(player.beginFrame());
    std::vector<SDL_Event> first = drain(player);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].type, SDL_KEYDOWN);
    EXPECT_EQ(first[0].key.keysym.sym, SDLK_d);
    EXPECT_EQ(first[0].key.keysym.unicode, 'd');
    EXPECT_EQ(first[1].type, SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(first[1].button.x, 10);
    EXPECT_EQ(first[1].button.y, 20);
    EXPECT_EQ(player.frame().duration, 20);
    ASSERT_TRUE(player.beginFrame());
    EXPECT_TRUE(drain(player).empty());
    EXPECT_EQ(player.frame().duration, 17);
    ASSERT_TRUE(player.beginFrame());
    std::vector<SDL_Event> third = drain(player);
    ASSERT_EQ(third.size(), 2u);
    EXPECT_EQ(third[0].type, SDL_KEYUP);
    EXPECT_EQ(third[1].type, SDL_QUIT);
    EXPECT_EQ(player.frame().duration, 900);
    EXPECT_FALSE(player.beginFrame());
    EXPECT_EQ(player.framesPlayed(), 3u);
}

// A menu waiting for a key reads the queue again and again in one frame, waiting between the
// reads: the replay must find the key after as many empty reads as the game made.
TEST_F(DemoInput, EmptyReadsBeforeAnEventAreKeptAndThoseAtTheEndAreNot)
{
    recorder.beginFrame();
    SDL_Event event;
    EXPECT_EQ(recorder.pollEvent(&event), 0);
    EXPECT_EQ(recorder.pollEvent(&event), 0);
    EXPECT_EQ(recorder.pollEvent(&event), 0);
    real.keyDown(SDLK_LEFT);
    EXPECT_EQ(recorder.pollEvent(&event), 1);
    EXPECT_EQ(recorder.pollEvent(&event), 0);
    EXPECT_EQ(recorder.pollEvent(&event), 0);
    recorder.endFrame(20);
    EXPECT_EQ(recorder.recordedFrames().size(), demoFrameFieldsSize + 3 + 13);

    CDemo demo = replayOf(recorder);
    CDemoPlayer player(demo);
    ASSERT_TRUE(player.beginFrame());
    EXPECT_EQ(player.frame().pollCount, 4u);
    int reads = 0;
    while (!player.pollEvent(&event))
        ASSERT_LT(++reads, 10);
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(event.key.keysym.sym, SDLK_LEFT);
    EXPECT_EQ(player.unreadPolls(), 0u);
    EXPECT_EQ(player.pollEvent(&event), 0);
}

TEST_F(DemoInput, EventsTheReplayDoesNotReadAreCounted)
{
    recorder.beginFrame();
    real.keyDown(SDLK_a);
    real.keyDown(SDLK_b);
    drain(recorder);
    recorder.endFrame(20);
    CDemo demo = replayOf(recorder);
    CDemoPlayer player(demo);
    EXPECT_EQ(player.unreadPolls(), 0u);
    ASSERT_TRUE(player.beginFrame());
    SDL_Event event;
    player.pollEvent(&event);
    EXPECT_EQ(player.unreadPolls(), 1u);
}

// A game waiting in a loop for a key the demo does not have (the key-binding menu) is closed
// instead of waiting for ever; the ordinary reads that end a frame are left alone.
TEST_F(DemoInput, AGameWaitingForInputTheDemoLacksIsClosed)
{
    recorder.beginFrame();
    recorder.endFrame(20);
    recorder.beginFrame();
    recorder.endFrame(20);
    CDemo demo = replayOf(recorder);
    CDemoPlayer player(demo);
    ASSERT_TRUE(player.beginFrame());
    SDL_Event event;
    for (int read = 0; read < 20; ++read)
        EXPECT_EQ(player.pollEvent(&event), 0);
    EXPECT_FALSE(player.gaveUpWaiting());
    ASSERT_TRUE(player.beginFrame());
    int reads = 1;
    while (!player.pollEvent(&event))
        ASSERT_LT(++reads, 1000);
    EXPECT_EQ(event.type, SDL_QUIT);
    EXPECT_EQ(reads, 100);
    EXPECT_TRUE(player.gaveUpWaiting());
    EXPECT_EQ(player.pollEvent(&event), 0);  // a loop that reads until the queue is empty ends
}

TEST_F(DemoInput, TheGameSeesEventsAsTheReplayWillGiveThemBack)
{
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 30;
    motion.motion.xrel = 7;
    motion.motion.which = 3;
    struct CFixedInput : CInputSource
    {
        SDL_Event event;
        bool given = false;
        int pollEvent(SDL_Event* out) override
        {
            if (given)
                return 0;
            given = true;
            *out = event;
            return 1;
        }
        Uint8 mouseState(int*, int*) override { return 0; }
    } source;
    source.event = motion;
    CDemoRecorder recording(source, demoSizeLimit);
    recording.beginFrame();
    SDL_Event seen;
    ASSERT_EQ(recording.pollEvent(&seen), 1);
    EXPECT_EQ(seen.motion.x, 30);
    EXPECT_EQ(seen.motion.xrel, 0);
    EXPECT_EQ(seen.motion.which, 0);
}

TEST_F(DemoInput, TheMouseIsReadOncePerFrame)
{
    recorder.beginFrame();
    real.mouseX = 100;
    real.mouseY = 50;
    int x = 0, y = 0;
    recorder.mouseState(&x, &y);
    real.mouseX = 400;  // the real mouse moves on during the frame
    recorder.mouseState(&x, &y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    recorder.endFrame(20);
    recorder.beginFrame();  // a frame that does not read the mouse keeps the last reading
    recorder.endFrame(20);
    recorder.beginFrame();
    recorder.mouseState(&x, &y);
    EXPECT_EQ(x, 400);
    recorder.endFrame(20);

    CDemo demo = replayOf(recorder);
    CDemoPlayer player(demo);
    for (int expected : {100, 100, 400}) {
        ASSERT_TRUE(player.beginFrame());
        player.mouseState(&x, &y);
        EXPECT_EQ(x, expected);
    }
}

TEST_F(DemoInput, ARecordingStopsAtItsSizeLimit)
{
    CDemoRecorder small(real, (std::size_t(1) << 20) + 30);
    for (int frame = 0; frame < 10; ++frame) {
        small.beginFrame();
        real.keyDown(SDLK_SPACE);
        drain(small);
        small.endFrame(20);
    }
    EXPECT_TRUE(small.full());
    EXPECT_EQ(small.frameCount(), 2u);
    EXPECT_LE(small.recordedFrames().size(), (std::size_t(1) << 20) + 30);
    CDemo demo = replayOf(small);
    EXPECT_EQ(demo.frames.size(), 2u);
}

TEST_F(DemoInput, AFrameCutShortByTheEndOfTheProgramIsKept)
{
    recorder.beginFrame();
    real.keyDown(SDLK_ESCAPE);
    drain(recorder);
    recorder.closeOpenFrame();
    recorder.closeOpenFrame();
    EXPECT_EQ(recorder.frameCount(), 1u);
    CDemo demo = replayOf(recorder);
    ASSERT_EQ(demo.frames.size(), 1u);
    EXPECT_EQ(demo.frames[0].duration, 0);
    EXPECT_EQ(demo.frames[0].pollCount, 1u);
}

TEST(DemoClock, StandsStillInAFrameAndMovesByWaitsAndDurations)
{
    CVirtualClock real(5000);
    CDemoClock clock(real, 100, true);
    clock.beginFrame();
    EXPECT_EQ(clock.ticks(), 100u);
    real.advance(15);
    EXPECT_EQ(clock.ticks(), 100u);
    clock.delay(2000);
    EXPECT_EQ(clock.ticks(), 2100u);
    EXPECT_EQ(clock.waitedThisFrame(), 2000u);
    EXPECT_EQ(real.ticks(), 7015u);  // the wait was made on the real clock too
    clock.endFrame(17);
    EXPECT_EQ(clock.ticks(), 2117u);
    clock.beginFrame();
    EXPECT_EQ(clock.waitedThisFrame(), 0u);

    CDemoClock timed(real, 0, false);
    timed.delay(10);
    EXPECT_EQ(timed.ticks(), 10u);
    EXPECT_EQ(real.ticks(), 7015u);  // a timed replay never waits
}

}
