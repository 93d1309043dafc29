#include "bot/carrier_pilot.h"

#include <cmath>
#include <limits>

#include "app/globals.h"
#include "bot/forecast.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "gfx/sprite.h"

namespace {

// The water leaves the can this far below the carrier's top.
const float waterDrop = 18;
const float walkSpeed = 2;
// A lying bird heats up by this much a frame; any lying bird goes before the falling ones.
const float heating = 0.75f;
const float lyingFirst = 10000;

const CMapEntity* firstNamed(const CMapEntitiesCollection& level, const char* name)
{
    for (const auto& entity : level.all())
        if (!entity->isRemoved() && entity->getName() == name)
            return entity.get();
    return nullptr;
}

// Whether a drop already falls towards the bird.
bool waterOnItsWay(const CMapEntitiesCollection& level, const CBox& bird)
{
    for (const auto& entity : level.all()) {
        if (entity->isRemoved() || entity->getName() != "VODA")
            continue;
        const CBox drop = boxOf(*entity);
        if (drop.top < bird.top && drop.left <= bird.left + bird.width && bird.left <= drop.left + drop.width)
            return true;
    }
    return false;
}

bool fainted(const CMapEntity& bird)
{
    return bird.getName() == "BONUSDIDUDO" && bird.getSprite()->currentFramesetName() == "FALL";
}

}

CCarrierPilot::CCarrierPilot(std::unique_ptr<CHumanProfile> human) : human(std::move(human)) {}

bool CCarrierPilot::seenFainted(const CMapEntity& bird) const
{
    if (!fainted(bird))
        return false;
    auto since = faintedSince.find(&bird);
    return !human || (since != faintedSince.end() && human->reactedAfter(frame - since->second));
}

CControls CCarrierPilot::fly(const CMapEntitiesCollection& level, const CControls& held)
{
    ++frame;
    if (human) {
        std::map<const CMapEntity*, int> still;
        for (const auto& entity : level.all())
            if (!entity->isRemoved() && fainted(*entity)) {
                auto since = faintedSince.find(entity.get());
                still[entity.get()] = since == faintedSince.end() ? frame : since->second;
            }
        faintedSince.swap(still);
    }
    const CControls keys = keysFor(level, held);
    return human ? human->hands(keys, held) : keys;
}

float CCarrierPilot::pourX(const CMapEntity& carrier) const
{
    return facingLeft ? carrier.centerX() : carrier.centerX() + 20;
}

bool CCarrierPilot::walkTo(const CMapEntity& carrier, float x, float within, CControls& keys)
{
    const float middle = carrier.centerX();
    if (std::fabs(x - pourX(carrier)) <= within)
        return true;
    // Comes in from the left facing right, or from the right facing left; from right under the
    // can it backs off to the left first.
    keys.right = x > middle + 20;
    keys.left = !keys.right;
    facingLeft = keys.left;
    return false;
}

CControls CCarrierPilot::keysFor(const CMapEntitiesCollection& level, const CControls& held)
{
    CControls keys;
    const CMapEntity* carrier = firstNamed(level, "NOSIC");
    if (!carrier || CGlobals::instance().levelOver)
        return keys;

    if (CGlobals::instance().ammo == 0) {
        const CMapEntity* cauldron = firstNamed(level, "KOTEL");
        if (!cauldron)
            return keys;
        if (boxOf(*carrier).touches(boxOf(*cauldron))) {
            keys.shoot = !held.shoot;  // a fresh press fills the can
            pressedWithWater = false;
            return keys;
        }
        const float side = cauldron->centerX() < carrier->centerX() ? -1.0f : 1.0f;
        keys.left = side < 0;
        keys.right = side > 0;
        facingLeft = keys.left;
        return keys;
    }

    // The bird lying on the ground that will be hottest when the carrier gets there comes first,
    // then the one falling lowest. The heat shows in the tint of a lying bird.
    const CMapEntity* patient = nullptr;
    float urgency = -std::numeric_limits<float>::max();
    for (const auto& entity : level.all()) {
        if (entity->isRemoved() || !seenFainted(*entity))
            continue;
        const float walk = std::fabs(entity->centerX() - carrier->centerX()) / walkSpeed;
        const float score = entity->getTileContacts().empty()
                                ? entity->getY() - walk
                                : lyingFirst + (entity->isTinted() ? entity->getTint()[1] : 0) + walk * heating;
        if (score > urgency) {
            urgency = score;
            patient = entity.get();
        }
    }
    const CBox bird = patient ? boxOf(*patient) : CBox();
    // Water falls as fast as a fainted bird: it only reaches one that is already below the can.
    const bool reachable = patient && bird.top >= carrier->getY() + waterDrop;
    if (!patient || !walkTo(*carrier, bird.centerX(), bird.width / 2 - 2, keys) || !reachable ||
        waterOnItsWay(level, bird)) {
        pressedWithWater = false;
        return keys;
    }
    // One drop at a time: pouring starts on a press with water in the can (a press that filled the
    // can does not pour) and the key is let go as soon as a drop has left.
    const Uint32 water = CGlobals::instance().ammo;
    if (!held.shoot) {
        keys.shoot = true;
        pressedWithWater = true;
        waterAtPress = water;
    } else {
        keys.shoot = pressedWithWater && water == waterAtPress;
    }
    return keys;
}
