#include <gtest/gtest.h>

#include <string>

#include "app/clock.h"
#include "app/globals.h"
#include "level/level_definition.h"
#include "support/test_support.h"

namespace {

class LevelDefinitionFile : public ::testing::Test
{
protected:
    LevelDefinitionFile() { globals.maxWind = 30; }
    ~LevelDefinitionFile() override
    {
        delete globals.levelClock;
        globals.levelClock = nullptr;
        globals.timeLimit = 0;
        globals.maxWind = 30;
        globals.wind = 0;
    }
    std::string file(const std::string& body) { return dir.write("l1_defs.xml", body); }
    size_t timerCount() { return CTimerList::instance().all().size(); }

    TempDir dir;
    CGlobals& globals = CGlobals::instance();
    CVirtualClock clock{70000};
    CScopedClock installed{&clock};
    CLevelDefinition level;
};

TEST_F(LevelDefinitionFile, AppliesEveryAttribute)
{
    readLevelDefinition(level, file(R"(<level tiledef="tiles_summer.xml" name="Na louce" score="1500"
        maxWind="12" music="LETO" time="90000"/>)"));
    EXPECT_EQ(level.tileDefFile, "tiles_summer.xml");
    EXPECT_EQ(level.displayName, "Na louce");
    EXPECT_EQ(level.requiredScore, 1500u);
    EXPECT_EQ(level.musicName, "LETO");
    EXPECT_EQ(globals.maxWind, 12);
    EXPECT_EQ(globals.timeLimit, 90000u);
    ASSERT_NE(globals.levelClock, nullptr);
    EXPECT_EQ(globals.levelClock->getPeriod(), 90000u);
    // The clock runs from the moment the level was read, not from its first poll.
    clock.advance(1500);
    EXPECT_EQ(globals.levelClock->elapsed(), 1500u);
    EXPECT_FALSE(globals.levelClock->expired());
    clock.advance(88500);
    EXPECT_TRUE(globals.levelClock->expired());
}

TEST_F(LevelDefinitionFile, LeftOutAttributesTakeTheirDefaults)
{
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" name="Old" score="10" maxWind="17" music="ZIMA"
        time="5000"/>)"));
    size_t timers = timerCount();
    readLevelDefinition(level, file(R"(<level tiledef="b.xml"/>)"));
    EXPECT_EQ(level.tileDefFile, "b.xml");
    EXPECT_EQ(level.displayName, "NO NAME");
    EXPECT_EQ(level.requiredScore, 0u);
    EXPECT_EQ(level.musicName, "");
    EXPECT_EQ(globals.maxWind, 17);  // the wind range of the previous level stays
    EXPECT_EQ(globals.levelClock, nullptr);
    EXPECT_EQ(globals.timeLimit, 0u);
    EXPECT_EQ(timerCount(), timers - 1);  // the old clock is gone, not leaked
}

TEST_F(LevelDefinitionFile, ANewClockReplacesTheOldOne)
{
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" time="5000"/>)"));
    size_t timers = timerCount();
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" time="0"/>)"));
    EXPECT_EQ(timerCount(), timers);
    ASSERT_NE(globals.levelClock, nullptr);
    EXPECT_EQ(globals.levelClock->getPeriod(), 0u);
    EXPECT_TRUE(globals.levelClock->expired());  // a zero limit ends the level at once
}

TEST_F(LevelDefinitionFile, NumbersReadLikeTheCLibraryDoes)
{
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" score="lots" maxWind=" 25 knots" time="2e3"/>)"));
    EXPECT_EQ(level.requiredScore, 0u);
    EXPECT_EQ(globals.maxWind, 25);
    EXPECT_EQ(globals.timeLimit, 2u);
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" score="-500" time="-1"/>)"));
    EXPECT_EQ(level.requiredScore, 0u);  // a negative requirement is no requirement
    EXPECT_EQ(globals.timeLimit, 0u);
}

TEST_F(LevelDefinitionFile, TheNewWindRangeActsAtOnce)
{
    globals.windTimer->restart();
    clock.advance(5000);
    globals.wind = 1.0f;
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" maxWind="0"/>)"));
    EXPECT_EQ(globals.maxWind, 0);  // kept as given: no wind on this level
    EXPECT_EQ(globals.wind, 0.0f);

    clock.advance(5000);
    readLevelDefinition(level, file(R"(<level tiledef="a.xml" maxWind="1"/>)"));
    EXPECT_FLOAT_EQ(globals.wind, -0.05f);  // (rand() mod 1) / 10 - 1 / 20
}

TEST_F(LevelDefinitionFile, DataErrorsEndTheProgramWithTheirMessage)
{
    std::string path = file(R"(<levels tiledef="a.xml"/>)");
    EXPECT_EXIT(readLevelDefinition(level, path), ::testing::ExitedWithCode(255),
                "zepo: .*l1_defs.xml: level tag not found in leveldef!");
    path = file(R"(<level name="No tiles" time="1000"/>)");
    EXPECT_EXIT(readLevelDefinition(level, path), ::testing::ExitedWithCode(255),
                "zepo: .*l1_defs.xml:1: TILEDEF not found near LEVEL tag!");
    std::string missing = dir.file("l2_defs.xml");
    EXPECT_EXIT(readLevelDefinition(level, missing), ::testing::ExitedWithCode(255),
                "zepo: File " + missing + " not found!");
    path = file(R"(<level tiledef="a.xml")");
    EXPECT_EXIT(readLevelDefinition(level, path), ::testing::ExitedWithCode(255), "File .*l1_defs.xml not found!");
}

}
