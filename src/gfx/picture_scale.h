#pragma once

#include <array>

// Where the game's fixed-size picture goes in the window or on the screen: enlarged by a whole
// factor (every pixel an N x N block) and centred, with black borders around it in full screen.

struct PicturePlacement
{
    int scale = 1;
    int x = 0;  // the picture's top-left corner in the output
    int y = 0;
    int outputWidth = 0;  // the size of the window, or of the full screen
    int outputHeight = 0;

    // The output is the picture itself, one to one.
    bool isIdentity(int pictureWidth, int pictureHeight) const
    {
        return scale == 1 && x == 0 && y == 0 && outputWidth == pictureWidth && outputHeight == pictureHeight;
    }
};

// The largest factor forced from the command line.
constexpr int maxForcedScale = 8;

// The window's factor when none is forced: the largest whose window fits in 90 % of the desktop's
// width and height, at least 1 (a desktop of unknown size, 0 x 0, gets 1) and at most 8.
int windowScaleFor(int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight);

// The window of that factor, the picture filling it.
PicturePlacement windowPlacement(int scale, int pictureWidth, int pictureHeight);

// Full screen at the desktop's resolution: the largest factor that fits, centred. A desktop smaller
// than the picture (or of unknown size) gets a screen of the picture's size.
PicturePlacement fullScreenPlacement(int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight);

// A position in the output mapped back into the picture; outside the picture (the borders) it is
// the nearest pixel of the picture's edge.
void outputToPicture(const PicturePlacement& placement, int pictureWidth, int pictureHeight, int& x, int& y);

// The black borders around the picture in the output, as rectangles (x, y, width, height) in the
// output's coordinates from its top-left corner: left and right strips of the full height, then the
// strips above and below the picture; only those that are not empty, count of them returned.
struct BorderRect
{
    int x, y, width, height;
};
int pictureBorders(const PicturePlacement& placement, int pictureWidth, int pictureHeight,
                   std::array<BorderRect, 4>& borders);
