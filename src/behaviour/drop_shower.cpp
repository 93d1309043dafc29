#include "behaviour/drop_shower.h"

#include <cstdlib>
#include <memory>

#include "app/globals.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"

void dropShower(CMapEntitiesCollection& level)
{
    const float drops = 45 / CGlobals::instance().difficultyFactor;
    for (int b = 0; drops > b; ++b) {
        int first = std::rand();
        int second = std::rand();
        std::unique_ptr<CMapEntity> drop = CMapEntityCollection::instance().createByName("KAPKA");
        drop->setPosition(static_cast<float>(second % 620), static_cast<float>(first % 300 - 300));
        level.add(std::move(drop));
    }
}
