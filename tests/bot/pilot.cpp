#include "bot/pilot.h"

#include "bot/bird_pilot.h"
#include "bot/carrier_pilot.h"
#include "entity/map_entities_collection.h"

std::unique_ptr<CPilot> pilotFor(const CMapEntitiesCollection& level)
{
    for (const auto& entity : level.all())
        if (entity->getName() == "NOSIC")
            return std::make_unique<CCarrierPilot>();
    return std::make_unique<CBirdPilot>();
}
