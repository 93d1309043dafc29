#include "level/level_check.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "app/globals.h"
#include "app/text_number.h"
#include "app/xml_file.h"
#include "entity/contact_pass.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "level/hint_file.h"
#include "level/level_definition.h"
#include "level/level_list.h"
#include "level/map.h"
#include "level/frameset_needs.h"
#include "sound/sound_engine.h"

const std::vector<std::string> levelOrder = {
    "l1",  "l2",  "l3",  "l4",  "l5",  "l6",  "l7",  "l8",  "l9",  "l10",
    "l1b", "l2b", "l3b", "l4b", "l5b", "l6b", "l7b", "l8b", "l9b", "l10b",
};
const char* const creditsLevel = "credits";
const char* const rescueLevel = "l9";

namespace {

// The levels the game's passwords start at, with their passwords.
const std::pair<const char*, const char*> passwordLevels[] = {{"l6", "plumb"}, {"l1b", "grivelk"}, {"l8b", "tandor"}};

// From this index on the animal dispenser sends winter animals: the winter bird belongs there.
const size_t firstWinterIndex = 10;

// Entities that walk or run along the ground: a solid cell under the box undoes every step.
const std::set<std::string> groundWalkers = {
    "CLOVEK1", "CLOVEK2",  "CLOVEK3", "CLOVEK4", "CLOVEK5", "CLOVEK6",    "WINTERCLOVEK1", "YETI",      "VELBLOUD",
    "BOSS1",   "NOSIC",    "SKORPION", "CAT",    "DOG",     "PIG",        "WINTERDOG",     "FOX",       "PENGUIN",
    "EGGRUNNER",
};

// Entities whose controller lets go of them on their first contact with a solid cell.
const std::set<std::string> goneOnTileContact = {
    "HYETILEFT",  "HYETIRIGHT",   "BALON",         "WINTERBALON",  "TRIGGERBALON", "EGG",
    "PADAKBOBKY", "PADAKSTIT",    "PADAKZIVOT",    "PADAKGOODTIME", "PADAKBADTIME", "PADAKBAD",
    "PADAKSPEED", "PADAKSLOW",    "PADAKSECRET",   "PADAKLEVEL",   "PADAKBOMB",    "PADAKWING",
    "PADAKKING",  "PADAKLAVINA",  "KAMEN",         "KAMEN2",       "FLYINGBOY1",   "KOULE",
    "KOULEUP",    "SNOWBALL",     "WINTERKOULE",   "FALLINGWINTERKOULE", "MEGASNOWBALL", "DKOULE",
    "KAPKA",
};

// Icicles and where the drop they shed appears, relative to the icicle.
struct CDripPoint
{
    const char* icicle;
    float dx, dy;
};
const CDripPoint dripPoints[] = {{"RAMPOUCH1", 2, 42}, {"RAMPOUCH2", 0, 25}};

bool isPlayerBird(const std::string& name)
{
    return name == "PLAYER" || name == "WINTERPLAYER";
}

bool isAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 128; });
}

bool fileExists(const std::string& path)
{
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return true;
    }
    return false;
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string at(float x, float y)
{
    return "(" + std::to_string(static_cast<int>(x)) + ", " + std::to_string(static_cast<int>(y)) + ")";
}

std::string cellName(int column, int row)
{
    return "column " + std::to_string(column) + " row " + std::to_string(row);
}

size_t collidingLayers(const CMap& map)
{
    return std::min<size_t>(map.layerCount(), 2);
}

bool solidCell(const CMap& map, int column, int row)
{
    int index = cellIndex(column, row);
    if (index < 0)
        return false;
    for (size_t layer = 0; layer < collidingLayers(map); ++layer)
        if (map.blocks(layer, static_cast<size_t>(index)))
            return true;
    return false;
}

// The solid cells under an entity's box, by the contact pass's own rule.
std::vector<std::string> solidCellsUnder(const CMapEntity& entity, const CMap& map)
{
    std::vector<std::string> cells;
    CCellSpan span = cellsUnderBox(entity);
    for (int row = span.firstRow; row <= span.lastRow; ++row)
        for (int column = span.firstColumn; column <= span.lastColumn; ++column)
            if (solidCell(map, column, row))
                cells.push_back(cellName(column, row));
    return cells;
}

// Inclusive pixel boxes touch as the contact pass finds it; an empty box touches nothing.
bool boxesTouch(const CMapEntity& a, const CMapEntity& b)
{
    SDL_Rect boxA = a.currentBox();
    SDL_Rect boxB = b.currentBox();
    if ((boxA.w == 0 && boxA.h == 0) || (boxB.w == 0 && boxB.h == 0))
        return false;
    int leftA = static_cast<int>(a.getX()) + boxA.x, topA = static_cast<int>(a.getY()) + boxA.y;
    int leftB = static_cast<int>(b.getX()) + boxB.x, topB = static_cast<int>(b.getY()) + boxB.y;
    return leftA <= leftB + boxB.w - 1 && leftB <= leftA + boxA.w - 1 && topA <= topB + boxB.h - 1 &&
           topB <= topA + boxA.h - 1;
}

