#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "app/clock.h"
#include "app/fatal.h"
#include "app/globals.h"

namespace {

class GlobalsTest : public ::testing::Test
{
protected:
    GlobalsTest()
    {
        globals.resetForNewGame();
        globals.setDifficulty(0);
        globals.maxWind = 30;
    }
    ~GlobalsTest() override
    {
        globals.setDifficulty(0);
        globals.maxWind = 30;
        globals.resetForNewGame();
    }
    CGlobals& globals = CGlobals::instance();
    CVirtualClock clock{5000};
    CScopedClock installed{&clock};
};

TEST_F(GlobalsTest, DifficultySelectsFactorAndLevelSet)
{
    globals.setDifficulty(2);
    EXPECT_EQ(globals.levelSet, "hard");
    EXPECT_FLOAT_EQ(globals.difficultyFactor, 1.0f);
    globals.setDifficulty(1);
    EXPECT_EQ(globals.levelSet, "medium");
    EXPECT_FLOAT_EQ(globals.difficultyFactor, 1.3f);
    globals.setDifficulty(7);  // only the index changes
    EXPECT_EQ(globals.difficulty, 7u);
    EXPECT_EQ(globals.levelSet, "medium");
    EXPECT_FLOAT_EQ(globals.difficultyFactor, 1.3f);
}

TEST_F(GlobalsTest, LevelResetKeepsLivesTotalAndBirdSpeed)
{
    globals.lives = 2;
    globals.totalScore = 12345;
    globals.birdSpeed = 1.3f;
    globals.ammo = 3;
    globals.levelScore = 900;
    globals.gameSpeed = 2.0f;
    globals.levelOver = true;
    globals.levelWon = false;
    globals.dropsPerShot = 3;
    globals.resetForLevel();
    EXPECT_EQ(globals.lives, 2u);
    EXPECT_EQ(globals.totalScore, 12345u);
    EXPECT_FLOAT_EQ(globals.birdSpeed, 1.3f);
    EXPECT_EQ(globals.dropsPerShot, 3);
    EXPECT_EQ(globals.ammo, 20u);
    EXPECT_EQ(globals.levelScore, 0u);
    EXPECT_FLOAT_EQ(globals.gameSpeed, 1.0f);
    EXPECT_FALSE(globals.levelOver);
    EXPECT_TRUE(globals.levelWon);

    globals.resetForNewGame();
    EXPECT_EQ(globals.lives, 5u);
    EXPECT_EQ(globals.totalScore, 0u);
    EXPECT_FLOAT_EQ(globals.birdSpeed, 1.0f);
    EXPECT_EQ(globals.dropsPerShot, 1);
}

TEST_F(GlobalsTest, NewGameKeepsDifficultyHintsAndWindRange)
{
    globals.setDifficulty(2);
    globals.hints = false;
    globals.maxWind = 44;
    globals.resetForNewGame();
    globals.resetForLevel();
    EXPECT_EQ(globals.levelSet, "hard");
    EXPECT_FALSE(globals.hints);
    EXPECT_EQ(globals.maxWind, 44);
    globals.hints = true;
}

TEST_F(GlobalsTest, WindTakesTheThirtyValuesOfItsRange)
{
    std::srand(7);
    globals.windTimer->expired();
    std::set<int> tenths;
    for (int i = 0; i < 3000; ++i) {
        clock.advance(5000);
        globals.stepWind();
        float tenthsValue = globals.wind * 10;
        EXPECT_NEAR(tenthsValue, std::round(tenthsValue), 1e-3);
        tenths.insert(static_cast<int>(std::lround(tenthsValue)));
    }
    EXPECT_EQ(tenths.size(), 30u);
    EXPECT_EQ(*tenths.begin(), -15);
    EXPECT_EQ(*tenths.rbegin(), 14);
}

TEST_F(GlobalsTest, WindChangesOnlyWhenItsTimerExpires)
{
    std::srand(3);
    globals.windTimer->restart();
    globals.wind = 0.7f;
    clock.advance(4999);
    globals.stepWind();
    EXPECT_FLOAT_EQ(globals.wind, 0.7f);
}

TEST_F(GlobalsTest, NoWindRangeMeansNoWind)
{
    globals.maxWind = 0;
    globals.wind = 1.0f;
    globals.windTimer->restart();
    clock.advance(5000);
    globals.stepWind();  // must not divide by zero
    EXPECT_EQ(globals.wind, 0.0f);
}

TEST(Fatal, ReportsOnStandardErrorWithTheStatus)
{
    EXPECT_EXIT(fatalError("File data/x.xml not found!"), ::testing::ExitedWithCode(255),
                "zepo: File data/x.xml not found!");
    EXPECT_EXIT(fatalErrorIn("data/maps/easy/l1_map.xml", "X not found near TILE tag!"),
                ::testing::ExitedWithCode(255), "zepo: data/maps/easy/l1_map.xml: X not found near TILE tag!");
    EXPECT_EXIT(fatalErrorAt("data/maps/easy/l1_map.xml", 12, "X not found near TILE tag!"),
                ::testing::ExitedWithCode(255), "zepo: data/maps/easy/l1_map.xml:12: X not found near TILE tag!");
}

TEST(Fatal, WhileCaughtAnErrorIsThrownWithItsPlaceAndTheProgramGoesOn)
{
    {
        CFatalErrorsThrow outer;
        {
            CFatalErrorsThrow inner;
            try {
                fatalErrorAt("data/maps/easy/l1_map.xml", 12, "X not found near TILE tag!");
                FAIL() << "no error thrown";
            } catch (const CFatalError& error) {
                EXPECT_EQ(error.file(), "data/maps/easy/l1_map.xml");
                EXPECT_EQ(error.line(), 12);
                EXPECT_EQ(error.message(), "X not found near TILE tag!");
                EXPECT_STREQ(error.what(), "data/maps/easy/l1_map.xml:12: X not found near TILE tag!");
            }
        }
        // Still caught by the outer one, a state error too.
        EXPECT_THROW(fatalError("Chyba: Stav NIKDE nenalezen!", 0), CFatalError);
    }
    EXPECT_EXIT(fatalError("Chyba: Stav NIKDE nenalezen!", 0), ::testing::ExitedWithCode(0), "Stav NIKDE");
}

TEST(Fatal, AThrowScopeTurnsTheEndIntoAnExceptionUntilTheLastScopeCloses)
{
    {
        CFatalErrorsThrow outer;
        try {
            fatalErrorIn("data/maps/easy/l1_map.xml", "X not found near TILE tag!");
            FAIL() << "no exception";
        } catch (const CFatalError& error) {
            EXPECT_EQ(error.file(), "data/maps/easy/l1_map.xml");
            EXPECT_EQ(error.message(), "X not found near TILE tag!");
            EXPECT_STREQ(error.what(), "data/maps/easy/l1_map.xml: X not found near TILE tag!");
            EXPECT_EQ(error.status(), -1);
        }
        {
            CFatalErrorsThrow inner;
            EXPECT_THROW(fatalError("Chyba: Stav NIKDE nenalezen!", 0), CFatalError);
        }
        try {
            fatalErrorNote("Cannot open audio device", "no sound card", 3);
            FAIL() << "no exception after the inner scope closed";
        } catch (const CFatalError& error) {
            EXPECT_EQ(error.file(), "");
            EXPECT_EQ(error.message(), "Cannot open audio device");
            EXPECT_STREQ(error.what(), "Cannot open audio device (no sound card)");
            EXPECT_EQ(error.status(), 3);
        }
    }
    EXPECT_FALSE(CFatalErrorsThrow::active());
    EXPECT_EXIT(fatalError("File data/x.xml not found!"), ::testing::ExitedWithCode(255),
                "zepo: File data/x.xml not found!");
}

}

