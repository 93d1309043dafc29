#include "entity/map_entities_collection.h"

#include <algorithm>

#include "app/globals.h"
#include "app/logger.h"
#include "entity/contact_pass.h"
#include "level/map.h"
#include "level/map_generator.h"

CMapEntitiesCollection::CMapEntitiesCollection() = default;

CMapEntitiesCollection::~CMapEntitiesCollection()
{
    entities.clear();
    generators.clear();
}

void CMapEntitiesCollection::add(std::unique_ptr<CMapEntity> entity)
{
    CGlobals::instance().entityListChanged = true;
    entities.push_back(std::move(entity));
}

void CMapEntitiesCollection::addGenerator(std::unique_ptr<CMapGenerator> generator)
{
    generators.push_back(std::move(generator));
}

Uint16 CMapEntitiesCollection::indexOfKind(Uint32 kind) const
{
    for (size_t i = 0; i < entities.size() && i < 0xFFFF; ++i)
        if (entities[i]->getKind() == kind)
            return static_cast<Uint16>(i);
    return 0xFFFF;
}

void CMapEntitiesCollection::choosePlayer()
{
    player = nullptr;
    Uint16 winter = indexOfKind(61);
    if (winter != 0xFFFF)
        player = entities[winter].get();
    Uint16 summer = indexOfKind(7);
    if (summer != 0xFFFF)
        player = entities[summer].get();
}

void CMapEntitiesCollection::setMap(CMap* levelMap)
{
    map = levelMap;
    for (size_t layer = 0; layer < map->layerCount(); ++layer)
        for (int index = 0; index < CMap::cellsPerLayer; ++index)
            map->cell(layer, index).penalty = 0;
    if (map->layerCount() == 0)
        return;
    CLogger& log = CLogger::instance();
    for (const auto& entity : entities) {
        forEachCellUnder(*entity, [&](int index) {
            map->cell(0, index).penalty = entity->getPenalty();
            log.write("penalty + " + std::to_string(entity->getPenalty()) + "\n");
        });
    }
}

void CMapEntitiesCollection::bindControllers(const CControllerList& prototypes, CControllerList& controllers)
{
    CLogger& log = CLogger::instance();
    for (size_t i = 0; i < entities.size(); ++i) {
        CMapEntity* entity = entities[i].get();
        if (entity->isControlled())
            continue;
        for (const auto& prototype : prototypes) {
            if (prototype->getBoundName() != entity->getName())
                continue;
            log.write("Binding from vzory controller " + entity->getName());
            std::unique_ptr<CEntityController> controller = prototype->clone();
            controller->bind(entity);
            controller->setLevel(this);
            controller->onBind();
            controllers.push_back(std::move(controller));
            break;
        }
    }
}

void CMapEntitiesCollection::updateControllers(CControllerList& controllers)
{
    for (size_t i = 0; i < controllers.size(); ++i)
        if (controllers[i]->getEntity())
            controllers[i]->update();
        else
            controllers[i].reset();
    controllers.erase(std::remove(controllers.begin(), controllers.end(), nullptr), controllers.end());
}

void CMapEntitiesCollection::dispatchEvent(CControllerList& controllers, const SDL_Event& event)
{
    for (size_t i = 0; i < controllers.size(); ++i)
        if (controllers[i]->getEntity())
            controllers[i]->onEvent(event);
}

void CMapEntitiesCollection::spawnFromGenerators()
{
    for (auto& generator : generators)
        if (std::unique_ptr<CMapEntity> released = generator->poll())
            add(std::move(released));
}

void CMapEntitiesCollection::removeDead()
{
    bool anyRemoved = false;
    for (const auto& gone : entities) {
        if (!gone->isRemoved())
            continue;
        anyRemoved = true;
        for (const auto& kept : entities)
            if (!kept->isRemoved())
                kept->removeContact(gone.get());
        if (gone.get() == player)
            player = nullptr;
    }
    if (anyRemoved)
        entities.erase(std::remove_if(entities.begin(), entities.end(),
                                      [](const std::unique_ptr<CMapEntity>& e) { return e->isRemoved(); }),
                       entities.end());
}

void CMapEntitiesCollection::drawAll(SDL_Surface* surface)
{
    std::sort(entities.begin(), entities.end(),
              [](const std::unique_ptr<CMapEntity>& a, const std::unique_ptr<CMapEntity>& b) {
                  return a->getY() + a->currentBox().y < b->getY() + b->currentBox().y;
              });
    for (size_t i = 0; i < entities.size(); ++i) {
        CMapEntity* entity = entities[i].get();
        entity->updateAndDraw(surface);
        // A level without a player bird (the rescue level) has no target to hand out.
        if (player)
            entity->setTarget(player->getX(), player->getY());
    }
}
