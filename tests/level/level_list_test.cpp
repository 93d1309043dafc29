#include <gtest/gtest.h>

#include <string>

#include "level/level_list.h"
#include "support/test_support.h"

namespace {

class LevelListFile : public ::testing::Test
{
protected:
    std::string file(const std::string& body) { return dir.write("levellist.xml", body); }
    TempDir dir;
};

TEST_F(LevelListFile, ListsTheTopLevelLevelsInDocumentOrder)
{
    std::unique_ptr<CLevelList> list = readLevelList(file(R"(<?xml version="1.0"?>
        <level name="l1"/>
        <!-- the summer levels first -->
        <other name="x"/>
        <level name="l10" extra="ignored"/>
        <level name="l2"><level name="nested"/></level>
        <level name="l1"/>)"));
    ASSERT_EQ(list->count(), 4u);
    EXPECT_EQ(list->name(0), "l1");
    EXPECT_EQ(list->name(1), "l10");
    EXPECT_EQ(list->name(2), "l2");
    EXPECT_EQ(list->name(3), "l1");
    EXPECT_EQ(list->indexOf("l1"), 0);  // the first of two equal names
    EXPECT_EQ(list->indexOf("l2"), 2);
    EXPECT_EQ(list->indexOf("nested"), -1);
    EXPECT_EQ(list->indexOf("L1"), -1);
    EXPECT_EQ(list->indexOf(""), -1);
}

TEST_F(LevelListFile, ALevelListRootHoldsTheLevelsToo)
{
    auto list = readLevelList(file("<?xml version=\"1.0\"?>\n<levelList>\n  <level name=\"l2\"/>\n  <level name=\"l1\"/>\n"
                                   "</levelList>\n"));
    ASSERT_EQ(list->count(), 2u);
    EXPECT_EQ(list->name(0), "l2");
    EXPECT_EQ(list->name(1), "l1");
}

TEST_F(LevelListFile, DataErrorsEndTheProgramWithTheirMessage)
{
    std::string path = file(R"(<level name="l1"/><level/>)");
    EXPECT_EXIT(readLevelList(path), ::testing::ExitedWithCode(255),
                "zepo: .*levellist.xml:1: NAME not found near LEVEL tag!");
    // A wrapped list has no top-level level at all.
    path = file(R"(<levels><level name="l1"/></levels>)");
    EXPECT_EXIT(readLevelList(path), ::testing::ExitedWithCode(255),
                "zepo: .*levellist.xml: No level found in level list!");
    std::string missing = dir.file("medium/levellist.xml");
    EXPECT_EXIT(readLevelList(missing), ::testing::ExitedWithCode(255), "zepo: File " + missing + " not found!");
    path = file(R"(<level name="l1">)");
    EXPECT_EXIT(readLevelList(path), ::testing::ExitedWithCode(255), "File .*levellist.xml not found!");
}

}
