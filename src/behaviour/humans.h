#pragma once

#include <SDL.h>

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// People and animals that walk the ground and pelt the bird: they walk between x = 60 and the
// right edge at 630, throw at intervals, score and swear when a dropping lands on them, and once
// the level is over hop in place, angry when the player won.
class CClovek1Controller : public CControllerClone<CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CClovek1Controller(const CClovek1Controller& other);

    void update() override;

protected:
    // The copy of a clone with the walking speed and the throw period of the family member.
    CClovek1Controller(const CClovek1Controller& other, float speed, Uint32 throwPeriod);

    // One "KAMEN" from the hand.
    virtual void throwProjectile();
    // A dropping landed: a "BONUS150" above the head and 150 points.
    virtual void rewardHit();
    // Runs instead of the walk once the level is over.
    virtual void levelOverHop();

    // Clones the named projectile at the hand (x + dx, y - 10), launched with half the wind plus
    // the walking speed.
    CMapEntity* throwFromHand(const char* name, float dx);
    void faceWalkingDirection();
    const char* byDirection(const char* left, const char* right) const { return direction ? left : right; }

    Uint8 direction = 0;  // 0 walking right, 1 walking left
    bool throwing = false;
    bool hitPending = false;
    bool hitShowing = false;
    std::unique_ptr<CTimer> throwTimer;
    std::unique_ptr<CTimer> hitTimer;
    std::unique_ptr<CTimer> hopTimer;
    float baseSpeed = 1.0f;
    float signedSpeed = 1.0f;
    float hopGroundY = 0;
    float hopSpeedY = -2.0f;
    float hopGravity = 0;
};

// A quicker villager who throws more often.
class CClovek2Controller : public CControllerClone<CClovek2Controller, CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CClovek2Controller(const CClovek2Controller& other);
};

// A winter villager who aims his snowball horizontally at the bird.
class CClovek6Controller : public CControllerClone<CClovek6Controller, CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CClovek6Controller(const CClovek6Controller& other);

protected:
    void throwProjectile() override;
};

// A winter villager who throws snowballs like stones.
class CWinterClovek1Controller : public CControllerClone<CWinterClovek1Controller, CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CWinterClovek1Controller(const CWinterClovek1Controller& other);

protected:
    void throwProjectile() override;
};

// The yeti: two snowballs a throw, three on hard.
class CYetiController : public CControllerClone<CYetiController, CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CYetiController(const CYetiController& other);

protected:
    void throwProjectile() override;
};

// The camel: spits two balls aimed at the bird.
class CVelbloudController : public CControllerClone<CVelbloudController, CClovek1Controller>
{
public:
    using CControllerClone::CControllerClone;
    CVelbloudController(const CVelbloudController& other);

protected:
    void throwProjectile() override;
};

// The voices on a finished level, drawn once per call: now and then a grumble ("NADAVANI2") when
// the player won, a laugh ("SMICH") when the player lost.
void playLevelOverVoices();
