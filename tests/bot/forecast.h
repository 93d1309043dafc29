#pragma once

#include <SDL.h>

#include <vector>

class CMap;
class CMapEntity;

// Where things on a level will be: the motions of the game's controllers, frame by frame at a
// frame factor of 1, as far as the bot needs them.

// A collision box in screen pixels; boxes touch as the contact pass finds it (inclusive ranges).
struct CBox
{
    float left = 0, top = 0, width = 0, height = 0;

    bool empty() const { return width == 0 && height == 0; }
    float centerX() const { return left + width / 2; }
    float centerY() const { return top + height / 2; }
    float bottom() const { return top + height; }
    CBox moved(float dx, float dy) const { return {left + dx, top + dy, width, height}; }
    CBox grown(float margin) const { return {left - margin, top - margin, width + 2 * margin, height + 2 * margin}; }
    bool touches(const CBox& other) const;
};

// The box of the entity's current frame where the entity is now.
CBox boxOf(const CMapEntity& entity);

// What a look at an entity takes in: where it is and where it was the frame before, its box
// and the width of its frame (walkers turn by it), and how it moves.
struct CSighting
{
    const CMapEntity* entity = nullptr;  // which one it is; only compared, never read through
    Uint32 kind = 0;
    float x = 0, y = 0, prevX = 0, prevY = 0;
    CBox box;
    int frameWidth = 0;
    int firstSeen = 0;  // the frame of the first look that found it on the screen
};

CSighting sightingOf(const CMapEntity& entity);

// Whether a box lies on a blocking cell of the map's first two layers (the contact pass's rule).
bool onSolidCell(const CMap& map, const CBox& box);

// How an entity moves on: walkers go to and fro between x 60 and 630, thrown things fall back
// under gravity, the rest keep their last step.
enum class EMotion { Straight, Walking, Thrown };
EMotion motionOf(const CMapEntity& entity);

// The entity's box after each of the next `steps` frames (element k: after k + 1 frames), from
// where it is now or from where it was seen.
std::vector<CBox> forecast(const CMapEntity& entity, int steps);
std::vector<CBox> forecast(const CSighting& seen, EMotion motion, int steps);

// A dropping let go now at (x, y) with a sideways speed: it falls 2 pixels a frame and its
// drift fades by 0.03 a frame. Element k: its box after k + 1 frames.
std::vector<CBox> droppingPath(const CBox& dropping, float velocityX, int steps);
