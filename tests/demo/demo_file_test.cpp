#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/command_line.h"
#include "demo/demo_bytes.h"
#include "demo/demo_file.h"
#include "demo/demo_session.h"
#include "support/test_support.h"

namespace {

SDL_Event keyEvent(Uint8 type, SDLKey key, Uint16 unicode = 0)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = KMOD_LSHIFT;
    event.key.keysym.unicode = unicode;
    event.key.keysym.scancode = 38;
    return event;
}

// Appends a frame with its polls (null: an empty read) as a recording lays it out.
void appendFrame(std::string& out, Uint16 duration, int mouseX, int mouseY, std::initializer_list<const SDL_Event*> polls)
{
    std::size_t at = out.size();
    out.append(demoFrameFieldsSize, '\0');
    CDemoFrame frame;
    frame.duration = duration;
    frame.mouseButtons = SDL_BUTTON(1);
    frame.mouseX = static_cast<Uint16>(mouseX);
    frame.mouseY = static_cast<Uint16>(mouseY);
    frame.pollCount = static_cast<Uint32>(polls.size());
    putFrameFields(out, at, frame);
    for (const SDL_Event* poll : polls) {
        if (poll)
            appendDemoEvent(out, *poll);
        else
            out.push_back(char(SDL_NOEVENT));
    }
}

CDemoHeader sampleHeader()
{
    CDemoHeader header;
    header.difficulty = 1;
    header.hints = false;
    header.left = SDLK_LEFT;
    header.shoot = SDLK_RCTRL;
    header.seed = 0xC0FFEE;
    header.levelSet = "medium";
    header.level = "l1b";
    header.highScores = {{"Ema", 5000}, {std::string(51, 'x'), 7}};
    return header;
}

// Three frames: a key press with an empty read before it, a frame without reads, a release.
std::string sampleDemo()
{
    const SDL_Event down = keyEvent(SDL_KEYDOWN, SDLK_d, 'd');
    const SDL_Event up = keyEvent(SDL_KEYUP, SDLK_d);
    std::string frames;
    appendFrame(frames, 17, 320, 240, {nullptr, &down});
    appendFrame(frames, 16, 321, 241, {});
    appendFrame(frames, 900, 0, 479, {&up});
    return encodeDemoHeader(sampleHeader(), 3) + frames;
}

std::string parseError(const std::string& bytes)
{
    CDemo demo;
    std::string error;
    EXPECT_FALSE(parseDemo(bytes, demo, error)) << "accepted";
    return error;
}

TEST(DemoFile, KeepsTheHeaderAndFindsEveryFrame)
{
    CDemo demo;
    std::string error;
    ASSERT_TRUE(parseDemo(sampleDemo(), demo, error)) << error;
    const CDemoHeader& header = demo.header;
    EXPECT_EQ(header.difficulty, 1u);
    EXPECT_FALSE(header.hints);
    EXPECT_EQ(header.up, SDLK_w);
    EXPECT_EQ(header.left, SDLK_LEFT);
    EXPECT_EQ(header.shoot, SDLK_RCTRL);
    EXPECT_EQ(header.seed, 0xC0FFEEu);
    EXPECT_EQ(header.levelSet, "medium");
    EXPECT_EQ(header.level, "l1b");
    ASSERT_EQ(header.highScores.size(), 2u);
    EXPECT_EQ(header.highScores[0].name, "Ema");
    EXPECT_EQ(header.highScores[0].score, 5000u);
    EXPECT_EQ(header.highScores[1].name, std::string(51, 'x'));
    ASSERT_EQ(demo.frames.size(), 3u);
    EXPECT_EQ(demo.frames[0].duration, 17);
    EXPECT_EQ(demo.frames[0].pollCount, 2u);
    EXPECT_EQ(demo.frames[1].mouseX, 321);
    EXPECT_EQ(demo.frames[1].mouseY, 241);
    EXPECT_EQ(demo.frames[1].mouseButtons, SDL_BUTTON(1));
    EXPECT_EQ(demo.frames[1].pollCount, 0u);
    EXPECT_EQ(demo.frames[2].duration, 900);

    CDemoByteReader in(demo.bytes, demo.frames[0].pollOffset);
    EXPECT_EQ(in.u8(), SDL_NOEVENT);
    Uint8 type = in.u8();
    SDL_Event down = readDemoEvent(type, in);
    EXPECT_EQ(down.type, SDL_KEYDOWN);
    EXPECT_EQ(down.key.keysym.sym, SDLK_d);
    EXPECT_EQ(down.key.keysym.unicode, 'd');
    EXPECT_EQ(down.key.keysym.mod, KMOD_LSHIFT);
    EXPECT_EQ(down.key.state, SDL_PRESSED);
    EXPECT_EQ(in.offset() + demoFrameFieldsSize, demo.frames[1].pollOffset);
}

