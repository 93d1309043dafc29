#include <gtest/gtest.h>

#include <string>

#include "app/globals.h"
#include "demo/demo_statdump.h"
#include "support/test_support.h"

namespace {

class StatDump : public ::testing::Test
{
protected:
    ~StatDump() override { globals.resetForNewGame(); }

    // Main-loop passes with a level on screen.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            dump->beginFrame(true);
    }
    std::string lines()
    {
        dump.reset();
        return readFile(path);
    }

    TempDir dir;
    std::string path = dir.file("stats.txt");
    std::unique_ptr<CStatDump> dump = std::make_unique<CStatDump>(path);
    CGlobals& globals = CGlobals::instance();
};

TEST_F(StatDump, OneLinePerVerdictInTheStableFormat)
{
    globals.resetForNewGame();
    dump->levelStarted("easy", "l1");
    frames(1234);
    globals.levelScore = 450;
    globals.totalScore = 450;
    dump->levelEnded(true);
    frames(175);  // the verdict stays on screen; nothing more is written
    dump->levelStarted("easy", "l2");
    frames(10);
    globals.levelScore = 20;
    globals.totalScore = 470;
    globals.lives = 4;
    dump->levelEnded(false);
    dump->finish(true);
    EXPECT_EQ(lines(), "easy l1 frames=1234 level=450 total=450 lives=5 won\n"
                       "easy l2 frames=10 level=20 total=470 lives=4 lost\n");
}

TEST_F(StatDump, ALevelLeftWithoutAVerdictIsUnfinishedWithItsLastValues)
{
    globals.resetForNewGame();
    dump->levelStarted("hard", "l3");
    globals.levelScore = 150;
    frames(40);
    globals.resetForNewGame();  // a restart resets the game before the first level loads again
    dump->levelStarted("hard", "l1");
    frames(5);
    dump->beginFrame(false);  // the gameplay state was left: the level is gone
    dump->beginFrame(false);
    dump->levelStarted("hard", "l1");
    frames(3);
    globals.levelScore = 60;
    dump->finish(true);  // the program ends during the level
    EXPECT_EQ(lines(), "hard l3 frames=40 level=150 total=0 lives=5 unfinished\n"
                       "hard l1 frames=5 level=0 total=0 lives=5 unfinished\n"
                       "hard l1 frames=3 level=60 total=0 lives=5 unfinished\n");
}

TEST_F(StatDump, ALevelReplacedBeforeItsFirstFrameWasNotPlayed)
{
    dump->levelStarted("easy", "l1");  // the command line's warp loads the first level first
    dump->levelStarted("easy", "l6");
    frames(2);
    dump->levelEnded(true);
    dump->levelEnded(true);  // a second verdict for the same level writes nothing
    dump->finish(true);
    EXPECT_EQ(lines(), "easy l6 frames=2 level=0 total=0 lives=5 won\n");
}

TEST(StatDumpDeathTest, AFileThatCannotBeWrittenEndsTheProgram)
{
    TempDir dir;
    EXPECT_EXIT(CStatDump(dir.file("no/such/dir/stats.txt")), ::testing::ExitedWithCode(2),
                "zepo: .*stats.txt: cannot write the statistics: No such file or directory");
}

}
