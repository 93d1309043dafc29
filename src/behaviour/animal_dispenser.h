#pragma once

#include <SDL.h>

#include "app/timer.h"

class CMapEntitiesCollection;

// Sends a running animal onto the level from the left edge every 5 to 9 s while the level is
// played: a dog, a cat or a pig on the first ten levels, a winter dog, a fox or a penguin later.
class CAnimalDispenser
{
public:
    CAnimalDispenser();
    CAnimalDispenser(const CAnimalDispenser&) = delete;
    CAnimalDispenser& operator=(const CAnimalDispenser&) = delete;

    void setEntities(CMapEntitiesCollection* levelEntities) { entities = levelEntities; }
    // Runs once per level frame with the zero-based index of the level being played.
    void update(Uint16 levelIndex);

private:
    CMapEntitiesCollection* entities = nullptr;
    CTimer spawnTimer;
};
