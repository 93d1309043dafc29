#include "entity/map_entity.h"

#include <algorithm>
#include <cmath>

#include "app/fatal.h"
#include "app/globals.h"
#include "app/logger.h"
#include "gfx/sprite.h"

CMapEntity::CMapEntity(float x, float y, bool solid) : prevX(x), prevY(y), x(x), y(y), solid(solid) {}

CMapEntity::CMapEntity(const CMapEntity& other)
    : prevX(other.prevX), prevY(other.prevY), kind(other.kind), collisionClass(other.collisionClass),
      name(other.name), x(other.x), y(other.y), velocityX(other.velocityX), velocityY(other.velocityY),
      health(other.health), penalty(other.penalty), useFrameset(other.useFrameset),
      idleFrameset(other.idleFrameset), deathFrameset(other.deathFrameset), spriteName(other.spriteName),
      solid(other.solid), sprite(other.sprite ? std::make_unique<CSprite>(*other.sprite) : nullptr)
{
}

CMapEntity::~CMapEntity()
{
    if (CGlobals* globals = CGlobals::existing())
        globals->entityListChanged = true;
}

void CMapEntity::startDying()
{
    if (sprite)
        sprite->setFrameset("DEATH");
}

void CMapEntity::damage(Uint16 amount)
{
    health = amount >= health ? 0 : static_cast<Uint16>(health - amount);
    if (health == 0 && sprite && sprite->getCurrentFrameset())
        sprite->getCurrentFrameset()->stop();
}

void CMapEntity::setPenalty(Sint16 value)
{
    penalty = value;
    CLogger::instance().write("setting penalty for " + name + ": " + std::to_string(value));
}

void CMapEntity::setTint(Uint8 red, Uint8 green, Uint8 blue)
{
    tint[0] = red;
    tint[1] = green;
    tint[2] = blue;
}

void CMapEntity::setPosition(float newX, float newY)
{
    x = prevX = newX;
    y = prevY = newY;
}

void CMapEntity::moveX(float v)
{
    if (health == 0)
        return;
    prevX = x;
    x += CGlobals::instance().frameFactor * v;
}

void CMapEntity::moveY(float v)
{
    if (health == 0)
        return;
    prevY = y;
    y += CGlobals::instance().frameFactor * v;
}

SDL_Rect CMapEntity::currentBox() const
{
    return sprite ? sprite->currentBox() : SDL_Rect{0, 0, 0, 0};
}

float CMapEntity::centerX() const
{
    SDL_Rect box = currentBox();
    return x + (box.x + box.w / 2);
}

float CMapEntity::centerY() const
{
    SDL_Rect box = currentBox();
    return y + (box.y + box.h / 2);
}

std::pair<float, float> CMapEntity::directionToTarget(float ox, float oy) const
{
    float dx = targetX + ox - x;
    float dy = targetY + oy - y;
    float d = std::sqrt(dx * dx + dy * dy);
    if (d == 0)
        d = 0.1f;
    return {dx / d, dy / d};
}

void CMapEntity::setSprite(const std::string& templateName)
{
    if (templateName.empty())
        fatalError("Entity " + name + " has no sprite name!", 0);
    sprite = spriteCollection()->createCopy(templateName);
    spriteName = templateName;
}

void CMapEntity::addContact(CMapEntity* other)
{
    if (!isTouching(other))
        contacts.push_back(other);
}

void CMapEntity::addTileContact(Uint16 id)
{
    if (std::find(tileContacts.begin(), tileContacts.end(), id) == tileContacts.end())
        tileContacts.push_back(id);
}

void CMapEntity::clearContacts()
{
    contacts.clear();
    tileContacts.clear();
}

void CMapEntity::removeContact(CMapEntity* other)
{
    contacts.erase(std::remove(contacts.begin(), contacts.end(), other), contacts.end());
}

bool CMapEntity::isTouching(const CMapEntity* other) const
{
    return std::find(contacts.begin(), contacts.end(), other) != contacts.end();
}

bool CMapEntity::hasSolidContact() const
{
    return std::any_of(contacts.begin(), contacts.end(), [](const CMapEntity* e) { return e->solid; });
}

int CMapEntity::countContactsOfKind(Uint32 k) const
{
    return static_cast<int>(std::count_if(contacts.begin(), contacts.end(),
                                          [k](const CMapEntity* e) { return e->kind == k && !e->removed; }));
}

int CMapEntity::countContactsOfClass(Uint32 c) const
{
    return static_cast<int>(std::count_if(
        contacts.begin(), contacts.end(), [c](const CMapEntity* e) { return e->collisionClass == c && !e->removed; }));
}

void CMapEntity::resolveContacts()
{
    for (CMapEntity* other : contacts) {
        if (other->solid) {
            x = prevX;
            y = prevY;
        }
        onContact(other);
    }
    if (!tileContacts.empty()) {
        x = prevX;
        y = prevY;
    }
}

void CMapEntity::updateAndDraw(SDL_Surface* surface)
{
    if (health == 0)
        startDying();
    think();
    draw(surface);
}

void CMapEntity::draw(SDL_Surface* surface)
{
    if (!sprite)
        return;
    sprite->setPosition(static_cast<int>(x), static_cast<int>(y));
    if (alpha != -1)
        sprite->drawTranslucent(surface, alpha);
    else if (isTinted())
        sprite->drawTinted(surface, tint[0], tint[1], tint[2]);
    else
        sprite->drawAnimated(surface);
}

std::unique_ptr<CMapEntity> CMapEntity_Living::clone() const
{
    return std::unique_ptr<CMapEntity>(new CMapEntity_Living(*this));
}

CMapEntity_Player::CMapEntity_Player(float x, float y, bool solid) : CMapEntity_Living(x, y, solid)
{
    setCollisionClass(1);
    setKind(7);
    setName("PLAYER");
    setSprite("PLAYER");
    getSprite()->setFrameset("RIGHT");
    if (getSprite()->getCurrentFrameset())
        getSprite()->getCurrentFrameset()->start();
    setPosition(x, y);
    setHealth(20);
}

std::unique_ptr<CMapEntity> CMapEntity_Player::clone() const
{
    return std::unique_ptr<CMapEntity>(new CMapEntity_Player(*this));
}
