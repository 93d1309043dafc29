#include <gtest/gtest.h>

#include "bot/bot_report.h"

namespace {

CRunResult run(Uint32 score, EEnding ending, Uint32 required = 600, Uint32 nearMisses = 0)
{
    CRunResult result;
    result.required = required;
    result.score = score;
    result.nearMisses = nearMisses;
    result.ending = ending;
    return result;
}

CRunResult fell(const std::string& hitBy)
{
    CRunResult result = run(300, EEnding::Fell);
    result.hitBy = hitBy;
    return result;
}

TEST(BotReport, SummarisesTheRunsOfALevel)
{
    CLevelRecord record{"easy", "l1",
                        {run(900, EEnding::Won, 600, 450), run(300, EEnding::Short), fell("KAMEN"),
                         run(750, EEnding::Won, 600, 150)}};
    for (CRunResult& played : record.runs)
        played.kind = "summer";
    EXPECT_EQ(record.required(), 600u);
    EXPECT_EQ(record.best(), 900u);
    EXPECT_EQ(record.median(), 300u);  // the lower middle of 300, 300, 750, 900
    EXPECT_EQ(record.wins(), 2);
    EXPECT_EQ(record.livesLost(), 2);
    EXPECT_EQ(record.nearMissShare(), 26);  // 600 of 2250
    EXPECT_EQ(record.note(), "brought down by KAMEN");
    const std::string table = resultsTable({record});
    EXPECT_EQ(table, "| Set | Level | Kind | Required | Best | Median | Near misses | Won | Lives lost | Note |\n"
                     "|---|---|---|---:|---:|---:|---:|---:|---|---|\n"
                     "| easy | l1 | summer | 600 | 900 | 300 | 26 % | 2/4 | 2 (1 hit, 1 time) | brought down by KAMEN |\n");

    // Read back, the table tells the kind, the required score and the plays won.
    const std::vector<CLevelRecord> read = readResultsTable("Some words | not a row\n" + table);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].set, "easy");
    EXPECT_EQ(read[0].level, "l1");
    EXPECT_EQ(read[0].kind(), "summer");
    EXPECT_EQ(read[0].required(), 600u);
    EXPECT_EQ(read[0].wins(), 2);
    EXPECT_EQ(read[0].runs.size(), 4u);
}

TEST(BotReport, NotesWhatTheDesignersShouldLookAt)
{
    EXPECT_EQ((CLevelRecord{"easy", "l8", {fell("SUP"), fell("KAMEN"), fell("SUP")}}.note()),
              "never won; brought down by KAMEN, SUP x2");
    EXPECT_EQ((CLevelRecord{"easy", "l2", {run(450, EEnding::Short), fell("GOLDENSUP+KOULE")}}.note()),
              "never won: best score 450 of 600 needed; brought down by GOLDENSUP+KOULE");
    EXPECT_EQ((CLevelRecord{"medium", "l4", {run(2000, EEnding::Broke, 3000)}}.note()),
              "never won: eggs broke or fainted birds overheated");
    EXPECT_EQ((CLevelRecord{"hard", "l3", {run(950, EEnding::Won), run(900, EEnding::Won)}}.note()),
              "won every time on hard, with at least 900: too easy?");
    EXPECT_EQ((CLevelRecord{"medium", "l3", {run(950, EEnding::Won), run(900, EEnding::Won)}}.note()), "");
    EXPECT_EQ((CLevelRecord{"hard", "l9", {run(0, EEnding::Won, 0)}}.note()), "");
    EXPECT_EQ((CLevelRecord{"easy", "l5", {run(100, EEnding::Unfinished)}}.note()),
              "did not end within its time and a minute more; never won");
}

}
