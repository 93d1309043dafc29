#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "app/globals.h"
#include "bot/bird_pilot.h"
#include "bot/delayed_sight.h"
#include "bot/human_profile.h"
#include "bot/pilot_harness.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

const int runs = 40;

bool fell(const CMapEntity& bird)
{
    return bird.getSprite()->currentFramesetName() == "FALL";
}

bool alive(const CTestLevel& level, const CMapEntity* entity)
{
    for (const auto& each : level.collection.all())
        if (each.get() == entity)
            return true;
    return false;
}

std::unique_ptr<CBirdPilot> pilot(bool human, unsigned seed, float cruise = CBirdPilot::cruiseY)
{
    return std::make_unique<CBirdPilot>(human ? std::make_unique<CHumanProfile>(seed) : nullptr, cruise);
}

// A stone thrown up at the bird from somewhere below it, a little to the side: how many of the
// runs end with the bird brought down.
int birdsFelledByAStone(bool human)
{
    int felled = 0;
    for (unsigned seed = 1; seed <= runs; ++seed) {
        std::mt19937 place(seed);
        CTestLevel level;
        std::srand(seed);
        CMapEntity* bird = level.place("PLAYER", 300, CBirdPilot::cruiseY);
        level.frame();
        const float across = static_cast<float>(place() % 13) - 6, below = 40 + static_cast<float>(place() % 61);
        level.place("KAMEN", 300 + across, CBirdPilot::cruiseY + below);
        CBotKeyboard keyboard;
        std::unique_ptr<CBirdPilot> flying = pilot(human, seed);
        letFly(level, *flying, keyboard, 150);
        felled += fell(*bird);
    }
    return felled;
}

TEST(HumanProfile, IsHitByAStoneThatTheDefaultProfileDodges)
{
    const int byDefault = birdsFelledByAStone(false), byHuman = birdsFelledByAStone(true);
    EXPECT_LE(byDefault, 2) << "of " << runs;
    EXPECT_GE(byHuman, byDefault + runs / 4) << "of " << runs << "; the default profile was felled " << byDefault
                                             << " times";
}

// How far beside a walking villager the first dropping lands, on average, when the bird hunts
// at this height in this wind.
float meanMiss(float cruise, float wind)
{
    float misses = 0;
    for (unsigned seed = 1; seed <= runs; ++seed) {
        CTestLevel level;
        std::srand(seed);
        CGlobals::instance().wind = wind;
        level.place("PLAYER", 100, cruise);
        level.frame();
        const CMapEntity* walker = level.place("CLOVEK1", 400, 437);
        CBotKeyboard keyboard;
        std::unique_ptr<CBirdPilot> flying = pilot(true, seed, cruise);
        const CMapEntity* dropping = nullptr;
        float miss = -1;
        for (int frame = 0; frame < 3000 && miss < 0; ++frame) {
            letFly(level, *flying, keyboard, 1);
            if (!dropping)
                dropping = level.find("BOBEK");
            if (!dropping)
                continue;
            const CBox target = boxOf(*walker);
            if (!alive(level, dropping)) {
                miss = 0;  // it went before it came level with the villager's head: it hit him
            } else if (boxOf(*dropping).bottom() >= target.top) {
                miss = std::fabs(boxOf(*dropping).centerX() - target.centerX());
            }
        }
        EXPECT_GE(miss, 0) << "no dropping let go from " << cruise << ", seed " << seed;
        misses += miss;

    }
    return misses / runs;
}

TEST(HumanProfile, AimsWorseTheHigherAndWindierTheFall)
{
    const float low = meanMiss(300, 0), high = meanMiss(CBirdPilot::cruiseY, 0);
    EXPECT_LT(low + 4, high) << "from low " << low << ", from high " << high;
    const float windy = meanMiss(CBirdPilot::cruiseY, 1.5f);
    EXPECT_LT(high + 2, windy) << "in a still sky " << high << ", in the wind " << windy;
}

TEST(HumanProfile, SeesTheLevelAQuarterOfASecondLate)
{
    CTestLevel level;
    CMapEntity* walker = level.place("CLOVEK2", 300, 400);
    CDelayedSight sight(12, 16);
    std::vector<float> where;
    for (int frame = 0; frame < 40; ++frame) {
        level.frame();
        sight.look(level.collection, static_cast<float>(frame));
        where.push_back(walker->getX());
        if (frame < 12) {
            EXPECT_EQ(sight.seen(*walker), nullptr) << "frame " << frame;
            continue;
        }
        ASSERT_NE(sight.seen(*walker), nullptr) << "frame " << frame;
        EXPECT_EQ(sight.seen(*walker)->x, where[static_cast<size_t>(frame - 12)]) << "frame " << frame;
        EXPECT_EQ(sight.wind(), static_cast<float>(frame - 12));
        EXPECT_EQ(sight.visibleFor(*sight.seen(*walker)), frame);
    }
    EXPECT_NE(where.front(), where.back()) << "the walker must walk for the check to mean anything";

    // Something new is not seen until it has been on the screen as long; something above the
    // screen is not seen at all.
    CMapEntity* stone = level.place("KAMEN", 200, 300);
    CMapEntity* crate = level.place("PADAKBOBKY", 200, -100);
    for (int frame = 0; frame < 12; ++frame) {
        level.frame();
        sight.look(level.collection, 0);
        EXPECT_EQ(sight.seen(*stone), nullptr) << "frame " << frame;
    }
    level.frame();
    sight.look(level.collection, 0);
    EXPECT_NE(sight.seen(*stone), nullptr);
    EXPECT_EQ(sight.seen(*crate), nullptr);
}

TEST(HumanProfile, LetsKeysGoAFewFramesLateAndPressesThemAtOnce)
{
    CHumanProfile hands(5);
    CControls holding;
    holding.left = true;
    int longest = 0, late = 0;
    for (int release = 0; release < 50; ++release) {
        CControls held = hands.hands(holding, CControls());
        ASSERT_TRUE(held.left) << "a wanted key is pressed at once";
        int frames = 0;
        while ((held = hands.hands(CControls(), held)).left)
            ASSERT_LE(++frames, 10) << "the key is never let go";
        longest = std::max(longest, frames);
        late += frames > 0;
    }
    EXPECT_LE(longest, 3);
    EXPECT_GE(late, 20) << "of 50 releases";
    EXPECT_LT(late, 50) << "some keys are let go on time";
}

// The bird's place after a minute of hunting a villager, flown by a human profile so seeded.
std::pair<float, float> huntedTo(unsigned seed)
{
    CTestLevel level;
    std::srand(11);
    CMapEntity* bird = level.place("PLAYER", 100, CBirdPilot::cruiseY);
    level.frame();
    level.place("CLOVEK1", 400, 437);
    CBotKeyboard keyboard;
    std::unique_ptr<CBirdPilot> flying = pilot(true, seed);
    letFly(level, *flying, keyboard, 600);
    return {bird->getX(), bird->getY()};
}

TEST(HumanProfile, PlaysTheSameForTheSameSeedAndNeverDrawsFromTheGamesRandomNumbers)
{
    EXPECT_EQ(huntedTo(3), huntedTo(3));
    EXPECT_NE(huntedTo(3), huntedTo(4));

    std::srand(9);
    const int first = std::rand();
    std::srand(9);
    CHumanProfile human(9);
    human.letGo();
    CControls held;
    held.up = true;
    for (int frame = 0; frame < 20; ++frame)
        held = human.hands(CControls(), held);
    EXPECT_EQ(std::rand(), first);
}

}
