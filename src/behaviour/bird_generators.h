#pragma once

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// A generator placed on the map sends in what its entity names ("DIDUDO" for the friendly birds)
// from where it stands: every 5 to 9 s on hard, less often on easier levels.
class CBirdGeneratorController : public CControllerClone<CBirdGeneratorController>
{
public:
    using CControllerClone::CControllerClone;
    CBirdGeneratorController(const CBirdGeneratorController& other);
    void update() override;

protected:
    std::unique_ptr<CTimer> spawnTimer;
};

// The rescue level's generator: sends its fainting little birds ("BONUSDIDUDO") much more often.
class CBirdGenerator2Controller : public CControllerClone<CBirdGenerator2Controller, CBirdGeneratorController>
{
public:
    using CControllerClone::CControllerClone;
    CBirdGenerator2Controller(const CBirdGenerator2Controller& other);
};
