#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "app/globals.h"
#include "level/level_check.h"
#include "level/level_list.h"
#include "sound/sound_engine.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

const char* const levelSets[] = {"easy", "medium", "hard"};

// The shipped sets play these levels in this order; the passwords start at three of them, and
// the ninth is the rescue, played with the water carrier.
const std::vector<std::string> levelOrder = {
    "l1",  "l2",  "l3",  "l4",  "l5",  "l6",  "l7",  "l8",  "l9",  "l10",
    "l1b", "l2b", "l3b", "l4b", "l5b", "l6b", "l7b", "l8b", "l9b", "l10b",
};
const char* const passwordLevels[] = {"l6", "l1b", "l8b"};

// The game's own sprite collection, read once from the game directory.
const CSpriteCollection& gameSprites()
{
    static std::unique_ptr<CSpriteCollection> sprites;
    if (!sprites) {
        ScopedChdir inGame(ZEPO_GAME_DIR);
        sprites = std::make_unique<CSpriteCollection>("kolekce");
        sprites->load("data/gfx/didudo_sprites.xml");
    }
    return *sprites;
}

// What start-up leaves for the levels: a sprite collection, the entity prototypes made from it
// and the registered sounds. The world that was there before comes back afterwards.
class CStartedWorld
{
public:
    explicit CStartedWorld(const CSpriteCollection& sprites) : previous(spriteCollection())
    {
        setSpriteCollection(const_cast<CSpriteCollection*>(&sprites));
        CMapEntityCollection::instance().clear();
        CMapEntityCollection::instance().registerCatalogue();
        if (CSoundEngine::instance().musicEntries("LETO") == 0)
            CSoundEngine::instance().registerGameSounds();
    }
    ~CStartedWorld()
    {
        CMapEntityCollection::instance().clear();
        setSpriteCollection(previous);
        if (previous)
            CMapEntityCollection::instance().registerCatalogue();
    }
    CStartedWorld(const CStartedWorld&) = delete;
    CStartedWorld& operator=(const CStartedWorld&) = delete;

private:
    CSpriteCollection* previous;
};

std::string messages(const std::vector<CLevelProblem>& problems)
{
    std::string text;
    for (const CLevelProblem& problem : problems)
        text += problem.message() + "\n";
    return text;
}

// ---- The committed level sets ----

struct CSetLevel
{
    std::string set, level;
    unsigned index;
};

std::vector<CSetLevel> everyLevel()
{
    std::vector<CSetLevel> levels;
    for (const char* set : levelSets) {
        for (size_t i = 0; i < levelOrder.size(); ++i)
            levels.push_back({set, levelOrder[i], static_cast<unsigned>(i)});
        levels.push_back({set, creditsLevel, 0});
    }
    return levels;
}

class EveryLevel : public ::testing::TestWithParam<CSetLevel>
{
protected:
    const CSpriteCollection& sprites = gameSprites();
    ScopedChdir inGame{ZEPO_GAME_DIR};
    CStartedWorld world{sprites};
};

TEST_P(EveryLevel, PassesTheDataCheck)
{
    std::vector<CLevelProblem> problems = checkLevel(shippedLevelSet(GetParam().set), GetParam().level, GetParam().index);
    EXPECT_TRUE(problems.empty()) << messages(problems);
}

INSTANTIATE_TEST_SUITE_P(Sets, EveryLevel, ::testing::ValuesIn(everyLevel()),
                         [](const ::testing::TestParamInfo<CSetLevel>& info) {
                             return info.param.set + "_" + info.param.level;
                         });

class EverySet : public ::testing::TestWithParam<std::string>
{
protected:
    ScopedChdir inGame{ZEPO_GAME_DIR};
};

