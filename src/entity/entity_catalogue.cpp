#include "entity/entity_catalogue.h"

#include <array>
#include <utility>

#include "gfx/sprite.h"

void applyPrototypeAnimation(CMapEntity& entity, EPrototypeAnimation animation)
{
    CFrameset* frameset = entity.getSprite() ? entity.getSprite()->getCurrentFrameset() : nullptr;
    if (!frameset)
        return;
    if (animation == EPrototypeAnimation::Start)
        frameset->start();
    else if (animation == EPrototypeAnimation::Stop)
        frameset->stop();
}

namespace {

using Factory = std::unique_ptr<CMapEntity> (*)();

template <std::size_t Row>
std::unique_ptr<CMapEntity> makeRow()
{
    if constexpr (Row == 0)
        return std::make_unique<CMapEntity_Player>(0.0f, 0.0f, entityCatalogue[Row].solidPrototype);
    else
        return std::make_unique<CCatalogueEntity<Row>>(0.0f, 0.0f, entityCatalogue[Row].solidPrototype);
}

template <std::size_t... Rows>
constexpr std::array<Factory, sizeof...(Rows)> factories(std::index_sequence<Rows...>)
{
    return {&makeRow<Rows>...};
}

constexpr auto rowFactories = factories(std::make_index_sequence<entityCatalogueSize>());

}

std::unique_ptr<CMapEntity> makeCatalogueEntity(std::size_t row)
{
    return rowFactories.at(row)();
}

std::vector<std::unique_ptr<CMapEntity>> makeCataloguePrototypes()
{
    std::vector<std::unique_ptr<CMapEntity>> prototypes;
    prototypes.reserve(entityCatalogueSize);
    for (std::size_t row = 0; row < entityCatalogueSize; ++row)
        prototypes.push_back(makeCatalogueEntity(row));
    return prototypes;
}
