#pragma once

#include <memory>

class CMapEntitiesCollection;

// The keys a pilot holds down this frame (the water carrier holds shoot while it pours), and
// whether it taps the shoot key once (the bird's dropping).
struct CControls
{
    bool left = false, right = false, up = false, down = false, shoot = false;
    bool fire = false;
};

// Plays a level the way a player would: it looks at the level each frame and says which keys
// to hold. It sees what is on the screen and the game's values (wind, ammunition, speed).
class CPilot
{
public:
    virtual ~CPilot() = default;
    // `held`: the keys held since the last frame, as the game has seen them.
    virtual CControls fly(const CMapEntitiesCollection& level, const CControls& held) = 0;
};

// How the pilot plays: with perfect sight and hands, or as a person does.
enum class EProfile { Default, Human };

// The pilot for what the level gives the player: the water carrier on the rescue level, the
// bird everywhere else; a human profile's own randomness is seeded so.
std::unique_ptr<CPilot> pilotFor(const CMapEntitiesCollection& level, EProfile profile, unsigned seed);
