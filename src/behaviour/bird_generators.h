#pragma once

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// A generator placed on the map sends in what its entity names ("DIDUDO" for the friendly birds)
// every 8 to 12 s, from where it stands.
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
