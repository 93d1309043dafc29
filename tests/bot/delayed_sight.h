#pragma once

#include <vector>

#include "bot/forecast.h"

class CMapEntitiesCollection;
class CMapEntity;

// What a player sees of a level some frames late: each frame one look at everything on the
// screen goes into a ring of looks, and the pilot is shown the look taken `delay` frames ago.
// The ring and each look's room are set aside once; a level with more entities on the screen
// than a look has room for leaves the rest unseen. The delay is at least one frame.
class CDelayedSight
{
public:
    CDelayedSight(int delay, size_t room);

    // Takes the look of this frame.
    void look(const CMapEntitiesCollection& level, float wind);
    // The entity as the late look shows it, or null when it was not on the screen then (or is
    // another entity since, living where a removed one lived).
    const CSighting* seen(const CMapEntity& entity) const;
    // The wind as it was when the late look was taken.
    float wind() const;
    // How many frames the entity has been on the screen (counted from the first look that
    // found it; the late look's sighting says which entity it is).
    int visibleFor(const CSighting& seen) const { return frame - seen.firstSeen; }
    int now() const { return frame; }

private:
    struct CLook
    {
        int frame = -1;
        float wind = 0;
        std::vector<CSighting> sightings;  // by entity address
    };
    size_t slot(int atFrame) const;
    const CLook& lookAt(int atFrame) const { return ring[slot(atFrame)]; }
    static const CSighting* find(const CLook& look, const CMapEntity* entity);

    int delay;
    size_t room;
    std::vector<CLook> ring;
    int frame = -1;
};