TEST(DemoFile, KeepsWhatTheGameReadsOfEachKindOfEvent)
{
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_RIGHT;
    button.button.state = SDL_PRESSED;
    button.button.x = 639;
    button.button.y = 1;
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.state = SDL_BUTTON(1);
    motion.motion.x = 100;
    motion.motion.y = 200;
    motion.motion.xrel = 5;
    SDL_Event focus{};
    focus.type = SDL_ACTIVEEVENT;
    focus.active.gain = 1;
    focus.active.state = SDL_APPINPUTFOCUS;
    SDL_Event quit{};
    quit.type = SDL_QUIT;

    for (const SDL_Event& event : {button, motion, focus, quit, keyEvent(SDL_KEYUP, SDLK_ESCAPE)}) {
        std::string bytes;
        appendDemoEvent(bytes, event);
        ASSERT_EQ(bytes.size(), 13u);
        CDemoByteReader in(bytes);
        Uint8 type = in.u8();
        SDL_Event back = readDemoEvent(type, in);
        SDL_Event kept = keptPartOf(event);
        EXPECT_EQ(0, std::memcmp(&back, &kept, sizeof back)) << "event type " << int(event.type);
        EXPECT_FALSE(in.failed());
    }
    EXPECT_EQ(keptPartOf(button).button.x, 639);
    EXPECT_EQ(keptPartOf(button).button.button, SDL_BUTTON_RIGHT);
    EXPECT_EQ(keptPartOf(motion).motion.y, 200);
    EXPECT_EQ(keptPartOf(motion).motion.xrel, 0);  // not kept: nothing in the game reads it
    EXPECT_EQ(keptPartOf(focus).active.state, SDL_APPINPUTFOCUS);
    EXPECT_EQ(keptPartOf(keyEvent(SDL_KEYDOWN, SDLK_a)).key.keysym.scancode, 0);
}

TEST(DemoFile, ReadsAndWritesFiles)
{
    TempDir dir;
    const std::string path = dir.file("game.demo");
    std::string frames;
    appendFrame(frames, 20, 1, 2, {});
    ASSERT_TRUE(writeDemoFile(path, sampleHeader(), 1, frames));
    EXPECT_FALSE(fileExists(path + ".tmp"));
    CDemo demo;
    std::string error;
    ASSERT_TRUE(readDemoFile(path, demo, error)) << error;
    EXPECT_EQ(demo.header.level, "l1b");
    EXPECT_EQ(demo.frames.size(), 1u);

    EXPECT_FALSE(readDemoFile(dir.file("missing.demo"), demo, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(readDemoFile(dir.path(), demo, error));
    EXPECT_EQ(error, "Is a directory");
    EXPECT_FALSE(writeDemoFile(dir.file("no/such/dir/game.demo"), sampleHeader(), 1, frames));
}

TEST(DemoFile, RejectsFilesThatAreNoDemos)
{
    std::string demo = sampleDemo();
    EXPECT_EQ(parseError(""), "not a demo file (it does not begin with ZEPODEMO)");
    EXPECT_EQ(parseError("<level name=\"l1\"/>"), "not a demo file (it does not begin with ZEPODEMO)");
    std::string wrongMagic = demo;
    wrongMagic[4] = 'd';
    EXPECT_EQ(parseError(wrongMagic), "not a demo file (it does not begin with ZEPODEMO)");

    std::string newer = demo;
    putU16(newer, 8, demoFormatVersion + 1);
    EXPECT_EQ(parseError(newer), "demo format version 2 is newer than this game can replay (version 1)");
    std::string versionZero = demo;
    putU16(versionZero, 8, 0);
    EXPECT_EQ(parseError(versionZero), "unknown demo format version 0");
}

TEST(DemoFile, RejectsHeadersWithImpossibleValues)
{
    CDemoHeader header = sampleHeader();
    header.levelSet = "../hard";
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "the level set's name is not a folder name");
    header = sampleHeader();
    header.level = "../../etc/passwd";
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "the start level's name holds characters no level name has");
    header.level = "l 1";
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "the start level's name holds characters no level name has");
    std::string hints = encodeDemoHeader(sampleHeader(), 0);
    hints[14] = 2;  // after the signature, the version and the difficulty
    EXPECT_EQ(parseError(hints), "hints switch 2 is not 0 or 1");
    header = sampleHeader();
    header.difficulty = 3;
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "difficulty 3 is not 0, 1 or 2");

    header = sampleHeader();
    header.highScores.assign(11, CDemoHighScore{"Ema", 1});
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "the top-ten table holds 11 entries");
    header.highScores.assign(1, CDemoHighScore{std::string(52, 'x'), 1});
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "a name of the top-ten table is longer than 51 bytes or holds a NUL");
    header.highScores.assign(1, CDemoHighScore{std::string("E\0a", 3), 1});
    EXPECT_EQ(parseError(encodeDemoHeader(header, 0)), "a name of the top-ten table is longer than 51 bytes or holds a NUL");
}

