#include "level/level_check.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <map>
#include <set>
#include <utility>

#include "app/fatal.h"
#include "app/globals.h"
#include "app/text_number.h"
#include "app/xml_file.h"
#include "entity/contact_pass.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "level/hint_file.h"
#include "level/level_definition.h"
#include "level/frameset_needs.h"
#include "level/level_list.h"
#include "level/map.h"
#include "sound/sound_engine.h"

const char* const creditsLevel = "credits";
const char* const carrierName = "NOSIC";
const unsigned firstWinterIndex = 10;

namespace {

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
    int line;

    std::string describe() const
    {
        return name + (generated ? " from the generator at " : " at ") + at(x, y);
    }
};

// The game reads a negative start or interval of a generator as 0: what that does, if so.
// A fault at a line of the file.
using CLineFault = std::pair<int, std::string>;

void checkGeneratorTimes(const TiXmlElement& generator, const std::string& where, std::vector<CLineFault>& faults)
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
            faults.emplace_back(generator.Row(), "the generator at " + where + " has " + time.attribute + " " +
                                                     std::to_string(value) + ": it counts as 0, so " + time.effect);
    }
}

// Every name the entities file uses, read before the loader sees them (an unknown name would
// end the program there), and the faults of the generators' times.
std::vector<CPlacement> readPlacements(const std::string& path, std::vector<CLineFault>& generatorFaults)
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
                                  static_cast<float>(leadingInt(element->Attribute("y"))), false, element->Row()});
    for (const TiXmlElement* generator = root->FirstChildElement("generator"); generator;
         generator = generator->NextSiblingElement("generator")) {
        float x = static_cast<float>(leadingInt(generator->Attribute("x")));
        float y = static_cast<float>(leadingInt(generator->Attribute("y")));
        checkGeneratorTimes(*generator, at(x, y), generatorFaults);
        for (const TiXmlElement* child = generator->FirstChildElement("generatorentity"); child;
             child = child->NextSiblingElement("generatorentity"))
            if (const char* name = child->Attribute("name"))
                placements.push_back({name, x, y, true, child->Row()});
    }
    return placements;
}

// The line of the file's first top-level element of that name; 0 when it has none. The file
// has been read by a loader before, so it parses.
int rootLine(const std::string& path, const char* rootName)
{
    TiXmlDocument document;
    if (!document.LoadFile(path.c_str()))
        return 0;
    const TiXmlElement* root = document.FirstChildElement(rootName);
    return root ? root->Row() : 0;
}

// The lines of the level list's level elements, in order (as readLevelList finds them).
std::vector<int> listedLines(const std::string& path)
{
    std::vector<int> lines;
    TiXmlDocument document;
    if (!document.LoadFile(path.c_str()))
        return lines;
    const TiXmlNode* parent = &document;
    if (const TiXmlElement* root = document.FirstChildElement("levelList"))
        parent = root;
    for (const TiXmlElement* element = parent->FirstChildElement("level"); element;
         element = element->NextSiblingElement("level"))
        lines.push_back(element->Row());
    return lines;
}

// The line of each sprite of the collection file, by name (the first of a name).
const std::map<std::string, int>& spriteLines()
{
    static std::map<std::string, int> lines;
    if (!lines.empty())
        return lines;
    TiXmlDocument document;
    if (!document.LoadFile(programCollectionFile))
        return lines;
    if (const TiXmlElement* root = document.FirstChildElement("kolekce"))
        for (const TiXmlElement* sprite = root->FirstChildElement("sprite"); sprite;
             sprite = sprite->NextSiblingElement("sprite"))
            if (const char* name = sprite->Attribute("name"))
                lines.emplace(name, sprite->Row());
    return lines;
}

// The line of the text on which the first character outside ASCII stands (lines from 1).
int firstNonAsciiLine(const std::string& text)
{
    int line = 1;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 128)
            return line;
        if (c == '\n')
            ++line;
    }
    return 0;
}

// The global values a level definition writes, put back when the check of a level ends.
class CKeptGlobals
{
public:
    CKeptGlobals() : maxWind(CGlobals::instance().maxWind) {}
    ~CKeptGlobals()
    {
        CGlobals& globals = CGlobals::instance();
        delete globals.levelClock;
        globals.levelClock = nullptr;
        globals.timeLimit = 0;
        globals.maxWind = maxWind;
    }
    CKeptGlobals(const CKeptGlobals&) = delete;
    CKeptGlobals& operator=(const CKeptGlobals&) = delete;

private:
    Sint32 maxWind;
};

