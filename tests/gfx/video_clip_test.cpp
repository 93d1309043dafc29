// Blits and fills onto the OpenGL screen are clipped by the layer itself: it must cut them
// exactly as SDL does, and hand back the same rectangles.
#include <SDL.h>
#include <gtest/gtest.h>

#include "gfx/gl_clip.h"

namespace {

class Clipping : public ::testing::Test
{
protected:
    Clipping()
    {
        source = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 30, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        target = SDL_CreateRGBSurface(SDL_SWSURFACE, 100, 80, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_FillRect(source, nullptr, 0xFFFFFF);
    }
    ~Clipping() override
    {
        SDL_FreeSurface(source);
        SDL_FreeSurface(target);
    }
    SDL_Surface* source;
    SDL_Surface* target;
};

bool sameRect(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// The first painted pixel of the target after an SDL blit tells where SDL put the source area.
TEST_F(Clipping, BlitsAreCutAsSdlCutsThem)
{
    const SDL_Rect clips[] = {{0, 0, 100, 80}, {10, 5, 50, 40}, {95, 75, 20, 20}};
    const Sint16 positions[] = {-50, -39, -7, 0, 3, 61, 70, 99, 100};
    const SDL_Rect sourceRects[] = {{0, 0, 40, 30}, {-5, -3, 20, 20}, {30, 25, 20, 20}, {10, 10, 0, 5}};
    int cases = 0;
    for (const SDL_Rect& clip : clips)
        for (Sint16 x : positions)
            for (Sint16 y : positions)
                for (int useRect = 0; useRect < 5; ++useRect) {
                    SDL_Rect clipCopy = clip;
                    SDL_SetClipRect(target, &clipCopy);
                    SDL_Rect sourceRect = useRect < 4 ? sourceRects[useRect] : SDL_Rect{};
                    const SDL_Rect* givenRect = useRect < 4 ? &sourceRect : nullptr;
                    SDL_Rect bySdl = {x, y, 7, 7};
                    SDL_Rect byLayer = bySdl;
                    SDL_Rect area{};
                    SDL_Rect sourceForSdl = sourceRect;
                    SDL_BlitSurface(source, givenRect ? &sourceForSdl : nullptr, target, &bySdl);
                    const bool visible = clipBlit(source, givenRect, target, &byLayer, area);
                    ASSERT_TRUE(sameRect(bySdl, byLayer))
                        << "at " << x << "," << y << " clip " << clip.x << " source case " << useRect << ": SDL "
                        << bySdl.x << "," << bySdl.y << " " << bySdl.w << "x" << bySdl.h << ", layer " << byLayer.x
                        << "," << byLayer.y << " " << byLayer.w << "x" << byLayer.h;
                    EXPECT_EQ(visible, bySdl.w > 0 && bySdl.h > 0);
                    if (visible) {
                        EXPECT_EQ(area.w, bySdl.w);
                        EXPECT_EQ(area.h, bySdl.h);
                        EXPECT_GE(area.x, 0);
                        EXPECT_LE(area.x + area.w, source->w);
                        EXPECT_LE(area.y + area.h, source->h);
                    }
                    ++cases;
                }
    EXPECT_GT(cases, 1000);
}

TEST_F(Clipping, SourceAreaFollowsTheClippedCorner)
{
    SDL_SetClipRect(target, nullptr);
    SDL_Rect at = {-12, -4, 0, 0};
    SDL_Rect area{};
    ASSERT_TRUE(clipBlit(source, nullptr, target, &at, area));
    EXPECT_TRUE(sameRect(area, {12, 4, 28, 26}));
    EXPECT_TRUE(sameRect(at, {0, 0, 28, 26}));

    SDL_Rect fromInside = {-5, 0, 20, 10};
    at = {50, 50, 0, 0};
    ASSERT_TRUE(clipBlit(source, &fromInside, target, &at, area));
    EXPECT_TRUE(sameRect(area, {0, 0, 15, 10}));
    EXPECT_TRUE(sameRect(at, {55, 50, 15, 10}));
}

TEST_F(Clipping, FillsAreCutToTheClipRectangleAndWrittenBack)
{
    SDL_Rect clip = {10, 10, 50, 40};
    SDL_SetClipRect(target, &clip);
    SDL_Rect area{};
    ASSERT_TRUE(clipFill(target, nullptr, area));
    EXPECT_TRUE(sameRect(area, clip));

    SDL_Rect rect = {0, 30, 200, 5};
    SDL_Rect bySdl = rect;
    SDL_FillRect(target, &bySdl, 0);
    ASSERT_TRUE(clipFill(target, &rect, area));
    EXPECT_TRUE(sameRect(rect, bySdl));
    EXPECT_TRUE(sameRect(area, {10, 30, 50, 5}));

    SDL_Rect outside = {70, 70, 5, 5};
    EXPECT_FALSE(clipFill(target, &outside, area));
    EXPECT_EQ(outside.w, 0);

    SDL_Rect wide = {-10, -10, 300, 300};
    ASSERT_TRUE(clipToSurface(target, &wide, area));
    EXPECT_TRUE(sameRect(area, {0, 0, 100, 80}));
    SDL_Rect beyond = {100, 0, 10, 10};
    EXPECT_FALSE(clipToSurface(target, &beyond, area));
}

}
