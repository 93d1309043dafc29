#pragma once

#include <SDL.h>

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

class CMapEntitiesCollection;

// Drops a parachute from above the screen every 6.5 to 14.5 s (the first after 5 to 10 s),
// choosing the kind by weight: ammunition only when the bird has none left, an extra life the
// more likely the fewer lives are left. It also empties the crates the bird has taken (see
// `emptyTakenCrates`).
class CPadakDispenser
{
public:
    static const int parachuteCount = 14;

    CPadakDispenser();
    void setLevel(CMapEntitiesCollection* collection) { level = collection; }
    // Runs once per level frame, after the controllers and before the contact pass.
    void update();

    float weightOf(int index) const { return weights[index]; }

private:
    // Draws indexes with thresholds until a parachute's weight accepts one.
    int chooseIndex();
    // A taken crate (its parachute shows "EMPTY") loses its power-up kind, so that the bird cannot
    // collect it again whatever box the empty canopy has. This runs once every controller has
    // seen the frame's contacts, so the bird always gets its one pickup, whichever of the two
    // controllers runs first.
    void emptyTakenCrates();

    CMapEntitiesCollection* level = nullptr;
    CTimer dropTimer;
    float weights[parachuteCount];
};

// A parachute with a power-up crate, sinking 0.8 px a step until y 350 or the ground; when the
// bird touches it the crate is gone and only the canopy ("EMPTY") sinks on.
class CPadakController : public CControllerClone<CPadakController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;
};

// A score figure or multiplier: rises 1 px a step and fades out quickly.
class CBonus150Controller : public CControllerClone<CBonus150Controller>
{
public:
    using CControllerClone::CControllerClone;
    void onBind() override;
    void update() override;
};

// A power-up message: rises 1 px a step and fades three times slower than a score figure.
class CBonus50Controller : public CControllerClone<CBonus50Controller>
{
public:
    using CControllerClone::CControllerClone;
    void onBind() override;
    void update() override;

private:
    float fade = 255;
};

// A combo praise at the bottom of the screen: bobs 25 frames up, 25 down, and goes after 3 s.
class CNapisController : public CControllerClone<CNapisController>
{
public:
    using CControllerClone::CControllerClone;
    CNapisController(const CNapisController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> lifeTimer;
    Uint16 bobCount = 0;
    bool bobDown = false;
};
