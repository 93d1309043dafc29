#include <gtest/gtest.h>

#include <cstdio>
#include <string>
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

// A picture file of one colour; the surfaces of the cache are in the display format.
std::string writePicture(const TempDir& dir, const std::string& name, int w, int h, Uint8 red, Uint8 green,
                         Uint8 blue)
{
    SDL_Surface* picture = makeSurface(w, h);
    paint(picture, 0, 0, w, h, red, green, blue);
    return saveBmp(picture, dir.file(name));
}

TEST_F(SurfaceManagerTest, ARereadChangesTheCachedSurfaceOnlyWhenTaken)
{
    const std::string path = writePicture(dir, "sheet.bmp", 2, 2, 200, 0, 0);
    SDL_Surface* cached = cache.getSurface(path);
    ASSERT_NE(cached, nullptr);

    writePicture(dir, "sheet.bmp", 3, 1, 0, 0, 200);
    cache.beginReread();
    EXPECT_TRUE(cache.rereading());
    EXPECT_EQ(cache.getSurface(path), cached);  // what the new objects hold is what the old ones hold
    EXPECT_EQ(cache.getSurface(path), cached);
    const SDL_Surface* latest = cache.latestPicture(cached);
    ASSERT_NE(latest, cached);
    EXPECT_EQ(latest->w, 3);
    EXPECT_EQ(cached->w, 2);
    cache.dropReread();
    EXPECT_FALSE(cache.rereading());
    EXPECT_EQ(cache.latestPicture(cached), cached);
    EXPECT_EQ(cached->w, 2);
    EXPECT_EQ(colourAt(cached, 1, 1), 0xC80000u);

    {
        CPictureReread reread;
        EXPECT_EQ(cache.getSurface(path), cached);
        reread.take();
    }
    EXPECT_EQ(cache.getSurface(path), cached);
    EXPECT_EQ(cached->w, 3);
    EXPECT_EQ(cached->h, 1);
    EXPECT_EQ(colourAt(cached, 2, 0), 0x0000C8u);

    // A picture that cannot be read now is no picture for the new objects; the cached one stays.
    std::remove(path.c_str());
    {
        CPictureReread reread;
        EXPECT_EQ(cache.getSurface(path), nullptr);
        EXPECT_EQ(cache.latestPicture(cached), cached);
        reread.take();
    }
    EXPECT_EQ(cache.getSurface(path), cached);
    EXPECT_EQ(cached->w, 3);
}

TEST_F(SurfaceManagerTest, APictureFirstAskedForDuringARereadIsCachedOnlyWhenTaken)
{
    const std::string path = writePicture(dir, "new.bmp", 2, 2, 0, 200, 0);
    LogCapture log;
    SDL_Surface* dropped = nullptr;
    {
        CPictureReread reread;
        dropped = cache.getSurface(path);
        ASSERT_NE(dropped, nullptr);
        EXPECT_EQ(cache.latestPicture(dropped), dropped);
    }
    SDL_Surface* taken = nullptr;
    {
        CPictureReread reread;
        taken = cache.getSurface(path);
        reread.take();
    }
    EXPECT_EQ(cache.getSurface(path), taken);
    EXPECT_EQ(log.countPrefix("Surface: " + path + ", address: "), 2);  // read once per reread, then cached
}

TEST(SamePicture, ComparesSizeColourKeyAndEveryPixel)
{
    SDL_Surface* a = makeSurface(3, 2);
    SDL_Surface* b = makeSurface(3, 2);
    paint(a, 0, 0, 3, 2, 10, 20, 30);
    paint(b, 0, 0, 3, 2, 10, 20, 30);
    EXPECT_TRUE(samePicture(a, b));
    paint(b, 2, 1, 1, 1, 10, 20, 31);
    EXPECT_FALSE(samePicture(a, b));
    paint(b, 2, 1, 1, 1, 10, 20, 30);
    SDL_SetColorKey(b, SDL_SRCCOLORKEY, SDL_MapRGB(b->format, 0, 255, 255));
    EXPECT_FALSE(samePicture(a, b));
    SDL_SetColorKey(a, SDL_SRCCOLORKEY, SDL_MapRGB(a->format, 0, 255, 255));
    EXPECT_TRUE(samePicture(a, b));
    SDL_Surface* wider = makeSurface(2, 3);
    EXPECT_FALSE(samePicture(a, wider));
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
    SDL_FreeSurface(wider);
}

}
