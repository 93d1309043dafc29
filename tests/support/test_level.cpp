#include "support/test_level.h"

#include "app/globals.h"
#include "behaviour/prototype_controllers.h"
#include "entity/map_entity_collection.h"
#include "support/test_world.h"

CTestLevel::CTestLevel() : canvas(SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF, 0xFF00, 0xFF0000, 0))
{
    installTestWorld();
    CGlobals& globals = CGlobals::instance();
    globals.resetForNewGame();
    globals.resetForLevel();
    globals.frameFactor = 1.0f;
    registerPrototypeControllers(prototypes);
    TempDir dir;
    map.loadTileDefinitions(dir.write("tiles.xml", R"(<tiledef src="none.png"><tileSprite name="s" x="0" y="0"/>
        <tile name="ground" id="5" walkable="0" special="0" tileSprite="s"/></tiledef>)"));
    map.loadMap(dir.write("map.xml", R"(<map><layer/></map>)"));
    for (int column = 0; column < 20; ++column)
        solidCell(column, 14);
    collection.setMap(&map);
    pass.setLevel(&collection, &map);
}

CTestLevel::~CTestLevel()
{
    controllers.clear();
    SDL_FreeSurface(canvas);
    CGlobals::instance().resetForNewGame();
    CGlobals::instance().resetForLevel();
}

void CTestLevel::solidCell(int column, int row)
{
    map.cell(0, column + 20 * row).tileNumber = 5;
}

CMapEntity* CTestLevel::place(const std::string& name, float x, float y)
{
    std::unique_ptr<CMapEntity> entity = CMapEntityCollection::instance().createByName(name);
    entity->setPosition(x, y);
    CMapEntity* added = entity.get();
    collection.add(std::move(entity));
    collection.choosePlayer();
    return added;
}

void CTestLevel::frame()
{
    CGlobals& globals = CGlobals::instance();
    clock.advance(20);
    if (globals.entityListChanged)
        collection.bindControllers(prototypes, controllers);
    globals.entityListChanged = false;
    collection.updateControllers(controllers);
    collection.spawnFromGenerators();
    if (actors)
        actors();
    pass.detectContacts();
    pass.resolveAllContacts();
    collection.removeDead();
    collection.drawAll(canvas);
}

void CTestLevel::frames(int count)
{
    for (int i = 0; i < count; ++i)
        frame();
}

void CTestLevel::key(SDLKey key, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = key;
    collection.dispatchEvent(controllers, event);
}

int CTestLevel::count(const std::string& name) const
{
    int n = 0;
    for (const auto& entity : collection.all())
        if (entity->getName() == name && !entity->isRemoved())
            ++n;
    return n;
}

CMapEntity* CTestLevel::find(const std::string& name, int nth) const
{
    for (const auto& entity : collection.all())
        if (entity->getName() == name && nth-- == 0)
            return entity.get();
    return nullptr;
}

void CTestLevel::remove(CMapEntity* entity)
{
    if (CEntityController* controller = controllerOf(entity))
        controller->release();
    else
        entity->setRemoved(true);
}

CEntityController* CTestLevel::controllerOf(const CMapEntity* entity) const
{
    for (const auto& controller : controllers)
        if (controller->getEntity() == entity)
            return controller.get();
    return nullptr;
}
