#include "entity/contact_pass.h"

#include <SDL.h>

#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "level/map.h"

namespace {

// A box in whole pixels: the position is cut to 16 bits, as the pass has always done.
struct CPixelBox
{
    int left, top, width, height;
};

CPixelBox pixelBox(const CMapEntity& entity)
{
    SDL_Rect box = entity.currentBox();
    return {static_cast<Sint16>(static_cast<int>(entity.getX())) + box.x,
            static_cast<Sint16>(static_cast<int>(entity.getY())) + box.y, box.w, box.h};
}

// Inclusive pixel ranges overlap when either one's start lies inside the other.
bool rangesOverlap(int startA, int lengthA, int startB, int lengthB)
{
    int endA = startA + lengthA - 1;
    int endB = startB + lengthB - 1;
    return (startA >= startB && startA <= endB) || (startB >= startA && startB <= endA);
}

}

CCellSpan cellsUnderBox(const CMapEntity& entity)
{
    CPixelBox box = pixelBox(entity);
    return {box.left / 32, (box.left + box.width) / 32, box.top / 32, (box.top + box.height) / 32};
}

int cellIndex(int column, int row)
{
    if (column < 0 || column >= 20 || row < 0 || row >= 15)
        return -1;
    return column + row * 20;
}

void CContactPass::detectContacts()
{
    const auto& entities = collection->all();
    for (const auto& entity : entities)
        entity->clearContacts();

    for (size_t i = 0; i < entities.size(); ++i) {
        CMapEntity& a = *entities[i];
        CPixelBox boxA = pixelBox(a);
        if (boxA.width == 0 && boxA.height == 0)
            continue;
        for (size_t j = 0; j < entities.size(); ++j) {
            if (j == i)
                continue;
            CMapEntity& b = *entities[j];
            CPixelBox boxB = pixelBox(b);
            if (boxB.width == 0 && boxB.height == 0)
                continue;
            // The list is sorted by box top when it is drawn: nothing further down can touch.
            if (boxA.top + boxA.height < boxB.top)
                break;
            if (rangesOverlap(boxA.left, boxA.width, boxB.left, boxB.width) &&
                rangesOverlap(boxA.top, boxA.height, boxB.top, boxB.height)) {
                a.addContact(&b);
                b.addContact(&a);
            }
        }
    }

    if (!map)
        return;
    size_t layers = map->layerCount() < 2 ? map->layerCount() : 2;
    for (const auto& entity : entities) {
        forEachCellUnder(*entity, [&](int index) {
            for (size_t layer = 0; layer < layers; ++layer)
                if (map->blocks(layer, index))
                    entity->addTileContact(map->tileNumberAt(0, index));
        });
    }
}

void CContactPass::resolveAllContacts()
{
    for (const auto& entity : collection->all())
        entity->resolveContacts();
}