// A placed entity with the element that placed it.
struct CPlaced
{
    const CPlacement* placement;
    const CMapEntity* entity;
};

// Collects the problems of one level, each naming the file and the line it is in.
class CLevelChecker
{
public:
    CLevelChecker(const CLevelSet& levelSet, const std::string& levelName, unsigned levelIndex)
        : set(levelSet), level(levelName), index(levelIndex), defsFile(set.definitionFile(levelName)),
          mapFile(set.mapFile(levelName)), entitiesFile(set.entitiesFile(levelName)), played(levelName != creditsLevel)
    {
    }

    std::vector<CLevelProblem> run();

private:
    void report(const std::string& file, int line, const std::string& what)
    {
        CLevelProblem problem{set.name, level, file, what};
        problem.line = line;
        problems.push_back(problem);
    }
    void loadAndCheck();
    bool filesPresent();
    void checkDefinition();
    void checkMap();
    void checkEntities();
    void checkPlayer(const std::vector<CPlaced>& placed, bool carrier);
    void checkStartingCell(const CPlacement& placement, const CMapEntity& entity);
    void checkSprite(const std::string& name);
    void checkHint();

    const CLevelSet& set;
    std::string level;
    unsigned index;
    std::string defsFile, mapFile, entitiesFile;
    bool played;
    int definitionLine = 0;
    CLevelDefinition definition;
    CMap map;
    std::vector<CLevelProblem> problems;
};

std::vector<CLevelProblem> CLevelChecker::run()
{
    if (!filesPresent())
        return problems;
    CFatalErrorsThrow caught;
    CKeptGlobals kept;
    try {
        loadAndCheck();
    } catch (const CFatalError& error) {
        // What the loaders refuse ends the check of this level: the rest would not be read.
        report(error.file().empty() ? entitiesFile : error.file(), error.line(), error.message());
    }
    return problems;
}

void CLevelChecker::loadAndCheck()
{
    checkDefinition();
    const std::string tiles = set.tileDefinitionsFile(definition.tileDefFile);
    if (!fileExists(tiles)) {
        report(defsFile, definitionLine, "its tile definitions " + tiles + " do not exist");
        return;
    }
    map.loadTileDefinitions(tiles);
    map.loadMap(mapFile);
    checkMap();
    checkEntities();
    if (played)
        checkHint();
}

bool CLevelChecker::filesPresent()
{
    for (const std::string& file : {defsFile, mapFile, entitiesFile})
        if (!fileExists(file))
            report(file, 0, "the file is missing");
    return problems.empty();
}

void CLevelChecker::checkDefinition()
{
    CGlobals& globals = CGlobals::instance();
    const Sint32 unset = -0x7FFFFFFF;
    globals.maxWind = unset;
    readLevelDefinition(definition, defsFile);
    const int line = definitionLine = rootLine(defsFile, "level");

    if (globals.maxWind == unset)
        report(defsFile, line, "no maxWind: the level keeps the wind range of whatever level was loaded before it");
    else if (globals.maxWind < 1)
        report(defsFile, line, "maxWind is " + std::to_string(globals.maxWind) + ": it must be at least 1");
    if (played && !globals.levelClock)
        report(defsFile, line, "no time: the level never ends by time");
    else if (played && globals.timeLimit == 0)
        report(defsFile, line, "time is 0: the level ends on its first frame");
    if (definition.musicName.empty())
        report(defsFile, line, "no music: the level is played in silence");
    else if (CSoundEngine::instance().musicEntries(definition.musicName) == 0)
        report(defsFile, line,
               "music \"" + definition.musicName + "\" is not a registered track: the level is played in silence");
    if (!isAscii(definition.displayName))
        report(defsFile, line,
               "the name \"" + definition.displayName + "\" has characters outside ASCII: they are drawn as blanks");
}

