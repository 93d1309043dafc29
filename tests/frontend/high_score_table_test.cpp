#include <gtest/gtest.h>

#include <string>

#include "frontend/high_score_table.h"
#include "options/option_file.h"
#include "support/test_support.h"

namespace {

std::string littleEndian(Uint32 value)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

std::string record(const std::string& name, Uint32 score)
{
    std::string field = name;
    field.resize(52, '\0');
    return field + littleEndian(score);
}

CHighScoreTable tableOf(std::initializer_list<Uint32> scores)
{
    CHighScoreTable table;
    int n = 0;
    for (Uint32 score : scores)
        table.insert("p" + std::to_string(n++), score);
    return table;
}

TEST(HighScoreTable, AFullTableTakesOnlyAScoreAboveItsLowest)
{
    CHighScoreTable full = tableOf({900, 800, 700, 600, 1000, 550, 520, 510, 505, 500});
    ASSERT_EQ(full.count(), 10u);
    EXPECT_FALSE(full.qualifies(500));
    EXPECT_FALSE(full.qualifies(0));
    EXPECT_TRUE(full.qualifies(501));

    CHighScoreTable nine = tableOf({900, 800, 700, 600, 1000, 550, 520, 510, 505});
    EXPECT_TRUE(nine.qualifies(0));
}

TEST(HighScoreTable, InsertKeepsTheTableSortedAndTenLong)
{
    CHighScoreTable table = tableOf({300, 100, 200});
    EXPECT_EQ(table.entry(0).score, 300u);
    EXPECT_EQ(table.entry(1).score, 200u);
    EXPECT_EQ(table.entry(2).score, 100u);

    for (Uint32 score = 1000; score < 1008; ++score)
        table.insert("x", score);
    ASSERT_EQ(table.count(), 10u);
    EXPECT_EQ(table.entry(0).score, 1007u);
    EXPECT_EQ(table.entry(9).score, 200u);  // 100 fell off the end

    const unsigned before = table.revision();
    table.insert("", 5000);
    EXPECT_NE(table.revision(), before);
    EXPECT_EQ(table.entry(0).name, "");  // an empty name is a name like any other
    EXPECT_EQ(table.entry(9).score, 300u);
}

TEST(HighScoreTable, SavedRecordsLoadBackInOrderWithTheExactBytes)
{
    TempDir dir;
    CHighScoreTable table = tableOf({1234567, 999, 42});
    ASSERT_TRUE(table.save(dir.file("top10.bin")));
    EXPECT_EQ(readFile(dir.file("top10.bin")),
              littleEndian(3) + record("p0", 1234567) + record("p1", 999) + record("p2", 42));
    EXPECT_FALSE(fileExists(dir.file("top10.bin.tmp")));

    CHighScoreTable loaded;
    loaded.load(dir.file("top10.bin"));
    ASSERT_EQ(loaded.count(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.entry(i).name, table.entry(i).name);
        EXPECT_EQ(loaded.entry(i).score, table.entry(i).score);
    }
}

TEST(HighScoreTable, FilesThatEndEarlyYieldTheirCompleteRecords)
{
    TempDir dir;
    LogCapture log;
    CHighScoreTable table = tableOf({7});

    dir.write("zero.bin", littleEndian(0));
    table.load(dir.file("zero.bin"));
    EXPECT_EQ(table.count(), 0u);

    const std::string three = littleEndian(3) + record("ana", 30) + record("bob", 20) + record("cyril", 10);
    dir.write("cut.bin", three.substr(0, three.size() - 1));
    table.load(dir.file("cut.bin"));
    ASSERT_EQ(table.count(), 2u);
    EXPECT_EQ(table.entry(1).name, "bob");
    EXPECT_TRUE(log.contains(dir.file("cut.bin") +
                             ": the file holds 2 complete records of the 3 it announces; the rest is ignored"));

    // A count of four thousand million over one record: one record, nothing read or made beyond.
    dir.write("huge.bin", littleEndian(0xFFFFFFFFu) + record("solo", 77) + "xyz");
    table.load(dir.file("huge.bin"));
    ASSERT_EQ(table.count(), 1u);
    EXPECT_EQ(table.entry(0).name, "solo");
    EXPECT_EQ(table.entry(0).score, 77u);

    dir.write("short.bin", std::string("\x02\x00", 2));
    table.load(dir.file("short.bin"));
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(readFile(dir.file("short.bin")), std::string("\x02\x00", 2));  // never rewritten by loading
}

TEST(HighScoreTable, ANameFieldWithoutItsEndIsCutAt51Characters)
{
    TempDir dir;
    std::string field(52, 'Q');
    dir.write("top10.bin", littleEndian(1) + field + littleEndian(9));
    CHighScoreTable table;
    table.load(dir.file("top10.bin"));
    ASSERT_EQ(table.count(), 1u);
    EXPECT_EQ(table.entry(0).name, std::string(51, 'Q'));
    EXPECT_EQ(table.entry(0).score, 9u);

    ASSERT_TRUE(table.save(dir.file("again.bin")));
    EXPECT_EQ(readFile(dir.file("again.bin")), littleEndian(1) + std::string(51, 'Q') + '\0' + littleEndian(9));
}

TEST(HighScoreTable, AMissingFileIsCreatedEmpty)
{
    TempDir dir;
    CHighScoreTable table = tableOf({5});
    table.load(dir.file("top10.bin"));
    EXPECT_EQ(table.count(), 0u);
    ASSERT_TRUE(fileExists(dir.file("top10.bin")));
    EXPECT_EQ(readFile(dir.file("top10.bin")), "");
    table.load(dir.file("top10.bin"));  // the empty file it made reads as an empty table
    EXPECT_EQ(table.count(), 0u);

    keepPlayerFiles(true);  // a replayed game makes none
    table.load(dir.file("other.bin"));
    keepPlayerFiles(false);
    EXPECT_FALSE(fileExists(dir.file("other.bin")));
}

TEST(HighScoreTable, AFileThatCannotBeWrittenIsReported)
{
    TempDir dir;
    LogCapture log;
    CHighScoreTable table = tableOf({5});
    dir.write("a-file", "");
    EXPECT_FALSE(table.save(dir.file("a-file/top10.bin")));
    EXPECT_TRUE(log.contains(dir.file("a-file/top10.bin") + ": cannot write the high scores"));
}

}
