#include "bot/delayed_sight.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"

namespace {

// Nothing in the game moves farther than this in a frame: a sighting that jumped more is of
// another entity that took a removed one's place.
const float longestStep = 40;

bool onScreen(const CBox& box)
{
    return !box.empty() && box.left + box.width > 0 && box.left < 640 && box.top + box.height > 0 && box.top < 480;
}

bool byEntity(const CSighting& a, const CSighting& b)
{
    return std::less<const CMapEntity*>()(a.entity, b.entity);
}

}

CDelayedSight::CDelayedSight(int delay, size_t room) : delay(delay), room(room), ring(static_cast<size_t>(delay) + 1)
{
    for (CLook& look : ring)
        look.sightings.reserve(room);
}

size_t CDelayedSight::slot(int atFrame) const
{
    const int slots = static_cast<int>(ring.size());
    return static_cast<size_t>(((atFrame % slots) + slots) % slots);
}

const CSighting* CDelayedSight::find(const CLook& look, const CMapEntity* entity)
{
    CSighting key;
    key.entity = entity;
    auto found = std::lower_bound(look.sightings.begin(), look.sightings.end(), key, byEntity);
    return found != look.sightings.end() && found->entity == entity ? &*found : nullptr;
}

void CDelayedSight::look(const CMapEntitiesCollection& level, float wind)
{
    ++frame;
    const CLook& before = lookAt(frame - 1);
    CLook& look = ring[slot(frame)];
    look.frame = frame;
    look.wind = wind;
    look.sightings.clear();
    for (const auto& entity : level.all()) {
        if (look.sightings.size() == room)
            break;
        if (entity->isRemoved())
            continue;
        CSighting seen = sightingOf(*entity);
        if (!onScreen(seen.box))
            continue;
        seen.firstSeen = frame;
        look.sightings.push_back(seen);
    }
    std::sort(look.sightings.begin(), look.sightings.end(), byEntity);
    if (before.frame != frame - 1)
        return;
    for (CSighting& seen : look.sightings) {
        const CSighting* earlier = find(before, seen.entity);
        if (earlier && earlier->kind == seen.kind && std::fabs(earlier->x - seen.x) <= longestStep &&
            std::fabs(earlier->y - seen.y) <= longestStep)
            seen.firstSeen = earlier->firstSeen;
    }
}

const CSighting* CDelayedSight::seen(const CMapEntity& entity) const
{
    const CLook& late = lookAt(frame - delay);
    if (late.frame != frame - delay)
        return nullptr;
    const CSighting* seen = find(late, &entity);
    if (!seen)
        return nullptr;
    // The same entity now and then: it has been on the screen ever since.
    const CSighting* current = find(lookAt(frame), &entity);
    return current && current->firstSeen <= seen->firstSeen ? seen : nullptr;
}

float CDelayedSight::wind() const
{
    const CLook& late = lookAt(frame - delay);
    return late.frame == frame - delay ? late.wind : lookAt(std::max(frame, 0)).wind;
}
