#pragma once

#include <SDL.h>

#include <memory>

#include "app/timer.h"
#include "behaviour/humans.h"
#include "entity/entity_controller.h"

// The giant thrower of the summer boss level: walks like the villagers, throws four stones and a
// ball at once, and is worth 1000 points a hit.
class CBoss1Controller : public CControllerClone<CBoss1Controller, CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CBoss1Controller(const CBoss1Controller& other);

protected:
    void throwProjectile() override;
    void rewardHit() override;
    // The giant does not hop: it lies wrecked when beaten and grumbles or laughs.
    void levelOverHop() override;
};

// The flying boss of the winter boss level. For its first 20 s it patrols and drops two
// snowballs at a time; from 20 s it patrols faster, dives now and then and drops three; from
// 40 s it drops two again and also fires volleys upwards. When the level ends it sinks.
class CBoss2Controller : public CControllerClone<CBoss2Controller>
{
public:
    using CControllerClone::CControllerClone;
    CBoss2Controller(const CBoss2Controller& other);

    void update() override;

    Uint16 getPhase() const { return phase; }

private:
    void patrol(float speed);
    void dropBombs();
    void fireVolley();

    std::unique_ptr<CTimer> phaseTwoTimer;
    std::unique_ptr<CTimer> phaseThreeTimer;
    std::unique_ptr<CTimer> dropTimer;
    std::unique_ptr<CTimer> fireTimer;
    bool diving = false;
    bool rising = false;
    Uint16 phase = 1;
    bool movingRight = true;
    std::unique_ptr<CTimer> soundTimer;
};

// A yeti at the screen edge: every 7 to 14 s it beats its chest and sets off an avalanche of
// snowballs; a falling snowball from the trigger balloon knocks it down for 5000 points.
class CHYetiController : public CControllerClone<CHYetiController>
{
public:
    using CControllerClone::CControllerClone;
    CHYetiController(const CHYetiController& other);

    void update() override;

private:
    bool knockedDown = false;
    bool avalanche = false;
    std::unique_ptr<CTimer> avalancheTimer;
};