// Something the entities file puts on the level: placed at once, or released by a generator.
struct CPlacement
{
    std::string name;
    float x, y;
    bool generated;

    std::string describe() const
    {
        return name + (generated ? " from the generator at " : " at ") + at(x, y);
    }
};

// The game reads a negative start or interval of a generator as 0: what that does, if so.
void checkGeneratorTimes(const TiXmlElement& generator, const std::string& where, std::vector<std::string>& faults)
{
    const struct
    {
        const char* attribute;
        const char* effect;
    } times[] = {{"start", "the first release comes on the level's first frame"},
                 {"interval", "it releases one entity every frame"}};
    for (const auto& time : times) {
        const int value = leadingInt(generator.Attribute(time.attribute));
        if (value < 0)
            faults.push_back("the generator at " + where + " has " + time.attribute + " " + std::to_string(value) +
                             ": it counts as 0, so " + time.effect);
    }
}

// Every name the entities file uses, read before the loader sees them (an unknown name would
// end the program there), and the faults of the generators' times.
std::vector<CPlacement> readPlacements(const std::string& path, std::vector<std::string>& generatorFaults)
{
    std::vector<CPlacement> placements;
    TiXmlDocument document;
    loadXmlFile(document, path);
    const TiXmlElement* root = document.FirstChildElement("mapEntities");
    if (!root)
        return placements;
    for (const TiXmlElement* element = root->FirstChildElement("entity"); element;
         element = element->NextSiblingElement("entity"))
        if (const char* name = element->Attribute("name"))
            placements.push_back({name, static_cast<float>(leadingInt(element->Attribute("x"))),
                                  static_cast<float>(leadingInt(element->Attribute("y"))), false});
    for (const TiXmlElement* generator = root->FirstChildElement("generator"); generator;
         generator = generator->NextSiblingElement("generator")) {
        float x = static_cast<float>(leadingInt(generator->Attribute("x")));
        float y = static_cast<float>(leadingInt(generator->Attribute("y")));
        checkGeneratorTimes(*generator, at(x, y), generatorFaults);
        for (const TiXmlElement* child = generator->FirstChildElement("generatorentity"); child;
             child = child->NextSiblingElement("generatorentity"))
            if (const char* name = child->Attribute("name"))
                placements.push_back({name, x, y, true});
    }
    return placements;
}

// Collects the problems of one level, each naming the file it is in.
class CLevelChecker
{
public:
    CLevelChecker(const std::string& levelSet, const std::string& levelName)
        : set(levelSet), level(levelName), base("data/maps/" + levelSet + "/" + levelName),
          defsFile(base + "_defs.xml"), mapFile(base + "_map.xml"), entitiesFile(base + "_entities.xml"),
          played(levelName != creditsLevel)
    {
    }

    std::vector<CLevelProblem> run();

private:
    void report(const std::string& file, const std::string& what) { problems.push_back({set, level, file, what}); }
    bool filesPresent();
    void checkDefinition();
    void checkMap();
    void checkEntities();
    void checkPlayer(const std::vector<CMapEntity*>& birds, const std::vector<std::unique_ptr<CMapEntity>>& all);
    void checkStartingCell(const CPlacement& placement, const CMapEntity& entity);
    void checkSprite(const std::string& name);
    void checkHint();

    std::string set, level, base, defsFile, mapFile, entitiesFile;
    bool played;
    CLevelDefinition definition;
    CMap map;
    std::vector<CLevelProblem> problems;
};

std::vector<CLevelProblem> CLevelChecker::run()
{
    if (!filesPresent())
        return problems;
    checkDefinition();
    const std::string tiles = "data/maps/" + definition.tileDefFile;
    if (!fileExists(tiles)) {
        report(defsFile, "its tile definitions " + tiles + " do not exist");
        return problems;
    }
    map.loadTileDefinitions(tiles);
    map.loadMap(mapFile);
    checkMap();
    checkEntities();
    if (played)
        checkHint();
    return problems;
}

bool CLevelChecker::filesPresent()
{
    for (const std::string& file : {defsFile, mapFile, entitiesFile})
        if (!fileExists(file))
            report(file, "the file is missing");
    return problems.empty();
}

