#include "behaviour/rescue.h"

#include <cstdlib>

#include "app/globals.h"
#include "behaviour/level_loss.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"
#include "options/options.h"
#include "sound/sound_engine.h"

namespace {

const Uint32 cauldron = 113;
const Uint32 water = 114;
const int facingLeft = 4;
const int facingRight = 6;
const Uint32 fullCan = 15;
const int overheated = 250;

}

CNosicController::CNosicController(const CNosicController& other)
    : CControllerClone(other), pourTimer(std::make_unique<CTimer>(50))
{
}

void CNosicController::onEvent(const SDL_Event& event)
{
    if (event.type == SDL_KEYDOWN)
        pressed(static_cast<Uint16>(event.key.keysym.sym));
    else if (event.type == SDL_KEYUP)
        released(static_cast<Uint16>(event.key.keysym.sym));
}

void CNosicController::pressed(Uint16 key)
{
    const CControlOptions& keys = CControlOptions::instance();
    CGlobals& globals = CGlobals::instance();
    CSprite* sprite = entity->getSprite();
    if (key == keys.left) {
        movingLeft = true;
        facing = facingLeft;
        sprite->setFrameset("LEFT");
        sprite->getCurrentFrameset()->start();
    }
    if (key == keys.right) {
        movingRight = true;
        facing = facingRight;
        sprite->setFrameset("RIGHT");
        sprite->getCurrentFrameset()->start();
    }
    if (key == keys.shoot) {
        if (globals.ammo > 0) {
            sprite->setFrameset(facing == facingLeft ? "VYLIT_LEFT" : "VYLIT_RIGHT");
            pouring = true;
            sprite->getCurrentFrameset()->start();
        } else if (entity->countContactsOfKind(cauldron) > 0) {
            globals.ammo = fullCan;
        }
    }
}

void CNosicController::released(Uint16 key)
{
    const CControlOptions& keys = CControlOptions::instance();
    CSprite* sprite = entity->getSprite();
    if (key == keys.left) {
        movingLeft = false;
        sprite->getCurrentFrameset()->selectFrame("FRAME1");
    }
    if (key == keys.right) {
        movingRight = false;
        sprite->getCurrentFrameset()->selectFrame("FRAME1");
    }
    if (key == keys.shoot) {
        if (movingRight)
            sprite->setFrameset("RIGHT");
        if (movingLeft)
            sprite->setFrameset("LEFT");
        pouring = false;
    }
}

void CNosicController::update()
{
    CGlobals& globals = CGlobals::instance();
    if (!movingLeft && !movingRight)
        entity->getSprite()->getCurrentFrameset()->stop();
    if (movingRight)
        entity->moveX(2);
    if (movingLeft)
        entity->moveX(-2);
    if (pouring && pourTimer->expired() && globals.ammo > 0) {
        const float x = facing == facingLeft ? entity->centerX() : entity->centerX() + 20;
        spawn("VODA", x, entity->getY() + 18);
        --globals.ammo;
    }
}

void CVodaController::update()
{
    entity->moveY(2);
    if (entity->countContactsOfClass(3) > 0 || !entity->getTileContacts().empty() || entity->countContactsOfClass(5) > 0)
        release();
}

CBonusDidudoController::CBonusDidudoController(const CBonusDidudoController& other)
    : CControllerClone(other), faintTimer(std::make_unique<CTimer>(static_cast<Uint32>(std::rand() % 3000 + 1000)))
{
}

void CBonusDidudoController::update()
{
    if (!fainted || revived)
        entity->moveX(2);
    else
        entity->moveY(2);
    if (revived)
        entity->moveY(-1.5f);

    if (faintTimer->expired() && !fainted && !revived) {
        fainted = true;
        if (std::rand() % 10 == 1)
            CSoundEngine::instance().playSound("ZASAH1");
        entity->getSprite()->setFrameset("FALL");
    }

    if (entity->countContactsOfKind(water) > 0) {
        entity->setTint(0, 0, 0);
        entity->getSprite()->setFrameset("RIGHT");
        revived = true;
        fainted = false;
    }

    // A fainted bird lying on the ground heats up; its tint brightens as it does.
    if (fainted && !entity->getTileContacts().empty()) {
        const int h = static_cast<int>(heat) % 256;
        entity->setTint(30, static_cast<Uint8>(h), static_cast<Uint8>(h));
        if (h < overheated)
            heat += 0.75f * CGlobals::instance().frameFactor;
        else
            loseLevel();
    }

    if (entity->getX() > 600)
        release();
}
