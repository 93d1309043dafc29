// The texels made from a surface follow SDL's blit rules: per-pixel alpha only with
// SDL_SRCALPHA and then without the colour key; otherwise the colour key (compared without the
// alpha bits) is transparent and everything else opaque.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "gfx/gl_pixels.h"
#include "gfx/gl_texture_table.h"

namespace {

struct Texel
{
    Uint8 r, g, b, a;
    bool operator==(const Texel& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

std::ostream& operator<<(std::ostream& out, const Texel& t)
{
    return out << int(t.r) << "," << int(t.g) << "," << int(t.b) << "," << int(t.a);
}

std::vector<Texel> texelsOf(SDL_Surface* surface)
{
    std::vector<Texel> texels(static_cast<size_t>(surface->w) * surface->h);
    SDL_Rect all = {0, 0, Uint16(surface->w), Uint16(surface->h)};
    SDL_LockSurface(surface);
    surfaceToTexels(surface, texelRuleFor(surface), all, reinterpret_cast<Uint8*>(texels.data()));
    SDL_UnlockSurface(surface);
    return texels;
}

// A 2 x 1 surface: a cyan pixel with alpha 40 and a red one with alpha 200.
SDL_Surface* twoPixels(int depth, Uint32 r, Uint32 g, Uint32 b, Uint32 a)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, depth, r, g, b, a);
    SDL_Rect left = {0, 0, 1, 1}, right = {1, 0, 1, 1};
    SDL_FillRect(s, &left, SDL_MapRGBA(s->format, 0, 255, 255, 40));
    SDL_FillRect(s, &right, SDL_MapRGBA(s->format, 255, 0, 0, 200));
    return s;
}

TEST(Texels, FollowSdlBlitRulesForEveryKindOfSurface)
{
    SDL_Surface* rgba = twoPixels(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    ASSERT_TRUE(rgba->flags & SDL_SRCALPHA) << "SDL sets it for surfaces with an alpha channel";
    SDL_SetColorKey(rgba, SDL_SRCCOLORKEY, SDL_MapRGBA(rgba->format, 0, 255, 255, 255));
    EXPECT_EQ(texelsOf(rgba), (std::vector<Texel>{{0, 255, 255, 40}, {255, 0, 0, 200}})) << "key ignored";
    SDL_SetAlpha(rgba, 0, 255);
    EXPECT_EQ(texelsOf(rgba), (std::vector<Texel>{{0, 0, 0, 0}, {255, 0, 0, 255}})) << "key without alpha bits";
    SDL_SetColorKey(rgba, 0, 0);
    EXPECT_EQ(texelsOf(rgba), (std::vector<Texel>{{0, 255, 255, 255}, {255, 0, 0, 255}}));
    SDL_FreeSurface(rgba);

    SDL_Surface* rgb = twoPixels(24, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_SetColorKey(rgb, SDL_SRCCOLORKEY, SDL_MapRGB(rgb->format, 0, 255, 255));
    SDL_SetAlpha(rgb, SDL_SRCALPHA, 90);
    EXPECT_EQ(texelsOf(rgb), (std::vector<Texel>{{0, 0, 0, 0}, {255, 0, 0, 255}}));
    EXPECT_EQ(surfaceAlphaFor(rgb), 90) << "per-surface alpha is applied when drawing";
    SDL_FreeSurface(rgb);

    SDL_Surface* highColour = twoPixels(16, 0xF800, 0x07E0, 0x001F, 0);
    EXPECT_EQ(texelsOf(highColour), (std::vector<Texel>{{0, 255, 255, 255}, {255, 0, 0, 255}}));
    SDL_FreeSurface(highColour);

    SDL_Surface* indexed = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, 8, 0, 0, 0, 0);
    SDL_Color colours[2] = {{10, 20, 30, 0}, {200, 100, 50, 0}};
    SDL_SetColors(indexed, colours, 0, 2);
    static_cast<Uint8*>(indexed->pixels)[0] = 1;
    static_cast<Uint8*>(indexed->pixels)[1] = 0;
    SDL_SetColorKey(indexed, SDL_SRCCOLORKEY, 0);
    EXPECT_EQ(texelsOf(indexed), (std::vector<Texel>{{200, 100, 50, 255}, {0, 0, 0, 0}}));
    SDL_FreeSurface(indexed);
}

TEST(Texels, ATileTakesItsOwnAreaOfTheSurface)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 4, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] = SDL_MapRGB(s->format, Uint8(x), Uint8(y), 7);
    std::vector<Texel> texels(4);
    SDL_Rect area = {3, 2, 2, 2};
    surfaceToTexels(s, texelRuleFor(s), area, reinterpret_cast<Uint8*>(texels.data()));
    EXPECT_EQ(texels, (std::vector<Texel>{{3, 2, 7, 255}, {4, 2, 7, 255}, {3, 3, 7, 255}, {4, 3, 7, 255}}));
    SDL_FreeSurface(s);
}