void CLevelChecker::checkDefinition()
{
    CGlobals& globals = CGlobals::instance();
    const Sint32 keptWind = globals.maxWind;
    const Sint32 unset = -0x7FFFFFFF;
    globals.maxWind = unset;
    readLevelDefinition(definition, defsFile);

    if (globals.maxWind == unset)
        report(defsFile, "no maxWind: the level keeps the wind range of whatever level was loaded before it");
    else if (globals.maxWind < 1)
        report(defsFile, "maxWind is " + std::to_string(globals.maxWind) + ": it must be at least 1");
    if (played && !globals.levelClock)
        report(defsFile, "no time: the level never ends by time");
    else if (played && globals.timeLimit == 0)
        report(defsFile, "time is 0: the level ends on its first frame");
    if (definition.musicName.empty())
        report(defsFile, "no music: the level is played in silence");
    else if (CSoundEngine::instance().musicEntries(definition.musicName) == 0)
        report(defsFile, "music \"" + definition.musicName + "\" is not a registered track: the level is played in silence");
    if (level == rescueLevel && definition.requiredScore != 0)
        report(defsFile, "the rescue level requires a score of " + std::to_string(definition.requiredScore) +
                             ": nothing scores there, so it can never be won");
    if (!isAscii(definition.displayName))
        report(defsFile, "the name \"" + definition.displayName + "\" has characters outside ASCII: they are drawn as blanks");

    delete globals.levelClock;
    globals.levelClock = nullptr;
    globals.timeLimit = 0;
    globals.maxWind = keptWind;
}

void CLevelChecker::checkMap()
{
    if (played && !map.background())
        report(mapFile, "no background picture (or it cannot be loaded): nothing clears the screen between frames");

    std::vector<std::string> gaps;
    for (int column = 0; column < CMap::columns; ++column)
        if (!solidCell(map, column, 14))
            gaps.push_back(std::to_string(column));
    if (!gaps.empty())
        report(mapFile, "row 14 is not solid at column " + joined(gaps) +
                            ": droppings, balls and a falling bird go through the ground there");

    std::vector<std::string> obstacles;
    for (int row = 12; row <= 13; ++row)
        for (int column = 0; column < CMap::columns; ++column)
            if (solidCell(map, column, row))
                obstacles.push_back(cellName(column, row));
    if (!obstacles.empty())
        report(mapFile, "solid cells in rows 12-13 (" + joined(obstacles) +
                            "): the running animals cross the whole width there and get stuck");
}

void CLevelChecker::checkEntities()
{
    std::vector<std::string> generatorFaults;
    const std::vector<CPlacement> placements = readPlacements(entitiesFile, generatorFaults);
    for (const std::string& fault : generatorFaults)
        report(entitiesFile, fault);
    const CMapEntityCollection& registry = CMapEntityCollection::instance();
    bool allKnown = true;
    for (const CPlacement& placement : placements) {
        if (registry.has(placement.name))
            continue;
        report(entitiesFile, placement.describe() + ": \"" + placement.name +
                                 "\" is not an entity name (the program ends when it loads the level)");
        allKnown = false;
    }
    if (!allKnown)
        return;

    CMapEntitiesCollection_Game collection;
    collection.setMap(&map);
    collection.loadEntities(entitiesFile);

    std::vector<CMapEntity*> birds;
    for (const auto& entity : collection.all())
        if (isPlayerBird(entity->getName()))
            birds.push_back(entity.get());
    checkPlayer(birds, collection.all());

    std::set<std::string> names;
    size_t placed = 0;
    for (const CPlacement& placement : placements) {
        names.insert(placement.name);
        std::unique_ptr<CMapEntity> released;
        const CMapEntity* entity = nullptr;
        if (placement.generated) {
            released = registry.createByName(placement.name);
            released->setPosition(placement.x, placement.y);
            entity = released.get();
        } else {
            entity = collection.at(placed++);
        }
        checkStartingCell(placement, *entity);
    }
    for (const std::string& name : names)
        checkSprite(name);
}

void CLevelChecker::checkPlayer(const std::vector<CMapEntity*>& birds, const std::vector<std::unique_ptr<CMapEntity>>& all)
{
    if (level == rescueLevel) {
        if (!birds.empty())
            report(entitiesFile, "the rescue level places a " + birds.front()->getName() +
                                     ": the carrier alone should answer the keys there");
        return;
    }
    if (birds.empty()) {
        report(entitiesFile, "no PLAYER or WINTERPLAYER: the level has no bird");
        return;
    }
    if (birds.size() > 1)
        report(entitiesFile, std::to_string(birds.size()) + " player birds: every one of them obeys the keys");

    const CMapEntity& bird = *birds.front();
    auto index = std::find(levelOrder.begin(), levelOrder.end(), level);
    if (index != levelOrder.end()) {
        const bool winter = static_cast<size_t>(index - levelOrder.begin()) >= firstWinterIndex;
        const char* expected = winter ? "WINTERPLAYER" : "PLAYER";
        if (bird.getName() != expected)
            report(entitiesFile, "the bird is " + bird.getName() + ", but " + level + " is a " +
                                     (winter ? "winter" : "summer") + " level: it takes " + expected);
    }
    std::vector<std::string> cells = solidCellsUnder(bird, map);
    if (!cells.empty())
        report(entitiesFile, bird.getName() + " at " + at(bird.getX(), bird.getY()) + " starts on the solid cell " +
                                 joined(cells) + ": start it in the open sky");
    for (const auto& other : all) {
        const Uint32 hazard = other->getCollisionClass();
        if ((hazard == 3 || hazard == 4) && boxesTouch(bird, *other))
            report(entitiesFile, bird.getName() + " at " + at(bird.getX(), bird.getY()) + " starts touching " +
                                     other->getName() + " at " + at(other->getX(), other->getY()) +
                                     ": it falls at once");
    }
}

