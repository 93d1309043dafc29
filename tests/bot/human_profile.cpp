#include "bot/human_profile.h"

#include <cmath>

namespace {

// Frames are 20 ms.
// What the eye sees reaches the hand about a quarter of a second later: the visual-motor
// latency of a person following a moving scene is 200-250 ms.
const int seeingDelay = 12;
// A change on the screen (a new threat, a bird fainting) is told apart and an answer chosen
// after a choice reaction time, about 400 ms for a young player; until then it is not dodged.
const int threatReaction = 20;
// Even from just above a target a dropping is let go a frame or so early or late.
const float aimErrorNear = 3;
// The landing point is guessed by eye from the height: from the top of the screen (about 400
// pixels of fall) the guess spreads by about half a target's width.
const float aimErrorPerPixel = 0.04f;
// The wind's drift over the fall is harder still to judge: in the strongest wind of the hard
// set (2.25) a drop from the top spreads by as much again.
const float aimErrorPerWindPixel = 0.018f;
// A key is let go up to three frames (60 ms) late: the spread of a person's release timing.
const int releaseNoise = 3;
// A player watches the bird and the ground below it: a crate farther off than about a third of
// the screen goes unnoticed.
const float noticeDistance = 200;
// Room for what is on the screen at once; no level shows more.
const size_t sightRoom = 1024;

}

CHumanProfile::CHumanProfile(unsigned seed) : generator(seed), sight(seeingDelay, sightRoom)
{
    aim = normal();
}

void CHumanProfile::look(const CMapEntitiesCollection& level, float wind)
{
    sight.look(level, wind);
}

int CHumanProfile::delay() const
{
    return seeingDelay;
}

bool CHumanProfile::reactsTo(const CSighting& threat) const
{
    return reactedAfter(sight.visibleFor(threat));
}

bool CHumanProfile::reactedAfter(int frames) const
{
    return frames >= threatReaction;
}

bool CHumanProfile::notices(const CBox& crate, const CBox& bird) const
{
    return std::hypot(crate.centerX() - bird.centerX(), crate.centerY() - bird.centerY()) <= noticeDistance;
}

float CHumanProfile::misjudgement(float fall, float wind) const
{
    const float spread = aimErrorNear + aimErrorPerPixel * fall + aimErrorPerWindPixel * std::fabs(wind) * fall;
    return static_cast<float>(aim) * spread;
}

void CHumanProfile::letGo()
{
    aim = normal();
}

CControls CHumanProfile::hands(const CControls& wanted, const CControls& held)
{
    CControls keys = wanted;
    bool* const want[4] = {&keys.left, &keys.right, &keys.up, &keys.down};
    const bool holding[4] = {held.left, held.right, held.up, held.down};
    for (int key = 0; key < 4; ++key) {
        if (*want[key] || !holding[key]) {
            lateness[key] = -1;
            continue;
        }
        if (lateness[key] < 0)
            lateness[key] = static_cast<int>(generator() % (releaseNoise + 1));
        if (lateness[key] > 0) {
            --lateness[key];
            *want[key] = true;
        }
    }
    return keys;
}

double CHumanProfile::uniform()
{
    // (0, 1): never 0, so that its logarithm is finite.
    return (static_cast<double>(generator()) + 0.5) / 4294967296.0;
}

double CHumanProfile::normal()
{
    // Box and Muller: the same numbers from the same seed on every standard library.
    const double radius = std::sqrt(-2 * std::log(uniform()));
    return radius * std::cos(2 * M_PI * uniform());
}
