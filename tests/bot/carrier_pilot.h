#pragma once

#include <SDL.h>

#include <map>
#include <memory>

#include "bot/human_profile.h"
#include "bot/pilot.h"

class CMapEntity;

// Walks the water carrier of the rescue level: to the fainted bird that will be hottest when it
// gets there (or the one falling lowest), turned so that the water falls on it, pouring one drop
// at a time until it flies off; back to the cauldron when the can is empty. With a human profile
// a bird is seen to have fainted only after the reaction time, and keys are let go late.
class CCarrierPilot : public CPilot
{
public:
    explicit CCarrierPilot(std::unique_ptr<CHumanProfile> human = nullptr);
    CControls fly(const CMapEntitiesCollection& level, const CControls& held) override;

private:
    // Where the water leaves the can: ahead of the carrier facing right, at its middle facing left.
    float pourX(const CMapEntity& carrier) const;
    // Walks the pouring point to x; true once it is there.
    bool walkTo(const CMapEntity& carrier, float x, float within, CControls& keys);
    CControls keysFor(const CMapEntitiesCollection& level, const CControls& held);
    // Whether the pilot knows the bird has fainted.
    bool seenFainted(const CMapEntity& bird) const;

    std::unique_ptr<CHumanProfile> human;
    std::map<const CMapEntity*, int> faintedSince;  // the frame each fainted bird was first seen so
    int frame = 0;

    bool facingLeft = false;
    bool pressedWithWater = false;  // the shoot key went down with water in the can
    Uint32 waterAtPress = 0;
};
