#include <gtest/gtest.h>

#include <sys/stat.h>

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
    EXPECT_EQ(log.countPrefix(dir.file("a-file/top10.bin") + ": cannot be saved ("), 1);
    EXPECT_EQ(table.file().saveNote(), "top10.bin nelze ulozit: chyba zapisu");
}

TEST(HighScoreTable, MoreThanTenRecordsAreReadAsTheBestTenAndSavedAsTen)
{
    TempDir dir;
    const Uint32 scores[] = {50, 900, 10, 700, 300, 1000, 20, 800, 400, 600, 500};
    std::string bytes = littleEndian(11);
    for (Uint32 score : scores)
        bytes += record("s" + std::to_string(score), score);
    const std::string path = dir.write("top10.bin", bytes);
    CHighScoreTable table;
    table.load(path);
    ASSERT_EQ(table.count(), 10u);
    EXPECT_EQ(table.entry(0).score, 1000u);
    EXPECT_EQ(table.entry(0).name, "s1000");
    EXPECT_EQ(table.entry(9).score, 20u);  // 10 is the one left out
    EXPECT_EQ(table.file().state(), CPlayerFile::EState::Read);

    ASSERT_TRUE(table.save(path));
    const std::string saved = readFile(path);
    ASSERT_EQ(saved.size(), 4 + 10 * 56u);
    EXPECT_EQ(saved.substr(0, 4), littleEndian(10));
    EXPECT_EQ(saved.substr(4, 56), record("s1000", 1000));
}

// 4 KiB of bytes from a fixed generator: a count and "records" no player ever made.
std::string junkBytes()
{
    std::string bytes;
    Uint32 state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 16);
    }
    return bytes;
}

TEST(HighScoreTable, JunkIsADamagedFileThatTheNextSaveSetsAside)
{
    TempDir dir;
    const std::string path = dir.write("top10.bin", junkBytes());
    CHighScoreTable table;
    table.load(path);
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.file().state(), CPlayerFile::EState::Damaged);
    EXPECT_EQ(table.file().readNote(), "top10.bin je poskozeny: plati vychozi hodnoty");
    EXPECT_EQ(readFile(path), junkBytes());

    table.insert("eva", 300);
    ASSERT_TRUE(table.save(path));
    EXPECT_EQ(readFile(path + ".damaged"), junkBytes());
    EXPECT_EQ(readFile(path), littleEndian(1) + record("eva", 300));

    // Twenty thousand good records are more than a table file holds: damaged too, not read.
    std::string many = littleEndian(20000);
    for (int i = 0; i < 20000; ++i)
        many += record("x", static_cast<Uint32>(i));
    dir.write("many.bin", many);
    table.load(dir.file("many.bin"));
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.file().state(), CPlayerFile::EState::Damaged);
}

TEST(HighScoreTable, AnUnreadableTableIsNeverWrittenOver)
{
    TempDir dir;
    const std::string three = littleEndian(3) + record("ana", 30) + record("bob", 20) + record("cyril", 10);
    const std::string path = dir.write("top10.bin", three);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    CHighScoreTable table;
    {
        AsAnotherUser nobody;
        table.load(path);
    }
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.file().readNote(), "top10.bin nelze precist: plati vychozi hodnoty");
    table.insert("dan", 5);
    EXPECT_FALSE(table.save(path));
    EXPECT_EQ(table.file().saveNote(), "top10.bin nelze ulozit: nelze ho precist");
    EXPECT_EQ(readFile(path), three);
}

}
