#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/stav_hry.h"
#include "support/test_support.h"

namespace {

// Records what happens to it, so tests can see which operations the registry calls.
class CRecordingState : public CStavHry
{
public:
    CRecordingState(const std::string& stateName, std::vector<std::string>& journal)
        : CStavHry(stateName), log(journal)
    {
    }
    void enter(CApplication*) override
    {
        activate();
        log.push_back("enter " + name);
    }
    void frame() override { log.push_back("frame " + name); }
    void leave() override
    {
        deactivate();
        log.push_back("leave " + name);
    }

private:
    std::vector<std::string>& log;
};

TEST(FrameFactor, FollowsFrameTimeAndGameSpeed)
{
    EXPECT_FLOAT_EQ(frameFactorFor(20, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(frameFactorFor(20, 2.0f), 2.0f);
    EXPECT_FLOAT_EQ(frameFactorFor(10, 0.5f), 0.25f);
    EXPECT_FLOAT_EQ(frameFactorFor(500, 1.0f), 25.0f);
    EXPECT_FLOAT_EQ(frameFactorFor(600, 1.0f), 0.0f);  // a frame of 600 ms moves nothing
    EXPECT_FLOAT_EQ(frameFactorFor(260, 2.0f), 0.0f);
}

class StateRegistry : public ::testing::Test
{
protected:
    StateRegistry()
    {
        app.addState(std::make_unique<CRecordingState>("HRA", journal));
        app.addState(std::make_unique<CRecordingState>("PAUZA", journal));
        app.addState(std::make_unique<CRecordingState>("INTRO", journal));
    }
    std::vector<std::string> journal;
    CApplication app;
};

TEST_F(StateRegistry, SwitchToNeitherEntersNorLeaves)
{
    app.enterState("HRA");
    app.switchTo("HRA");
    app.switchTo("PAUZA");
    app.switchTo("HRA");
    EXPECT_EQ(journal, std::vector<std::string>{"enter HRA"});
    EXPECT_EQ(app.currentStateName(), "HRA");
}

TEST_F(StateRegistry, ShutdownLeavesOnlyActiveStates)
{
    app.enterState("INTRO");
    app.enterState("PAUZA");
    app.leaveState("PAUZA");
    journal.clear();
    app.shutdown();
    EXPECT_EQ(journal, std::vector<std::string>{"leave INTRO"});
    EXPECT_TRUE(app.states.empty());
}

TEST_F(StateRegistry, SwitchToTheLastStateOfThatName)
{
    app.addState(std::make_unique<CRecordingState>("HRA", journal));
    app.switchTo("HRA");
    EXPECT_EQ(app.currentState, app.states.back().get());
    app.enterState("HRA");
    EXPECT_EQ(journal, (std::vector<std::string>{"enter HRA", "enter HRA"}));
}

TEST_F(StateRegistry, UnknownStateEndsTheProgramWithStatusZero)
{
    EXPECT_EXIT(app.switchTo("NIKDE"), ::testing::ExitedWithCode(0), "Chyba: Stav NIKDE nenalezen!");
    EXPECT_EXIT(app.enterState("hra"), ::testing::ExitedWithCode(0), "Chyba: Stav hra nenalezen!");
    EXPECT_EXIT(app.leaveState(""), ::testing::ExitedWithCode(0), "Chyba: Stav  nenalezen!");
}

TEST(CommandLine, ReadsTheOptionsWithFilesTakenFromTheStartingFolder)
{
    TempDir dir;
    ScopedChdir inDir(dir.path());
    const char* argv[] = {"zepo", "--set", "hard", "--level", "l2", "--software", "--statdump", "s.txt"};
    CCommandLine options = parseCommandLine(8, const_cast<char**>(argv));
    EXPECT_EQ(options.levelSet, "hard");
    EXPECT_EQ(options.level, "l2");
    EXPECT_TRUE(options.software);
    EXPECT_EQ(options.statDump, dir.path() + "/s.txt");
    EXPECT_TRUE(options.startsAtLevel());
    EXPECT_EQ(options.scale, 0) << "no --scale: chosen from the desktop";

    const char* scaled[] = {"zepo", "--scale", "8", "--software"};
    EXPECT_EQ(parseCommandLine(4, const_cast<char**>(scaled)).scale, 8);
    const char* design[] = {"zepo", "--scale", "1"};
    EXPECT_EQ(parseCommandLine(3, const_cast<char**>(design)).scale, 1);
    const char* openGl[] = {"zepo", "--opengl"};
    const CCommandLine forced = parseCommandLine(2, const_cast<char**>(openGl));
    EXPECT_TRUE(forced.openGl);
    EXPECT_FALSE(forced.software);
    EXPECT_FALSE(options.openGl);
    const char* absolute[] = {"zepo", "--timedemo", "/tmp/a.demo"};
    EXPECT_EQ(parseCommandLine(3, const_cast<char**>(absolute)).timeDemo, "/tmp/a.demo");
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutputWithStatusZero)
{
    TempDir dir;
    const std::string answer = dir.file("stdout.txt");
    const char* help[] = {"zepo", "--set", "easy", "--help"};
    EXPECT_EXIT(
        {
            std::freopen(answer.c_str(), "w", stdout);
            parseCommandLine(4, const_cast<char**>(help));
        },
        ::testing::ExitedWithCode(0), "");
    const std::string usage = readFile(answer);
    EXPECT_EQ(usage.rfind("usage: zepo [--set easy|medium|hard|NAME]", 0), 0u) << usage;
    for (const char* option : {"--level NAME", "--record [FILE]", "--statdump FILE", "ZEPO_DATA_DIR", ".config/zepo"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;

    const char* version[] = {"zepo", "--version", "--fly"};
    EXPECT_EXIT(
        {
            std::freopen(answer.c_str(), "w", stdout);
            parseCommandLine(3, const_cast<char**>(version));
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(std::regex_match(readFile(answer), std::regex("zepo [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << readFile(answer);
}

TEST(CommandLine, ARecordingWithoutAFileGoesToANewFileInThePlayersDemos)
{
    TempDir dir;
    ScopedChdir inDir(dir.path());
    ScopedHome home(dir.path());
    dir.write(".local/share/zepo/demos/demo-0001.demo", "");
    const char* argv[] = {"zepo", "--record", "--set", "easy"};
    testing::internal::CaptureStdout();
    CCommandLine options = parseCommandLine(4, const_cast<char**>(argv));
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(options.record, dir.path() + "/.local/share/zepo/demos/demo-0002.demo");
    EXPECT_EQ(options.levelSet, "easy");
    EXPECT_NE(said.find(options.record), std::string::npos) << said;
    const char* last[] = {"zepo", "--record"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(parseCommandLine(2, const_cast<char**>(last)).record, options.record);
    testing::internal::GetCapturedStdout();
}

TEST(CommandLine, MistakesAreReportedWithStatusTwo)
{
    const char* outside[] = {"zepo", "--set", "../easy"};
    EXPECT_EXIT(parseCommandLine(3, const_cast<char**>(outside)), ::testing::ExitedWithCode(2),
                "\\.\\./easy is not a level set name");
    const char* folder[] = {"zepo", "--check", "easy", "my/set"};
    EXPECT_EXIT(parseCommandLine(4, const_cast<char**>(folder)), ::testing::ExitedWithCode(2),
                "my/set is not a level set name");
    const char* checkAndPlay[] = {"zepo", "--check", "easy", "--level", "l1"};
    EXPECT_EXIT(parseCommandLine(5, const_cast<char**>(checkAndPlay)), ::testing::ExitedWithCode(2),
                "--check takes level set names and nothing else");
    const char* missingValue[] = {"zepo", "--level"};
    EXPECT_EXIT(parseCommandLine(2, const_cast<char**>(missingValue)), ::testing::ExitedWithCode(2),
                "--level needs a value");
    const char* unknownFlag[] = {"zepo", "--fly"};
    EXPECT_EXIT(parseCommandLine(2, const_cast<char**>(unknownFlag)), ::testing::ExitedWithCode(2),
                "unknown argument --fly");
    for (const char* scale : {"0", "9", "2x", ""}) {
        const char* badScale[] = {"zepo", "--scale", scale};
        EXPECT_EXIT(parseCommandLine(3, const_cast<char**>(badScale)), ::testing::ExitedWithCode(2),
                    "--scale needs a whole number from 1 to 8")
            << scale;
    }
    const char* bothPaths[] = {"zepo", "--opengl", "--software"};
    EXPECT_EXIT(parseCommandLine(3, const_cast<char**>(bothPaths)), ::testing::ExitedWithCode(2),
                "--software and --opengl exclude each other");
    const char* twoDemos[] = {"zepo", "--record", "a", "--playdemo", "b"};
    EXPECT_EXIT(parseCommandLine(5, const_cast<char**>(twoDemos)), ::testing::ExitedWithCode(2), "exclude");
}

TEST(CommandLine, ALevelMissingFromAKnownSetIsReportedWithStatusTwo)
{
    const char* argv[] = {"zepo", "--set", "medium", "--level", "l99", "--software"};
    CCommandLine options = parseCommandLine(6, const_cast<char**>(argv));
    EXPECT_EXIT(
        {
            ScopedChdir inGame(ZEPO_GAME_DIR);
            CApplication app(options);
            app.initialise();
            app.shutdown();
        },
        ::testing::ExitedWithCode(2),
        "zepo: level l99 is not in the level set medium \\(data/maps/medium/levellist.xml\\)");
}

TEST(CommandLine, ASetWithoutALevelListIsReportedWithStatusTwo)
{
    const char* argv[] = {"zepo", "--set", "impossible", "--software"};
    CCommandLine options = parseCommandLine(4, const_cast<char**>(argv));
    EXPECT_EXIT(
        {
            ScopedChdir inGame(ZEPO_GAME_DIR);
            CApplication app(options);
            app.initialise();
        },
        ::testing::ExitedWithCode(2), "zepo: no level set impossible \\(no data/maps/impossible/levellist.xml, no .*/maps/impossible/levellist.xml\\)");
}

}