void CLevelChecker::checkMap()
{
    const int line = rootLine(mapFile, "map");
    if (played && !map.background())
        report(mapFile, line, "no background picture (or it cannot be loaded): nothing clears the screen between frames");

    std::vector<std::string> gaps;
    for (int column = 0; column < CMap::columns; ++column)
        if (!solidCell(map, column, 14))
            gaps.push_back(std::to_string(column));
    if (!gaps.empty())
        report(mapFile, line,
               "row 14 is not solid at column " + joined(gaps) +
                   ": droppings, balls and a falling bird go through the ground there");

    std::vector<std::string> obstacles;
    for (int row = 12; row <= 13; ++row)
        for (int column = 0; column < CMap::columns; ++column)
            if (solidCell(map, column, row))
                obstacles.push_back(cellName(column, row));
    if (!obstacles.empty())
        report(mapFile, line,
               "solid cells in rows 12-13 (" + joined(obstacles) +
                   "): the running animals cross the whole width there and get stuck");
}

void CLevelChecker::checkEntities()
{
    std::vector<CLineFault> generatorFaults;
    const std::vector<CPlacement> placements = readPlacements(entitiesFile, generatorFaults);
    for (const CLineFault& fault : generatorFaults)
        report(entitiesFile, fault.first, fault.second);
    const CMapEntityCollection& registry = CMapEntityCollection::instance();
    bool allKnown = true;
    for (const CPlacement& placement : placements) {
        if (registry.has(placement.name))
            continue;
        report(entitiesFile, placement.line,
               placement.describe() + ": \"" + placement.name +
                   "\" is not an entity name (the program ends when it loads the level)");
        allKnown = false;
    }
    if (!allKnown)
        return;

    CMapEntitiesCollection_Game collection;
    collection.setMap(&map);
    collection.loadEntities(entitiesFile);

    std::vector<CPlaced> placed;
    std::vector<std::unique_ptr<CMapEntity>> released;
    bool carrier = false;
    std::set<std::string> names;
    for (const CPlacement& placement : placements) {
        names.insert(placement.name);
        const CMapEntity* entity = nullptr;
        if (placement.generated) {
            released.push_back(registry.createByName(placement.name));
            released.back()->setPosition(placement.x, placement.y);
            entity = released.back().get();
        } else {
            entity = collection.at(placed.size());
            placed.push_back({&placement, entity});
        }
        carrier = carrier || placement.name == carrierName;
        checkStartingCell(placement, *entity);
    }
    checkPlayer(placed, carrier);
    for (const std::string& name : names)
        checkSprite(name);
}

void CLevelChecker::checkPlayer(const std::vector<CPlaced>& placed, bool carrier)
{
    std::vector<CPlaced> birds;
    for (const CPlaced& one : placed)
        if (isPlayerBird(one.entity->getName()))
            birds.push_back(one);
    // Nothing answers the keys behind the credits.
    if (!played)
        return;
    const int rootAt = rootLine(entitiesFile, "mapEntities");
    if (carrier) {
        if (!birds.empty())
            report(entitiesFile, birds.front().placement->line,
                   "the level places the water carrier " + std::string(carrierName) + " and a " +
                       birds.front().entity->getName() + ": the carrier alone should answer the keys there");
        if (definition.requiredScore != 0)
            report(defsFile, definitionLine,
                   "the carrier's level requires a score of " + std::to_string(definition.requiredScore) +
                       ": nothing scores there, so it can never be won");
        return;
    }
    if (birds.empty()) {
        report(entitiesFile, rootAt, "no PLAYER or WINTERPLAYER: the level has no bird (only the water carrier "
                                     + std::string(carrierName) + " plays without one)");
        return;
    }
    if (birds.size() > 1)
        report(entitiesFile, birds[1].placement->line,
               std::to_string(birds.size()) + " player birds: every one of them obeys the keys");

    const CMapEntity& bird = *birds.front().entity;
    const int line = birds.front().placement->line;
    const bool winter = index >= firstWinterIndex;
    const char* expected = winter ? "WINTERPLAYER" : "PLAYER";
    if (bird.getName() != expected)
        report(entitiesFile, line,
               "the bird is " + bird.getName() + ", but " + level + " is level " + std::to_string(index + 1) +
                   " of its list, a " + (winter ? "winter" : "summer") + " level: it takes " + expected);
    std::vector<std::string> cells = solidCellsUnder(bird, map);
    if (!cells.empty())
        report(entitiesFile, line,
               bird.getName() + " at " + at(bird.getX(), bird.getY()) + " starts on the solid cell " + joined(cells) +
                   ": start it in the open sky");
    for (const CPlaced& other : placed) {
        const Uint32 hazard = other.entity->getCollisionClass();
        if ((hazard == 3 || hazard == 4) && boxesTouch(bird, *other.entity))
            report(entitiesFile, line,
                   bird.getName() + " at " + at(bird.getX(), bird.getY()) + " starts touching " +
                       other.entity->getName() + " at " + at(other.entity->getX(), other.entity->getY()) +
                       ": it falls at once");
    }
}

