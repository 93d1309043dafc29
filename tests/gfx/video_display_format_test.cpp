// The display format of the OpenGL path carries the colour key and per-surface alpha in an alpha
// channel. Blits from such surfaces into ordinary surfaces must still come out exactly as from the
// plain path's display format (the screen's), also after the game changes the key or the alpha.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "gfx/gl_display_format.h"
#include "gfx/gl_pixels.h"

namespace {

// A 24-bit picture as a PNG loads: cyan background, black core, coloured ring, a white dot.
SDL_Surface* picture()
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 24, 24, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 255, 255));
    SDL_Rect ring = {4, 4, 16, 16}, core = {8, 8, 8, 8}, dot = {1, 1, 1, 1};
    SDL_FillRect(s, &ring, SDL_MapRGB(s->format, 200, 80, 30));
    SDL_FillRect(s, &core, SDL_MapRGB(s->format, 0, 0, 0));
    SDL_FillRect(s, &dot, SDL_MapRGB(s->format, 255, 255, 255));
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, 0, 255, 255));
    return s;
}

// The drawTranslucent target: a black 32-bit surface with the red mask low.
SDL_Surface* blackTemporary()
{
    return SDL_CreateRGBSurface(SDL_HWSURFACE, 24, 24, 32, 0xFF, 0xFF00, 0xFF0000, 0);
}

SDL_Surface* greyBoard()
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 24, 24, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 90, 90, 90));
    return s;
}

// The largest difference of any colour component between two surfaces of one format.
int largestDifference(SDL_Surface* a, SDL_Surface* b)
{
    int largest = 0;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x) {
            Uint8 p[3], q[3];
            const Uint32 pa = static_cast<Uint32*>(a->pixels)[y * a->pitch / 4 + x];
            const Uint32 pb = static_cast<Uint32*>(b->pixels)[y * b->pitch / 4 + x];
            SDL_GetRGB(pa, a->format, &p[0], &p[1], &p[2]);
            SDL_GetRGB(pb, b->format, &q[0], &q[1], &q[2]);
            for (int i = 0; i < 3; ++i)
                largest = std::max(largest, std::abs(p[i] - q[i]));
        }
    return largest;
}

// Blits each of the two surfaces into its own fresh target and compares the results.
int blitDifference(SDL_Surface* plain, SDL_Surface* layer, SDL_Surface* (*makeTarget)())
{
    SDL_Surface* first = makeTarget();
    SDL_Surface* second = makeTarget();
    SDL_BlitSurface(plain, nullptr, first, nullptr);
    SDL_BlitSurface(layer, nullptr, second, nullptr);
    const int difference = largestDifference(first, second);
    SDL_FreeSurface(first);
    SDL_FreeSurface(second);
    return difference;
}

Uint32 pixelOf(SDL_Surface* s, int x, int y)
{
    return static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x];
}

class LayerDisplayFormat : public ::testing::Test
{
protected:
    LayerDisplayFormat() : table(GlTextureTable::create()) {}
    ~LayerDisplayFormat() override
    {
        for (SDL_Surface* s : {plain, layer})
            if (s) {
                if (TexInfo* info = table->find(s))
                    table->release(*info);
                SDL_FreeSurface(s);
            }
    }
    void convert(SDL_Surface* source)
    {
        plain = SDL_DisplayFormat(source);
        layer = openGlDisplayFormat(source, *table);
        SDL_FreeSurface(source);
        ASSERT_NE(plain, nullptr);
        ASSERT_NE(layer, nullptr);
    }
    // What glSDL_SetColorKey and glSDL_SetAlpha do to the layer's surface.
    void setColorKey(Uint32 flag, Uint8 r, Uint8 g, Uint8 b)
    {
        SDL_SetColorKey(plain, flag, SDL_MapRGB(plain->format, r, g, b));
        SDL_SetColorKey(layer, flag, SDL_MapRGB(layer->format, r, g, b));
        refreshLayerAlpha(layer);
    }
    void setAlpha(Uint32 flag, Uint8 alpha)
    {
        SDL_SetAlpha(plain, flag, alpha);
        SDL_SetAlpha(layer, flag, alpha);
        refreshLayerAlpha(layer);
    }
    std::unique_ptr<GlTextureTable> table;
    SDL_Surface* plain = nullptr;
    SDL_Surface* layer = nullptr;
};

TEST_F(LayerDisplayFormat, AKeyedPictureGetsTransparentAlphaAndBlitsLikeThePlainOne)
{
    convert(picture());
    EXPECT_EQ(plain->format->Amask, 0u);
    EXPECT_EQ(layer->format->Amask, 0xFF000000u);
    EXPECT_TRUE(layer->flags & SDL_SRCCOLORKEY) << "the key stays set as the game gave it";
    ASSERT_NE(table->find(layer), nullptr);
    EXPECT_TRUE(table->find(layer)->layerAlpha);
    EXPECT_EQ(pixelOf(layer, 0, 0) >> 24, 0u) << "cyan is transparent";
    EXPECT_EQ(pixelOf(layer, 0, 0) & 0xFFFFFF, 0x00FFFFu) << "and keeps its colour";
    EXPECT_EQ(pixelOf(layer, 10, 10), 0xFF000000u) << "black is opaque";

    // drawTranslucent: keyed pixels leave the black temporary surface black.
    EXPECT_EQ(blitDifference(plain, layer, blackTemporary), 0);
    EXPECT_EQ(blitDifference(plain, layer, greyBoard), 0);
}

