#pragma once

#include <memory>
#include <string>

#include "entity/map_entity.h"

// Makes the world the entity code needs without any data files: a sprite collection holding every
// sprite the catalogue names (10 x 10 frames with a full box, one frameset for every frameset name
// the game selects, the catalogue's initial frameset first, "EMPTY" without a box) plus the test
// sprites "BOX10" (10 x 10, full box), "NOBOX" (no box) and "TALL" (10 x 40, full box); then
// registers the whole entity catalogue once.
void installTestWorld();

// Adds (once) the test sprite "RED10": one 10 x 10 frame of pure red cut from a real picture, for
// checks of what an entity draws. Needs the test world.
void addRedSprite();

// An entity with any test sprite, for checks of the entity machinery itself.
class CTestEntity : public CMapEntity
{
public:
    CTestEntity(const std::string& spriteName, float x, float y, bool solid = false, Uint32 collisionClass = 0,
                Uint32 kind = 999);
    std::unique_ptr<CMapEntity> clone() const override;

protected:
    CTestEntity(const CTestEntity& other) = default;
};
