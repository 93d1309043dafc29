#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/globals.h"
#include "behaviour/animal_dispenser.h"
#include "behaviour/critters.h"
#include "entity/entity_catalogue.h"
#include "gfx/sprite.h"
#include "frame_watch.h"
#include "scripted_rand.h"
#include "support/test_level.h"

namespace {

class Critters : public ::testing::Test
{
protected:
    Critters() { std::srand(3); }
    ~Critters() override { globals.setDifficulty(0); }

    // Places the entity, lets its controller bind and returns the tick of its first update.
    Uint32 bound(CMapEntity*& entity, const char* name, float x, float y)
    {
        entity = level.place(name, x, y);
        level.frame();
        return level.clock.ticks();
    }

    CGlobals& globals = CGlobals::instance();
    CTestLevel level;
};

// The animals the dispenser sends on a level of that index, over many sends.
std::multiset<std::string> dispensed(Uint16 levelIndex)
{
    CTestLevel level;
    CAnimalDispenser dispenser;
    dispenser.setEntities(&level.collection);
    std::multiset<std::string> names;
    dispenser.update(levelIndex);  // the first poll starts the count
    for (int send = 0; send < 60; ++send) {
        level.clock.advance(9000);
        dispenser.update(levelIndex);
    }
    for (const auto& animal : level.collection.all()) {
        EXPECT_FLOAT_EQ(animal->getX(), -80);
        EXPECT_FLOAT_EQ(animal->getY(), 415);
        names.insert(animal->getName());
    }
    return names;
}

TEST_F(Critters, TheDispenserSendsSummerAnimalsUpToLevelIndexNineAndWinterOnesFromTen)
{
    std::multiset<std::string> summer = dispensed(9);
    EXPECT_EQ(summer.size(), 60u);
    EXPECT_GT(summer.count("DOG"), 0u);
    EXPECT_GT(summer.count("CAT"), 0u);
    EXPECT_GT(summer.count("PIG"), 0u);
    EXPECT_EQ(summer.count("DOG") + summer.count("CAT") + summer.count("PIG"), 60u);

    std::multiset<std::string> winter = dispensed(10);
    EXPECT_GT(winter.count("WINTERDOG"), 0u);
    EXPECT_GT(winter.count("FOX"), 0u);
    EXPECT_GT(winter.count("PENGUIN"), 0u);
    EXPECT_EQ(winter.count("WINTERDOG") + winter.count("FOX") + winter.count("PENGUIN"), 60u);
}

TEST_F(Critters, TheDispenserWaitsFiveToNineSecondsAndRestsOnceTheLevelIsOver)
{
    CAnimalDispenser dispenser;
    dispenser.setEntities(&level.collection);
    dispenser.update(0);  // the first poll starts the count
    Uint32 start = level.clock.ticks();
    level.clock.set(start + 4999);
    dispenser.update(0);
    EXPECT_EQ(level.collection.size(), 0u);
    level.clock.set(start + 9000);
    dispenser.update(0);
    EXPECT_EQ(level.collection.size(), 1u);

    globals.levelOver = true;
    level.clock.advance(20000);
    dispenser.update(0);
    level.clock.advance(20000);
    dispenser.update(0);
    EXPECT_EQ(level.collection.size(), 1u);
}

TEST_F(Critters, AnAnimalRunsRightScoresWhenHitAndLeavesAtTheRightEdge)
{
    CMapEntity* dog;
    bound(dog, "DOG", 100, 400);
    level.frame();
    EXPECT_FLOAT_EQ(dog->getX(), 104);
    level.place("BOBEK", 106, 392);
    level.frames(2);  // the dropping is bound and touches, the dog sees it
    std::vector<CMapEntity*> labels = fresh(level, "BONUS250");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_FLOAT_EQ(labels[0]->getX(), dog->centerX());
    EXPECT_FLOAT_EQ(labels[0]->getY(), 385);
    EXPECT_EQ(globals.levelScore, 250u);
    EXPECT_EQ(level.count("BOBEK"), 0);

    dog->setPosition(598, 400);
    level.frame();
    EXPECT_EQ(level.count("DOG"), 1);  // 600 is not past the edge
    level.frame();
    EXPECT_EQ(level.count("DOG"), 0);
}

TEST_F(Critters, ANestScoresOnlyWhileItShowsItsFirstFrame)
{
    CMapEntity* nest;
    bound(nest, "NEST", 200, 300);
    CFrameset* look = nest->getSprite()->getCurrentFrameset();
    look->addFrame(std::make_unique<CFrame>("FRAME2", 0, 0, 10, 10, 100, 0, 0, 10, 10));
    look->stop();  // the animation stands still on the frame the test shows

    look->selectFrame("FRAME2");
    level.place("BOBEK", 200, 292);
    level.frames(3);
    EXPECT_EQ(freshCount(level, "BONUS150"), 0);
    EXPECT_EQ(level.count("BONUS150"), 0);
    EXPECT_EQ(globals.levelScore, 0u);

    look->selectFrame("FRAME1");
    level.place("BOBEK", 200, 292);
    level.frames(2);
    std::vector<CMapEntity*> labels = fresh(level, "BONUS150");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_FLOAT_EQ(labels[0]->getX(), nest->centerX());
    EXPECT_FLOAT_EQ(labels[0]->getY(), 285);
    EXPECT_EQ(globals.levelScore, 250u);  // the label says 150
}

TEST_F(Critters, ABrokenEggLosesTheLevelOnceAndACaughtOneIsJustGone)
{
    CMapEntity* egg = level.place("EGG", 100, 380);
    egg->setVelocityX(1.5f);
    level.frames(2);
    EXPECT_GT(egg->getX(), 100);
    EXPECT_GT(egg->getY(), 380);
    level.frames(200);
    EXPECT_EQ(level.count("EGG"), 0);
    EXPECT_TRUE(globals.levelOver);
    EXPECT_FALSE(globals.levelWon);
    EXPECT_EQ(globals.lives, 4u);

    level.place("EGG", 200, 430);  // breaks after the level is already lost
    level.frames(60);
    EXPECT_EQ(level.count("EGG"), 0);
    EXPECT_EQ(globals.lives, 4u);

    globals.levelOver = false;
    globals.levelWon = true;
    level.place("PLAYER", 300, 100);
    level.frame();
    level.place("EGG", 300, 100);
    level.frames(3);
    EXPECT_EQ(level.count("EGG"), 0);
    EXPECT_EQ(globals.levelScore, 1000u);
    EXPECT_FALSE(globals.levelOver);
    EXPECT_EQ(globals.lives, 4u);
}

TEST_F(Critters, AnEggBreakingAfterAWonLevelLeavesTheVerdictAlone)
{
    globals.levelOver = true;  // won: time ran out with the score reached
    level.place("EGG", 200, 430);
    level.frames(60);
    EXPECT_EQ(level.count("EGG"), 0);
    EXPECT_TRUE(globals.levelWon);
    EXPECT_EQ(globals.lives, 5u);
}

TEST_F(Critters, AVultureFliesAtItsOwnSpeedFromOneToTwoPointFour)
{
    const std::pair<int, float> speeds[] = {{0, 1.0f}, {14, 2.4f}, {15, 1.0f}, {7, 1.7f}};
    for (const auto& [drawn, speed] : speeds) {
        CTestLevel sky;
        CMapEntity* vulture = sky.place("SUP", 100, 200);
        scriptRand({drawn});
        sky.frame();
        EXPECT_EQ(scriptedRandLeft(), 0);
        sky.frames(9);
        EXPECT_NEAR(vulture->getX(), 100 + 10 * speed, 1e-3) << drawn;  // straight on to the right
        EXPECT_FLOAT_EQ(vulture->getY(), 200);
    }
}

TEST_F(Critters, AVultureReAimsAtTheBirdOnOneSteerInFiveAndLooksTheWayItFlies)
{
    CMapEntity* vulture = level.place("SUP", 300, 150);
    scriptRand({13});
    level.frame();
    const float speed = 2.3f;
    Uint32 steer = level.clock.ticks();
    // Each steer: the target from where the vulture is, what rand() gives, the course it then takes.
    const struct
    {
        float dx, dy;
        int drawn;
        float dirX, dirY;
        const char* look;
    } steers[] = {
        {-300, 400, 1, -0.6f, 0.8f, "LEFT"},  // re-aims at the bird
        {300, 400, 5, -0.6f, 0.8f, "LEFT"},   // four in five keep their course
        {0, 50, 6, 0, 1, "LEFT"},             // 6 % 5 == 1; straight down keeps the last look
        {300, -400, 11, 0.6f, -0.8f, "RIGHT"},
    };
    for (const auto& turn : steers) {
        scriptRand({turn.drawn});
        frameAt(level, steer + 780);
        EXPECT_EQ(scriptedRandLeft(), 1) << "steered between its 800 ms turns";
        const float x = vulture->getX(), y = vulture->getY();
        vulture->setTarget(x + turn.dx, y + turn.dy);
        frameAt(level, steer + 800);
        EXPECT_EQ(scriptedRandLeft(), 0);
        EXPECT_EQ(framesetOf(vulture), turn.look) << turn.drawn;
        EXPECT_NEAR(vulture->getX() - x, turn.dirX * speed, 1e-3) << turn.drawn;
        EXPECT_NEAR(vulture->getY() - y, turn.dirY * speed, 1e-3) << turn.drawn;
        steer += 800;
    }
}

TEST_F(Critters, AScorpionShootsASpikeEverySecondFromAboveItsMiddleAndLeavesPast600)
{
    CMapEntity* scorpion;
    Uint32 start = bound(scorpion, "SKORPION", 100, 400);
    EXPECT_FLOAT_EQ(scorpion->getX(), 101.5f);
    for (Uint32 second = 1; second <= 2; ++second) {
        frameAt(level, start + 1000 * second - 1);
        EXPECT_EQ(freshCount(level, "SPIKE"), 0) << second;
        frameAt(level, start + 1000 * second);
        std::vector<CMapEntity*> spikes = fresh(level, "SPIKE");
        ASSERT_EQ(spikes.size(), 1u) << second;
        EXPECT_FLOAT_EQ(spikes[0]->getX(), scorpion->centerX() - 1.5f);  // shot before its step
        EXPECT_FLOAT_EQ(spikes[0]->getY(), 390);
    }
    scorpion->setPosition(597, 400);
    level.frames(2);
    EXPECT_EQ(level.count("SKORPION"), 1);  // at 600
    level.frame();
    EXPECT_EQ(level.count("SKORPION"), 0);
}

TEST_F(Critters, TheSnowballGunnerFiresAMegaSnowballAtTheBirdAtTwiceTheUnitAimIgnoringTheWind)
{
    globals.wind = 1.0f;
    CMapEntity* gunner;
    Uint32 start = bound(gunner, "RAMBO", 300, 400);
    gunner->setTarget(330, 360);  // 3-4-5 from the gunner, up and to the right
    frameAt(level, start + 1599);
    EXPECT_EQ(freshCount(level, "MEGASNOWBALL"), 0);
    frameAt(level, start + 1600);
    std::vector<CMapEntity*> balls = fresh(level, "MEGASNOWBALL");
    ASSERT_EQ(balls.size(), 1u);
    CMapEntity* ball = balls[0];
    EXPECT_FLOAT_EQ(ball->getX(), 310);
    EXPECT_FLOAT_EQ(ball->getY(), 420);
    EXPECT_NEAR(ball->getVelocityX(), 1.2f, 1e-4);
    EXPECT_NEAR(ball->getVelocityY(), -1.6f, 1e-4);
    level.frame();  // its controller launches it upwards with that speed
    EXPECT_NEAR(ball->getX(), 311.2f, 1e-3);
    EXPECT_NEAR(ball->getY(), 420 - 1.6f, 1e-3);

    gunner->setTarget(300, 400);  // on the gunner itself: no way to aim
    frameAt(level, start + 3200);
    balls = fresh(level, "MEGASNOWBALL");
    ASSERT_EQ(balls.size(), 1u);
    EXPECT_FLOAT_EQ(balls[0]->getVelocityX(), 0);
    EXPECT_FLOAT_EQ(balls[0]->getVelocityY(), 0);
    EXPECT_FLOAT_EQ(gunner->getX(), 300);
    EXPECT_FLOAT_EQ(gunner->getY(), 400);
}

// Runs frames with the golden vulture held at (300, 200) and its target at the given offset.
int bombsWithTargetAt(CTestLevel& level, CMapEntity* vulture, float dx, float dy, int frames)
{
    int bombs = 0;
    for (int frame = 0; frame < frames; ++frame) {
        vulture->setPosition(300, 200);
        vulture->setTarget(300 - dx, 200 - dy);
        level.frame();
        for (CMapEntity* bomb : fresh(level, "KOULE")) {
            ++bombs;
            EXPECT_FLOAT_EQ(bomb->getX(), 330);
            EXPECT_FLOAT_EQ(bomb->getY(), 225);
        }
    }
    return bombs;
}

TEST_F(Critters, TheGoldenVultureBombsOnlyInsideItsWindowAboveTheBird)
{
    CMapEntity* vulture;
    bound(vulture, "GOLDENSUP", 300, 100);
    // x must lie strictly between target - 100 and target + 120, and y strictly above target - 20.
    EXPECT_EQ(bombsWithTargetAt(level, vulture, -100, -100, 60), 0);  // x = target - 100
    EXPECT_EQ(bombsWithTargetAt(level, vulture, 120, -100, 60), 0);   // x = target + 120
    EXPECT_EQ(bombsWithTargetAt(level, vulture, 0, -20, 60), 0);      // y = target - 20
    EXPECT_EQ(bombsWithTargetAt(level, vulture, 0, 50, 60), 0);       // below the bird
    int inside = bombsWithTargetAt(level, vulture, -99, -21, 60) + bombsWithTargetAt(level, vulture, 119, -21, 60);
    EXPECT_GE(inside, 4);  // one every 500 ms
    EXPECT_LE(inside, 5);
}

TEST_F(Critters, ThePeekerThrowsEvery500MsWhileShownThenHides)
{
    globals.wind = 0.5f;
    CMapEntity* peeker;
    Uint32 start = bound(peeker, "VYKUK", 300, 50);
    EXPECT_EQ(framesetOf(peeker), "INVISIBLE");
    frameAt(level, start + 3980);
    EXPECT_EQ(framesetOf(peeker), "INVISIBLE");
    frameAt(level, start + 4000);
    EXPECT_EQ(framesetOf(peeker), "VYKOUKNUTI");
    int frames = 0;
    while (framesetOf(peeker) != "HOD" && frames++ < 20)
        level.frame();
    ASSERT_EQ(framesetOf(peeker), "HOD");
    Uint32 shownAt = level.clock.ticks();

    int snowballs = 0;
    while (framesetOf(peeker) == "HOD") {
        level.frame();
        for (CMapEntity* snowball : fresh(level, "SNOWBALL")) {
            ++snowballs;
            EXPECT_EQ((level.clock.ticks() - shownAt) % 500, 0u);
            EXPECT_FLOAT_EQ(snowball->getX(), 310);
            EXPECT_FLOAT_EQ(snowball->getY(), 50);
            EXPECT_FLOAT_EQ(snowball->getVelocityX(), 0.5f);
        }
    }
    EXPECT_EQ(level.clock.ticks() - shownAt, 4000u);
    EXPECT_EQ(snowballs, 8);  // at 500, 1000, ... 4000 ms
    EXPECT_EQ(framesetOf(peeker), "ZAKOUKNUTI");
    frames = 0;
    while (framesetOf(peeker) != "INVISIBLE" && frames++ < 20)
        level.frame();
    EXPECT_EQ(framesetOf(peeker), "INVISIBLE");
    level.frames(50);
    EXPECT_EQ(level.count("SNOWBALL"), 8);  // none while hidden
}

TEST_F(Critters, TheLyingYetiThumpsAShowerOfDropsThatGrowsWithTheDifficulty)
{
    const int showers[] = {29, 35, 45};
    for (Uint32 difficulty = 0; difficulty < 3; ++difficulty) {
        globals.setDifficulty(difficulty);
        CTestLevel glade;
        CMapEntity* yeti = glade.place("YETILEZICI", 300, 400);
        int frames = 0;
        while (freshCount(glade, "KAPKA") == 0 && frames++ < 650)  // 4 to 12 s
            glade.frame();
        EXPECT_EQ(freshCount(glade, "KAPKA"), showers[difficulty]);
        EXPECT_EQ(framesetOf(yeti), "BUCH");
        frames = 0;
        while (framesetOf(yeti) == "BUCH" && frames++ < 20)
            glade.frame();
        EXPECT_EQ(framesetOf(yeti), "FRAMESET1");
    }
}

TEST_F(Critters, StakeThrowersThrowOnTheirOwnRatesToTheirSides)
{
    globals.setDifficulty(1);
    struct
    {
        const char* name;
        Uint32 period;
        float drift;
    } throwers[] = {{"KULCLOVEK1", 519, 2.5f}, {"KULCLOVEK2", 714, -1.5f}, {"KULCLOVEK3", 948, 2.5f}};
    for (const auto& thrower : throwers) {
        CTestLevel yard;
        globals.wind = 1.0f;
        CMapEntity* man = yard.place(thrower.name, 200, 300);
        yard.frame();
        Uint32 start = yard.clock.ticks();
        frameAt(yard, start + thrower.period - 1);
        EXPECT_EQ(freshCount(yard, "KAMEN2"), 0) << thrower.name;
        frameAt(yard, start + thrower.period);
        std::vector<CMapEntity*> stones = fresh(yard, "KAMEN2");
        ASSERT_EQ(stones.size(), 1u) << thrower.name;
        EXPECT_FLOAT_EQ(stones[0]->getX(), man->getX() + 20);
        EXPECT_FLOAT_EQ(stones[0]->getY(), 300);
        EXPECT_FLOAT_EQ(stones[0]->getVelocityX(), thrower.drift) << thrower.name;
    }
}

TEST_F(Critters, BirdGeneratorsSendWhatTheirEntityNames)
{
    globals.setDifficulty(2);
    CMapEntity* generator;
    Uint32 start = bound(generator, "BIRDGENERATOR", -40, 60);
    EXPECT_EQ(static_cast<CMapEntity_Spawner*>(generator)->spawnName, "DIDUDO");
    frameAt(level, start + 4980);
    EXPECT_EQ(freshCount(level, "DIDUDO"), 0);
    while (freshCount(level, "DIDUDO") == 0 && level.clock.ticks() < start + 9000)
        level.frame();
    std::vector<CMapEntity*> birds = fresh(level, "DIDUDO");
    ASSERT_EQ(birds.size(), 1u);
    EXPECT_FLOAT_EQ(birds[0]->getX(), -40);
    EXPECT_FLOAT_EQ(birds[0]->getY(), 60);

    CMapEntity* rescue;
    start = bound(rescue, "BIRDGENERATOR2", -40, 200);
    int littleBirds = 0;
    while (level.clock.ticks() < start + 3260) {
        level.frame();
        for (CMapEntity* bird : fresh(level, "BONUSDIDUDO")) {
            ++littleBirds;
            EXPECT_FLOAT_EQ(bird->getY(), 200);
        }
    }
    EXPECT_GE(littleBirds, 1);  // 250 to 3249 ms on hard
}

}