void CLevelChecker::checkStartingCell(const CPlacement& placement, const CMapEntity& entity)
{
    if (groundWalkers.count(placement.name)) {
        std::vector<std::string> cells = solidCellsUnder(entity, map);
        if (!cells.empty())
            report(entitiesFile, placement.describe() + ": its box touches the solid cell " + joined(cells) +
                                     ", so it is frozen in place (keep the box above the ground row)");
    }
    if (goneOnTileContact.count(placement.name)) {
        std::vector<std::string> cells = solidCellsUnder(entity, map);
        if (!cells.empty())
            report(entitiesFile, placement.describe() + ": it starts on the solid cell " + joined(cells) +
                                     " and is removed on its first frame");
    }
    for (const CDripPoint& drip : dripPoints) {
        if (placement.name != drip.icicle)
            continue;
        std::unique_ptr<CMapEntity> drop = CMapEntityCollection::instance().createByName("KAPKA");
        drop->setPosition(entity.getX() + drip.dx, entity.getY() + drip.dy);
        std::vector<std::string> cells = solidCellsUnder(*drop, map);
        if (!cells.empty())
            report(entitiesFile, placement.describe() + ": its drops appear on the solid cell " + joined(cells) +
                                     " and vanish at once");
    }
}

void CLevelChecker::checkSprite(const std::string& name)
{
    const CMapEntity& prototype = CMapEntityCollection::instance().find(name);
    for (const std::string& fault : spriteFaults(name, *prototype.getSprite()))
        report("data/gfx/didudo_sprites.xml", "sprite " + prototype.getSpriteName() + " of " + name + ": " + fault);
}

void CLevelChecker::checkHint()
{
    const std::string path = "data/maps/" + level + "_hint.xml";
    if (!fileExists(path))
        return;
    const std::string hint = readHint(path);
    if (hint.find_first_not_of(" \t\r\n") == std::string::npos)
        report(path, "the hint is empty: an empty hint window opens (leave the file out for no hint)");
    if (!isAscii(hint))
        report(path, "the hint has characters outside ASCII: they are drawn as blanks");
}

}

std::string CLevelProblem::message() const
{
    return "set " + set + ", level " + level + ": " + file + ": " + what;
}

std::vector<CLevelProblem> checkLevelList(const std::string& set)
{
    std::vector<CLevelProblem> problems;
    const std::string path = "data/maps/" + set + "/levellist.xml";
    auto report = [&](const std::string& level, const std::string& what) {
        problems.push_back({set, level, path, what});
    };
    if (!fileExists(path)) {
        report("-", "the level list is missing");
        return problems;
    }
    std::unique_ptr<CLevelList> list = readLevelList(path);
    std::vector<std::string> names;
    for (size_t i = 0; i < list->count(); ++i)
        names.push_back(list->name(i));

    for (const std::string& name : levelOrder) {
        if (std::find(names.begin(), names.end(), name) != names.end())
            continue;
        std::string what = "the level is missing from the list";
        for (const auto& password : passwordLevels)
            if (name == password.first)
                what += std::string(": its password \"") + password.second + "\" would end the game";
        report(name, what);
    }
    std::set<std::string> seen;
    for (const std::string& name : names) {
        if (!seen.insert(name).second)
            report(name, "the level is listed twice");
        else if (name == creditsLevel)
            report(name, "the credits backdrop is listed: it is not a level to play");
        else if (std::find(levelOrder.begin(), levelOrder.end(), name) == levelOrder.end())
            report(name, "the level is not one of the game's levels");
    }
    if (problems.empty() && names != levelOrder)
        report("-", "the levels are out of order: " + joined(names) + " (the game plays " + joined(levelOrder) + ")");
    return problems;
}

std::vector<CLevelProblem> checkLevel(const std::string& set, const std::string& level)
{
    return CLevelChecker(set, level).run();
}
