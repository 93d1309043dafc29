// Once a level is over, the people and both bosses now and then grumble when the player won and
// laugh when the player lost, never the other way round.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "level_fixture.h"
#include "support/level_files.h"

namespace {

class LevelOverVoices : public LevelTest
{
protected:
    // Plays 40 s of a finished level holding only the actor and counts what it said.
    std::map<std::string, int> voicesOf(const std::string& actor, bool won)
    {
        writeLevelFiles(dir, "l1", R"(score="300")");
        dir.write("data/maps/easy/l1_entities.xml",
                  "<mapEntities><entity name=\"" + actor + "\" x=\"300\" y=\"300\"/></mapEntities>");
        play("l1");
        std::srand(7);
        globals.levelOver = true;
        globals.levelWon = won;
        heard();
        std::map<std::string, int> said;
        for (int i = 0; i < 2000; ++i) {
            frame();
            for (const std::string& name : heard())
                ++said[name];
        }
        return said;
    }
};

TEST_F(LevelOverVoices, PeopleAndBossesGrumbleOverAWonLevelAndLaughOverALostOne)
{
    for (const char* actor : {"CLOVEK1", "WINTERCLOVEK1", "BOSS1", "BOSS2"}) {
        SCOPED_TRACE(actor);
        const std::map<std::string, int> won = voicesOf(actor, true);
        EXPECT_EQ(won.size(), 1u);
        EXPECT_GT(won.count("NADAVANI2") ? won.at("NADAVANI2") : 0, 0);
        const std::map<std::string, int> lost = voicesOf(actor, false);
        EXPECT_EQ(lost.size(), 1u);
        EXPECT_GT(lost.count("SMICH") ? lost.at("SMICH") : 0, 0);
    }
}

}
