#include "behaviour/bosses.h"

#include <cstdlib>

#include "app/globals.h"
#include "behaviour/periods.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

// The giant's throw: four stones from along its arm, then a ball.
const float giantStones[] = {30, 50, 80, 100};

// The flying boss patrols between these x and dives between these y.
const float patrolLeft = 1, patrolRight = 400;
const float diveBottom = 250, climbTop = 100;

// One projectile of the flying boss's upward volley: its name, its drift beside the wind, and
// the least difficulty (0 easy, 1 medium, 2 hard) that fires it.
struct CVolleyShot
{
    const char* name;
    float windOffset;
    Uint32 leastDifficulty;
};

const CVolleyShot volley[] = {
    {"SNOWBALL", -1.0f, 0}, {"KOULEUP", 1.0f, 1},  {"SNOWBALL", 0.0f, 1},
    {"KOULEUP", -0.5f, 2},  {"SNOWBALL", 0.5f, 2},
};

// The snowballs the flying boss drops from its belly: offset and drift beside a third of the
// wind; the middle one only in phase 2.
struct CBomb
{
    float dx;
    float windOffset;
    bool phaseTwoOnly;
};

const CBomb bombs[] = {{120, -1.0f, false}, {90, 1.0f, false}, {105, 0.0f, true}};

const Uint32 fallingSnowball = 88;

}

CBoss1Controller::CBoss1Controller(const CBoss1Controller& other) : CControllerClone(other, 1.2f, 1800) {}

void CBoss1Controller::throwProjectile()
{
    for (float dx : giantStones)
        throwFromHand("KAMEN", dx);
    throwFromHand("KOULEUP", 60);
}

void CBoss1Controller::rewardHit()
{
    spawn("BONUS1000", entity->centerX(), entity->getY() - 15);
    CGlobals::instance().levelScore += 1000;
}

void CBoss1Controller::levelOverHop()
{
    if (!hopTimer->expired())
        return;
    if (CGlobals::instance().levelWon)
        entity->getSprite()->setFrameset("DESTROYED");
    playLevelOverVoices();
}

CBoss2Controller::CBoss2Controller(const CBoss2Controller& other)
    : CControllerClone(other),
      phaseTwoTimer(std::make_unique<CTimer>(20000)),
      phaseThreeTimer(std::make_unique<CTimer>(40000)),
      dropTimer(std::make_unique<CTimer>(difficultyPeriod(500))),
      fireTimer(std::make_unique<CTimer>(difficultyPeriod(1000))),
      soundTimer(std::make_unique<CTimer>(50))
{
}

void CBoss2Controller::update()
{
    const CGlobals& globals = CGlobals::instance();
    if (globals.levelOver) {
        entity->moveY(2);
        if (globals.levelWon)
            entity->getSprite()->setFrameset("DESTROYED");
        if (soundTimer->expired())
            playLevelOverVoices();
        return;
    }

    if (phaseTwoTimer->expired() && phase == 1)
        phase = 2;
    if (phaseThreeTimer->expired() && phase == 2)
        phase = 3;

    if (phase == 1) {
        patrol(1.5f);
    } else {
        patrol(2.0f);
        if (diving)
            entity->moveY(2);
        if (rising)
            entity->moveY(-2);
        if (std::rand() % 150 == 10 && !diving && !rising)
            diving = true;
    }
    if (entity->getX() > patrolRight)
        movingRight = false;
    if (entity->getX() < patrolLeft)
        movingRight = true;
    if (phase != 1) {
        if (diving && entity->getY() > diveBottom) {
            diving = false;
            rising = true;
        }
        if (rising && entity->getY() < climbTop)
            rising = false;
    }

    if (dropTimer->expired())
        dropBombs();
    if (phase == 3 && fireTimer->expired())
        fireVolley();
}

void CBoss2Controller::patrol(float speed)
{
    if (!diving && !rising)
        entity->moveX(movingRight ? speed : -speed);
}

void CBoss2Controller::dropBombs()
{
    const float wind = CGlobals::instance().wind;
    for (const CBomb& bomb : bombs) {
        if (bomb.phaseTwoOnly && phase != 2)
            continue;
        CMapEntity* snowball = spawn("FALLINGWINTERKOULE", entity->getX() + bomb.dx, entity->getY() + 135);
        snowball->setVelocityX(wind / 3 + bomb.windOffset);
        snowball->setVelocityY(1.0f);
    }
}

void CBoss2Controller::fireVolley()
{
    const CGlobals& globals = CGlobals::instance();
    for (const CVolleyShot& shot : volley) {
        if (globals.difficulty < shot.leastDifficulty)
            continue;
        CMapEntity* projectile = spawn(shot.name, entity->getX() + 105, entity->getY() + 130);
        projectile->setVelocityX(globals.wind + shot.windOffset);
    }
}

CHYetiController::CHYetiController(const CHYetiController& other)
    : CControllerClone(other), avalancheTimer(std::make_unique<CTimer>(static_cast<Uint32>(std::rand() % 7000 + 7000)))
{
}

void CHYetiController::update()
{
    CGlobals& globals = CGlobals::instance();
    CSprite* sprite = entity->getSprite();
    if (avalancheTimer->expired() && !avalanche) {
        avalancheTimer->restart();
        for (int b = 0; 35 / globals.difficultyFactor > b; ++b) {
            int r1 = std::rand();
            int r2 = std::rand();
            CMapEntity* snowball = spawn("SNOWBALL", static_cast<float>(r2 % 620), static_cast<float>(r1 % 300 - 300));
            snowball->setVelocityX(globals.wind / 2);
        }
        sprite->setFrameset("BUCH");
        avalanche = true;
    }
    if (avalanche && !sprite->getCurrentFrameset()->isPlaying()) {
        sprite->getCurrentFrameset()->start();
        sprite->setFrameset("FRAMESET1");
        avalanche = false;
    }

    if (entity->countContactsOfKind(fallingSnowball) > 0 && !knockedDown) {
        knockedDown = true;
        spawn("BONUS1000", entity->centerX(), entity->getY() - 15);
        globals.levelScore += 5000;
    }
    if (knockedDown)
        entity->moveY(2);
    if (!entity->getTileContacts().empty())
        release();
}
