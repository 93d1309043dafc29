#include "gfx/picture_scale.h"

#include <algorithm>

int windowScaleFor(int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight)
{
    // 90 % in whole numbers: a window of scale N fits when 10 * N * size <= 9 * desktop.
    const int byWidth = 9 * desktopWidth / (10 * pictureWidth);
    const int byHeight = 9 * desktopHeight / (10 * pictureHeight);
    return std::clamp(std::min(byWidth, byHeight), 1, maxForcedScale);
}

PicturePlacement windowPlacement(int scale, int pictureWidth, int pictureHeight)
{
    PicturePlacement placement;
    placement.scale = scale;
    placement.outputWidth = pictureWidth * scale;
    placement.outputHeight = pictureHeight * scale;
    return placement;
}

PicturePlacement fullScreenPlacement(int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight)
{
    PicturePlacement placement;
    placement.outputWidth = std::max(desktopWidth, pictureWidth);
    placement.outputHeight = std::max(desktopHeight, pictureHeight);
    placement.scale = std::min(placement.outputWidth / pictureWidth, placement.outputHeight / pictureHeight);
    placement.x = (placement.outputWidth - pictureWidth * placement.scale) / 2;
    placement.y = (placement.outputHeight - pictureHeight * placement.scale) / 2;
    return placement;
}

void outputToPicture(const PicturePlacement& placement, int pictureWidth, int pictureHeight, int& x, int& y)
{
    const int scale = std::max(placement.scale, 1);
    const auto toPicture = [scale](int position, int offset, int size) {
        const int inside = position - offset;
        return inside < 0 ? 0 : std::min(inside / scale, size - 1);
    };
    x = toPicture(x, placement.x, pictureWidth);
    y = toPicture(y, placement.y, pictureHeight);
}

int pictureBorders(const PicturePlacement& placement, int pictureWidth, int pictureHeight,
                   std::array<BorderRect, 4>& borders)
{
    const int width = pictureWidth * placement.scale;
    const int height = pictureHeight * placement.scale;
    const int right = placement.x + width;
    const int bottom = placement.y + height;
    const BorderRect all[4] = {{0, 0, placement.x, placement.outputHeight},
                               {right, 0, placement.outputWidth - right, placement.outputHeight},
                               {placement.x, 0, width, placement.y},
                               {placement.x, bottom, width, placement.outputHeight - bottom}};
    int count = 0;
    for (const BorderRect& border : all)
        if (border.width > 0 && border.height > 0)
            borders[count++] = border;
    return count;
}
