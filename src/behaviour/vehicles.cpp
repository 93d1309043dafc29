#include "behaviour/vehicles.h"

#include <cstdlib>
#include <iterator>

#include "app/globals.h"
#include "behaviour/periods.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

const int every = -1;
const int easy = 0;
const int hard = 2;

const CBalloonShot summerShots[] = {
    {"KAMEN", -1, every}, {"KOULEUP", 1, every}, {"KAMEN", 0, every}, {"KOULEUP", -0.5f, every}, {"KAMEN", 0.5f, every},
};

const CBalloonShot winterShots[] = {
    {"SNOWBALL", -1, every}, {"SNOWBALL", -1, easy}, {"KOULEUP", 1, every}, {"SNOWBALL", 0, every},
    {"KOULEUP", -0.5f, hard},
};

// The balloon's shots come 1500 x factor x factor ms apart (3840 easy, 2534 medium, 1500 hard),
// the first product kept in single precision.
Uint32 balloonPeriod()
{
    const float factor = CGlobals::instance().difficultyFactor;
    const float first = 1500 * factor;
    return static_cast<Uint32>(static_cast<double>(first) * factor);
}

// A rising balloon leaves the level above the screen or on a solid tile.
bool leftTheSky(const CMapEntity& balloon)
{
    return !balloon.getTileContacts().empty() || balloon.getY() < 0;
}

}

CPlaneController::CPlaneController(const CPlaneController& other)
    : CControllerClone(other), dropTimer(std::make_unique<CTimer>(difficultyPeriod(500)))
{
}

void CPlaneController::update()
{
    entity->moveX(2);
    if (dropTimer->expired()) {
        const char* load = std::rand() % 10 == 9 ? "KOULE" : "EGG";
        CMapEntity* dropped = spawn(load, entity->getX() + 130, entity->getY() + 50);
        dropped->setVelocityX(1.5f);
    }
    if (entity->getX() > 600)
        release();
}

CRogaloController::CRogaloController(const CRogaloController& other)
    : CControllerClone(other),
      dropTimer(std::make_unique<CTimer>(difficultyPeriod(700, static_cast<Uint32>(std::rand() % 400))))
{
}

void CRogaloController::update()
{
    entity->moveX(2);
    if (dropTimer->expired()) {
        spawn("KOULE", entity->getX() + 30, entity->getY() + 50);
        entity->getSprite()->setFrameset("EMPTY");
    }
    if (entity->getX() > 600)
        release();
}

CBalonController::CBalonController(const CBalonController& other)
    : CControllerClone(other), fireTimer(std::make_unique<CTimer>(balloonPeriod()))
{
}

CBalonController::CVolley CBalonController::volley() const
{
    return {summerShots, std::size(summerShots)};
}

void CBalonController::update()
{
    const CGlobals& globals = CGlobals::instance();
    entity->moveY(-0.7f);
    if (fireTimer->expired()) {
        const CVolley shots = volley();
        for (std::size_t i = 0; i < shots.count; ++i) {
            const CBalloonShot& shot = shots.shots[i];
            if (shot.onlyOnDifficulty != every && static_cast<Uint32>(shot.onlyOnDifficulty) != globals.difficulty)
                continue;
            CMapEntity* thrown = spawn(shot.name, entity->getX() + 15, entity->getY() + 50);
            thrown->setVelocityX(globals.wind + shot.windOffset);
        }
    }
    if (leftTheSky(*entity))
        release();
}

CWinterBalonController::CWinterBalonController(const CWinterBalonController& other) : CControllerClone(other)
{
    fireTimer->setPeriod(difficultyPeriod(1200));
}

CBalonController::CVolley CWinterBalonController::volley() const
{
    return {winterShots, std::size(winterShots)};
}

CTriggerBalonController::CTriggerBalonController(const CTriggerBalonController& other)
    : CControllerClone(other), fireTimer(std::make_unique<CTimer>(difficultyPeriod(400)))
{
}

void CTriggerBalonController::update()
{
    const float wind = CGlobals::instance().wind;
    entity->moveY(-0.7f);
    if (fireTimer->expired()) {
        CMapEntity* snowball = spawn("SNOWBALL", entity->getX() + 30, entity->getY() + 10);
        snowball->setVelocityX(wind);
    }
    if (entity->countContactsOfClass(2) > 0) {
        fireTimer->restart();
        const float nets[2][2] = {{0, -2}, {40, 2}};  // where each net hangs, and its drift against the wind
        for (const auto& net : nets) {
            CMapEntity* falling = spawn("FALLINGWINTERKOULE", entity->getX() + net[0], entity->getY() + 50);
            falling->setVelocityX(wind + net[1]);
            falling->setVelocityY(1.0f);
        }
    }
    if (leftTheSky(*entity))
        release();
}
