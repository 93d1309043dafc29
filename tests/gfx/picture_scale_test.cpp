// The scale of the picture in a window and on a full screen, its borders, and mouse positions
// mapped back.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "gfx/picture_scale.h"

namespace {

TEST(PictureScale, TheWindowFitsInNinetyPercentOfTheDesktop)
{
    struct Case
    {
        int width, height, scale;
    };
    const Case desktops[] = {
        {1024, 768, 1},   // 921 x 691 leaves room for 640 x 480 only
        {1366, 768, 1},   // 960 rows would not fit in 691
        {1920, 1080, 2},  // 1280 x 960 fits in 1728 x 972
        {2560, 1440, 2},  // 1440 rows of scale 3 would not fit in 1296
        {3840, 2160, 4},  // 2560 x 1920 fits in 3456 x 1944
        {800, 600, 1},
        {320, 240, 1},    // smaller than the picture: still the design's window
        {0, 0, 1},        // a driver that does not tell
        {1423, 1067, 2},  // 90 % is 1280.7 x 960.3: scale 2 just fits
        {1422, 1066, 1},  // ... and here it just does not
        {15360, 8640, 8}, // never more than the largest forced scale
    };
    for (const Case& desktop : desktops)
        EXPECT_EQ(windowScaleFor(desktop.width, desktop.height, 640, 480), desktop.scale)
            << desktop.width << "x" << desktop.height;
}

TEST(PictureScale, AWindowIsThePictureEnlarged)
{
    const PicturePlacement window = windowPlacement(3, 640, 480);
    EXPECT_EQ(window.outputWidth, 1920);
    EXPECT_EQ(window.outputHeight, 1440);
    EXPECT_EQ(window.x, 0);
    EXPECT_EQ(window.y, 0);
    EXPECT_FALSE(window.isIdentity(640, 480));
    EXPECT_TRUE(windowPlacement(1, 640, 480).isIdentity(640, 480));
}

TEST(PictureScale, FullScreenIsTheDesktopWithTheLargestFittingScaleCentred)
{
    const PicturePlacement hd = fullScreenPlacement(1920, 1080, 640, 480);
    EXPECT_EQ(hd.scale, 2);
    EXPECT_EQ(hd.outputWidth, 1920);
    EXPECT_EQ(hd.outputHeight, 1080);
    EXPECT_EQ(hd.x, 320);
    EXPECT_EQ(hd.y, 60);

    const PicturePlacement uhd = fullScreenPlacement(3840, 2160, 640, 480);
    EXPECT_EQ(uhd.scale, 4);
    EXPECT_EQ(uhd.x, 640);
    EXPECT_EQ(uhd.y, 120);

    const PicturePlacement narrow = fullScreenPlacement(1366, 768, 640, 480);
    EXPECT_EQ(narrow.scale, 1);
    EXPECT_EQ(narrow.x, 363);
    EXPECT_EQ(narrow.y, 144);

    // A desktop smaller than the picture (or unknown) gets a screen of the picture's size.
    const PicturePlacement tiny = fullScreenPlacement(320, 240, 640, 480);
    EXPECT_TRUE(tiny.isIdentity(640, 480));
    EXPECT_TRUE(fullScreenPlacement(0, 0, 640, 480).isIdentity(640, 480));
}

TEST(PictureScale, OutputPositionsMapBackIntoThePicture)
{
    const PicturePlacement hd = fullScreenPlacement(1920, 1080, 640, 480);
    struct Case
    {
        int x, y, pictureX, pictureY;
    };
    const Case positions[] = {
        {320, 60, 0, 0},        // the picture's first pixel
        {321, 61, 0, 0},        // ... is a 2 x 2 block
        {322, 62, 1, 1},
        {1599, 1019, 639, 479}, // the last one
        {0, 0, 0, 0},           // the borders: the nearest pixel of the edge
        {1919, 1079, 639, 479},
        {100, 500, 0, 220},
        {1700, 30, 639, 0},
    };
    for (const Case& position : positions) {
        int x = position.x;
        int y = position.y;
        outputToPicture(hd, 640, 480, x, y);
        EXPECT_EQ(x, position.pictureX) << position.x << "," << position.y;
        EXPECT_EQ(y, position.pictureY) << position.x << "," << position.y;
    }

    int x = 1279;
    int y = 959;
    outputToPicture(windowPlacement(2, 640, 480), 640, 480, x, y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
}

}

TEST(PictureScale, TheBordersAndThePictureCoverTheOutputOnce)
{
    std::array<BorderRect, 4> borders;
    ASSERT_EQ(pictureBorders(fullScreenPlacement(1920, 1080, 640, 480), 640, 480, borders), 4);
    const int expected[4][4] = {{0, 0, 320, 1080}, {1600, 0, 320, 1080}, {320, 0, 1280, 60}, {320, 1020, 1280, 60}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((std::array<int, 4>{borders[i].x, borders[i].y, borders[i].width, borders[i].height}),
                  (std::array<int, 4>{expected[i][0], expected[i][1], expected[i][2], expected[i][3]}));
    EXPECT_EQ(pictureBorders(windowPlacement(3, 640, 480), 640, 480, borders), 0);
    // 1280 x 1024 at scale 2 fills the width: only the strips above and below.
    ASSERT_EQ(pictureBorders(fullScreenPlacement(1280, 1024, 640, 480), 640, 480, borders), 2);
    EXPECT_EQ(borders[0].y, 0);
    EXPECT_EQ(borders[1].y + borders[1].height, 1024);

    for (const auto& desktop : {std::array<int, 2>{1366, 768}, {2560, 1440}, {3840, 2160}, {1281, 961}, {800, 600}}) {
        const PicturePlacement placement = fullScreenPlacement(desktop[0], desktop[1], 640, 480);
        const int count = pictureBorders(placement, 640, 480, borders);
        std::vector<int> covered(static_cast<size_t>(placement.outputWidth) * placement.outputHeight, 0);
        const auto cover = [&](int x, int y, int w, int h) {
            for (int row = y; row < y + h; ++row)
                for (int column = x; column < x + w; ++column)
                    ++covered[static_cast<size_t>(row) * placement.outputWidth + column];
        };
        cover(placement.x, placement.y, 640 * placement.scale, 480 * placement.scale);
        for (int i = 0; i < count; ++i)
            cover(borders[i].x, borders[i].y, borders[i].width, borders[i].height);
        EXPECT_EQ(std::count(covered.begin(), covered.end(), 1), static_cast<long>(covered.size()))
            << desktop[0] << "x" << desktop[1];
    }
}
