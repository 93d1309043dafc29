#include <gtest/gtest.h>

#include "frontend/score_format.h"
#include "frontend/text_entry.h"

namespace {

TEST(ScoreFormat, GroupsDigitsInThreesFromTheRight)
{
    EXPECT_EQ(formatScore(0), "0");
    EXPECT_EQ(formatScore(999), "999");
    EXPECT_EQ(formatScore(1000), "1,000");
    EXPECT_EQ(formatScore(100000), "100,000");
    EXPECT_EQ(formatScore(1234567), "1,234,567");
    EXPECT_EQ(formatScore(4294967295LL), "4,294,967,295");
    EXPECT_EQ(formatScore(-1234), "-1,234");
    EXPECT_EQ(formatScore(-12), "-12");
}

TEST(TypedText, KeepsAtMostItsLengthAndBackspaceWorksAtTheLimit)
{
    std::string name;
    for (Uint16 c : {'a', 'b', 'c', 'd', 'e', 'f'})
        editTypedText(name, c, 5);
    EXPECT_EQ(name, "abcde");
    editTypedText(name, backspaceCode, 5);
    EXPECT_EQ(name, "abcd");
    editTypedText(name, 'Z', 5);
    EXPECT_EQ(name, "abcdZ");
}

TEST(TypedText, OnlyPrintableAsciiIsTyped)
{
    std::string text;
    editTypedText(text, backspaceCode, 8);  // nothing to remove
    for (Uint16 c : {Uint16(0), Uint16(27), returnCode, Uint16(9), Uint16(128), Uint16(0x159)})
        editTypedText(text, c, 8);
    EXPECT_EQ(text, "");
    editTypedText(text, ' ', 8);
    editTypedText(text, '~', 8);
    editTypedText(text, 127, 8);
    EXPECT_EQ(text, " ~\x7f");
}

}
