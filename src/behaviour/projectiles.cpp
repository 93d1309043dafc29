#include "behaviour/projectiles.h"

#include <cstdlib>

#include "app/globals.h"
#include "behaviour/periods.h"
#include "entity/map_entity.h"

bool leftTheScreen(const CMapEntity& entity)
{
    return entity.getX() < -100 || entity.getX() > 740 || entity.getY() > 580;
}

void CBobekController::update()
{
    entity->moveY(2);
    entity->moveX(entity->getVelocityX());
    float drift = entity->getVelocityX();
    if (drift > 0)
        drift -= 0.03f;
    if (drift < 0)
        drift += 0.03f;
    entity->setVelocityX(drift);
    if (entity->countContactsOfClass(3) > 0 || !entity->getTileContacts().empty() ||
        entity->countContactsOfClass(5) > 0 || leftTheScreen(*entity))
        release();
}

CKamenController::CKamenController(const CKamenController& other)
    : CControllerClone(other), speedY(static_cast<float>(-(std::rand() % 3) - 2))
{
}

void CKamenController::update()
{
    entity->moveY(speedY);
    entity->moveX(entity->getVelocityX());
    if (speedY < 3)
        speedY += 0.03f * CGlobals::instance().frameFactor;
    float x = entity->getX();
    if (!entity->getTileContacts().empty() || x < 0 || x > 640 || entity->getY() > 480)
        release();
}

void CFallingWinterKouleController::onBind()
{
    speedY = entity->getVelocityY();
}

void CKouleController::update()
{
    entity->moveY(2);
    if (!entity->getTileContacts().empty() || leftTheScreen(*entity))
        release();
}

void CAppleController::update()
{
    entity->moveY(2);
    entity->moveX(driftX);
    if (driftX > 0)
        driftX -= 0.02f;
    if (entity->countContactsOfKind(8) > 0 || entity->countContactsOfClass(1) > 0)
        release();
}

void CSpikeController::onBind()
{
    auto direction = entity->directionToTarget();
    dirX = direction.first;
    dirY = direction.second;
}

void CSpikeController::update()
{
    entity->moveX(dirX * 6);
    entity->moveY(dirY * 6);
    if (entity->getY() < -15 || leftTheScreen(*entity))
        release();
}

CRampouchController::CRampouchController(const CRampouchController& other)
    : CControllerClone(other),
      dripTimer(std::make_unique<CTimer>(difficultyPeriod(2000, static_cast<Uint32>(std::rand() % 3000))))
{
}

void CRampouchController::update()
{
    if (!dripTimer->expired())
        return;
    spawn("KAPKA", entity->getX() + 2, entity->getY() + 42);
    dripTimer->setPeriod(difficultyPeriod(2500, static_cast<Uint32>(std::rand() % 4000)));
}

CRampouch2Controller::CRampouch2Controller(const CRampouch2Controller& other)
    : CControllerClone(other), dripTimer(std::make_unique<CTimer>(static_cast<Uint32>(std::rand() % 4000 + 2000)))
{
}

void CRampouch2Controller::update()
{
    if (!dripTimer->expired())
        return;
    spawn("KAPKA", entity->getX(), entity->getY() + 25);
    dripTimer->setPeriod(difficultyPeriod(2000, static_cast<Uint32>(std::rand() % 3000)));
}