TEST_F(LayerDisplayFormat, KeysSetOrClearedLaterActAsOnThePlainPath)
{
    convert(picture());
    setColorKey(SDL_SRCCOLORKEY, 0, 0, 0);
    EXPECT_EQ(blitDifference(plain, layer, greyBoard), 0) << "black now transparent, cyan visible";
    setColorKey(0, 0, 0, 0);
    EXPECT_EQ(blitDifference(plain, layer, greyBoard), 0) << "no key: all visible";
    EXPECT_FALSE(layer->flags & SDL_SRCALPHA);
    setColorKey(SDL_SRCCOLORKEY, 200, 80, 30);
    EXPECT_EQ(blitDifference(plain, layer, blackTemporary), 0) << "the ring keyed";
}

TEST_F(LayerDisplayFormat, PerSurfaceAlphaIsCarriedOverAndCanBeChanged)
{
    SDL_Surface* source = picture();
    SDL_SetAlpha(source, SDL_SRCALPHA, 160);
    convert(source);
    EXPECT_EQ(layer->format->alpha, 160);
    EXPECT_EQ(pixelOf(layer, 5, 5) >> 24, 160u);
    EXPECT_LE(blitDifference(plain, layer, greyBoard), 1) << "SDL rounds the two blends alike";
    setAlpha(SDL_SRCALPHA, 40);
    EXPECT_LE(blitDifference(plain, layer, greyBoard), 1);
    setAlpha(0, 0);
    EXPECT_EQ(blitDifference(plain, layer, greyBoard), 0) << "opaque again, still keyed";

    SDL_Surface* unkeyed = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_FillRect(unkeyed, nullptr, SDL_MapRGB(unkeyed->format, 10, 20, 30));
    SDL_SetAlpha(unkeyed, SDL_SRCALPHA, 100);
    SDL_Surface* plainUnkeyed = SDL_DisplayFormat(unkeyed);
    SDL_Surface* layerUnkeyed = openGlDisplayFormat(unkeyed, *table);
    EXPECT_EQ(layerUnkeyed->format->Amask, 0xFF000000u) << "per-surface alpha alone also gets a channel";
    EXPECT_LE(blitDifference(plainUnkeyed, layerUnkeyed, greyBoard), 1);
    table->release(*table->find(layerUnkeyed));
    for (SDL_Surface* s : {unkeyed, plainUnkeyed, layerUnkeyed})
        SDL_FreeSurface(s);
}

TEST_F(LayerDisplayFormat, PixelsDrawnIntoItLaterAreKeyedByTheirColour)
{
    convert(picture());
    SDL_Surface* stamp = SDL_CreateRGBSurface(SDL_SWSURFACE, 6, 6, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(stamp, nullptr, SDL_MapRGB(stamp->format, 0, 255, 255));
    SDL_Rect grey = {0, 0, 3, 6};
    SDL_FillRect(stamp, &grey, SDL_MapRGB(stamp->format, 50, 60, 70));
    SDL_Rect at = {6, 6, 0, 0};
    SDL_BlitSurface(stamp, nullptr, plain, &at);
    at = {6, 6, 0, 0};
    SDL_BlitSurface(stamp, nullptr, layer, &at);
    EXPECT_EQ(at.w, 6) << "SDL hands back the area drawn";
    refreshLayerAlpha(layer, &at);
    EXPECT_EQ(blitDifference(plain, layer, greyBoard), 0);
    SDL_FreeSurface(stamp);
}

TEST(LayerDisplayFormatAlpha, TurnsTheKeyIntoTransparentPixelsAsSdlDoes)
{
    SDL_Surface* source = picture();
    SDL_Surface* plain = SDL_DisplayFormatAlpha(source);
    SDL_Surface* layer = openGlDisplayFormatAlpha(source);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->format->Amask, layerPixelFormat(true).Amask);
    EXPECT_TRUE(layer->flags & SDL_SRCALPHA);
    EXPECT_EQ(pixelOf(layer, 0, 0) >> 24, 0u);
    EXPECT_EQ(pixelOf(layer, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(blitDifference(plain, layer, greyBoard), 0);
    for (SDL_Surface* s : {source, plain, layer})
        SDL_FreeSurface(s);
}

TEST(LayerDisplayFormatOpaque, AnUnkeyedPictureStaysWithoutAlpha)
{
    auto table = GlTextureTable::create();
    SDL_Surface* source = picture();
    SDL_SetColorKey(source, 0, 0);
    SDL_Surface* layer = openGlDisplayFormat(source, *table);
    EXPECT_EQ(layer->format->Amask, 0u);
    EXPECT_EQ(layer->format->Rmask, 0x00FF0000u);
    EXPECT_EQ(table->inUse(), 0);
    EXPECT_EQ(pixelOf(layer, 0, 0), 0x0000FFFFu);
    SDL_FreeSurface(source);
    SDL_FreeSurface(layer);
}

}
