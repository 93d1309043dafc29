#include "behaviour/critters.h"

#include <cstdlib>

#include "app/globals.h"
#include "behaviour/drop_shower.h"
#include "behaviour/level_loss.h"
#include "behaviour/periods.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

const Uint32 dropping = 2;
const Uint32 player = 1;

// Faces the sprite the way it flies; straight up or down keeps the last look.
void faceFlight(CMapEntity& flier, float dirX)
{
    if (dirX < 0)
        flier.getSprite()->setFrameset("LEFT");
    else if (dirX > 0)
        flier.getSprite()->setFrameset("RIGHT");
}

// The stone throwers on stakes: the base of their throwing period (times the difficulty factor)
// and the stone's drift besides half the wind.
struct CStakeThrower
{
    double basePeriod;
    float drift;
};

const CStakeThrower stakeThrowers[] = {{400, 2}, {550, -2}, {730, 2}};

}

void CAnimalController::update()
{
    entity->moveX(2);
    if (entity->countContactsOfClass(dropping) > 0) {
        spawn("BONUS250", entity->centerX(), entity->getY() - 15);
        CGlobals::instance().levelScore += 250;
    }
    if (entity->getX() > 600)
        release();
}

void CNestController::update()
{
    if (entity->countContactsOfClass(dropping) > 0 && entity->getSprite()->getCurrentFrameset()->getCurrentIndex() == 0) {
        spawn("BONUS150", entity->centerX(), entity->getY() - 15);
        CGlobals::instance().levelScore += 250;  // the figure says 150; a nest is worth 250
    }
}

CEggController::CEggController(const CEggController& other)
    : CControllerClone(other), fallSpeed((std::rand() % 10 + 5) / 10.0f)
{
}

void CEggController::update()
{
    entity->moveY(fallSpeed);
    entity->moveX(entity->getVelocityX());
    const bool broken = !entity->getTileContacts().empty();
    if (broken)
        loseLevel();
    const float x = entity->getX();
    if (x < 20 || x > 600 || entity->getY() > 480 || entity->countContactsOfClass(player) > 0 || broken)
        release();
}

CSupController::CSupController(const CSupController& other)
    : CControllerClone(other), steerTimer(std::make_unique<CTimer>(800)), speed((std::rand() % 15 + 10) / 10.0f)
{
}

void CSupController::update()
{
    if (steerTimer->expired()) {
        if (std::rand() % 5 == 1) {
            auto direction = entity->directionToTarget();
            dirX = direction.first;
            dirY = direction.second;
        }
        faceFlight(*entity, dirX);
    }
    entity->moveX(dirX * speed);
    entity->moveY(dirY * speed);
}

CGoldenSupController::CGoldenSupController(const CGoldenSupController& other)
    : CControllerClone(other), steerTimer(std::make_unique<CTimer>(800)), bombTimer(std::make_unique<CTimer>(500))
{
}

void CGoldenSupController::update()
{
    if (steerTimer->expired()) {
        if (std::rand() % 2 == 1) {
            auto direction = entity->directionToTarget(0, -50);
            dirX = direction.first;
            dirY = direction.second;
        }
        faceFlight(*entity, dirX);
    }
    const float x = entity->getX();
    const float targetX = entity->getTargetX();
    const bool overTheBird = targetX - 100 < x && x < targetX + 120 && entity->getY() < entity->getTargetY() - 20;
    if (overTheBird && bombTimer->expired())
        spawn("KOULE", x + 30, entity->getY() + 25);
    entity->moveX(dirX * 1.8f);
    entity->moveY(dirY * 1.8f);
}

CSkorpionController::CSkorpionController(const CSkorpionController& other)
    : CControllerClone(other), fireTimer(std::make_unique<CTimer>(1000))
{
}

void CSkorpionController::update()
{
    if (fireTimer->expired())
        spawn("SPIKE", entity->centerX(), entity->getY() - 10);
    entity->moveX(1.5f);
    if (entity->getX() > 600)
        release();
}

CVykukController::CVykukController(const CVykukController& other)
    : CControllerClone(other), appearTimer(std::make_unique<CTimer>(4000)), stayTimer(std::make_unique<CTimer>(4000)),
      throwTimer(std::make_unique<CTimer>(500))
{
}

void CVykukController::update()
{
    CSprite* sprite = entity->getSprite();
    if (appearTimer->expired() && !peeking && !shown && !hiding) {
        peeking = true;
        sprite->setFrameset("VYKOUKNUTI");
        sprite->getCurrentFrameset()->start();
    }
    if (peeking && !sprite->getCurrentFrameset()->isPlaying()) {
        peeking = false;
        shown = true;
        stayTimer->restart();
        sprite->getCurrentFrameset()->start();
        sprite->setFrameset("HOD");
    }
    if (shown && throwTimer->expired()) {
        CMapEntity* snowball = spawn("SNOWBALL", entity->getX() + 10, entity->getY());
        snowball->setVelocityX(CGlobals::instance().wind);
        appearTimer->setPeriod(static_cast<Uint32>(std::rand() % 3000 + 2000));
    }
    if (shown && stayTimer->expired()) {
        shown = false;
        hiding = true;
        sprite->setFrameset("ZAKOUKNUTI");
        sprite->getCurrentFrameset()->start();
    }
    if (hiding && !sprite->getCurrentFrameset()->isPlaying()) {
        hiding = false;
        sprite->setFrameset("INVISIBLE");
        sprite->getCurrentFrameset()->start();
    }
}

CRamboController::CRamboController(const CRamboController& other)
    : CControllerClone(other), fireTimer(std::make_unique<CTimer>(1600))
{
}

void CRamboController::update()
{
    if (!fireTimer->expired())
        return;
    auto aim = entity->directionToTarget();
    CMapEntity* ball = spawn("MEGASNOWBALL", entity->getX() + 10, entity->getY() + 20);
    ball->setVelocityX(2 * aim.first);
    ball->setVelocityY(2 * aim.second);
}

CYetiLeziciController::CYetiLeziciController(const CYetiLeziciController& other)
    : CControllerClone(other), thumpTimer(std::make_unique<CTimer>(static_cast<Uint32>(std::rand() % 8000 + 4000)))
{
}

void CYetiLeziciController::update()
{
    CSprite* sprite = entity->getSprite();
    if (thumpTimer->expired()) {
        thumping = true;
        sprite->setFrameset("BUCH");
        thumpTimer->setPeriod(static_cast<Uint32>(std::rand() % 8000 + 4000));
        dropShower(*level);
    }
    if (thumping && !sprite->getCurrentFrameset()->isPlaying()) {
        thumping = false;
        sprite->getCurrentFrameset()->start();  // ready for the next thump
        sprite->setFrameset("FRAMESET1");
    }
}

template <class Derived, int Type>
CKulClovekController<Derived, Type>::CKulClovekController(const CKulClovekController& other)
    : Base(other), fireTimer(std::make_unique<CTimer>(difficultyPeriod(stakeThrowers[Type - 1].basePeriod)))
{
}

template <class Derived, int Type>
void CKulClovekController<Derived, Type>::update()
{
    if (!fireTimer->expired())
        return;
    CMapEntity* thrower = this->entity;
    CMapEntity* stone = this->spawn("KAMEN2", thrower->getX() + 20, thrower->getY());
    stone->setVelocityX(CGlobals::instance().wind / 2 + stakeThrowers[Type - 1].drift);
}

template class CKulClovekController<CKulClovek1Controller, 1>;
template class CKulClovekController<CKulClovek2Controller, 2>;
template class CKulClovekController<CKulClovek3Controller, 3>;
