#pragma once

#include <SDL.h>

#include <vector>

#include "app/timer.h"

class CFrameset;
class CMapEntity;
class CMapEntitiesCollection;

// What the bonus watcher knows of one harmful projectile it has seen.
struct CloseCallRecord
{
    float lastDistanceSq;  // to the bird in the previous pass, in square pixels
    Uint32 scoredAt;       // tick of its last near miss; 0 = never
    CMapEntity* projectile;
    bool seen;             // found in the current pass
    float lastCenterX, lastCenterY;
    const CFrameset* firstLook;  // what it showed when first seen; only compared, never read
};

// Rewards near misses: every harmful projectile (collision class 4) is watched while it flies;
// when it has come within about 92 px of the bird and starts to move away, the player scores
// 10, 50 or 150 points by how close it passed. Very close misses less than a second apart build
// a multiplier up to 10; when the chain breaks, a praise label shows at the bottom of the screen.
// From multiplier 4 up every person on the level swears. One per level, run once per frame.
class CBonusWatcher
{
public:
    CBonusWatcher();
    CBonusWatcher(const CBonusWatcher&) = delete;
    CBonusWatcher& operator=(const CBonusWatcher&) = delete;

    // Takes the level and its player (the last entity of collision class 1); without a player
    // the watcher stays idle for the whole level.
    void init(CMapEntitiesCollection* collection);
    // One pass every 10 ms while the level is not over.
    void update();
    // Every person walking left or right turns angry and swears.
    void makeCrowdAngry();

    bool isActive() const { return active; }
    Uint16 getMultiplier() const { return multiplier; }

private:
    void endCombo(Uint32 now);
    void watch(CMapEntity& projectile, Uint32 now);
    void score(const CMapEntity& projectile, float distanceSq, Uint32 now);
    // Drops the records of projectiles released this frame: they are deleted at the end of it,
    // and a projectile made later may take the same place in memory.
    void forgetReleasedProjectiles();
    void spawnLabel(const char* name, float x, float y);

    std::vector<CloseCallRecord> trackedProjectiles;
    CMapEntitiesCollection* level = nullptr;
    CMapEntity* player = nullptr;
    CTimer passTimer;
    Uint32 lastCloseCallTime = 0;
    Uint16 multiplier = 1;
    bool active = false;
};
