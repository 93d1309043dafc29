// The plain path's enlarged picture, under SDL's dummy video driver: every pixel of the picture
// becomes a block of the window's pixels, the game keeps drawing on the picture's surface, and a
// switch to full screen and back keeps what was drawn.
#include <SDL.h>
#include <gtest/gtest.h>

#include "gfx/plain_screen.h"
#include "gfx/video.h"
#include "support/surfaces.h"

namespace {

// A picture whose every pixel differs from its neighbours.
void paintPattern(SDL_Surface* picture)
{
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x)
            paint(picture, x, y, 1, 1, Uint8(x * 37 + y), Uint8(y * 53 + x), Uint8(x ^ (y * 7)));
}

// Each block of the output equals its pixel of the picture.
void expectBlocks(SDL_Surface* picture, SDL_Surface* output, const PicturePlacement& placement, Uint32 border)
{
    for (int y = 0; y < output->h; ++y)
        for (int x = 0; x < output->w; ++x) {
            const int px = x - placement.x;
            const int py = y - placement.y;
            const bool inside = px >= 0 && py >= 0 && px < picture->w * placement.scale &&
                                py < picture->h * placement.scale;
            const Uint32 expected = inside ? colourAt(picture, px / placement.scale, py / placement.scale) : border;
            ASSERT_EQ(colourAt(output, x, y), expected) << "at " << x << "," << y;
        }
}

TEST(EnlargedPicture, EveryPixelBecomesABlockAtItsPlace)
{
    const struct
    {
        int depth;
        Uint32 r, g, b;
    } formats[] = {{32, 0xFF0000, 0xFF00, 0xFF}, {24, 0xFF, 0xFF00, 0xFF0000}, {16, 0xF800, 0x7E0, 0x1F}};
    for (const auto& format : formats)
        for (int scale : {1, 2, 3}) {
            SDL_Surface* picture =
                SDL_CreateRGBSurface(SDL_SWSURFACE, 7, 5, format.depth, format.r, format.g, format.b, 0);
            SDL_Surface* output = SDL_CreateRGBSurface(SDL_SWSURFACE, 7 * scale + 5, 5 * scale + 3, format.depth,
                                                       format.r, format.g, format.b, 0);
            paintPattern(picture);
            // The borders keep what they hold.
            SDL_FillRect(output, nullptr, SDL_MapRGB(output->format, 0x21, 0x42, 0x63));
            const Uint32 border = colourAt(output, 0, 0);
            PicturePlacement placement;
            placement.scale = scale;
            placement.x = 3;
            placement.y = 2;
            placement.outputWidth = output->w;
            placement.outputHeight = output->h;
            enlargePicture(picture, output, placement);
            SCOPED_TRACE(testing::Message() << format.depth << " bits, scale " << scale);
            expectBlocks(picture, output, placement, border);
            SDL_FreeSurface(picture);
            SDL_FreeSurface(output);
        }
}

class ScaledPlainScreen : public ::testing::Test
{
protected:
    ~ScaledPlainScreen() override
    {
        glSDL_SetScale(0);
        glSDL_ForcePlainPath(false);
        SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    }
};

TEST_F(ScaledPlainScreen, TheGameDrawsThePictureAndTheWindowShowsItEnlarged)
{
    glSDL_ForcePlainPath(true);
    glSDL_SetScale(2);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF | GLSDL_OPENGL);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen, glSDL_GetVideoSurface());
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    SDL_Surface* window = SDL_GetVideoSurface();
    EXPECT_EQ(window->w, 1280);
    EXPECT_EQ(window->h, 960);
    EXPECT_EQ(glSDL_Scale(), 2);

    SDL_Surface* sprite = makeSurface(10, 10);
    paint(sprite, 0, 0, 10, 10, 200, 30, 40);
    SDL_Rect at = {100, 50, 0, 0};
    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 90));
    ASSERT_EQ(glSDL_BlitSurface(sprite, nullptr, screen, &at), 0);
    SDL_FreeSurface(sprite);
    EXPECT_EQ(glSDL_Flip(screen), 0);
    EXPECT_EQ(colourAt(window, 200, 100), 0xC81E28u);
    EXPECT_EQ(colourAt(window, 219, 119), 0xC81E28u);
    EXPECT_EQ(colourAt(window, 220, 119), 0x00005Au);
    EXPECT_EQ(colourAt(window, 199, 100), 0x00005Au);
    EXPECT_EQ(colourAt(window, 1279, 959), 0x00005Au);

    int x = 219;
    int y = 101;
    glSDL_OutputToPicture(x, y);
    EXPECT_EQ(x, 109);
    EXPECT_EQ(y, 50);

    // Full screen (the dummy driver's desktop has no size: a screen of the picture's) and back:
    // the same surface, what was drawn still on it.
    ASSERT_EQ(glSDL_ToggleFullScreen(), 1);
    EXPECT_EQ(glSDL_GetVideoSurface(), screen);
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(glSDL_Scale(), 1);
    EXPECT_EQ(glSDL_Flip(screen), 0);
    EXPECT_EQ(colourAt(SDL_GetVideoSurface(), 100, 50), 0xC81E28u);
    ASSERT_EQ(glSDL_ToggleFullScreen(), 1);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 1280);
    EXPECT_EQ(glSDL_Flip(screen), 0);
    EXPECT_EQ(colourAt(SDL_GetVideoSurface(), 201, 101), 0xC81E28u);
}

}
