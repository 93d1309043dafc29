#include <gtest/gtest.h>

#include <vector>

#include "gfx/surface_manager.h"
#include "support/png_writer.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

class SurfaceManagerTest : public ::testing::Test
{
protected:
    TempDir dir;
    CSurfaceManager& cache = CSurfaceManager::instance();
};

TEST_F(SurfaceManagerTest, LoadsEachNameOnceAndKeysCyan)
{
    SDL_Surface* picture = makeSurface(4, 4);
    paint(picture, 0, 0, 4, 4, 200, 10, 10);
    paint(picture, 0, 0, 2, 2, 0, 255, 255);
    std::string path = saveBmp(picture, dir.file("pic.bmp"));

    LogCapture log;
    SDL_Surface* first = cache.getSurface(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cache.getSurface(path), first);
    EXPECT_EQ(log.countPrefix("Surface: " + path + ", address: "), 1);

    SDL_Surface* target = makeSurface(4, 4);
    paint(target, 0, 0, 4, 4, 1, 2, 3);
    SDL_BlitSurface(first, nullptr, target, nullptr);
    EXPECT_EQ(colourAt(target, 0, 0), 0x010203u);  // cyan is transparent
    EXPECT_EQ(colourAt(target, 3, 3), 0xC80A0Au);
    SDL_FreeSurface(target);
}

TEST_F(SurfaceManagerTest, TwoSpellingsOfOnePathAreTwoEntries)
{
    std::string path = saveBmp(makeSurface(2, 2), dir.file("same.bmp"));
    ScopedChdir inDir(dir.path());
    SDL_Surface* plain = cache.getSurface("same.bmp");
    SDL_Surface* dotted = cache.getSurface("./same.bmp");
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(dotted, nullptr);
    EXPECT_NE(plain, dotted);
}

TEST_F(SurfaceManagerTest, AMissingFileIsReportedAndTriedAgain)
{
    std::string path = dir.file("later.bmp");
    LogCapture log;
    EXPECT_EQ(cache.getSurface(path), nullptr);
    EXPECT_EQ(log.countPrefix("IMG_Load chyba:"), 1);
    EXPECT_EQ(log.countPrefix("IMG_Load chyba:Couldn't open"), 1);
    saveBmp(makeSurface(2, 2), path);
    EXPECT_NE(cache.getSurface(path), nullptr);
}

TEST_F(SurfaceManagerTest, AFolderOrAnOversizedPictureIsTakenAsMissing)
{
    const std::string big = makeOversized(saveBmp(makeSurface(2, 2), dir.file("big.bmp")));
    LogCapture log;
    EXPECT_EQ(cache.getSurface(dir.path()), nullptr);
    EXPECT_EQ(cache.getSurface(big), nullptr);
    EXPECT_TRUE(log.contains("IMG_Load chyba:Couldn't open " + dir.path() + ": is a folder, not a file"));
    EXPECT_TRUE(log.contains("IMG_Load chyba:Couldn't open " + big + ": is larger than 64 MiB"));
}

TEST_F(SurfaceManagerTest, AnAlphaPictureKeepsItsAlpha)
{
    std::vector<uint32_t> pixels = {0xFF000080u, 0x00FF00FFu, 0x0000FF00u, 0xFFFFFFFFu};
    std::string path = dir.write("alpha.png", encodePngRgba(2, 2, pixels));
    LogCapture log;
    SDL_Surface* picture = cache.getSurface(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(log.contains("Note: loading picture with alpha channel"));
    EXPECT_NE(picture->format->Amask, 0u);

    SDL_Surface* target = makeSurface(2, 2);
    paint(target, 0, 0, 2, 2, 0, 0, 0);
    SDL_BlitSurface(picture, nullptr, target, nullptr);
    EXPECT_NEAR(int(colourAt(target, 0, 0) >> 16), 128, 2);  // half-transparent red over black
    EXPECT_EQ(colourAt(target, 0, 1), 0x000000u);            // fully transparent blue
    EXPECT_EQ(colourAt(target, 1, 0), 0x00FF00u);
    SDL_FreeSurface(target);
}

}
