#include <gtest/gtest.h>

#include <stdexcept>

#include "gfx/font.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

// A 20-pixel strip with glyphs for "!" (4 px), '"' (6 px) and "#" (8 px), 2-pixel magenta runs
// before each and after the last, white glyph pixels on a dark background colour.
SDL_Surface* strip()
{
    SDL_Surface* image = makeSurface(26, 20);
    paint(image, 0, 0, 26, 20, 10, 20, 30);
    const int runs[] = {0, 6, 14, 24};
    for (int run : runs)
        paint(image, run, 0, 2, 1, 255, 0, 255);
    paint(image, 2, 1, 4, 19, 255, 255, 255);
    paint(image, 8, 1, 6, 19, 255, 255, 255);
    paint(image, 16, 1, 8, 19, 255, 255, 255);
    return image;
}

TEST(Font, WidthsAdvancesAndHeight)
{
    CFont font(strip());
    EXPECT_EQ(font.height(), 19);
    EXPECT_EQ(font.spaceAdvance(), 4);
    EXPECT_EQ(font.textWidth("!"), 4);
    EXPECT_EQ(font.textWidth("\"#"), 14);
    EXPECT_EQ(font.textWidth(std::string("! #")), 4 + 4 + 8);
    EXPECT_EQ(font.textWidth(nullptr), 0);
}

TEST(Font, BlanksAdvanceByTheWidthOfTheExclamationMark)
{
    CFont font(strip());
    EXPECT_EQ(font.textWidth(" "), 4);
    EXPECT_EQ(font.textWidth("\t\n"), 8);
    EXPECT_EQ(font.textWidth("\xC3\xA1"), 8);  // bytes of 128 and above
    EXPECT_EQ(font.textWidth("$"), 4);         // no glyph in this strip: a blank
    EXPECT_EQ(font.textWidth("~"), 4);
    EXPECT_EQ(font.glyphOffset('#'), 5);
    EXPECT_EQ(font.glyphOffset('$'), -1);
}

TEST(Font, GlyphsReachHalfwayIntoTheMarkersAndTheBackgroundIsTransparent)
{
    CFont font(strip());
    SDL_Surface* target = makeSurface(40, 20);
    paint(target, 0, 0, 40, 20, 200, 0, 0);
    font.write(target, "\"", 10, 0);
    // the glyph's columns 8..13 of the strip land at 10..15; the half-runs around it are background
    EXPECT_EQ(colourAt(target, 9, 5), 0xC80000u);
    EXPECT_EQ(colourAt(target, 10, 5), 0xFFFFFFu);
    EXPECT_EQ(colourAt(target, 15, 5), 0xFFFFFFu);
    EXPECT_EQ(colourAt(target, 16, 5), 0xC80000u);
    EXPECT_EQ(colourAt(target, 10, 19), 0xC80000u);  // row 19 of the target is below the glyph rows

    paint(target, 0, 0, 40, 20, 200, 0, 0);
    font.write(target, "! #", 0, 0);
    EXPECT_EQ(colourAt(target, 0, 3), 0xFFFFFFu);   // "!" at 0..3
    EXPECT_EQ(colourAt(target, 5, 3), 0xC80000u);   // the space
    EXPECT_EQ(colourAt(target, 8, 3), 0xFFFFFFu);   // "#" at 8..15
    EXPECT_EQ(colourAt(target, 15, 3), 0xFFFFFFu);
    EXPECT_EQ(colourAt(target, 16, 3), 0xC80000u);
    SDL_FreeSurface(target);
}

TEST(Font, AGlyphsRectangleTakesTheNearHalfOfEachMarkerRunBesideIt)
{
    SDL_Surface* image = strip();
    paint(image, 6, 1, 2, 19, 0, 255, 0);  // something drawn under the runs around '"'
    paint(image, 14, 1, 2, 19, 0, 0, 255);
    CFont font(image);
    SDL_Surface* target = makeSurface(40, 20);
    paint(target, 0, 0, 40, 20, 200, 0, 0);
    font.write(target, "\"", 10, 0);
    EXPECT_EQ(colourAt(target, 8, 5), 0xC80000u);  // the run's first column stays out
    EXPECT_EQ(colourAt(target, 9, 5), 0x00FF00u);  // its second column comes in, left of the glyph
    EXPECT_EQ(colourAt(target, 10, 5), 0xFFFFFFu);
    EXPECT_EQ(colourAt(target, 15, 5), 0xFFFFFFu);
    EXPECT_EQ(colourAt(target, 16, 5), 0x0000FFu);  // the next run's first column comes in
    EXPECT_EQ(colourAt(target, 17, 5), 0xC80000u);
    SDL_FreeSurface(target);
}

TEST(Font, TextStopsAtTheRightEdge)
{
    CFont font(strip());
    SDL_Surface* target = makeSurface(12, 20);
    paint(target, 0, 0, 12, 20, 0, 0, 0);
    font.write(target, "#", 13, 0);  // starts beyond the width: nothing at all
    font.write(target, "!", 12, 0);  // starts exactly at the width: drawn, clipped away
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(colourAt(target, x, 5), 0u) << x;
    font.write(target, "#!", 4, 0);
    EXPECT_EQ(colourAt(target, 11, 5), 0xFFFFFFu);
    SDL_FreeSurface(target);
}

TEST(Font, ANullImageCannotMakeAFont)
{
    try {
        CFont font(nullptr);
        FAIL() << "a font without an image was made";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Couldn't initialize font.");
    }
}

TEST(Font, AStripInAnOversizedFileEndsLikeAMissingOne)
{
    TempDir dir;
    const std::string path = makeOversized(saveBmp(strip(), dir.file("font2.bmp")));
    EXPECT_EXIT(loadFont(path), ::testing::ExitedWithCode(255), "zepo: " + path + ": Couldn't initialize font.");
}

}
