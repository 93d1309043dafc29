#include "entity/map_entity_collection.h"

#include <utility>

#include "app/fatal.h"
#include "entity/entity_catalogue.h"

CMapEntityCollection::~CMapEntityCollection() = default;

void CMapEntityCollection::add(std::unique_ptr<CMapEntity> prototype)
{
    prototypes.push_back(std::move(prototype));
}

CMapEntity& CMapEntityCollection::find(const std::string& name) const
{
    for (const auto& prototype : prototypes)
        if (prototype->getName() == name)
            return *prototype;
    fatalError("Entity " + name + " not found in global entity object!");
}

bool CMapEntityCollection::has(const std::string& name) const
{
    for (const auto& prototype : prototypes)
        if (prototype->getName() == name)
            return true;
    return false;
}

std::unique_ptr<CMapEntity> CMapEntityCollection::createByName(const std::string& name) const
{
    std::unique_ptr<CMapEntity> entity = find(name).clone();
    if (!entity)
        fatalError("Entity " + name + "not found in global entity object while cloning!");
    return entity;
}

void CMapEntityCollection::registerCatalogue()
{
    for (std::unique_ptr<CMapEntity>& prototype : makeCataloguePrototypes())
        add(std::move(prototype));
}
