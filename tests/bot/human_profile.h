#pragma once

#include <SDL.h>

#include <random>

#include "bot/delayed_sight.h"
#include "bot/pilot.h"

class CMapEntitiesCollection;

// How a person plays, laid over a pilot: the level seen a quarter of a second late, a new
// threat dodged only once it has been on the screen for a reaction time, the wind known as it
// was seen (never what it will be), the landing point of a dropping misjudged the more the
// longer and windier its fall, keys let go a little late. Its randomness is its own generator,
// seeded by the play's seed: the game's rand() sequence is never drawn from.
class CHumanProfile
{
public:
    explicit CHumanProfile(unsigned seed);

    // Looks at the level: once a frame, before anything else is asked.
    void look(const CMapEntitiesCollection& level, float wind);
    const CSighting* seen(const CMapEntity& entity) const { return sight.seen(entity); }
    float wind() const { return sight.wind(); }
    // How many frames late the level is seen.
    int delay() const;
    // Whether a harmful thing has been on the screen long enough to be dodged.
    bool reactsTo(const CSighting& threat) const;
    // Whether a change this many frames ago has been taken in.
    bool reactedAfter(int frames) const;
    // Whether the player notices a parachute this far away.
    bool notices(const CBox& crate, const CBox& bird) const;
    // How far beside its real landing the player believes a dropping falls after falling this
    // many pixels in this wind (the same misjudgement until the next dropping is let go).
    float misjudgement(float fall, float wind) const;
    // A dropping was let go: the next one is judged afresh.
    void letGo();
    // The keys the hands hold when the pilot wants these: a key is let go a few frames late.
    CControls hands(const CControls& wanted, const CControls& held);

private:
    double uniform();
    double normal();

    std::mt19937 generator;
    CDelayedSight sight;
    double aim = 0;        // the misjudgement in standard deviations, drawn per dropping
    int lateness[4] = {-1, -1, -1, -1};  // frames a key is still held after the pilot let go of it, per direction
};
