#include "behaviour/player_bird.h"

#include <algorithm>
#include <cstdlib>

#include "app/globals.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"
#include "options/options.h"
#include "sound/sound_engine.h"

namespace {

// The parachutes the bird collects, in the order they are tested: kind, history letter, effect.
struct CPowerUp
{
    Uint32 kind;
    const char* letter;
    Uint16 effect;
};

const Uint16 randomEffect = 0xFFFF;
const Uint16 noEffect = 1000;

const CPowerUp powerUps[] = {
    {74, "B", randomEffect}, {89, "C", 0}, {25, "D", 1}, {24, "E", 2},  {69, "F", 3},  {70, "G", 4},  {75, "H", 5},
    {72, "I", 6},            {71, "J", 7}, {73, "K", 8}, {76, "L", 9}, {77, "M", 10}, {78, "N", 11},
};

// The slowest the bird gets: climbing (3.5 x speed) still beats sinking (1).
const float slowestBirdSpeed = 0.4f;

const Uint32 ammoParachute = 23;
const Uint32 egg = 53;

// Where the friendly birds come in when the history holds an ammo and then a bomb parachute.
const float friendsComeIn[4][2] = {{-40, 40}, {-90, 50}, {-110, 70}, {-60, 110}};

// The stampede of a bomb parachute.
const char* const stampede[] = {"CAT", "DOG", "PIG", "CAT", "DOG", "PIG", "PIG"};
const float stampedeX[] = {-80, -150, -220, -300, -340, -370, -410};

}

CDidudoController2::CDidudoController2(const CDidudoController2& other)
    : CControllerClone(other), effectTimer(std::make_unique<CTimer>(3000))
{
    const CControlOptions& keys = CControlOptions::instance();
    keyLeft = keys.left;
    keyRight = keys.right;
    keyUp = keys.up;
    keyDown = keys.down;
    keyShoot = keys.shoot;
}

void CDidudoController2::onBind()
{
    entity->setAlpha(-1);
    entity->setTint(0, 0, 0);
}

void CDidudoController2::onEvent(const SDL_Event& event)
{
    if (event.type == SDL_KEYDOWN)
        pressed(static_cast<Uint16>(event.key.keysym.sym));
    else if (event.type == SDL_KEYUP)
        released(static_cast<Uint16>(event.key.keysym.sym));
}

void CDidudoController2::pressed(Uint16 key)
{
    CGlobals& globals = CGlobals::instance();
    if (key == keyShoot && globals.ammo > 0 && !falling && !globals.levelOver) {
        for (Uint16 i = 0; i < globals.dropsPerShot; ++i) {
            CMapEntity* dropping = spawn("BOBEK", entity->getX() + 15 + 4 * i, entity->getY() + 20);
            dropping->setVelocityX(globals.wind / 2 + steerX);
        }
        --globals.ammo;
    }
    if (key == keyLeft && !falling) {
        entity->getSprite()->setFrameset("LEFT");
        leftHeld = true;
        leftHeldBy = key;
    }
    if (key == keyRight && !falling) {
        entity->getSprite()->setFrameset("RIGHT");
        rightHeld = true;
        rightHeldBy = key;
    }
    if (key == keyUp && !falling)
        upHeld = true;
    if (key == keyDown && !falling)
        sinkSpeed = 3 * globals.birdSpeed;
}

// A released key lets go of the direction its press set, even when the bad parachute has
// swapped the steering keys (or given them back) in between.
void CDidudoController2::released(Uint16 key)
{
    if (key == leftHeldBy)
        leftHeld = false;
    if (key == rightHeldBy)
        rightHeld = false;
    if (key == keyUp)
        upHeld = false;
    if (key == keyDown && !falling)
        sinkSpeed = 1.0f;
}

void CDidudoController2::update()
{
    CGlobals& globals = CGlobals::instance();
    if (falling) {
        if (fallSpeed < 5 && !globals.levelOver)
            fallSpeed += globals.frameFactor * 0.08f;
        entity->moveY(fallSpeed);
    } else {
        fly();
    }

    if (!entity->getTileContacts().empty()) {
        onGround = true;
        sinkSpeed = 0;
        if (falling && globals.levelWon) {
            globals.levelOver = true;
            globals.levelWon = false;
            if (globals.lives > 0)
                --globals.lives;
        }
    } else if (onGround) {
        onGround = false;
        sinkSpeed = 1.0f;
    }

    bool hit = entity->countContactsOfClass(4) > 0 || entity->countContactsOfClass(3) > 0;
    if (hit && !shielded && !falling && !globals.levelOver) {
        falling = true;
        CSoundEngine::instance().playSound("ZASAH1");
        entity->getSprite()->setFrameset("FALL");
    }

    if (entity->countContactsOfKind(egg) > 0) {
        spawnAboveBird("BONUS1000");
        globals.levelScore += 1000;
    }
}

