#include <gtest/gtest.h>

#include <string>

#include "level/hint_file.h"
#include "support/test_support.h"

namespace {

TEST(HintFile, KeepsEveryLineWithItsLineEnd)
{
    TempDir dir;
    const std::string text = "Shoot the people below.|\nMind the wind!\r\nlast line without an end";
    EXPECT_EQ(readHint(dir.write("l1_hint.xml", text)), text);
    const std::string threeLines = "one\ntwo\nthree\n";
    EXPECT_EQ(readHint(dir.write("l2_hint.xml", threeLines)), threeLines);
    const std::string longLine = std::string(5000, 'x') + "\nend\n";
    EXPECT_EQ(readHint(dir.write("l3_hint.xml", longLine)), longLine);
    EXPECT_EQ(readHint(dir.write("l4_hint.xml", "")), "");
}

TEST(HintFile, AFileThatCannotBeOpenedGivesNoHint)
{
    TempDir dir;
    EXPECT_EQ(readHint(dir.file("l1_hint.xml")), "");
    EXPECT_EQ(readHint(dir.path()), "");
    EXPECT_EQ(readHint(makeOversized(dir.write("big_hint.xml", "Leť!\n"))), "");
}

}
