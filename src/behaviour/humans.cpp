#include "behaviour/humans.h"

#include <cstdlib>

#include "app/globals.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"
#include "sound/sound_engine.h"

namespace {

const float leftTurn = 60;
const float rightEdge = 630;
const float hopStartSpeed = -2.0f;

int currentFrameWidth(const CMapEntity& entity)
{
    const CFrame* frame = entity.getSprite()->currentFrame();
    return frame ? frame->w : 0;
}

Uint32 randomPeriod(int spread, int least)
{
    return static_cast<Uint32>(std::rand() % spread + least);
}

}

void playLevelOverVoices()
{
    const CGlobals& globals = CGlobals::instance();
    if (std::rand() % 80 == 10 && globals.levelWon)
        CSoundEngine::instance().playSound("NADAVANI2");
    if (std::rand() % 80 == 10 && !globals.levelWon)
        CSoundEngine::instance().playSound("SMICH");
}

CClovek1Controller::CClovek1Controller(const CClovek1Controller& other)
    : CClovek1Controller(other, 1.0f, randomPeriod(3500, 1500))
{
}

CClovek1Controller::CClovek1Controller(const CClovek1Controller& other, float speed, Uint32 throwPeriod)
    : CControllerClone(other),
      throwTimer(std::make_unique<CTimer>(throwPeriod)),
      hitTimer(std::make_unique<CTimer>(1200)),
      hopTimer(std::make_unique<CTimer>(50)),
      baseSpeed(speed),
      signedSpeed(speed),
      hopGravity(static_cast<float>(std::rand() % 4 + 2) / 10)
{
}

void CClovek1Controller::update()
{
    if (CGlobals::instance().levelOver) {
        levelOverHop();
        return;
    }
    CSprite* sprite = entity->getSprite();
    signedSpeed = direction == 0 ? baseSpeed : -baseSpeed;
    entity->moveX(signedSpeed);
    if (entity->getX() + currentFrameWidth(*entity) > rightEdge) {
        sprite->setFrameset("LEFT");
        direction = 1;
    }
    if (entity->getX() < leftTurn) {
        direction = 0;
        sprite->setFrameset("RIGHT");
    }

    if (entity->countContactsOfClass(2) > 0) {
        hitPending = true;
        rewardHit();
    }

    if (throwTimer->expired()) {
        throwProjectile();
        sprite->setFrameset(byDirection("THROW_LEFT", "THROW_RIGHT"));
        sprite->getCurrentFrameset()->restart();  // every throw shows its whole pose
        throwing = true;
    }
    if (throwing && !sprite->getCurrentFrameset()->isPlaying()) {
        faceWalkingDirection();
        throwing = false;
    }

    if (hitPending) {
        if (std::rand() % 6 == 0)
            CSoundEngine::instance().playSound("NADAVANI1");
        else if (std::rand() % 6 == 0)
            CSoundEngine::instance().playSound("NADAVANI3");
        sprite->setFrameset(byDirection("HIT_LEFT", "HIT_RIGHT"));
        hitTimer->restart();
        hitPending = false;
        hitShowing = true;
    }
    if (hitTimer->expired() && hitShowing) {
        faceWalkingDirection();
        hitShowing = false;
    }
}

void CClovek1Controller::throwProjectile()
{
    throwFromHand("KAMEN", 30);
}

void CClovek1Controller::rewardHit()
{
    spawn("BONUS150", entity->centerX(), entity->getY() - 15);
    CGlobals::instance().levelScore += 150;
}

void CClovek1Controller::levelOverHop()
{
    CGlobals& globals = CGlobals::instance();
    CSprite* sprite = entity->getSprite();
    sprite->getCurrentFrameset()->stop();
    if (globals.levelWon)
        sprite->setFrameset(byDirection("ANGRY_LEFT", "ANGRY_RIGHT"));
    sprite->getCurrentFrameset()->selectFrame("FRAME1");

    if (hopGroundY == 0)
        hopGroundY = entity->getY();
    entity->moveY(hopSpeedY);
    hopSpeedY += hopGravity * globals.frameFactor;
    if (entity->getY() >= hopGroundY)
        hopSpeedY = hopStartSpeed;

    if (hopTimer->expired())
        playLevelOverVoices();
}

CMapEntity* CClovek1Controller::throwFromHand(const char* name, float dx)
{
    CMapEntity* projectile = spawn(name, entity->getX() + dx, entity->getY() - 10);
    projectile->setVelocityX(CGlobals::instance().wind / 2 + signedSpeed);
    return projectile;
}

void CClovek1Controller::faceWalkingDirection()
{
    entity->getSprite()->setFrameset(byDirection("LEFT", "RIGHT"));
}

CClovek2Controller::CClovek2Controller(const CClovek2Controller& other)
    : CControllerClone(other, 1.5f, randomPeriod(1500, 1000))
{
}

CClovek6Controller::CClovek6Controller(const CClovek6Controller& other) : CControllerClone(other, 1.8f, 1800) {}

void CClovek6Controller::throwProjectile()
{
    CMapEntity* snowball = spawn("SNOWBALL", entity->getX() + 30, entity->getY() - 10);
    snowball->setVelocityX(CGlobals::instance().wind / 2 + 2 * entity->directionToTarget().first);
}

CWinterClovek1Controller::CWinterClovek1Controller(const CWinterClovek1Controller& other)
    : CControllerClone(other, 1.8f, 1800)
{
}

void CWinterClovek1Controller::throwProjectile()
{
    throwFromHand("SNOWBALL", 30);
}

CYetiController::CYetiController(const CYetiController& other) : CControllerClone(other, 1.2f, 1800) {}

void CYetiController::throwProjectile()
{
    throwFromHand("SNOWBALL", 30);
    throwFromHand("SNOWBALL", 50);
    if (CGlobals::instance().difficulty == 2)
        throwFromHand("SNOWBALL", 80);
}

CVelbloudController::CVelbloudController(const CVelbloudController& other) : CControllerClone(other, 1.2f, 1800) {}

void CVelbloudController::throwProjectile()
{
    const float wind = CGlobals::instance().wind;
    for (float dx : {30.0f, 10.0f}) {
        CMapEntity* ball = spawn("DKOULE", entity->getX() + dx, entity->getY() - 10);
        ball->setTarget(entity->getTargetX(), entity->getTargetY());
        auto aim = ball->directionToTarget();
        ball->setVelocityX(wind / 2 + aim.first);
        ball->setVelocityY(aim.second);
    }
}
