#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CSprite;

// Everything that lives on a level is a map entity: a passive record of position, sprite, kind,
// collision class and contacts. What it does is decided by the controller bound to it.
// Collision classes: 0 none, 1 player, 2 dropping, 3 hostile body, 4 harmful projectile,
// 5 creature or scenery.
class CMapEntity
{
public:
    CMapEntity(float x, float y, bool solid);
    virtual ~CMapEntity();
    CMapEntity& operator=(const CMapEntity&) = delete;

    virtual void use() {}
    // Shows the frameset named "DEATH".
    virtual void startDying();
    virtual void damage(Uint16 amount);
    virtual void onContact(CMapEntity* /*other*/) {}
    virtual std::unique_ptr<CMapEntity> clone() const = 0;
    virtual void think() {}

    void setKind(Uint32 value) { kind = value; }
    void setCollisionClass(Uint32 value) { collisionClass = value; }
    Uint16 setHealth(Uint16 value) { return health = value; }
    void setPenalty(Sint16 value);
    void setSolid(bool value) { solid = value; }
    void setRemoved(bool value) { removed = value; }
    void setControlled(bool value) { controlled = value; }
    void setAlpha(Sint16 value) { alpha = value; }
    void setTint(Uint8 red, Uint8 green, Uint8 blue);
    void setVelocityX(float value) { velocityX = value; }
    void setVelocityY(float value) { velocityY = value; }
    void setName(const std::string& value) { name = value; }

    float getX() const { return x; }
    float getY() const { return y; }
    float getPrevX() const { return prevX; }
    float getPrevY() const { return prevY; }
    float getVelocityX() const { return velocityX; }
    float getVelocityY() const { return velocityY; }
    float getTargetX() const { return targetX; }
    float getTargetY() const { return targetY; }
    Uint32 getKind() const { return kind; }
    Uint32 getCollisionClass() const { return collisionClass; }
    const std::string& getName() const { return name; }
    Uint16 getHealth() const { return health; }
    Sint16 getPenalty() const { return penalty; }
    Sint16 getAlpha() const { return alpha; }
    bool isTinted() const { return tint[0] || tint[1] || tint[2]; }
    const Uint8* getTint() const { return tint; }
    bool isRemoved() const { return removed; }
    bool isControlled() const { return controlled; }
    bool isSolid() const { return solid; }
    const std::string& getSpriteName() const { return spriteName; }
    CSprite* getSprite() const { return sprite.get(); }
    const std::vector<CMapEntity*>& getContacts() const { return contacts; }
    const std::vector<Uint16>& getTileContacts() const { return tileContacts; }

    // A teleport: the previous position moves too, so the contact pass never undoes it.
    void setPosition(float newX, float newY);
    // Moves by v times the frame factor; a dying entity (health 0) does not move.
    void moveX(float v);
    void moveY(float v);
    void setTarget(float newX, float newY)
    {
        targetX = newX;
        targetY = newY;
    }
    // The centre of the current frame's collision box, in screen pixels.
    float centerX() const;
    float centerY() const;
    // The unit vector towards the target point (offset by ox, oy); a distance of 0 counts as 0.1.
    std::pair<float, float> directionToTarget(float ox = 0, float oy = 0) const;
    // Takes a fresh copy of the named sprite template.
    void setSprite(const std::string& templateName);
    // The collision box of the current frame (empty when there is none).
    SDL_Rect currentBox() const;

    void addContact(CMapEntity* other);
    void addTileContact(Uint16 id);
    void clearContacts();
    void removeContact(CMapEntity* other);
    bool isTouching(const CMapEntity* other) const;
    bool hasSolidContact() const;
    // Contacts not yet removed, of that kind or collision class.
    int countContactsOfKind(Uint32 k) const;
    int countContactsOfClass(Uint32 c) const;

    // Undoes the last move for every solid contact and again for any blocking cell.
    void resolveContacts();
    void updateAndDraw(SDL_Surface* surface);
    void draw(SDL_Surface* surface);

protected:
    // The copy of a clone: it never inherits controlled, removed, alpha, tint, contacts or target.
    CMapEntity(const CMapEntity& other);

private:
    std::vector<CMapEntity*> contacts;
    std::vector<Uint16> tileContacts;
    float prevX, prevY;
    bool removed = false;
    bool controlled = false;
    Sint16 alpha = -1;
    Uint8 tint[3] = {0, 0, 0};
    Uint32 kind = 0;
    Uint32 collisionClass = 0;
    std::string name;
    float x, y;
    float velocityX = 0;
    float velocityY = 0;
    Uint16 health = 100;
    Sint16 penalty = 0;
    std::string useFrameset = "FRAMESET_USE";
    std::string idleFrameset = "FRAMESET1";
    std::string deathFrameset = "FRAMESET_DEATH";
    std::string spriteName;
    bool solid;
    float targetX = 0;
    float targetY = 0;
    std::unique_ptr<CSprite> sprite;
};

// A creature.
class CMapEntity_Living : public CMapEntity
{
public:
    using CMapEntity::CMapEntity;
    std::unique_ptr<CMapEntity> clone() const override;

protected:
    CMapEntity_Living(const CMapEntity_Living& other) = default;
};

// The summer player bird "PLAYER".
class CMapEntity_Player : public CMapEntity_Living
{
public:
    CMapEntity_Player(float x, float y, bool solid);
    std::unique_ptr<CMapEntity> clone() const override;

protected:
    CMapEntity_Player(const CMapEntity_Player& other) = default;
};
