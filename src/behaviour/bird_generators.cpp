#include "behaviour/bird_generators.h"

#include <cstdlib>

#include "behaviour/periods.h"
#include "entity/entity_catalogue.h"

CBirdGeneratorController::CBirdGeneratorController(const CBirdGeneratorController& other)
    : CControllerClone(other),
      spawnTimer(std::make_unique<CTimer>(difficultyPeriod(5000, static_cast<Uint32>(std::rand() % 4000))))
{
}

void CBirdGeneratorController::update()
{
    if (!spawnTimer->expired())
        return;
    // Only the generator entities of the catalogue are bound to these controllers.
    const auto& generator = static_cast<const CMapEntity_Spawner&>(*entity);
    spawn(generator.spawnName, generator.getX(), generator.getY());
}

CBirdGenerator2Controller::CBirdGenerator2Controller(const CBirdGenerator2Controller& other)
    : CControllerClone(other)
{
    spawnTimer = std::make_unique<CTimer>(difficultyPeriod(250, static_cast<Uint32>(std::rand() % 3000)));
}
