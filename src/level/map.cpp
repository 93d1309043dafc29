#include "level/map.h"

#include <algorithm>

#include "gfx/video.h"

void CMap::drawBackground(SDL_Surface* target)
{
    if (!backgroundImage)
        return;
    SDL_Rect from = {0, 0, 640, 480};
    SDL_Rect to = {0, 0, 0, 0};
    glSDL_BlitSurface(backgroundImage, &from, target, &to);
}

void CMap::drawLayers(size_t first, size_t end, SDL_Surface* target)
{
    const size_t count = layers.size();
    first = std::min(first, count);
    end = std::min(end, count);
    if (end == 0)
        end = count;
    if (!tiles)
        return;
    for (size_t layer = first; layer < end; ++layer) {
        const CMapCell* cells = layers[layer].cells;
        for (int index = 0; index < cellsPerLayer; ++index) {
            if (cells[index].tileNumber == 0)
                continue;
            const CTileDefinition& tile = definition(cells[index].tileNumber);
            if (!tile.hasPicture)
                continue;
            SDL_Rect from = {tile.picture.x, tile.picture.y, tileSize, tileSize};
            SDL_Rect to = {static_cast<Sint16>(tileSize * (index % columns)),
                           static_cast<Sint16>(tileSize * (index / columns)), 0, 0};
            glSDL_BlitSurface(tiles, &from, target, &to);
        }
    }
}

const CTileDefinition& CMap::definition(Uint16 tileNumber) const
{
    static const CTileDefinition empty;
    return tileNumber < definitionCount ? definitions[tileNumber] : empty;
}

Uint16 CMap::tileNumberAt(size_t layer, size_t index) const
{
    if (layer >= layers.size() || index >= static_cast<size_t>(cellsPerLayer))
        return 0;
    return layers[layer].cells[index].tileNumber;
}

bool CMap::blocks(size_t layer, size_t index) const
{
    Uint16 tileNumber = tileNumberAt(layer, index);
    return tileNumber != 0 && definition(tileNumber).walkable == 0;
}
