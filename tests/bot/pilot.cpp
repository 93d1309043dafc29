#include "bot/pilot.h"

#include "bot/bird_pilot.h"
#include "bot/carrier_pilot.h"
#include "entity/map_entities_collection.h"

std::unique_ptr<CPilot> pilotFor(const CMapEntitiesCollection& level, EProfile profile, unsigned seed)
{
    for (const auto& entity : level.all())
        if (entity->getName() == "NOSIC")
            return std::make_unique<CCarrierPilot>(profile == EProfile::Human ? std::make_unique<CHumanProfile>(seed)
                                                                              : nullptr);
    if (profile == EProfile::Human)
        return std::make_unique<CBirdPilot>(std::make_unique<CHumanProfile>(seed));
    return std::make_unique<CBirdPilot>();
}
