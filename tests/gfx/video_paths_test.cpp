// Choosing between the OpenGL and the plain path, under SDL's dummy video driver, which has no
// OpenGL: the request with the OpenGL flag falls back to the plain path and says so.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "gfx/video.h"

namespace {

constexpr Uint32 gameFlags = SDL_DOUBLEBUF | GLSDL_OPENGL;

class VideoPaths : public ::testing::Test
{
protected:
    ~VideoPaths() override
    {
        glSDL_ForcePlainPath(false);
        SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    }

    SDL_Surface* setMode(Uint32 flags, std::string& errors)
    {
        ::testing::internal::CaptureStderr();
        SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, flags);
        errors = ::testing::internal::GetCapturedStderr();
        return screen;
    }
};

TEST_F(VideoPaths, WithoutOpenGlTheGameFallsBackToThePlainPathAndSaysSo)
{
    std::string errors;
    SDL_Surface* screen = setMode(gameFlags, errors);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen, glSDL_GetVideoSurface());
    EXPECT_FALSE(glSDL_UsingOpenGL());
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    // The dummy driver's desktop has no size: the window is the picture's.
    EXPECT_EQ(SDL_GetVideoSurface()->w, 640);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 480);
    EXPECT_EQ(screen->flags & (SDL_OPENGL | GLSDL_OPENGL), 0u);
    EXPECT_EQ(errors.rfind("glSDL/wrapper ERROR: Could not load OpenGL library!\n", 0), 0u) << errors;
    EXPECT_NE(errors.find("falling back to the plain SDL path"), std::string::npos) << errors;
    EXPECT_EQ(glSDL_TextureUploads(), 0u);
}

TEST_F(VideoPaths, TheForcedOrPlainRequestIsQuiet)
{
    std::string errors;
    glSDL_ForcePlainPath(true);
    EXPECT_NE(setMode(gameFlags, errors), nullptr);
    EXPECT_EQ(errors, "");
    EXPECT_FALSE(glSDL_UsingOpenGL());

    glSDL_ForcePlainPath(false);
    EXPECT_NE(setMode(SDL_SWSURFACE, errors), nullptr);
    EXPECT_EQ(errors, "");
}

TEST_F(VideoPaths, ThePlainPathIsSdlItself)
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    SDL_Surface* sprite = glSDL_CreateRGBSurface(SDL_SWSURFACE, 16, 16, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    glSDL_FillRect(sprite, nullptr, SDL_MapRGB(sprite->format, 0, 255, 255));
    SDL_Rect core = {4, 4, 8, 8};
    glSDL_FillRect(sprite, &core, SDL_MapRGB(sprite->format, 200, 10, 10));
    glSDL_SetColorKey(sprite, SDL_SRCCOLORKEY, SDL_MapRGB(sprite->format, 0, 255, 255));
    SDL_Surface* converted = glSDL_DisplayFormat(sprite);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->format->Amask, 0u) << "the plain display format is the screen's";
    EXPECT_TRUE(converted->flags & SDL_SRCCOLORKEY);

    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 2, 3));
    SDL_Rect at = {-2, 470, 0, 0};
    EXPECT_EQ(glSDL_BlitSurface(converted, nullptr, screen, &at), 0);
    EXPECT_EQ(at.x, 0);
    EXPECT_EQ(at.w, 14);
    EXPECT_EQ(at.h, 10);
    Uint32* pixels = static_cast<Uint32*>(screen->pixels);
    EXPECT_EQ(pixels[470 * 640 + 0], SDL_MapRGB(screen->format, 1, 2, 3)) << "keyed";
    EXPECT_EQ(pixels[475 * 640 + 3], SDL_MapRGB(screen->format, 200, 10, 10));

    EXPECT_EQ(glSDL_BlitSurface(nullptr, nullptr, screen, nullptr), -1);
    EXPECT_EQ(glSDL_BlitSurface(converted, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(glSDL_FillRect(nullptr, nullptr, 0), -1);
    glSDL_FreeSurface(nullptr);
    glSDL_FreeSurface(converted);
    glSDL_FreeSurface(sprite);
}

}