TEST_P(EverySet, ListsTheTwentyLevelsInPlayingOrderTheRescueWithTheCarrier)
{
    std::unique_ptr<CLevelList> list = readLevelList(shippedLevelSet(GetParam()).levelList());
    std::vector<std::string> names;
    for (size_t i = 0; i < list->count(); ++i)
        names.push_back(list->name(i));
    EXPECT_EQ(names, levelOrder);  // which also holds the password levels
    for (const char* level : passwordLevels)
        EXPECT_NE(list->indexOf(level), -1) << level;
    const std::string rescue = readFile(shippedLevelSet(GetParam()).entitiesFile("l9"));
    EXPECT_NE(rescue.find("name=\"NOSIC\""), std::string::npos);
    EXPECT_EQ(rescue.find("PLAYER\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Sets, EverySet, ::testing::ValuesIn(std::vector<std::string>(levelSets, levelSets + 3)),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// ---- Broken copies: a game directory of one good level, "l3" of the set "easy", broken one way
// at a time. It uses the game's pictures and sprite collection. ----

struct CLevelFiles
{
    std::string defs = R"(<level tiledef="tiles_test.xml" name="Pole" score="300" maxWind="30" music="LETO" time="60000"/>)";
    std::string background = "data/gfx/bg_meadow.png";
    std::string ground = "11111111111111111111";
    std::vector<std::string> extraTiles;  // "<tile .../>" elements of layer 0
    std::vector<std::string> entities;
    std::vector<std::string> generators;

    std::string map() const
    {
        std::string tiles;
        for (int column = 0; column < 20; ++column)
            if (ground[column] == '1')
                tiles += "<tile id=\"1\" x=\"" + std::to_string(column) + "\" y=\"14\"/>";
        for (const std::string& tile : extraTiles)
            tiles += tile;
        const std::string picture = background.empty() ? "" : " background=\"" + background + "\"";
        return "<map name=\"test\"" + picture + "><layer>" + tiles + "</layer></map>";
    }
    std::string entityFile() const
    {
        std::string text = "<mapEntities>";
        for (const std::string& entity : entities)
            text += entity;
        for (const std::string& generator : generators)
            text += generator;
        return text + "</mapEntities>";
    }
};

std::string entity(const std::string& name, int x, int y)
{
    return "<entity name=\"" + name + "\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"/>";
}

std::string solidTile(int column, int row)
{
    return "<tile id=\"1\" x=\"" + std::to_string(column) + "\" y=\"" + std::to_string(row) + "\"/>";
}

class BrokenCopy : public ::testing::Test
{
protected:
    BrokenCopy()
    {
        fs::create_directories(dir.file("data"));
        fs::create_directory_symlink(std::string(ZEPO_GAME_DIR) + "/data/gfx", dir.file("data/gfx"));
        dir.write("data/maps/tiles_test.xml", R"(<tiledef src="data/gfx/tiles_summer.png">
            <tileSprite name="g" x="0" y="0"/>
            <tile name="ground" id="1" walkable="0" special="0" tileSprite="g"/>
            <tile name="bush" id="2" walkable="1" special="0" tileSprite="g"/></tiledef>)");
        files.entities = {entity("PLAYER", 300, 120), entity("CLOVEK1", 120, groundY("CLOVEK1")),
                          entity("BALON", 400, 200), entity("RAMPOUCH1", 170, 128)};
        files.extraTiles = {solidTile(5, 3), solidTile(6, 3)};
        files.generators = {R"(<generator x="-160" y="60" interval="9000" start="2000">
                               <generatorentity name="PLANE"/></generator>)"};
    }

    // Where the named entity stands on the ground (y = 448) with the frame it starts in.
    int groundY(const std::string& name) const
    {
        return 448 - CMapEntityCollection::instance().find(name).getSprite()->currentFrame()->h;
    }
    // Where its collision box ends exactly on the ground: the contact pass then finds row 14 under it.
    int boxOnGroundY(const std::string& name) const
    {
        SDL_Rect box = CMapEntityCollection::instance().find(name).currentBox();
        return 448 - box.y - box.h;
    }

    // The level at that index of its list (the index decides the season of its bird).
    std::vector<CLevelProblem> check(const std::string& level = "l3", unsigned index = 2)
    {
        dir.write("data/maps/easy/" + level + "_defs.xml", files.defs);
        dir.write("data/maps/easy/" + level + "_map.xml", files.map());
        dir.write("data/maps/easy/" + level + "_entities.xml", files.entityFile());
        return checkLevel(easy, level, index);
    }

    // Exactly one problem, in that file, saying that.
    void expectOnly(const std::vector<CLevelProblem>& problems, const std::string& file, const std::string& what,
                    const std::string& level = "l3")
    {
        ASSERT_EQ(problems.size(), 1u) << messages(problems);
        EXPECT_EQ(problems[0].message(), "set easy, level " + level + ": data/maps/" + file + ": " + what);
    }

    // Exactly one problem, in that file, whose text begins and ends so (the cells between depend on the art).
    void expectOnlyBetween(const std::vector<CLevelProblem>& problems, const std::string& file, const std::string& begins,
                           const std::string& ends)
    {
        ASSERT_EQ(problems.size(), 1u) << messages(problems);
        EXPECT_EQ(problems[0].file, "data/maps/" + file);
        const std::string& what = problems[0].what;
        EXPECT_EQ(what.rfind(begins, 0), 0u) << what;
        EXPECT_TRUE(what.size() >= ends.size() && what.compare(what.size() - ends.size(), ends.size(), ends) == 0) << what;
    }

    TempDir dir;
    CStartedWorld world{gameSprites()};
    ScopedChdir inDir{dir.path()};
    CLevelFiles files;
    const CLevelSet easy = shippedLevelSet("easy");
};

TEST_F(BrokenCopy, TheUnbrokenLevelPasses)
{
    std::vector<CLevelProblem> problems = check();
    EXPECT_TRUE(problems.empty()) << messages(problems);
}

TEST_F(BrokenCopy, AMissingFileIsNamedAndNothingElseIsRead)
{
    check();
    fs::remove(dir.file("data/maps/easy/l3_map.xml"));
    expectOnly(checkLevel(easy, "l3", 2), "easy/l3_map.xml", "the file is missing");
    auto problems = checkLevel(easy, "l7", 6);
    ASSERT_EQ(problems.size(), 3u) << messages(problems);
    EXPECT_EQ(problems[2].message(), "set easy, level l7: data/maps/easy/l7_entities.xml: the file is missing");
}

TEST_F(BrokenCopy, TheDefinitionNeedsTimeWindMusicAndItsTiles)
{
    const std::string start = R"(<level tiledef="tiles_test.xml" name="Pole" score="300" )";
    const struct
    {
        std::string attributes, what;
    } faults[] = {
        {R"(maxWind="30" music="LETO"/>)", "no time: the level never ends by time"},
        {R"(maxWind="30" music="LETO" time="0"/>)", "time is 0: the level ends on its first frame"},
        {R"(music="LETO" time="60000"/>)",
         "no maxWind: the level keeps the wind range of whatever level was loaded before it"},
        {R"(maxWind="0" music="LETO" time="60000"/>)", "maxWind is 0: it must be at least 1"},
        {R"(maxWind="30" music="SUMMER" time="60000"/>)",
         "music \"SUMMER\" is not a registered track: the level is played in silence"},
        {R"(maxWind="30" time="60000"/>)", "no music: the level is played in silence"},
    };
    for (const auto& fault : faults) {
        files.defs = start + fault.attributes;
        expectOnly(check(), "easy/l3_defs.xml", fault.what);
    }
    files.defs = R"(<level tiledef="tiles_gone.xml" maxWind="30" music="LETO" time="60000"/>)";
    expectOnly(check(), "easy/l3_defs.xml", "its tile definitions data/maps/tiles_gone.xml do not exist");
}

TEST_F(BrokenCopy, TheGroundIsWholeAndTheAnimalsLaneFree)
{
    files.ground = "11111011111111111101";
    expectOnly(check(), "easy/l3_map.xml",
               "row 14 is not solid at column 5, 18: droppings, balls and a falling bird go through the ground there");
    files.ground = "11111111111111111111";
    files.extraTiles.push_back(solidTile(9, 13));
    expectOnly(check(), "easy/l3_map.xml",
               "solid cells in rows 12-13 (column 9 row 13): the running animals cross the whole width there and get stuck");
}

TEST_F(BrokenCopy, APlayedLevelNeedsABackgroundTheCreditsBackdropNeither)
{
    files.background = "";
    expectOnly(check(), "easy/l3_map.xml",
               "no background picture (or it cannot be loaded): nothing clears the screen between frames");
    files.background = "data/gfx/bg_nowhere.png";
    expectOnly(check(), "easy/l3_map.xml",
               "no background picture (or it cannot be loaded): nothing clears the screen between frames");
    files.background = "";
    files.defs = R"(<level tiledef="tiles_test.xml" name="credits" maxWind="30" music="MENU"/>)";
    auto problems = check("credits");
    EXPECT_TRUE(problems.empty()) << messages(problems);
}

TEST_F(BrokenCopy, EveryLevelButTheRescueHasExactlyOneBirdOfItsSeason)
{
    files.entities.erase(files.entities.begin());
    expectOnly(check(), "easy/l3_entities.xml",
               "no PLAYER or WINTERPLAYER: the level has no bird (only the water carrier NOSIC plays without one)");
    files.entities.push_back(entity("PLAYER", 100, 100));
    files.entities.push_back(entity("PLAYER", 500, 100));
    expectOnly(check(), "easy/l3_entities.xml", "2 player birds: every one of them obeys the keys");

    files.entities = {entity("WINTERPLAYER", 300, 120)};
    expectOnly(check(), "easy/l3_entities.xml",
               "the bird is WINTERPLAYER, but l3 is level 3 of its list, a summer level: it takes PLAYER");
    files.entities = {entity("PLAYER", 300, 120)};
    expectOnly(check("l2b", 11), "easy/l2b_entities.xml",
               "the bird is PLAYER, but l2b is level 12 of its list, a winter level: it takes WINTERPLAYER", "l2b");
    // The season goes by the place in the list, whatever the name.
    EXPECT_TRUE(check("l2b", 9).empty());
}

TEST_F(BrokenCopy, OnlyTheWaterCarrierPlaysWithoutABirdAndNothingScoresThere)
{
    files.defs = R"(<level tiledef="tiles_test.xml" score="0" maxWind="30" music="LETO" time="60000"/>)";
    files.entities = {entity("NOSIC", 300, groundY("NOSIC"))};
    EXPECT_TRUE(check().empty());
    files.entities.push_back(entity("PLAYER", 300, 120));
    expectOnly(check(), "easy/l3_entities.xml",
               "the level places the water carrier NOSIC and a PLAYER: the carrier alone should answer the keys there");
    files.entities.pop_back();
    files.defs = R"(<level tiledef="tiles_test.xml" score="100" maxWind="30" music="LETO" time="60000"/>)";
    expectOnly(check(), "easy/l3_defs.xml",
               "the carrier's level requires a score of 100: nothing scores there, so it can never be won");
}

TEST_F(BrokenCopy, TheBirdStartsInTheOpenSkyAwayFromWhatFellsIt)
{
    files.entities[0] = entity("PLAYER", 160, 90);
    expectOnly(check(), "easy/l3_entities.xml",
               "PLAYER at (160, 90) starts on the solid cell column 5 row 3: start it in the open sky");
    files.entities[0] = entity("PLAYER", 400, 200);  // inside the balloon, which is harmless
    EXPECT_TRUE(check().empty());
    const std::string walker = "(120, " + std::to_string(groundY("CLOVEK1")) + ")";
    files.entities[0] = entity("PLAYER", 120, groundY("CLOVEK1"));
    expectOnly(check(), "easy/l3_entities.xml",
               "PLAYER at " + walker + " starts touching CLOVEK1 at " + walker + ": it falls at once");
}

TEST_F(BrokenCopy, AnUnknownNameIsReportedBeforeTheLoaderSeesIt)
{
    files.entities.push_back(entity("CATAPULT1", 250, 400));
    files.generators.push_back(R"(<generator x="0" y="0" interval="1" start="1"><generatorentity name="KUL_CLOVEK1"/></generator>)");
    auto problems = check();
    ASSERT_EQ(problems.size(), 2u) << messages(problems);
    EXPECT_EQ(problems[0].what, "CATAPULT1 at (250, 400): \"CATAPULT1\" is not an entity name (the program ends when it loads the level)");
    EXPECT_EQ(problems[1].what, "KUL_CLOVEK1 from the generator at (0, 0): \"KUL_CLOVEK1\" is not an entity name (the "
                                "program ends when it loads the level)");
}

TEST_F(BrokenCopy, AGeneratorsNegativeTimesAreReported)
{
    files.generators = {R"(<generator x="-160" y="60" interval="9000" start="-2000"><generatorentity name="PLANE"/></generator>)"};
    expectOnly(check(), "easy/l3_entities.xml",
               "the generator at (-160, 60) has start -2000: it counts as 0, so the first release comes on the "
               "level's first frame");
    files.generators = {R"(<generator x="-160" y="60" interval="-1" start="2000"><generatorentity name="PLANE"/></generator>)"};
    expectOnly(check(), "easy/l3_entities.xml",
               "the generator at (-160, 60) has interval -1: it counts as 0, so it releases one entity every frame");
}

TEST_F(BrokenCopy, WalkersStartClearOfSolidCells)
{
    files.entities[1] = entity("CLOVEK1", 120, boxOnGroundY("CLOVEK1"));
    expectOnlyBetween(check(), "easy/l3_entities.xml",
                      "CLOVEK1 at (120, " + std::to_string(boxOnGroundY("CLOVEK1")) + "): its box touches the solid cell column ",
                      " row 14, so it is frozen in place (keep the box above the ground row)");

    files.entities[1] = entity("CLOVEK1", 120, groundY("CLOVEK1"));
    const std::string scorpion = std::to_string(boxOnGroundY("SKORPION"));
    files.generators.push_back(R"(<generator x="10" y=")" + scorpion +
                               R"(" interval="5000" start="0"><generatorentity name="SKORPION"/></generator>)");
    expectOnlyBetween(check(), "easy/l3_entities.xml",
                      "SKORPION from the generator at (10, " + scorpion + "): its box touches the solid cell column 0 row 14",
                      ", so it is frozen in place (keep the box above the ground row)");
}

TEST_F(BrokenCopy, WhatGoesOnItsFirstTileContactStartsInTheOpen)
{
    files.entities[2] = entity("BALON", 170, 100);
    expectOnlyBetween(check(), "easy/l3_entities.xml", "BALON at (170, 100): it starts on the solid cell column ",
                      " and is removed on its first frame");

    files.entities[2] = entity("BALON", 400, 200);
    const std::string parachute = std::to_string(boxOnGroundY("PADAKZIVOT"));
    files.generators.push_back(R"(<generator x="200" y=")" + parachute +
                               R"(" interval="5000" start="0"><generatorentity name="PADAKZIVOT"/></generator>)");
    expectOnlyBetween(check(), "easy/l3_entities.xml",
                      "PADAKZIVOT from the generator at (200, " + parachute + "): it starts on the solid cell column 6 row 14",
                      " and is removed on its first frame");
}

TEST_F(BrokenCopy, AnIciclesDropsMustNotAppearInsideTheLedge)
{
    files.entities[3] = entity("RAMPOUCH1", 170, 60);  // hangs above the ledge: its drops appear in it
    expectOnlyBetween(check(), "easy/l3_entities.xml", "RAMPOUCH1 at (170, 60): its drops appear on the solid cell column 5 row 3",
                      " and vanish at once");
}

TEST_F(BrokenCopy, TheHintIsPlainTextThatSaysSomething)
{
    dir.write("data/maps/l3_hint.xml", "\n");
    expectOnly(check(), "l3_hint.xml",
               "the hint is empty: an empty hint window opens (leave the file out for no hint)");
    dir.write("data/maps/l3_hint.xml", "Pozor na kameny, ptá\xc4\x8dku!");
    expectOnly(check(), "l3_hint.xml", "the hint has characters outside ASCII: they are drawn as blanks");
}

std::string listOf(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += "<level name=\"" + name + "\"/>\n";
    return list;
}

TEST_F(BrokenCopy, ProblemsCarryTheLineOfTheirElement)
{
    files.entities = {"\n" + entity("PLAYER", 300, 120), "\n\n" + entity("CATAPULT1", 250, 400)};
    std::vector<CLevelProblem> problems = check();
    ASSERT_EQ(problems.size(), 1u) << messages(problems);
    EXPECT_EQ(problems[0].line, 4);
    EXPECT_EQ(problems[0].located(), "data/maps/easy/l3_entities.xml:4: CATAPULT1 at (250, 400): \"CATAPULT1\" is not an "
                                     "entity name (the program ends when it loads the level)");
    fs::remove(dir.file("data/maps/easy/l3_map.xml"));
    EXPECT_EQ(checkLevel(easy, "l3", 2)[0].located(), "data/maps/easy/l3_map.xml: the file is missing");
}

TEST_F(BrokenCopy, WhatALoaderRefusesIsAProblemOfItsLevelAndTheSetGoesOn)
{
    check("l1", 0);
    check("l2", 1);
    dir.write("data/maps/easy/l1_map.xml", "<map background=\"data/gfx/bg_meadow.png\">\n<layer>\n<tile id=\"1\" y=\"14\"/>"
                                          "</layer></map>");
    dir.write("data/maps/easy/l2_defs.xml", "<level tiledef=\"tiles_test.xml\"\n\n name=\"Pole\"");
    files.entities.push_back(entity("CATAPULT1", 250, 400));
    check("l3", 2);
    dir.write("data/maps/easy/levellist.xml", listOf({"l1", "l2", "l3", "l9"}));

    std::vector<CLevelProblem> problems = checkLevelSet(easy);
    ASSERT_EQ(problems.size(), 4u) << messages(problems);
    EXPECT_EQ(problems[0].located(), "data/maps/easy/l1_map.xml:3: X not found near TILE tag!");
    EXPECT_EQ(problems[1].file, "data/maps/easy/l2_defs.xml");
    EXPECT_GT(problems[1].line, 0);
    EXPECT_EQ(problems[1].what.rfind("not well-formed XML: ", 0), 0u) << problems[1].what;
    EXPECT_EQ(problems[2].level, "l3");
    EXPECT_EQ(problems[3].located(), "data/maps/easy/levellist.xml:4: the level l9 is listed, but none of its files "
                                     "is in data/maps/easy/");
    // The check leaves the program as it was: the wind range is back, no level clock is left.
    EXPECT_EQ(CGlobals::instance().levelClock, nullptr);
}

TEST_F(BrokenCopy, ASetWithoutAUsableListIsOneProblem)
{
    EXPECT_EQ(messages(checkLevelSet(easy)), "set easy, level -: data/maps/easy/levellist.xml: the level list is missing\n");
    dir.write("data/maps/easy/levellist.xml", "<levels>\n<level name=\"l1\"/></levels>");
    EXPECT_EQ(messages(checkLevelSet(easy)),
              "set easy, level -: data/maps/easy/levellist.xml: No level found in level list!\n");
    dir.write("data/maps/easy/levellist.xml", "<level name=\"l1\"/>\n<level nam=\"l2\"/>");
    EXPECT_EQ(checkLevelSet(easy)[0].located(), "data/maps/easy/levellist.xml:2: NAME not found near LEVEL tag!");
}

// The game's sprite collection with one template built anew.
class BrokenSprite : public BrokenCopy
{
protected:
    using Rebuild = std::function<void(const CSprite& original, CSprite& rebuilt)>;

    void replaceSprite(const std::string& name, const Rebuild& rebuild)
    {
        broken = std::make_unique<CSpriteCollection>("kolekce");
        for (size_t i = 0; i < gameSprites().size(); ++i) {
            const CSprite& original = gameSprites().at(i);
            if (original.getName() != name) {
                broken->add(std::make_unique<CSprite>(original));
                continue;
            }
            auto rebuilt = std::make_unique<CSprite>(name);
            rebuild(original, *rebuilt);
            broken->add(std::move(rebuilt));
        }
        brokenWorld = std::make_unique<CStartedWorld>(*broken);
    }

    // The original's framesets except those named, with the given ones added at the end.
    static void copyExcept(const CSprite& original, CSprite& rebuilt, const std::vector<std::string>& left)
    {
        for (size_t f = 0; f < original.framesetCount(); ++f) {
            const CFrameset& frameset = *original.framesetAt(f);
            if (std::find(left.begin(), left.end(), frameset.getName()) == left.end())
                rebuilt.addFrameset(std::make_unique<CFrameset>(frameset));
        }
    }

    // A frameset of one 40 x 60 frame with a box.
    static std::unique_ptr<CFrameset> frameset(const std::string& name, bool repeat, const std::string& frame)
    {
        auto set = std::make_unique<CFrameset>("data/gfx/clovek1.png", name, repeat);
        set->addFrame(std::make_unique<CFrame>(frame, 0, 0, 40, 60, 100, 10, 10, 20, 40));
        return set;
    }

    std::vector<std::string> spriteFaults()
    {
        std::vector<std::string> faults;
        for (const CLevelProblem& problem : check()) {
            EXPECT_EQ(problem.file, "data/gfx/didudo_sprites.xml");
            faults.push_back(problem.what);
        }
        return faults;
    }

    std::unique_ptr<CSpriteCollection> broken;
    std::unique_ptr<CStartedWorld> brokenWorld;
};

TEST_F(BrokenSprite, AThrowerHasEveryPoseItIsSwitchedToWithItsFirstFrame)
{
    replaceSprite("CLOVEK1", [](const CSprite& original, CSprite& rebuilt) {
        copyExcept(original, rebuilt, {"THROW_LEFT", "THROW_RIGHT", "HIT_LEFT"});
        rebuilt.addFrameset(frameset("THROW_RIGHT", true, "FRAME1"));
        rebuilt.addFrameset(frameset("HIT_LEFT", true, "SPLAT"));
    });
    EXPECT_EQ(spriteFaults(), (std::vector<std::string>{
                                  "sprite CLOVEK1 of CLOVEK1: no frameset THROW_LEFT (frameset 0 is shown instead)",
                                  "sprite CLOVEK1 of CLOVEK1: frameset THROW_RIGHT loops, but the game waits for it "
                                  "to stop: it must play once",
                                  "sprite CLOVEK1 of CLOVEK1: frameset HIT_LEFT has no frame FRAME1",
                              }));
}

TEST_F(BrokenSprite, WhatAGeneratorReleasesIsCheckedToo)
{
    replaceSprite("PLANE", [](const CSprite& original, CSprite& rebuilt) { copyExcept(original, rebuilt, {"AKTIVNI"}); });
    EXPECT_EQ(spriteFaults(),
              std::vector<std::string>{"sprite PLANE of PLANE: no frameset AKTIVNI (frameset 0 is shown instead)"});
}

}