TEST(DemoFile, TellsWhereAFileIsCutShort)
{
    const std::string demo = sampleDemo();
    const std::size_t header = encodeDemoHeader(sampleHeader(), 3).size();
    for (std::size_t length = 0; length < demo.size(); ++length) {
        std::string error = parseError(demo.substr(0, length));
        if (length < 8)
            EXPECT_EQ(error, "not a demo file (it does not begin with ZEPODEMO)");
        else if (length < header)
            EXPECT_EQ(error, "the demo ends inside its header (the file is truncated)") << length;
        else
            EXPECT_NE(error.find("of 3 is cut short (the file is truncated)"), std::string::npos) << length;
    }
    EXPECT_EQ(parseError(demo.substr(0, header + 11 + 1)), "frame 1 of 3 is cut short (the file is truncated)");
    EXPECT_EQ(parseError(demo.substr(0, demo.size() - 1)), "frame 3 of 3 is cut short (the file is truncated)");
}

TEST(DemoFile, RejectsUnknownEventsAndTrailingData)
{
    std::string unknown = encodeDemoHeader(sampleHeader(), 1);
    SDL_Event event = keyEvent(SDL_KEYDOWN, SDLK_d);
    appendFrame(unknown, 20, 0, 0, {&event});
    unknown[unknown.size() - 13] = char(SDL_NUMEVENTS);
    EXPECT_EQ(parseError(unknown), "frame 1 of 1 holds an event of unknown type 32");

    EXPECT_EQ(parseError(sampleDemo() + "xyz"), "3 bytes of unknown data follow the last frame");

    // A key symbol SDL never sends would reach the game as a key it cannot hold.
    for (Uint8 type : {Uint8(SDL_KEYDOWN), Uint8(SDL_KEYUP)}) {
        std::string badKey = encodeDemoHeader(sampleHeader(), 2);
        SDL_Event last = keyEvent(type, static_cast<SDLKey>(SDLK_LAST - 1));
        appendFrame(badKey, 20, 0, 0, {&last});
        appendFrame(badKey, 20, 0, 0, {nullptr, &last});
        putU16(badKey, badKey.size() - 10, SDLK_LAST);
        EXPECT_EQ(parseError(badKey), "frame 2 of 2 holds a key event of unknown key " + std::to_string(SDLK_LAST));
        putU16(badKey, badKey.size() - 10, 0xFFFF);
        EXPECT_EQ(parseError(badKey), "frame 2 of 2 holds a key event of unknown key 65535");
    }
    // Other events carry any value in the same place.
    std::string motion = encodeDemoHeader(sampleHeader(), 1);
    SDL_Event moved{};
    moved.type = SDL_MOUSEMOTION;
    appendFrame(motion, 20, 0, 0, {&moved});
    putU16(motion, motion.size() - 10, 0xFFFF);
    CDemo demo;
    std::string error;
    EXPECT_TRUE(parseDemo(motion, demo, error)) << error;
}

