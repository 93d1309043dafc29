// Screenshots: the names after the local time, a suffix for a second one in the same second, no
// file ever overwritten, and the PNG holding the 640 x 480 picture (not the enlarged window).
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <ctime>

#include "app/screenshot.h"
#include "gfx/video.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

TEST(Screenshot, NamesFollowTheLocalTimeWithASuffixForTheSameSecond)
{
    std::tm time = {};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 9;
    time.tm_hour = 7;
    time.tm_min = 5;
    time.tm_sec = 3;
    EXPECT_EQ(screenshotName(time, 1), "zepo-20260109-070503.png");
    EXPECT_EQ(screenshotName(time, 2), "zepo-20260109-070503-2.png");
    EXPECT_EQ(screenshotName(time, 12), "zepo-20260109-070503-12.png");
}

class ScreenshotFiles : public ::testing::Test
{
protected:
    ~ScreenshotFiles() override
    {
        glSDL_SetScale(0);
        glSDL_ForcePlainPath(false);
        SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    }
    TempDir dir;
};

TEST_F(ScreenshotFiles, ThePictureIsSavedAsPngAndNothingIsOverwritten)
{
    glSDL_ForcePlainPath(true);
    glSDL_SetScale(2);
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF | GLSDL_OPENGL);
    ASSERT_NE(screen, nullptr);
    glSDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 10, 20, 30));
    SDL_Rect corner = {630, 470, 10, 10};
    glSDL_FillRect(screen, &corner, SDL_MapRGB(screen->format, 250, 128, 1));
    glSDL_Flip(screen);

    const std::string folder = dir.file("data/screenshots");
    const std::time_t now = 1765324800;  // any moment: the names only need to share their second
    std::tm local = {};
    localtime_r(&now, &local);
    // A file of the first name is there already and must stay as it is.
    const std::string taken = dir.write("data/screenshots/" + screenshotName(local, 1), "keep");

    const std::string first = saveScreenshot(screen, folder, now);
    const std::string second = saveScreenshot(screen, folder, now);
    EXPECT_EQ(first, folder + "/" + screenshotName(local, 2));
    EXPECT_EQ(second, folder + "/" + screenshotName(local, 3));
    EXPECT_EQ(readFile(taken), "keep");

    SDL_Surface* saved = IMG_Load(second.c_str());
    ASSERT_NE(saved, nullptr) << IMG_GetError();
    EXPECT_EQ(saved->w, 640);
    EXPECT_EQ(saved->h, 480);
    EXPECT_EQ(colourAt(saved, 0, 0), 0x0A141Eu);
    EXPECT_EQ(colourAt(saved, 629, 469), 0x0A141Eu);
    EXPECT_EQ(colourAt(saved, 630, 470), 0xFA8001u);
    EXPECT_EQ(colourAt(saved, 639, 479), 0xFA8001u);
    SDL_FreeSurface(saved);
}

TEST_F(ScreenshotFiles, AFolderThatCannotBeMadeIsReportedAndNothingIsSaved)
{
    SDL_Surface* screen = glSDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
    ASSERT_NE(screen, nullptr);
    dir.write("blocked", "a file where the folder should be");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(saveScreenshot(screen, dir.file("blocked/screenshots"), 0), "");
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("cannot save the screenshot"), std::string::npos) << errors;
    EXPECT_NE(errors.find("blocked/screenshots"), std::string::npos) << errors;
}

}