void CDidudoController2::fly()
{
    CGlobals& globals = CGlobals::instance();
    const float s = globals.birdSpeed;
    const bool windMovesBird = globals.difficulty != 0;

    if (effectTimer->expired()) {
        if (shielded) {
            entity->setAlpha(-1);
            shielded = false;
        }
        if (controlsSwapped) {
            entity->setTint(0, 0, 0);
            keyLeft = CControlOptions::instance().left;
            keyRight = CControlOptions::instance().right;
            controlsSwapped = false;
        }
        if (fastActive || slowActive) {
            globals.gameSpeed = 1.0f;
            fastActive = slowActive = false;
        }
    }

    entity->moveY(sinkSpeed);
    steerX = windMovesBird ? globals.wind / 4 : 0;
    entity->moveX(steerX);
    if (shielded)
        entity->setAlpha(128);

    if (leftHeld)
        steerX = windMovesBird ? (globals.wind / 4 - 3) * s : -3 * s;
    if (rightHeld)
        steerX = windMovesBird ? (globals.wind / 4 + 3) * s : 3 * s;
    if ((rightHeld && entity->getX() + steerX < 600) || (leftHeld && entity->getX() - steerX > 0))
        entity->moveX(steerX);

    if (upHeld && entity->getY() - 3.5f * s > 0)
        entity->moveY(-3.5f * s);

    collectPickups();
}

void CDidudoController2::collectPickups()
{
    CGlobals& globals = CGlobals::instance();
    if (entity->countContactsOfKind(ammoParachute) > 0) {
        globals.ammo += 20;
        if (++globals.ammoPickups == 3) {
            globals.ammoPickups = 0;
            ++globals.dropsPerShot;
        }
        recordLetter("A");
        spawnAboveBird("MSGPLUSAMMO");
    }
    for (const CPowerUp& powerUp : powerUps) {
        if (entity->countContactsOfKind(powerUp.kind) == 0)
            continue;
        pendingEffect = powerUp.effect == randomEffect ? static_cast<Uint16>(std::rand() % 10) : powerUp.effect;
        recordLetter(powerUp.letter);
    }
    if (pendingEffect != noEffect) {
        CSoundEngine::instance().playSound("BONUS");
        carryOut(pendingEffect);
        pendingEffect = noEffect;
    }
}

void CDidudoController2::carryOut(Uint16 effect)
{
    CGlobals& globals = CGlobals::instance();
    const CControlOptions& keys = CControlOptions::instance();
    switch (effect) {
    case 0:
        entity->setTint(60, 220, 30);
        controlsSwapped = true;
        keyLeft = keys.right;
        keyRight = keys.left;
        effectTimer->restart();
        break;
    case 1:
        ++globals.lives;
        spawnAboveBird("MSGPLUSLIVES");
        break;
    case 2:
        shielded = true;
        effectTimer->restart();
        break;
    case 3:
        if (globals.levelClock)
            globals.levelClock->shift(10000);
        spawnAboveBird("MSGPLUSTIME");
        break;
    case 4:
        if (globals.levelClock)
            globals.levelClock->shift(-5000);
        spawnAboveBird("MSGMINUSTIME");
        break;
    case 5:
        globals.levelOver = true;
        globals.levelWon = true;
        break;
    case 6:
        globals.gameSpeed = 0.5f;
        slowActive = true;
        effectTimer->restart();
        break;
    case 7:
        globals.gameSpeed = 2.0f;
        fastActive = true;
        effectTimer->restart();
        break;
    case 8:
        globals.birdSpeed += 0.15f;
        spawnAboveBird("MSGPLUSSPEED");
        break;
    case 9:
        for (int i = 0; i < 35; ++i) {
            int r1 = std::rand();
            int r2 = std::rand();
            spawn("KOULE", static_cast<float>(r2 % 620), static_cast<float>(r1 % 300 - 300));
        }
        break;
    case 10:
        globals.birdSpeed = std::max(slowestBirdSpeed, globals.birdSpeed - 0.15f);
        spawnAboveBird("MSGMINUSSPEED");
        break;
    case 11:
        spawnAboveBird("MSGANIMALS");
        for (int i = 0; i < 7; ++i)
            spawn(stampede[i], stampedeX[i], 415);
        break;
    default:
        break;
    }
}

void CDidudoController2::recordLetter(const std::string& letter)
{
    pickupLetters.push_back(letter);
    if (pickupLetters.size() > 8)
        pickupLetters.erase(pickupLetters.begin());
    for (size_t i = 0; i + 1 < pickupLetters.size(); ++i) {
        if (pickupLetters[i] != "A" || pickupLetters[i + 1] != "N")
            continue;
        pickupLetters[i] = "X";
        pickupLetters[i + 1] = "X";
        for (const auto& place : friendsComeIn)
            spawn("DIDUDO", place[0], place[1]);
        spawnAboveBird("MSGFRIENDS");
        return;
    }
}

CMapEntity* CDidudoController2::spawnAboveBird(const std::string& name)
{
    return spawn(name, entity->centerX(), entity->getY() - 15);
}

CDidudoController::CDidudoController(const CDidudoController& other) : CControllerClone(other)
{
    dropTimer = std::make_unique<CTimer>(static_cast<Uint32>(std::rand() % 400 + 200));
    speed = static_cast<float>((std::rand() % 30 + 20) / 10);
}

void CDidudoController::update()
{
    entity->moveX(speed);
    if (dropTimer->expired())
        spawn("BOBEK", entity->getX() + 20, entity->getY() + 25);
    if (entity->getX() > 600)
        release();
}
