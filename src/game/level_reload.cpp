#include "game/level_reload.h"

#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "demo/demo_statdump.h"
#include "entity/entity_catalogue.h"
#include "entity/map_entity_collection.h"
#include "game/level.h"
#include "gfx/sprite.h"
#include "gfx/surface_manager.h"

namespace {

// The game values a level's loading writes, kept while a new level loads beside the old one. The
// old level's clock is taken out of the way meanwhile, since loading a level definition deletes
// the clock in the global data.
class CKeptLevelValues
{
public:
    CKeptLevelValues()
        : globals(CGlobals::instance()), clock(globals.levelClock), wind(globals.wind),
          gameSpeed(globals.gameSpeed), maxWind(globals.maxWind), entityListChanged(globals.entityListChanged),
          levelOver(globals.levelOver), levelWon(globals.levelWon), endPending(globals.endPending),
          timeLimit(globals.timeLimit), levelScore(globals.levelScore), ammo(globals.ammo)
    {
        globals.levelClock = nullptr;
    }
    CKeptLevelValues(const CKeptLevelValues&) = delete;
    CKeptLevelValues& operator=(const CKeptLevelValues&) = delete;

    // The new level did not load: the values are the old level's again, and so is the clock.
    void restore()
    {
        delete globals.levelClock;
        globals.levelClock = clock;
        globals.wind = wind;
        globals.gameSpeed = gameSpeed;
        globals.maxWind = maxWind;
        globals.entityListChanged = entityListChanged;
        globals.levelOver = levelOver;
        globals.levelWon = levelWon;
        globals.endPending = endPending;
        globals.timeLimit = timeLimit;
        globals.levelScore = levelScore;
        globals.ammo = ammo;
    }

    // The new level takes over: the old level is replaced while its own clock is the global one
    // (its destructor deletes that clock), then the new level's clock is.
    void replace(std::unique_ptr<CLevel>& current, std::unique_ptr<CLevel> loaded)
    {
        CTimer* loadedClock = globals.levelClock;
        globals.levelClock = clock;
        current = std::move(loaded);
        globals.levelClock = loadedClock;
    }

private:
    CGlobals& globals;
    CTimer* clock;
    float wind;
    float gameSpeed;
    Sint32 maxWind;
    bool entityListChanged;
    bool levelOver;
    bool levelWon;
    bool endPending;
    Uint32 timeLimit;
    Uint32 levelScore;
    Uint32 ammo;
};

// The entity prototypes made again from the program-wide sprite collection, in place while the
// scope lives unless taken; the old ones are put back otherwise.
class CNewPrototypes
{
public:
    CNewPrototypes() : prototypes(makeCataloguePrototypes())
    {
        CMapEntityCollection::instance().swapPrototypes(prototypes);
    }
    ~CNewPrototypes()
    {
        if (!taken)
            CMapEntityCollection::instance().swapPrototypes(prototypes);
    }
    CNewPrototypes(const CNewPrototypes&) = delete;
    CNewPrototypes& operator=(const CNewPrototypes&) = delete;

    void take() { taken = true; }

private:
    std::vector<std::unique_ptr<CMapEntity>> prototypes;  // the others: the new ones until swapped in
    bool taken = false;
};

// The program-wide sprite collection read again from its file, in place while the scope lives
// unless taken; the old one is put back otherwise.
class CNewSpriteCollection
{
public:
    CNewSpriteCollection() : previous(spriteCollection()), sprites(std::make_unique<CSpriteCollection>("kolekce"))
    {
        sprites->load(programCollectionFile);
        setSpriteCollection(sprites.get());
    }
    ~CNewSpriteCollection()
    {
        if (sprites)
            setSpriteCollection(previous);
    }
    CNewSpriteCollection(const CNewSpriteCollection&) = delete;
    CNewSpriteCollection& operator=(const CNewSpriteCollection&) = delete;

    std::unique_ptr<CSpriteCollection> take() { return std::move(sprites); }

private:
    CSpriteCollection* previous;
    std::unique_ptr<CSpriteCollection> sprites;
};

// "l2_map.xml:14: what is wrong": the screen has room for the file's name, not its folders.
std::string screenLine(const CFatalError& error)
{
    if (error.file().empty())
        return error.what();
    const std::string::size_type slash = error.file().find_last_of('/');
    const std::string name = slash == std::string::npos ? error.file() : error.file().substr(slash + 1);
    return name + (error.line() > 0 ? ":" + std::to_string(error.line()) : "") + ": " + error.message();
}

}

CReloadOutcome reloadLevel(CApplication& app, const std::string& levelName)
{
    CFatalErrorsThrow caught;
    CKeptLevelValues kept;
    try {
        // Declared in this order, a fault undoes them in the reverse one: the level made of the
        // new prototypes, the prototypes made of the new collection, the collection of the new
        // pictures.
        CPictureReread pictures;
        CNewSpriteCollection sprites;
        CNewPrototypes prototypes;
        auto level = std::make_unique<CLevel>();
        level->setPrototypeControllers(&app.prototypeControllers);
        level->load(levelName);

        pictures.take();
        kept.replace(app.level, std::move(level));
        prototypes.take();
        app.sprites = sprites.take();
    } catch (const CFatalError& error) {
        kept.restore();
        return {error.what(), screenLine(error)};
    }
    if (app.stats)
        app.stats->levelStarted(CGlobals::instance().levelSet, levelName);
    return {};
}
