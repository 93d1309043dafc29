#include "gfx/gl_texture_table.h"

#include <cstdio>
#include <new>

int powerOfTwoAtLeast(int n)
{
    int size = 1;
    while (size < n)
        size *= 2;
    return size;
}

void planTiles(int width, int height, int maxSize, std::vector<GlTile>& tiles)
{
    tiles.clear();
    for (int y = 0; y < height; y += maxSize)
        for (int x = 0; x < width; x += maxSize) {
            GlTile tile;
            const int w = width - x < maxSize ? width - x : maxSize;
            const int h = height - y < maxSize ? height - y : maxSize;
            tile.area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                         static_cast<Uint16>(h)};
            tile.textureWidth = powerOfTwoAtLeast(w);
            tile.textureHeight = powerOfTwoAtLeast(h);
            tiles.push_back(tile);
        }
}

std::unique_ptr<GlTextureTable> GlTextureTable::create()
{
    std::unique_ptr<TexInfo[]> entries(new (std::nothrow) TexInfo[entryCount]);
    if (!entries)
        return nullptr;
    return std::unique_ptr<GlTextureTable>(new GlTextureTable(std::move(entries)));
}

GlTextureTable::GlTextureTable(std::unique_ptr<TexInfo[]> allocated) : entries(std::move(allocated))
{
    for (int i = 0; i < entryCount; ++i)
        entries[i].nextFree = i + 1 < entryCount ? i + 1 : -1;
}

TexInfo* GlTextureTable::find(const SDL_Surface* surface)
{
    const Uint32 index = surface->unused1;
    if (index == 0 || index > static_cast<Uint32>(entryCount))
        return nullptr;
    TexInfo& info = entries[index - 1];
    return info.surface == surface ? &info : nullptr;
}

TexInfo* GlTextureTable::acquire(SDL_Surface* surface)
{
    if (TexInfo* known = find(surface))
        return known;
    if (firstFree < 0)
        return nullptr;
    TexInfo& info = entries[firstFree];
    firstFree = info.nextFree;
    info.surface = surface;
    info.valid = false;
    info.layerAlpha = false;
    info.tiles.clear();
    info.overBlackTiles.clear();
    info.overBlackValid = false;
    surface->unused1 = static_cast<Uint32>(indexOf(info) + 1);
    ++used;
    return &info;
}

void GlTextureTable::release(TexInfo& info)
{
    if (!info.surface)
        return;
    if (info.surface->unused1 == static_cast<Uint32>(indexOf(info) + 1))
        info.surface->unused1 = 0;
    info.surface = nullptr;
    info.valid = false;
    info.layerAlpha = false;
    info.tiles.clear();
    info.overBlackTiles.clear();
    info.overBlackValid = false;
    info.nextFree = firstFree;
    firstFree = indexOf(info);
    --used;
}

void GlTextureTable::reportLeaks()
{
    int leaked = 0;
    forEachInUse([&](TexInfo& info) {
        const int width = info.tiles.empty() ? 0 : info.tiles.front().textureWidth;
        const int height = info.tiles.empty() ? 0 : info.tiles.front().textureHeight;
        std::fprintf(stderr, "glSDL/wrapper: Leaked TexInfo %d! (%d %dx%d textures)\n", indexOf(info),
                     static_cast<int>(info.tiles.size()), width, height);
        ++leaked;
    });
    if (leaked)
        std::fprintf(stderr, "glSDL/wrapper: Leaked %d TexInfos!\n", leaked);
}