TEST(DemoFile, ACountBeyondTheDataNeitherAllocatesNorHangs)
{
    std::string frames;
    appendFrame(frames, 20, 0, 0, {});
    EXPECT_EQ(parseError(encodeDemoHeader(sampleHeader(), 0xFFFFFFFF) + frames),
              "frame 2 of 4294967295 is cut short (the file is truncated)");
    std::string polls = encodeDemoHeader(sampleHeader(), 1);
    polls.append(demoFrameFieldsSize, '\0');
    putU32(polls, polls.size() - 4, 0xFFFFFFFF);
    polls.append(1000, char(SDL_NOEVENT));
    EXPECT_EQ(parseError(polls), "frame 1 of 1 is cut short (the file is truncated)");
}

TEST(DemoFile, RefusesFilesLargerThanAnyDemo)
{
    TempDir dir;
    const std::string path = dir.write("huge.demo", sampleDemo());
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(demoSizeLimit + 1)), 0);
    CDemo demo;
    std::string error;
    EXPECT_FALSE(readDemoFile(path, demo, error));
    EXPECT_EQ(error, "the file is larger than any demo (64 MiB)");
}

// Every byte of a good demo changed in turn, and every prefix of it: each result is either a
// demo (with a changed value) or a reason, never a crash or a read beyond the data.
TEST(DemoFile, SurvivesEveryByteFlipAndTruncation)
{
    const std::string demo = sampleDemo();
    int rejected = 0;
    for (std::size_t at = 0; at < demo.size(); ++at) {
        for (int flip : {0x01, 0x80, 0xFF}) {
            std::string damaged = demo;
            damaged[at] = static_cast<char>(damaged[at] ^ flip);
            CDemo parsed;
            std::string error;
            if (!parseDemo(damaged, parsed, error)) {
                EXPECT_FALSE(error.empty());
                ++rejected;
                continue;
            }
            for (const CDemoFrame& frame : parsed.frames)
                EXPECT_LE(frame.pollOffset + frame.pollCount, parsed.bytes.size());
        }
    }
    EXPECT_GT(rejected, 0);
    unsigned state = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string garbage = demo.substr(0, 8 + round % 40);
        for (int i = 0; i < round % 300; ++i) {
            state = state * 1103515245u + 12345u;
            garbage.push_back(static_cast<char>(state >> 16));
        }
        CDemo parsed;
        std::string error;
        if (!parseDemo(garbage, parsed, error))
            EXPECT_FALSE(error.empty());
    }
}

// What a player sees when the demo given on the command line is no good.
TEST(DemoFileDeathTest, ABadDemoEndsTheProgramWithItsReason)
{
    TempDir dir;
    const std::string truncated = dir.write("short.demo", sampleDemo().substr(0, 130));
    const std::string newer = dir.write("newer.demo", std::string("ZEPODEMO") + char(9) + char(0));
    CCommandLine commandLine;
    CSdlInput input;
    EXPECT_EXIT({ CDemoSession session(CDemoSession::EMode::Play, truncated, commandLine, input); }, ::testing::ExitedWithCode(2),
                "zepo: .*short.demo: frame 1 of 3 is cut short \\(the file is truncated\\)");
    EXPECT_EXIT({ CDemoSession session(CDemoSession::EMode::Time, newer, commandLine, input); }, ::testing::ExitedWithCode(2),
                "newer.demo: demo format version 9 is newer than this game can replay");
    EXPECT_EXIT({ CDemoSession session(CDemoSession::EMode::Play, dir.file("none.demo"), commandLine, input); },
                ::testing::ExitedWithCode(2), "none.demo: No such file or directory");
    EXPECT_EXIT({ CDemoSession session(CDemoSession::EMode::Record, dir.file("no/dir/x.demo"), commandLine, input); },
                ::testing::ExitedWithCode(2), "x.demo: cannot record the demo: No such file or directory");
}

}
