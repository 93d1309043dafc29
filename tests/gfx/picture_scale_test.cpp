// The scale of the picture in a window and on a full screen, and mouse positions mapped back.
#include <gtest/gtest.h>

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