TEST(Texels, ReadBackRowsComeFromTheBottomUp)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, nullptr, 0);
    const Uint8 bottomUp[] = {1, 2, 3, 255, 4, 5, 6, 255,      // lower row
                              7, 8, 9, 255, 10, 11, 12, 255};  // upper row
    SDL_Rect area = {1, 1, 2, 2};
    readBackToSurface(bottomUp, area, s);
    const Uint32* p = static_cast<Uint32*>(s->pixels);
    EXPECT_EQ(p[1 * 4 + 1], SDL_MapRGB(s->format, 7, 8, 9));
    EXPECT_EQ(p[1 * 4 + 2], SDL_MapRGB(s->format, 10, 11, 12));
    EXPECT_EQ(p[2 * 4 + 1], SDL_MapRGB(s->format, 1, 2, 3));
    EXPECT_EQ(p[2 * 4 + 2], SDL_MapRGB(s->format, 4, 5, 6));
    EXPECT_EQ(p[0], 0u);
    EXPECT_EQ(p[15], 0u);
    SDL_FreeSurface(s);

    SDL_Surface* highColour = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 16, 0xF800, 0x07E0, 0x001F, 0);
    const Uint8 white[] = {255, 255, 255, 255};
    SDL_Rect one = {0, 0, 1, 1};
    readBackToSurface(white, one, highColour);
    EXPECT_EQ(*static_cast<Uint16*>(highColour->pixels), 0xFFFF);
    SDL_FreeSurface(highColour);
}

TEST(Tiles, CoverTheSurfaceWithPowerOfTwoTexturesNoLargerThanAllowed)
{
    std::vector<GlTile> tiles;
    planTiles(640, 480, 256, tiles);
    ASSERT_EQ(tiles.size(), 6u);
    int covered = 0;
    for (const GlTile& t : tiles) {
        EXPECT_LE(t.textureWidth, 256);
        EXPECT_LE(t.textureHeight, 256);
        EXPECT_GE(t.textureWidth, t.area.w);
        EXPECT_EQ(t.textureWidth & (t.textureWidth - 1), 0);
        EXPECT_EQ(t.textureHeight & (t.textureHeight - 1), 0);
        EXPECT_EQ(t.texture, 0u);
        covered += t.area.w * t.area.h;
    }
    EXPECT_EQ(covered, 640 * 480);
    EXPECT_EQ(tiles[2].area.x, 512);
    EXPECT_EQ(tiles[2].area.w, 128);
    EXPECT_EQ(tiles[2].textureWidth, 128);
    EXPECT_EQ(tiles[5].area.y, 256);
    EXPECT_EQ(tiles[5].area.h, 224);
    EXPECT_EQ(tiles[5].textureHeight, 256);

    planTiles(33, 1, 4096, tiles);
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0].textureWidth, 64);
    EXPECT_EQ(tiles[0].textureHeight, 1);
    EXPECT_EQ(powerOfTwoAtLeast(1), 1);
    EXPECT_EQ(powerOfTwoAtLeast(256), 256);
    EXPECT_EQ(powerOfTwoAtLeast(257), 512);
}

}
