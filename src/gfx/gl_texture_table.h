#pragma once

#include <GL/gl.h>
#include <SDL.h>

#include <memory>
#include <vector>

#include "gfx/gl_pixels.h"

// One texture of a surface: the area of the surface it holds and its own power-of-two size.
// The texture name is 0 while the texture does not exist (not made yet, or dropped with the context).
struct GlTile
{
    GLuint texture = 0;
    SDL_Rect area = {0, 0, 0, 0};
    int textureWidth = 0;
    int textureHeight = 0;
};

// The smallest power of two that is at least n (n >= 1).
int powerOfTwoAtLeast(int n);

// Cuts a width x height surface into tiles of at most maxSize x maxSize pixels, row by row; each
// tile's texture is the smallest power-of-two size that holds it.
void planTiles(int width, int height, int maxSize, std::vector<GlTile>& tiles);

// What the layer knows about one surface: its textures and whether they still show its pixels.
struct TexInfo
{
    SDL_Surface* surface = nullptr;  // null while the entry is free
    bool valid = false;              // the textures hold the surface's current pixels, made by `rule`
    bool layerAlpha = false;         // the alpha channel was made by the layer from the colour key and
                                     // per-surface alpha (the display format of the OpenGL path)
    TexelRule rule;
    std::vector<GlTile> tiles;       // planned at the first upload
    // The textures of the surface's pixels as a blit onto black leaves them, black transparent:
    // what translucent and tinted sprite frames are drawn from (made at their first such blit).
    std::vector<GlTile> overBlackTiles;
    bool overBlackValid = false;
    int nextFree = -1;
};

// The texture information table: 16384 entries, one per surface that has textures or a layer-made
// alpha channel. A surface finds its entry through its unused1 field (index + 1, 0 for none).
class GlTextureTable
{
public:
    static constexpr int entryCount = 16384;

    // Null when the table cannot be allocated.
    static std::unique_ptr<GlTextureTable> create();

    TexInfo* find(const SDL_Surface* surface);
    // The surface's entry, made if it has none; null when every entry is in use.
    TexInfo* acquire(SDL_Surface* surface);
    // Frees the entry (its textures must have been given back already).
    void release(TexInfo& info);
    int indexOf(const TexInfo& info) const { return static_cast<int>(&info - entries.get()); }
    int inUse() const { return used; }

    // Calls f(TexInfo&) for every entry in use, in index order.
    template <typename F>
    void forEachInUse(F f)
    {
        for (int i = 0; i < entryCount; ++i)
            if (entries[i].surface)
                f(entries[i]);
    }

    // Prints the shutdown report of the entries still in use.
    void reportLeaks();

private:
    explicit GlTextureTable(std::unique_ptr<TexInfo[]> allocated);

    std::unique_ptr<TexInfo[]> entries;
    int firstFree = 0;
    int used = 0;
};
