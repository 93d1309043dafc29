#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "entity/map_entity.h"
#include "gfx/sprite.h"
#include "support/test_level.h"

// What the last frame spawned: spawned entities get their controller only at the next frame.
inline std::vector<CMapEntity*> fresh(const CTestLevel& level, const std::string& name)
{
    std::vector<CMapEntity*> spawned;
    for (const auto& entity : level.collection.all())
        if (entity->getName() == name && !entity->isControlled() && !entity->isRemoved())
            spawned.push_back(entity.get());
    return spawned;
}

inline int freshCount(const CTestLevel& level, const std::string& name)
{
    return static_cast<int>(fresh(level, name).size());
}

// Runs one frame that ends exactly at the tick.
inline void frameAt(CTestLevel& level, Uint32 tick)
{
    level.clock.set(tick - 20);
    level.frame();
}

inline std::string framesetOf(const CMapEntity* entity)
{
    return entity->getSprite()->currentFramesetName();
}