void CLevelChecker::checkStartingCell(const CPlacement& placement, const CMapEntity& entity)
{
    if (groundWalkers.count(placement.name)) {
        std::vector<std::string> cells = solidCellsUnder(entity, map);
        if (!cells.empty())
            report(entitiesFile, placement.line,
                   placement.describe() + ": its box touches the solid cell " + joined(cells) +
                       ", so it is frozen in place (keep the box above the ground row)");
    }
    if (goneOnTileContact.count(placement.name)) {
        std::vector<std::string> cells = solidCellsUnder(entity, map);
        if (!cells.empty())
            report(entitiesFile, placement.line,
                   placement.describe() + ": it starts on the solid cell " + joined(cells) +
                       " and is removed on its first frame");
    }
    for (const CDripPoint& drip : dripPoints) {
        if (placement.name != drip.icicle)
            continue;
        std::unique_ptr<CMapEntity> drop = CMapEntityCollection::instance().createByName("KAPKA");
        drop->setPosition(entity.getX() + drip.dx, entity.getY() + drip.dy);
        std::vector<std::string> cells = solidCellsUnder(*drop, map);
        if (!cells.empty())
            report(entitiesFile, placement.line,
                   placement.describe() + ": its drops appear on the solid cell " + joined(cells) +
                       " and vanish at once");
    }
}

void CLevelChecker::checkSprite(const std::string& name)
{
    const CMapEntity& prototype = CMapEntityCollection::instance().find(name);
    const auto& lines = spriteLines();
    auto line = lines.find(prototype.getSpriteName());
    for (const std::string& fault : spriteFaults(name, *prototype.getSprite()))
        report(programCollectionFile, line == lines.end() ? 0 : line->second,
               "sprite " + prototype.getSpriteName() + " of " + name + ": " + fault);
}

void CLevelChecker::checkHint()
{
    const std::string path = set.hintFile(level);
    if (!fileExists(path))
        return;
    const std::string hint = readHint(path);
    if (hint.find_first_not_of(" \t\r\n") == std::string::npos)
        report(path, 0, "the hint is empty: an empty hint window opens (leave the file out for no hint)");
    if (!isAscii(hint))
        report(path, firstNonAsciiLine(hint), "the hint has characters outside ASCII: they are drawn as blanks");
}

}

std::string CLevelProblem::message() const
{
    return "set " + set + ", level " + level + ": " + file + ": " + what;
}

std::string CLevelProblem::located() const
{
    return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what;
}

std::vector<CLevelProblem> checkLevel(const CLevelSet& set, const std::string& level, unsigned index)
{
    return CLevelChecker(set, level, index).run();
}

std::vector<CLevelProblem> checkLevelSet(const CLevelSet& set)
{
    std::vector<CLevelProblem> problems;
    const std::string path = set.levelList();
    if (!fileExists(path)) {
        problems.push_back({set.name, "-", path, "the level list is missing"});
        return problems;
    }
    std::unique_ptr<CLevelList> list;
    try {
        CFatalErrorsThrow caught;
        list = readLevelList(path);
    } catch (const CFatalError& error) {
        CLevelProblem problem{set.name, "-", path, error.message()};
        problem.line = error.line();
        problems.push_back(problem);
        return problems;
    }
    const std::vector<int> lines = listedLines(path);
    for (size_t i = 0; i < list->count(); ++i) {
        const std::string& level = list->name(i);
        if (!fileExists(set.definitionFile(level)) && !fileExists(set.mapFile(level)) &&
            !fileExists(set.entitiesFile(level))) {
            CLevelProblem problem{set.name, level, path,
                                  "the level " + level + " is listed, but none of its files is in " + set.folder};
            problem.line = i < lines.size() ? lines[i] : 0;
            problems.push_back(problem);
            continue;
        }
        std::vector<CLevelProblem> found = checkLevel(set, level, static_cast<unsigned>(i));
        problems.insert(problems.end(), found.begin(), found.end());
    }
    if (fileExists(set.definitionFile(creditsLevel))) {
        std::vector<CLevelProblem> found = checkLevel(set, creditsLevel, 0);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return problems;
}
