#include <gtest/gtest.h>

#include <memory>

#include "app/clock.h"
#include "gfx/sprite.h"
#include "gfx/surface_manager.h"
#include "support/surfaces.h"
#include "support/test_support.h"

namespace {

// A sheet of three 8 x 8 frames: red, green, blue, each with a black 2 x 2 corner at its top-left.
class SpriteTest : public ::testing::Test
{
protected:
    SpriteTest()
    {
        SDL_Surface* sheet = makeSurface(24, 8);
        paint(sheet, 0, 0, 8, 8, 255, 0, 0);
        paint(sheet, 8, 0, 8, 8, 0, 255, 0);
        paint(sheet, 16, 0, 8, 8, 0, 0, 255);
        for (int i = 0; i < 3; ++i)
            paint(sheet, i * 8, 0, 2, 2, 0, 0, 0);
        sheetPath = saveBmp(sheet, dir.file("sheet.bmp"));
    }

    std::unique_ptr<CFrameset> frameset(const char* name, bool repeat, int frames, int delay)
    {
        auto set = std::make_unique<CFrameset>(sheetPath, name, repeat);
        const char* names[] = {"FRAME1", "FRAME2", "FRAME3"};
        for (int i = 0; i < frames; ++i)
            set->addFrame(std::make_unique<CFrame>(names[i], i * 8, 0, 8, 8, delay, 1, 1, 6, 6));
        return set;
    }

