#include "behaviour/animal_dispenser.h"

#include <cstdlib>
#include <memory>

#include "app/globals.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"

namespace {

const Uint16 lastSummerLevel = 9;

const char* const summerAnimals[] = {"DOG", "CAT", "PIG"};
const char* const winterAnimals[] = {"WINTERDOG", "FOX", "PENGUIN"};

Uint32 nextAnimalIn()
{
    return static_cast<Uint32>(std::rand() % 4000 + 5000);
}

}

CAnimalDispenser::CAnimalDispenser() : spawnTimer(nextAnimalIn()) {}

void CAnimalDispenser::update(Uint16 levelIndex)
{
    if (!spawnTimer.expired() || CGlobals::instance().levelOver || !entities)
        return;
    const int r = std::rand() % 3;
    const char* name = levelIndex <= lastSummerLevel ? summerAnimals[r] : winterAnimals[r];
    std::unique_ptr<CMapEntity> animal = CMapEntityCollection::instance().createByName(name);
    animal->setPosition(-80, 415);
    spawnTimer.setPeriod(nextAnimalIn());
    entities->add(std::move(animal));
}
