#include "behaviour/machines.h"

#include <cstdlib>

#include "app/globals.h"
#include "behaviour/drop_shower.h"
#include "behaviour/periods.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"
#include "sound/sound_engine.h"

namespace {

const Uint32 flyingBoy = 19;
const int volleySize = 10;

const CCannonVolley summerVolley = {"KOULEUP", "KAMEN", true, false};
const CCannonVolley winterVolley = {"WINTERKOULE", "SNOWBALL", false, true};

// The reload after a volley: 9000 ms, divided by the difficulty factor where the cannon scales it
// (5624 ms on easy, 6923 on medium).
Uint32 reloadPeriod(bool scaled)
{
    if (!scaled)
        return 9000;
    return static_cast<Uint32>(9000.0 / CGlobals::instance().difficultyFactor);
}

}

CKanonController::CKanonController(const CKanonController& other)
    : CControllerClone(other),
      fireTimer(std::make_unique<CTimer>(difficultyPeriod(1200, static_cast<Uint32>(std::rand() % 800))))
{
}

void CKanonController::update()
{
    if (!fireTimer->expired())
        return;
    CMapEntity* ball = spawn("KOULEUP", entity->getX() + 10, entity->getY());
    ball->setVelocityX(CGlobals::instance().wind / 2);
}

CKanon2Controller::CKanon2Controller(const CKanon2Controller& other)
    : CControllerClone(other), reloadTimer(std::make_unique<CTimer>(100))
{
    reloadTimer->restart();
}

const CCannonVolley& CKanon2Controller::volley() const
{
    return summerVolley;
}

void CKanon2Controller::update()
{
    if (reloadTimer->expired())
        loaded = true;
    if (loaded && entity->countContactsOfClass(2) > 0) {
        loaded = false;
        reloadTimer->restart();
        reloadTimer->setPeriod(reloadPeriod(volley().scaledReload));
        fire();
    }
    entity->getSprite()->setFrameset(loaded ? "FRAMESET1" : "RELOAD");
}

void CKanon2Controller::fire()
{
    CGlobals& globals = CGlobals::instance();
    const CCannonVolley& shots = volley();
    for (int i = 0; i < volleySize; ++i) {
        const char* name = std::rand() % 6 < 2 ? shots.ball : shots.stone;
        int a = std::rand();
        int b = std::rand();
        CMapEntity* shot = spawn(name, entity->getX() + 10 + b % 10, entity->getY() - a % 10);
        shot->setVelocityX(std::rand() % 5 - 2.5f + globals.wind / 2);
    }
    if (shots.dropShower && globals.difficulty != 0)
        dropShower(*level);
}

const CCannonVolley& CWinterKanon2Controller::volley() const
{
    return winterVolley;
}

void CKatapult1Controller::update()
{
    CSprite* sprite = entity->getSprite();
    if (!firing && !empty && entity->countContactsOfClass(3) > 0) {
        firing = true;
        sprite->setFrameset("FIRE");
        sprite->getCurrentFrameset()->start();
    }
    if (firing && !sprite->getCurrentFrameset()->isPlaying()) {
        spawn("FLYINGBOY1", entity->getX() + 10, entity->getY() - 30);  // straight up, and back down
        firing = false;
        empty = true;
        sprite->setFrameset("EMPTY");
    }
    if (empty && entity->countContactsOfKind(flyingBoy) > 0) {
        empty = false;
        sprite->setFrameset("IDLE");
    }
}

CKatapult2Controller::CKatapult2Controller(const CKatapult2Controller& other)
    : CControllerClone(other), fireTimer(std::make_unique<CTimer>(static_cast<Uint32>(std::rand() % 800 + 1600)))
{
}

void CKatapult2Controller::update()
{
    CSprite* sprite = entity->getSprite();
    if (fireTimer->expired()) {
        CSoundEngine::instance().playSound("KATAPULT");
        CMapEntity* stone = spawn("KAMEN2", entity->getX() + 20, entity->getY());
        stone->setVelocityX(CGlobals::instance().wind / 2 - 2);
        sprite->setFrameset("FRAMESET1");
        sprite->getCurrentFrameset()->start();
        firing = true;
    }
    if (firing && !sprite->getCurrentFrameset()->isPlaying()) {
        sprite->setFrameset("IDLE");
        firing = false;
    }
}
