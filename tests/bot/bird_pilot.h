#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bot/forecast.h"
#include "bot/human_profile.h"
#include "bot/pilot.h"

class CMapEntity;

// Flies the player's bird: high above the throwers' stones, over the target its dropping will
// land on (given how the target walks and how the wind carries the dropping), letting go when
// the forecast says it hits; it dodges what would fell it, keeps out from under icicles, flees
// vultures, catches the plane's eggs before they break and fetches an ammunition parachute when
// the droppings run low. With a human profile it plays as that person sees and moves, and also
// takes the crates it notices near the bird, keeping away from those that harm.
class CBirdPilot : public CPilot
{
public:
    // Without a profile the pilot sees everything at once and exactly.
    explicit CBirdPilot(std::unique_ptr<CHumanProfile> human = nullptr, float cruiseHeight = cruiseY);

    // Keys held until a frame, then others.
    struct CPlan
    {
        CControls first;
        int switchAt;
        CControls then;
    };

    CControls fly(const CMapEntitiesCollection& level, const CControls& held) override;

    // The top of the bird while it cruises, unless told otherwise.
    static constexpr float cruiseY = 40;

private:
    struct CGoal
    {
        float x, y;  // where the bird's top-left corner should go
    };

    void forecastAll(const CMapEntitiesCollection& level);
    // The scoring target the dropping let go now would land on first, or null.
    const CMapEntity* landsOn(const CMapEntity& bird, float steer, int* frames) const;
    bool goalAwayFromVultures(const CMapEntity& bird, CGoal& goal) const;
    bool goalForEgg(const CMapEntity& bird, CGoal& goal) const;
    bool goalForAmmunition(const CMapEntity& bird, CGoal& goal) const;
    bool goalForNoticedParachute(const CMapEntity& bird, CGoal& goal) const;
    // The nearest full parachute not too low to catch that the filter accepts.
    template <typename Filter> bool goalForParachute(const CMapEntity& bird, CGoal& goal, Filter accepts) const;
    // Where the dropping let go now would be after each frame, as the pilot judges it.
    std::vector<CBox> judgedDroppingPath(const CMapEntity& bird, float steer) const;
    // The entity where the pilot sees it now.
    CBox boxSeen(const CMapEntity& entity) const;
    bool goalForTarget(const CMapEntity& bird, float steer, CGoal& goal) const;
    // How much harm the bird meets along its path: every frame it would touch something that
    // fells it counts, the sooner the more (0: none).
    float danger(const CMapEntity& bird, const std::vector<std::pair<float, float>>& path) const;
    bool committedTo(const CMapEntity* target) const;

    std::unique_ptr<CHumanProfile> human;
    float cruise;
    float wind = 0;  // as the pilot knows it this frame
    const CMapEntitiesCollection* level = nullptr;
    std::map<const CMapEntity*, std::vector<CBox>> paths;
    // What fells the bird (icicles stand for the drops they may let go), the parachutes it leaves,
    // the vultures that chase it, what stops a dropping.
    std::vector<const CMapEntity*> hazards, avoided, chasers, obstacles;
    std::map<const CMapEntity*, int> committed;  // targets with a dropping on its way: the frame it lands
    int frame = 0;
};

// What a dropping landing on the entity scores (0 for what does not score).
int scoreFor(const std::string& entityName);
