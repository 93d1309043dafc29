#include <gtest/gtest.h>

#include "gfx/window_icon.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

TEST(WindowIconTest, TheGamesIconIsASquareWithATransparentCornerAndAnOpaqueMiddle)
{
    SDL_Surface* icon = loadWindowIcon(std::string(ZEPO_GAME_DIR) + "/data/gfx/zepo_icon.png");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->w, 32);
    EXPECT_EQ(icon->h, 32);
    ASSERT_NE(icon->format->Amask, 0u);
    Uint8 red, green, blue, alpha;
    SDL_GetRGBA(static_cast<Uint32*>(icon->pixels)[0], icon->format, &red, &green, &blue, &alpha);
    EXPECT_EQ(alpha, 0);
    SDL_GetRGBA(static_cast<Uint32*>(icon->pixels)[16 * icon->pitch / 4 + 16], icon->format, &red, &green, &blue,
                &alpha);
    EXPECT_EQ(alpha, 255);
    SDL_FreeSurface(icon);
}

TEST(WindowIconTest, AnIconWithoutAlphaIsKeyedOnCyan)
{
    TempDir dir;
    SDL_Surface* picture = makeSurface(4, 4);
    paint(picture, 0, 0, 4, 4, 0, 255, 255);
    std::string path = dir.file("icon.bmp");
    ASSERT_EQ(SDL_SaveBMP(picture, path.c_str()), 0);
    SDL_FreeSurface(picture);

    SDL_Surface* icon = loadWindowIcon(path);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(icon->format->colorkey, SDL_MapRGB(icon->format, 0, 255, 255));
    SDL_FreeSurface(icon);
}

TEST(WindowIconTest, AMissingIconIsLoggedWithItsNameAndNotFatal)
{
    LogCapture log;
    EXPECT_FALSE(setWindowIcon("no/such/icon.png"));
    EXPECT_EQ(log.countPrefix("Window icon no/such/icon.png: "), 1);
    EXPECT_TRUE(setWindowIcon(std::string(ZEPO_GAME_DIR) + "/data/gfx/zepo_icon.png"));
}

}