    TempDir dir;
    std::string sheetPath;
    CVirtualClock clock{1000};
    CScopedClock installed{&clock};
    SDL_Surface* target = makeSurface(32, 32);
    ~SpriteTest() override { SDL_FreeSurface(target); }
};

TEST_F(SpriteTest, ZeroDelayAdvancesOnEveryDrawOnceTheClockMoved)
{
    CSprite templ("S");
    templ.addFrameset(frameset("RUN", true, 3, 0));
    CSprite sprite(templ);
    CFrameset* run = sprite.getCurrentFrameset();
    sprite.drawAnimated(target);
    EXPECT_EQ(run->getCurrentIndex(), 0);  // the clock has not moved past the last change
    clock.advance(1);
    sprite.drawAnimated(target);
    EXPECT_EQ(run->getCurrentIndex(), 1);
    clock.advance(500);
    sprite.drawAnimated(target);
    EXPECT_EQ(run->getCurrentIndex(), 2);  // one frame per draw, however long it was
    clock.advance(1);
    sprite.drawAnimated(target);
    EXPECT_EQ(run->getCurrentIndex(), 0);
    EXPECT_TRUE(run->isPlaying());
}

TEST_F(SpriteTest, OneFrameRepeatStaysAndOneFramePlayOnceStops)
{
    CSprite templ("S");
    templ.addFrameset(frameset("LOOP", true, 1, 100));
    templ.addFrameset(frameset("ONCE", false, 1, 100));
    CSprite looping(templ);
    clock.advance(101);
    looping.drawAnimated(target);
    EXPECT_TRUE(looping.getCurrentFrameset()->isPlaying());

    CSprite once(templ);
    once.setFrameset("ONCE");
    clock.advance(100);
    once.drawAnimated(target);
    EXPECT_TRUE(once.getCurrentFrameset()->isPlaying());  // not strictly past the delay yet
    clock.advance(1);
    once.drawAnimated(target);
    EXPECT_FALSE(once.getCurrentFrameset()->isPlaying());
    EXPECT_EQ(once.getCurrentFrameset()->getCurrentIndex(), 0);
}

TEST_F(SpriteTest, ThreeFramePlayOnceShowsEachFrameAndStopsOnTheFirst)
{
    CSprite templ("S");
    templ.addFrameset(frameset("THROW", false, 3, 50));
    CSprite sprite(templ);
    CFrameset* set = sprite.getCurrentFrameset();
    std::vector<Uint32> shown;
    for (int step = 0; step < 6; ++step) {
        sprite.drawAnimated(target);
        shown.push_back(colourAt(target, 4, 4));
        clock.advance(51);
    }
    // each draw shows the current frame and then advances it
    EXPECT_EQ(shown, (std::vector<Uint32>{0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000, 0xFF0000}));
    EXPECT_FALSE(set->isPlaying());
    set->start();  // replaying starts from where it stopped: the first frame
    sprite.drawAnimated(target);
    EXPECT_EQ(set->getCurrentIndex(), 1);
}

TEST_F(SpriteTest, CopiesAndTemplateShareNothing)
{
    CSprite templ("S");
    templ.addFrameset(frameset("RUN", true, 3, 10));
    CSprite first(templ);
    CSprite second(templ);
    EXPECT_NE(first.getCurrentFrameset(), templ.getCurrentFrameset());
    EXPECT_NE(first.currentFrame(), templ.currentFrame());
    first.getCurrentFrameset()->stop();
    EXPECT_TRUE(second.getCurrentFrameset()->isPlaying());
    EXPECT_FALSE(templ.getCurrentFrameset()->isPlaying());  // templates never play
    clock.advance(11);
    second.drawAnimated(target);
    EXPECT_EQ(second.getCurrentFrameset()->getCurrentIndex(), 1);
    EXPECT_EQ(first.getCurrentFrameset()->getCurrentIndex(), 0);
    EXPECT_EQ(templ.getCurrentFrameset()->getCurrentIndex(), 0);
}

TEST_F(SpriteTest, MissingFramesetFallsBackToTheFirstWithAWarning)
{
    CSprite templ("BIRD");
    templ.addFrameset(frameset("RIGHT", true, 1, 10));
    templ.addFrameset(frameset("LEFT", true, 1, 10));
    CSprite sprite(templ);
    sprite.setFrameset("LEFT");
    LogCapture log;
    sprite.setFrameset("DEATH");
    EXPECT_EQ(sprite.currentFramesetName(), "RIGHT");
    EXPECT_TRUE(log.contains("Warning: frameset DEATH not found in sprite BIRD !"));
}

TEST_F(SpriteTest, SwitchingFramesetsKeepsTheirOwnState)
{
    CSprite templ("S");
    templ.addFrameset(frameset("A", true, 3, 10));
    templ.addFrameset(frameset("B", true, 3, 10));
    CSprite sprite(templ);
    clock.advance(11);
    sprite.drawAnimated(target);
    sprite.setFrameset("B");
    sprite.setFrameset("A");
    EXPECT_EQ(sprite.getCurrentFrameset()->getCurrentIndex(), 1);
}

TEST_F(SpriteTest, AFramesetWithoutCurrentFrameDrawsNothingAndHasNoSize)
{
    CSprite templ("S");
    templ.addFrameset(frameset("A", true, 2, 10));
    CSprite sprite(templ);
    EXPECT_EQ(sprite.getCurrentFrameset()->selectFrame("FRAME2"), 1);
    EXPECT_EQ(sprite.getCurrentFrameset()->selectFrame("NOPE"), -1);
    paint(target, 0, 0, 32, 32, 9, 9, 9);
    sprite.drawAnimated(target);
    sprite.drawTranslucent(target, 128);
    sprite.drawTinted(target, 1, 2, 3);
    EXPECT_EQ(colourAt(target, 4, 4), 0x090909u);
    EXPECT_EQ(sprite.getCurrentFrameset()->currentWidth(), 0);
    SDL_Rect box = sprite.currentBox();
    EXPECT_EQ(box.w, 0);
    EXPECT_EQ(box.h, 0);
}

TEST_F(SpriteTest, TranslucentAndTintedDrawingAnimateThroughAFrameOfZeroSize)
{
    CSprite templ("S");
    auto set = std::make_unique<CFrameset>(sheetPath, "BLINK", true);
    set->addFrame(std::make_unique<CFrame>("GONE", 0, 0, 0, 8, 10));
    set->addFrame(std::make_unique<CFrame>("FLAT", 0, 0, 8, 0, 10));
    set->addFrame(std::make_unique<CFrame>("RED", 0, 0, 8, 8, 10));
    templ.addFrameset(std::move(set));
    CSprite sprite(templ);
    CFrameset* blink = sprite.getCurrentFrameset();
    paint(target, 0, 0, 32, 32, 9, 9, 9);
    clock.advance(11);
    sprite.drawTranslucent(target, 128);
    EXPECT_EQ(blink->getCurrentIndex(), 1);
    clock.advance(11);
    sprite.drawTinted(target, 0, 255, 0);
    EXPECT_EQ(blink->getCurrentIndex(), 2);
    EXPECT_EQ(colourAt(target, 4, 4), 0x090909u);  // neither empty frame drew anything
    sprite.drawTranslucent(target, 255);
    EXPECT_EQ(colourAt(target, 4, 4), 0xFF0000u);
    EXPECT_EQ(blink->getCurrentIndex(), 2);        // one advance per draw, once the delay passed
}

TEST_F(SpriteTest, BlackIsTransparentOnlyInTranslucentAndTintedDrawing)
{
    CSprite templ("S");
    templ.addFrameset(frameset("A", true, 1, 1000));
    CSprite sprite(templ);

    paint(target, 0, 0, 32, 32, 0, 0, 255);
    sprite.drawAnimated(target);
    EXPECT_EQ(colourAt(target, 0, 0), 0x000000u);
    EXPECT_EQ(colourAt(target, 4, 4), 0xFF0000u);

    paint(target, 0, 0, 32, 32, 0, 0, 255);
    sprite.drawTranslucent(target, 128);
    EXPECT_EQ(colourAt(target, 0, 0), 0x0000FFu);
    Uint32 mixed = colourAt(target, 4, 4);
    EXPECT_NEAR(int(mixed >> 16), 128, 2);
    EXPECT_NEAR(int(mixed & 0xFF), 127, 2);

    paint(target, 0, 0, 32, 32, 0, 0, 255);
    sprite.setPosition(10, 10);
    sprite.drawTinted(target, 0, 255, 0);
    EXPECT_EQ(colourAt(target, 10, 10), 0x0000FFu);  // the black corner stays see-through
    Uint32 tinted = colourAt(target, 14, 14);          // red blended half and half with green
    EXPECT_NEAR(int(tinted >> 16), 128, 2);
    EXPECT_NEAR(int((tinted >> 8) & 0xFF), 127, 2);
    EXPECT_EQ(tinted & 0xFF, 0u);
    EXPECT_EQ(colourAt(target, 9, 9), 0x0000FFu);
}

TEST_F(SpriteTest, CollectionCopiesByNameAndStopsOnAnUnknownName)
{
    CSpriteCollection collection("kolekce");
    auto bird = std::make_unique<CSprite>("BIRD");
    bird->addFrameset(frameset("RIGHT", true, 1, 10));
    collection.add(std::move(bird));
    collection.add(std::make_unique<CSprite>("BIRD"));
    EXPECT_EQ(collection.find("BIRD"), 0);
    EXPECT_EQ(collection.find("bird"), -1);
    EXPECT_EQ(collection.createCopy("BIRD")->framesetCount(), 1u);  // the first of that name
    EXPECT_EXIT(collection.createCopy("CAT"), ::testing::ExitedWithCode(255),
                "Cannot create sprite copy, sprite CAT not found!");
}

}
