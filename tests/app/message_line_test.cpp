#include <gtest/gtest.h>

#include "app/clock.h"
#include "app/message_line.h"
#include "gfx/font.h"
#include "gfx/video.h"
#include "support/surfaces.h"

namespace {

class MessageLineTest : public ::testing::Test
{
protected:
    MessageLineTest() : font(loadFont(std::string(ZEPO_GAME_DIR) + "/fontsmall2.png")) {}
    ~MessageLineTest() override { SDL_FreeSurface(screen); }

    // A frame of some state (all grey), then the line over it.
    void drawFrame()
    {
        paint(screen, 0, 0, 640, 480, 90, 90, 90);
        line.draw(screen, *font);
    }
    int bandTop() const { return 480 - font->height() - 8; }

    CVirtualClock clock{1000};
    CScopedClock useClock{&clock};
    std::unique_ptr<CFont> font;
    SDL_Surface* screen = makeSurface(640, 480);
    CMessageLine line;
};

TEST_F(MessageLineTest, ALineShowsAtTheBottomForFiveSecondsFromItsFirstFrame)
{
    drawFrame();
    EXPECT_EQ(colourAt(screen, 2, 478), 0x5A5A5Au);  // nothing to show, nothing drawn

    line.show("top10.bin nelze ulozit: plny disk");
    clock.advance(3000);  // shown before the first frame: its time starts when it is drawn
    drawFrame();
    EXPECT_EQ(colourAt(screen, 2, 478), 0x000000u);
    EXPECT_EQ(colourAt(screen, 2, bandTop()), 0x000000u);
    EXPECT_EQ(colourAt(screen, 2, bandTop() - 1), 0x5A5A5Au);
    const int textWidth = font->textWidth("top10.bin nelze ulozit: plny disk");
    EXPECT_TRUE(anythingDrawn(screen, (640 - textWidth) / 2, bandTop(), textWidth, font->height() + 8));
    EXPECT_FALSE(anythingDrawn(screen, 0, bandTop(), (640 - textWidth) / 2 - 4, font->height() + 8));

    clock.advance(4999);
    drawFrame();
    EXPECT_EQ(colourAt(screen, 2, 478), 0x000000u);
    clock.advance(1);
    drawFrame();
    EXPECT_EQ(colourAt(screen, 2, 478), 0x5A5A5Au);
    EXPECT_EQ(line.current(), "");
}

TEST_F(MessageLineTest, LinesTakeTheirTurnsAndEveryFlipDrawsThem)
{
    line.show("controls.cfg nelze precist: plati vychozi hodnoty");
    line.show("");
    line.show("top10.bin je poskozeny: plati vychozi hodnoty");
    drawFrame();
    EXPECT_EQ(line.current(), "controls.cfg nelze precist: plati vychozi hodnoty");
    clock.advance(5000);
    drawFrame();
    EXPECT_EQ(line.current(), "top10.bin je poskozeny: plati vychozi hodnoty");
    EXPECT_EQ(colourAt(screen, 2, 478), 0x000000u);

    SDL_Surface* shown = nullptr;
    glSDL_SetScreenOverlay([&shown](SDL_Surface* target) { shown = target; });
    glSDL_Flip(screen);
    EXPECT_EQ(shown, screen);
    shown = nullptr;
    glSDL_SetScreenOverlay(nullptr);
    glSDL_Flip(screen);
    EXPECT_EQ(shown, nullptr);
}

TEST_F(MessageLineTest, AWithdrawnLineGoesAtOnceAndTheNextTakesItsWholeTime)
{
    line.show("l1_map.xml:3: ID out of range near TILE tag!");
    line.show("top10.bin nelze ulozit: plny disk");
    line.show("l1_map.xml:3: ID out of range near TILE tag!");
    drawFrame();
    clock.advance(2000);
    line.withdraw("l1_map.xml:3: ID out of range near TILE tag!");
    EXPECT_EQ(line.current(), "top10.bin nelze ulozit: plny disk");
    drawFrame();
    clock.advance(4999);
    drawFrame();
    EXPECT_EQ(line.current(), "top10.bin nelze ulozit: plny disk");
    clock.advance(1);
    drawFrame();
    EXPECT_EQ(line.current(), "");  // the later copy went with the first
    line.withdraw("not there");
    EXPECT_EQ(line.current(), "");
}

TEST_F(MessageLineTest, ALineTooWideForTheScreenIsCutShort)
{
    std::string wide = "didudo_sprites.xml: The frame F of sprite PLAYER";
    while (font->textWidth(wide) <= 640)
        wide += " x";
    line.show(wide);
    drawFrame();
    EXPECT_EQ(line.current(), wide);
    // Cut to the screen less a margin of 4 pixels on either side, it fills nearly all of that.
    EXPECT_FALSE(anythingDrawn(screen, 0, bandTop(), 4, font->height() + 8));
    EXPECT_FALSE(anythingDrawn(screen, 636, bandTop(), 4, font->height() + 8));
    EXPECT_TRUE(anythingDrawn(screen, 4, bandTop(), 30, font->height() + 8));
    EXPECT_TRUE(anythingDrawn(screen, 606, bandTop(), 30, font->height() + 8));
}

}
