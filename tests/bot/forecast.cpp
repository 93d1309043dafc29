#include "bot/forecast.h"

#include <SDL.h>

#include <cmath>
#include <set>
#include <string>

#include "entity/map_entity.h"
#include "gfx/sprite.h"
#include "level/map.h"

namespace {

// Walkers turn when they pass these lines (their frame's right edge for the right one).
const float walkLeftTurn = 60, walkRightEdge = 630;
// Thrown things gain this much downward speed a frame, up to the limit.
const float throwGravity = 0.03f, throwTopSpeed = 3;
const float droppingFall = 2, droppingDriftFade = 0.03f;

const std::set<std::string> walkers = {"CLOVEK1", "CLOVEK2", "CLOVEK3",  "CLOVEK4", "CLOVEK5",
                                       "CLOVEK6", "WINTERCLOVEK1", "YETI", "VELBLOUD", "BOSS1"};
const std::set<std::string> thrown = {"KAMEN", "KAMEN2", "FLYINGBOY1", "KOULEUP", "SNOWBALL", "WINTERKOULE", "DKOULE"};

int frameWidth(const CMapEntity& entity)
{
    const CFrame* frame = entity.getSprite() ? entity.getSprite()->currentFrame() : nullptr;
    return frame ? frame->w : 0;
}

bool rangesOverlap(float startA, float lengthA, float startB, float lengthB)
{
    // Whole pixels, as the contact pass sees them.
    int a = static_cast<int>(std::floor(startA)), b = static_cast<int>(std::floor(startB));
    int endA = a + static_cast<int>(lengthA) - 1, endB = b + static_cast<int>(lengthB) - 1;
    return a <= endB && b <= endA;
}

}

bool CBox::touches(const CBox& other) const
{
    if (empty() || other.empty())
        return false;
    return rangesOverlap(left, width, other.left, other.width) && rangesOverlap(top, height, other.top, other.height);
}

CBox boxOf(const CMapEntity& entity)
{
    SDL_Rect box = entity.currentBox();
    return {std::floor(entity.getX()) + box.x, std::floor(entity.getY()) + box.y, static_cast<float>(box.w),
            static_cast<float>(box.h)};
}

bool onSolidCell(const CMap& map, const CBox& box)
{
    const int left = static_cast<int>(box.left), top = static_cast<int>(box.top);
    const size_t layers = map.layerCount() < 2 ? map.layerCount() : 2;
    for (int row = top / 32; row <= (top + static_cast<int>(box.height)) / 32; ++row)
        for (int column = left / 32; column <= (left + static_cast<int>(box.width)) / 32; ++column) {
            if (column < 0 || column >= CMap::columns || row < 0 || row >= CMap::rows)
                continue;
            for (size_t layer = 0; layer < layers; ++layer)
                if (map.blocks(layer, static_cast<size_t>(column + row * CMap::columns)))
                    return true;
        }
    return false;
}

EMotion motionOf(const CMapEntity& entity)
{
    if (walkers.count(entity.getName()))
        return EMotion::Walking;
    if (thrown.count(entity.getName()))
        return EMotion::Thrown;
    return EMotion::Straight;
}

CSighting sightingOf(const CMapEntity& entity)
{
    CSighting seen;
    seen.entity = &entity;
    seen.kind = entity.getKind();
    seen.x = entity.getX();
    seen.y = entity.getY();
    seen.prevX = entity.getPrevX();
    seen.prevY = entity.getPrevY();
    seen.box = boxOf(entity);
    seen.frameWidth = frameWidth(entity);
    return seen;
}

std::vector<CBox> forecast(const CMapEntity& entity, int steps)
{
    return forecast(sightingOf(entity), motionOf(entity), steps);
}

std::vector<CBox> forecast(const CSighting& seen, EMotion motion, int steps)
{
    std::vector<CBox> path;
    path.reserve(static_cast<size_t>(steps));
    float x = seen.x, y = seen.y;
    float vx = seen.x - seen.prevX, vy = seen.y - seen.prevY;
    for (int k = 0; k < steps; ++k) {
        if (motion == EMotion::Thrown && vy < throwTopSpeed)
            vy += throwGravity;
        x += vx;
        y += vy;
        if (motion == EMotion::Walking) {
            if (x + seen.frameWidth > walkRightEdge)
                vx = -std::fabs(vx);
            if (x < walkLeftTurn)
                vx = std::fabs(vx);
        }
        path.push_back(seen.box.moved(x - seen.x, y - seen.y));
    }
    return path;
}

std::vector<CBox> droppingPath(const CBox& dropping, float velocityX, int steps)
{
    std::vector<CBox> path;
    path.reserve(static_cast<size_t>(steps));
    float dx = 0, dy = 0, drift = velocityX;
    for (int k = 0; k < steps; ++k) {
        dy += droppingFall;
        dx += drift;
        if (drift > 0)
            drift -= droppingDriftFade;
        if (drift < 0)
            drift += droppingDriftFade;
        path.push_back(dropping.moved(dx, dy));
    }
    return path;
}
