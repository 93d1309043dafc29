#include <gtest/gtest.h>

#include "bot/difficulty_curve.h"
#include "bot/results_page.h"

namespace {

const char* const summer[] = {"l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10"};
const char* const winter[] = {"l1b", "l2b", "l3b", "l4b", "l5b", "l6b", "l7b", "l8b", "l9b", "l10b"};

CLevelRecord record(const std::string& set, const std::string& level, const std::string& kind, int wins,
                    int plays = 20)
{
    CLevelRecord made{set, level, {}};
    for (int play = 0; play < plays; ++play) {
        CRunResult run;
        run.kind = kind;
        run.required = 1000;
        run.score = play < wins ? 1500 : 400;
        run.ending = play < wins ? EEnding::Won : EEnding::Short;
        made.runs.push_back(run);
    }
    return made;
}

std::string kindOf(const std::string& level)
{
    if (level == "l9")
        return "rescue";
    const bool winterLevel = level.back() == 'b';
    return std::string(winterLevel ? "winter" : "summer") + (level == "l10" || level == "l6b" || level == "l10b" ? ", boss" : "");
}

// A curve a player would recognise, in wins of 20 per level in playing order: each set's summer
// and winter levels falling from the top of its band to the bottom.
const int wins[3][20] = {
    {20, 20, 19, 19, 18, 18, 17, 17, 16, 16, 20, 19, 19, 18, 18, 17, 17, 17, 16, 16},
    {18, 17, 16, 15, 14, 13, 12, 12, 11, 10, 18, 17, 16, 15, 14, 10, 13, 12, 11, 10},
    {14, 13, 12, 11, 10, 9, 8, 7, 6, 4, 14, 13, 12, 10, 8, 4, 9, 7, 5, 4},
};
const char* const sets[] = {"easy", "medium", "hard"};

std::vector<CLevelRecord> curve()
{
    std::vector<CLevelRecord> records;
    for (int set = 0; set < 3; ++set)
        for (int level = 0; level < 20; ++level) {
            const std::string name = level < 10 ? summer[level] : winter[level - 10];
            records.push_back(record(sets[set], name, kindOf(name), wins[set][level]));
        }
    return records;
}

std::vector<CLevelRecord> everyLevelWon()
{
    std::vector<CLevelRecord> records = curve();
    for (CLevelRecord& each : records)
        each = record(each.set, each.level, each.kind(), 4, 5);
    return records;
}

// The faults of the curve with one level's wins changed, read back from a results page.
std::vector<std::string> faultsWith(const std::string& set, const std::string& level, int wonOf20)
{
    std::vector<CLevelRecord> human = curve();
    for (CLevelRecord& each : human)
        if (each.set == set && each.level == level)
            each = record(set, level, each.kind(), wonOf20);
    const std::string page = resultsPage(resultsPage("", EProfile::Default, everyLevelWon()), EProfile::Human, human);
    return curveFaults(sectionRecords(page, EProfile::Human), sectionRecords(page, EProfile::Default));
}

TEST(DifficultyCurve, HoldsForATableOnTheCurve)
{
    const std::string page = resultsPage(resultsPage("", EProfile::Human, curve()), EProfile::Default, everyLevelWon());
    ASSERT_EQ(sectionRecords(page, EProfile::Human).size(), 60u);
    ASSERT_EQ(sectionRecords(page, EProfile::Default).size(), 60u);
    EXPECT_EQ(curveFaults(sectionRecords(page, EProfile::Human), sectionRecords(page, EProfile::Default)),
              std::vector<std::string>());
}

TEST(DifficultyCurve, FailsForALevelOutsideItsSetsBand)
{
    EXPECT_EQ(faultsWith("easy", "l5", 15),
              std::vector<std::string>({"easy l5: won 15 of 20 (75 %), below the easy band's 80 %"}));
    EXPECT_EQ(faultsWith("easy", "l3", 18),
              std::vector<std::string>({"easy l3: won 18 of 20 (90 %), below the easy band's 95 %"}));
    EXPECT_EQ(faultsWith("medium", "l1", 19),
              std::vector<std::string>({"medium l1: won 19 of 20 (95 %), above the medium band's 90 %"}));
    EXPECT_EQ(faultsWith("medium", "l10b", 9),
              std::vector<std::string>({"medium l10b: won 9 of 20 (45 %), below the medium band's 50 %"}));
    EXPECT_EQ(faultsWith("hard", "l10b", 3),
              std::vector<std::string>({"hard l10b: won 3 of 20 (15 %), below the hard band's 20 %"}));
    EXPECT_EQ(faultsWith("hard", "l1", 15),
              std::vector<std::string>({"hard l1: won 15 of 20 (75 %), above the hard band's 70 %"}));
}

TEST(DifficultyCurve, FailsForALevelMuchEasierThanTheOneBeforeItUnlessABossOrTheRescueCameFirst)
{
    // Medium l6 after l5 at 14 of 20: 18 of 20 is 20 points easier than l5, 17 of 20 just 15.
    EXPECT_EQ(faultsWith("medium", "l6", 18),
              std::vector<std::string>({"medium l6: won 18 of 20 (90 %), more than 15 points easier than l5 (70 %)"}));
    EXPECT_EQ(faultsWith("medium", "l6", 17), std::vector<std::string>());
    // After the winter boss (l6b, 10 of 20) and after the rescue (l9, 11 of 20).
    EXPECT_EQ(faultsWith("medium", "l7b", 17), std::vector<std::string>());
    EXPECT_EQ(faultsWith("medium", "l10", 17), std::vector<std::string>());
    // The winter levels are measured against winter ones only: l1b may be far easier than l10.
    EXPECT_EQ(faultsWith("hard", "l10", 5), std::vector<std::string>());
}

TEST(DifficultyCurve, FailsForTooFewPlaysAMissingSetOrALevelTheDefaultProfileNeverWins)
{
    std::vector<CLevelRecord> human = curve(), perfect = everyLevelWon();
    human[0] = record("easy", "l1", "summer", 5, 5);
    perfect[55] = record(perfect[55].set, perfect[55].level, perfect[55].kind(), 0, 5);
    human.erase(human.begin() + 20, human.begin() + 40);
    EXPECT_EQ(curveFaults(human, perfect),
              std::vector<std::string>({"easy l1: played 5 times, the curve is measured on 20",
                                        "medium: not played with the human profile",
                                        "hard l6b: never won by the default profile in 5 plays"}));
}

TEST(ResultsPage, KeepsTheOtherProfileAndTheLevelsNotPlayedAgain)
{
    const std::string first = resultsPage("", EProfile::Human, {record("easy", "l1", "summer", 3, 5),
                                                                record("easy", "l2", "summer", 4, 5)});
    EXPECT_NE(first.find("## Default profile"), std::string::npos);
    EXPECT_TRUE(sectionRecords(first, EProfile::Default).empty());
    const std::string both = resultsPage(first, EProfile::Default, {record("hard", "l1", "summer", 5, 5)});
    const std::string again = resultsPage(both, EProfile::Human, {record("easy", "l2", "summer", 17, 20),
                                                                  record("medium", "l1", "summer", 11, 20)});
    const std::vector<CLevelRecord> human = sectionRecords(again, EProfile::Human);
    ASSERT_EQ(human.size(), 3u);
    EXPECT_EQ(human[0].level + " " + std::to_string(human[0].wins()), "l1 3");
    EXPECT_EQ(human[1].level + " " + std::to_string(human[1].wins()) + "/" + std::to_string(human[1].runs.size()),
              "l2 17/20");
    EXPECT_EQ(human[2].set, "medium");
    const std::vector<CLevelRecord> perfect = sectionRecords(again, EProfile::Default);
    ASSERT_EQ(perfect.size(), 1u);
    EXPECT_EQ(perfect[0].set + " " + perfect[0].level, "hard l1");
    EXPECT_EQ(resultsPage(again, EProfile::Human, {}), again);
}

}
