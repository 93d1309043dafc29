#pragma once

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// An animal running across the ground to the right; a dropping on it scores 250.
class CAnimalController : public CControllerClone<CAnimalController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;
};

// A nest: a dropping on it scores while its animation shows its first frame.
class CNestController : public CControllerClone<CNestController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;
};

// An egg dropped from the plane: the bird may catch it; if it breaks on the ground the level is lost.
class CEggController : public CControllerClone<CEggController>
{
public:
    using CControllerClone::CControllerClone;
    CEggController(const CEggController& other);
    void update() override;

private:
    float fallSpeed = 0;
};

// A vulture gliding about, now and then turning towards the bird.
class CSupController : public CControllerClone<CSupController>
{
public:
    using CControllerClone::CControllerClone;
    CSupController(const CSupController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> steerTimer;
    float dirX = 1, dirY = 0;
    float speed = 0;
};

// The golden vulture: hunts the point above the bird and bombs it with balls from above.
class CGoldenSupController : public CControllerClone<CGoldenSupController>
{
public:
    using CControllerClone::CControllerClone;
    CGoldenSupController(const CGoldenSupController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> steerTimer;
    std::unique_ptr<CTimer> bombTimer;
    float dirX = 1, dirY = 0;
};

// A scorpion crawling to the right, shooting a spike at the bird every second.
class CSkorpionController : public CControllerClone<CSkorpionController>
{
public:
    using CControllerClone::CControllerClone;
    CSkorpionController(const CSkorpionController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> fireTimer;
};

// A snow-thrower peeking out from cover: peeks out, throws a snowball every 500 ms for 4 s,
// ducks back and stays hidden until its next appearance.
class CVykukController : public CControllerClone<CVykukController>
{
public:
    using CControllerClone::CControllerClone;
    CVykukController(const CVykukController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> appearTimer;
    std::unique_ptr<CTimer> stayTimer;
    std::unique_ptr<CTimer> throwTimer;
    bool shown = false, peeking = false, hiding = false;
};

// A snowball gunner firing a big snowball straight at the bird every 1.6 s.
class CRamboController : public CControllerClone<CRamboController>
{
public:
    using CControllerClone::CControllerClone;
    CRamboController(const CRamboController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> fireTimer;
};

// A lying yeti that thumps the ground every 4 to 12 s and shakes a shower of drops from the sky.
class CYetiLeziciController : public CControllerClone<CYetiLeziciController>
{
public:
    using CControllerClone::CControllerClone;
    CYetiLeziciController(const CYetiLeziciController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> thumpTimer;
    bool thumping = false;
};

// A stone thrower on a stake: throws a stone ("KAMEN2") on its own timer. Type 1, 2 or 3 picks
// its rate and the side it throws to.
template <class Derived, int Type>
class CKulClovekController : public CControllerClone<Derived>
{
    using Base = CControllerClone<Derived>;

public:
    using Base::Base;
    void update() override;

protected:
    CKulClovekController(const CKulClovekController& other);

private:
    std::unique_ptr<CTimer> fireTimer;
};

class CKulClovek1Controller : public CKulClovekController<CKulClovek1Controller, 1>
{
public:
    using CKulClovekController::CKulClovekController;
};

class CKulClovek2Controller : public CKulClovekController<CKulClovek2Controller, 2>
{
public:
    using CKulClovekController::CKulClovekController;
};

class CKulClovek3Controller : public CKulClovekController<CKulClovek3Controller, 3>
{
public:
    using CKulClovekController::CKulClovekController;
};
