#pragma once

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// A mortar that lobs a ball ("KOULEUP") every 1.2 to 2 s on hard, less often on easier levels.
class CKanonController : public CControllerClone<CKanonController>
{
public:
    using CControllerClone::CControllerClone;
    CKanonController(const CKanonController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> fireTimer;
};

// What a reloading cannon fires and how it reloads.
struct CCannonVolley
{
    const char* ball;      // about one shot in three
    const char* stone;     // the rest
    bool scaledReload;     // reload 9000 ms / difficulty factor, else a flat 9000 ms
    bool dropShower;       // off easy, the volley shakes a shower of drops from the sky
};

// A cannon that answers a dropping with a volley of ten stones and balls, then reloads.
// Droppings that hit it while it reloads do nothing.
class CKanon2Controller : public CControllerClone<CKanon2Controller>
{
public:
    using CControllerClone::CControllerClone;
    CKanon2Controller(const CKanon2Controller& other);
    void update() override;

    bool isLoaded() const { return loaded; }

protected:
    virtual const CCannonVolley& volley() const;

private:
    void fire();

    std::unique_ptr<CTimer> reloadTimer;
    bool loaded = true;
};

// The winter cannon: snowballs, a flat reload, and a shower of drops off easy.
class CWinterKanon2Controller : public CControllerClone<CWinterKanon2Controller, CKanon2Controller>
{
public:
    using CControllerClone::CControllerClone;

protected:
    const CCannonVolley& volley() const override;
};

// A catapult with a boy on it: whoever steps on it flings the boy ("FLYINGBOY1") into the air;
// it stays empty until the boy lands back on it.
class CKatapult1Controller : public CControllerClone<CKatapult1Controller>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;

private:
    bool firing = false;
    bool empty = false;
};

// A stone catapult that hurls a stone ("KAMEN2") to the left every 1.6 to 2.4 s.
class CKatapult2Controller : public CControllerClone<CKatapult2Controller>
{
public:
    using CControllerClone::CControllerClone;
    CKatapult2Controller(const CKatapult2Controller& other);
    void update() override;

private:
    std::unique_ptr<CTimer> fireTimer;
    bool firing = false;
};
