#include "entity/entity_controller.h"

#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "entity/map_entity_collection.h"

CEntityController::CEntityController(CMapEntity* entity, CMapEntitiesCollection* level, const std::string& name)
    : entity(entity), level(level), boundName(name)
{
    if (entity)
        entity->setControlled(true);
}

CEntityController::CEntityController(const CEntityController& other)
    : entity(nullptr), level(nullptr), boundName(other.boundName)
{
}

std::unique_ptr<CEntityController> CEntityController::clone() const
{
    return std::unique_ptr<CEntityController>(new CEntityController(*this));
}

void CEntityController::bind(CMapEntity* e)
{
    entity = e;
    entity->setControlled(true);
}

void CEntityController::release()
{
    if (!entity)
        return;
    entity->setRemoved(true);
    entity = nullptr;
}

CMapEntity* CEntityController::spawn(const std::string& name, float x, float y)
{
    std::unique_ptr<CMapEntity> spawned = CMapEntityCollection::instance().createByName(name);
    spawned->setPosition(x, y);
    CMapEntity* added = spawned.get();
    level->add(std::move(spawned));
    return added;
}

CUpDownController::CUpDownController(const CUpDownController& other) : CControllerClone(other) {}

void CUpDownController::update()
{
    entity->moveY(down ? 0.5f : -0.5f);
    stepCounter += 1;
    if (stepCounter == 25) {
        stepCounter = 0;
        down = !down;
    }
}
