#pragma once

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// The bird's dropping: falls 2 px a step with a drift that settles; ends on a target (class 3),
// a creature or scenery object (class 5) or a solid tile.
class CBobekController : public CControllerClone<CBobekController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;
};

// Thrown stones, snowballs and balls: thrown up first, then falling under gravity; end on a solid
// tile or outside the screen.
class CKamenController : public CControllerClone<CKamenController>
{
public:
    using CControllerClone::CControllerClone;
    CKamenController(const CKamenController& other);
    void update() override;

protected:
    float speedY = 0;
};

// A snowball dropped with the vertical speed its spawner gave it.
class CFallingWinterKouleController : public CControllerClone<CFallingWinterKouleController, CKamenController>
{
public:
    using CControllerClone::CControllerClone;
    void onBind() override;
};

// A falling ball or water drop: 2 px a step until a solid tile.
class CKouleController : public CControllerClone<CKouleController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;
};

// A falling apple drifting to the right; caught by the player or a little bird.
class CAppleController : public CControllerClone<CAppleController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;

private:
    float driftX = 2.0f;
};

// A scorpion's spike, flying straight at where the player was when it left.
class CSpikeController : public CControllerClone<CSpikeController>
{
public:
    using CControllerClone::CControllerClone;
    void onBind() override;
    void update() override;

private:
    float dirX = 0, dirY = 0;
};

// An icicle hanging from a ledge, dripping water drops.
class CRampouchController : public CControllerClone<CRampouchController>
{
public:
    using CControllerClone::CControllerClone;
    CRampouchController(const CRampouchController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> dripTimer;
};

// The second icicle: drips from its tip, first after 2 to 6 s.
class CRampouch2Controller : public CControllerClone<CRampouch2Controller>
{
public:
    using CControllerClone::CControllerClone;
    CRampouch2Controller(const CRampouch2Controller& other);
    void update() override;

private:
    std::unique_ptr<CTimer> dripTimer;
};

// Whether a falling thing has left the screen for good (sideways or through the bottom), where
// no solid tile can ever stop it.
bool leftTheScreen(const CMapEntity& entity);
