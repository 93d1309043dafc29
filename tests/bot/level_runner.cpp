#include "bot/level_runner.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/globals.h"
#include "entity/map_entity.h"
#include "game/level.h"
#include "gfx/sprite.h"
#include "level/level_list.h"
#include "options/options.h"

namespace {

const char* const setNames[] = {"easy", "medium", "hard"};
const Uint32 frameMs = 20;
// A level without a clock, or one the power-ups keep lengthening, is given up after this.
const Uint32 extraTimeMs = 60000;
const Uint32 clocklessLimitMs = 180000;

CCommandLine plainDrawing()
{
    CCommandLine commandLine;
    commandLine.software = true;
    return commandLine;
}

bool fileExists(const std::string& path)
{
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return true;
    }
    return false;
}

// The bonus watcher puts its score figures where the bird is; hits put theirs above the target.
bool nearMissScored(const CMapEntitiesCollection& level)
{
    const CMapEntity* bird = level.getPlayer();
    if (!bird)
        return false;
    for (const auto& entity : level.all()) {
        const Uint32 kind = entity->getKind();
        const bool figure = kind == 9 || kind == 10 || kind == 11 || kind == 31;  // BONUS10, 50, 150, 250
        if (figure && !entity->isControlled() && std::fabs(entity->getX() - bird->centerX()) < 0.5f &&
            std::fabs(entity->getY() - bird->getY()) < 0.5f)
            return true;
    }
    return false;
}

// The names of what touches the bird and fells it (hostile bodies and projectiles).
std::string hazardsTouching(const CMapEntitiesCollection& level)
{
    std::string names;
    if (const CMapEntity* bird = level.getPlayer())
        for (const CMapEntity* other : bird->getContacts())
            if (other->getCollisionClass() == 3 || other->getCollisionClass() == 4)
                names += (names.empty() ? "" : "+") + other->getName();
    return names;
}

bool birdFalling(const CMapEntitiesCollection& level)
{
    const CMapEntity* bird = level.getPlayer();
    return bird && bird->getSprite()->currentFramesetName() == "FALL";
}

EEnding lostHow(CApplication& app)
{
    CGlobals& globals = CGlobals::instance();
    if (birdFalling(app.level->getEntities()))
        return EEnding::Fell;
    if (globals.levelClock && globals.levelClock->elapsed() >= static_cast<Sint32>(globals.timeLimit))
        return EEnding::Short;
    return EEnding::Broke;
}

const char* const bossNames[] = {"BOSS1", "BOSS2", "HYETILEFT", "HYETIRIGHT"};

std::string kindOf(const CMapEntitiesCollection& level)
{
    std::string season, boss;
    for (const auto& entity : level.all()) {
        const std::string& name = entity->getName();
        if (name == "NOSIC")
            return "rescue";
        if (name == "PLAYER")
            season = "summer";
        if (name == "WINTERPLAYER")
            season = "winter";
        for (const char* bossName : bossNames)
            if (name == bossName)
                boss = ", boss";
    }
    return season + boss;
}

bool startGame(CApplication& app)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    app.initialise();
    // The bot hears nothing: no music to decode while it plays.
    CAudioOptions::instance().setMusic(false);
    CGlobals::instance().hints = false;
    return true;
}

}

CLevelRunner::CLevelRunner() : app(plainDrawing()), started(startGame(app)) {}

CLevelRunner::~CLevelRunner()
{
    app.shutdown();
}

std::vector<std::string> CLevelRunner::levelsOf(const std::string& set) const
{
    std::vector<std::string> names;
    const std::string path = "data/maps/" + set + "/levellist.xml";
    if (!fileExists(path))
        return names;
    std::unique_ptr<CLevelList> list = readLevelList(path);
    for (size_t i = 0; i < list->count(); ++i)
        names.push_back(list->name(i));
    return names;
}

CRunResult CLevelRunner::play(const std::string& set, const std::string& level, unsigned seed, EProfile profile)
{
    CGlobals& globals = CGlobals::instance();
    for (Uint32 difficulty = 0; difficulty < 3; ++difficulty)
        if (set == setNames[difficulty])
            globals.setDifficulty(difficulty);
    keyboard.reset();
    app.enterState("HRA");
    std::srand(seed);
    app.startGameAtLevel(level);
    app.switchTo("HRA");

    CRunResult result;
    result.seed = seed;
    result.required = app.level->requiredScore();
    result.kind = kindOf(app.level->getEntities());
    std::unique_ptr<CPilot> pilot = pilotFor(app.level->getEntities(), profile, seed);
    const Uint32 limit = (globals.levelClock ? globals.timeLimit + extraTimeMs : clocklessLimitMs) / frameMs;
    Uint32 frames = 0;
    std::string touching;
    for (; frames < limit && !globals.levelOver; ++frames) {
        if (app.currentStateName() == "HRA")
            keyboard.hold(pilot->fly(app.level->getEntities(), keyboard.held()));
        else
            keyboard.tap(SDLK_RETURN);  // the pause after a level's password
        const Uint32 scoreBefore = globals.levelScore;
        app.frameStartTick = currentTicks();
        app.currentState->frame();
        if (globals.levelScore > scoreBefore && nearMissScored(app.level->getEntities()))
            result.nearMisses += globals.levelScore - scoreBefore;
        const CMapEntitiesCollection& entities = app.level->getEntities();
        if (result.hitBy.empty() && birdFalling(entities))
            result.hitBy = touching.empty() ? hazardsTouching(entities) : touching;
        touching = hazardsTouching(entities);
        clock.advance(frameMs);
        globals.frameFactor = frameFactorFor(currentTicks() - app.frameStartTick, globals.gameSpeed);
    }
    result.score = globals.levelScore;
    result.seconds = frames * frameMs / 1000;
    if (globals.levelOver)
        result.ending = globals.levelWon ? EEnding::Won : lostHow(app);
    app.leaveState("HRA");
    return result;
}