#include <tinyxml.h>

#include "app/xml_file.h"
#include "support/test_support.h"

namespace {

TEST(XmlFile, ABrokenFileIsReportedWithTheParsersReason)
{
    TempDir dir;
    std::string broken = dir.write("broken.xml", "<level name=\"l1\">\n  <tile id=\"1\"\n</level>");
    TiXmlDocument document;
    EXPECT_EXIT(loadXmlFile(document, broken), ::testing::ExitedWithCode(255),
                "zepo: File .*broken.xml not found! \\(.* at line [0-9]+, column [0-9]+\\)");
    std::string missing = dir.file("missing.xml");
    EXPECT_EXIT(loadXmlFile(document, missing), ::testing::ExitedWithCode(255), "File .*missing.xml not found!");
}

// A file that ends inside a multi-byte character is refused like any malformed one, and the
// parser stops within the text (TinyXML stepped over the end of its own buffer and read on).
TEST(XmlFile, AFileEndingInsideACharacterIsRefusedWithinItsBytes)
{
    TempDir dir;
    CFatalErrorsThrow refusals;
    for (const char* tail : {"\xd2", "\xe2\x82", "\xf0\x9f\x98"}) {
        TiXmlDocument document;
        const std::string path = dir.write(
            "cut.xml", std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tiles>\n  <tileSprite name=\"gr") + tail);
        EXPECT_THROW(loadXmlFile(document, path), CFatalError) << tail;
    }
    TiXmlDocument windows;
    loadXmlFile(windows, dir.write("crlf.xml", "<level name=\"l1\">\r\n<tile id=\"1\"/>\r</level>\r\n"));
    ASSERT_NE(windows.FirstChildElement("level"), nullptr);
    EXPECT_STREQ(windows.FirstChildElement("level")->Attribute("name"), "l1");
    EXPECT_NE(windows.FirstChildElement("level")->FirstChildElement("tile"), nullptr);
}

TEST(XmlFile, WhileCaughtABrokenFileIsAnErrorAtTheParsersLine)
{
    TempDir dir;
    std::string broken = dir.write("broken.xml", "<level name=\"l1\">\n  <tile id=\"1\"\n</level>");
    TiXmlDocument document;
    CFatalErrorsThrow caught;
    try {
        loadXmlFile(document, broken);
        FAIL() << "no error thrown";
    } catch (const CFatalError& error) {
        EXPECT_EQ(error.file(), broken);
        EXPECT_EQ(error.line(), 3);
        EXPECT_EQ(error.message().rfind("not well-formed XML: ", 0), 0u) << error.message();
    }
    try {
        TiXmlDocument fresh;
        loadXmlFile(fresh, dir.file("missing.xml"));
        FAIL() << "no error thrown";
    } catch (const CFatalError& error) {
        EXPECT_EQ(error.line(), 0);
        EXPECT_EQ(error.message().rfind("the file cannot be read: ", 0), 0u) << error.message();
    }
}

}
