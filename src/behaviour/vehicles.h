#pragma once

#include <cstddef>
#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// A biplane crossing the screen to the right, dropping eggs (and now and then a ball).
class CPlaneController : public CControllerClone<CPlaneController>
{
public:
    using CControllerClone::CControllerClone;
    CPlaneController(const CPlaneController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> dropTimer;
};

// A hang glider crossing the screen to the right, dropping balls.
class CRogaloController : public CControllerClone<CRogaloController>
{
public:
    using CControllerClone::CControllerClone;
    CRogaloController(const CRogaloController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> dropTimer;
};

// One projectile of a balloon's volley: what it is, how its drift differs from the wind, and the
// only difficulty index that throws it (-1: every difficulty).
struct CBalloonShot
{
    const char* name;
    float windOffset;
    int onlyOnDifficulty;
};

// A hot-air balloon rising through the level; its crew throws a volley of stones and balls.
// It leaves above the screen or on a solid tile.
class CBalonController : public CControllerClone<CBalonController>
{
public:
    using CControllerClone::CControllerClone;
    CBalonController(const CBalonController& other);
    void update() override;

protected:
    struct CVolley
    {
        const CBalloonShot* shots;
        std::size_t count;
    };
    virtual CVolley volley() const;

    std::unique_ptr<CTimer> fireTimer;
};

// The winter balloon: snowballs, one more on easy, an extra ball on hard.
class CWinterBalonController : public CControllerClone<CWinterBalonController, CBalonController>
{
public:
    using CControllerClone::CControllerClone;
    CWinterBalonController(const CWinterBalonController& other);

protected:
    CVolley volley() const override;
};

// A rising balloon that throws a snowball with the wind; a dropping on it cuts its two nets,
// and two snowballs fall from them.
class CTriggerBalonController : public CControllerClone<CTriggerBalonController>
{
public:
    using CControllerClone::CControllerClone;
    CTriggerBalonController(const CTriggerBalonController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> fireTimer;
};
