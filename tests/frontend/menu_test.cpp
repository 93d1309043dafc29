#include <gtest/gtest.h>

#include <memory>

#include "front_end_fixture.h"
#include "frontend/menu.h"
#include "frontend/menu_actions.h"
#include "frontend/menu_manager.h"
#include "gfx/font.h"
#include "support/surfaces.h"

namespace {

class CCountingItem : public CMenuPolozka
{
public:
    CCountingItem(const std::string& caption, bool escapeItem = false) : CMenuPolozka(caption) { escape = escapeItem; }
    void activate() override { ++activations; }
    int activations = 0;
};

// Menus drawn at (70, 245) with the large font, as the main menu is.
class MenuTest : public FrontEndTest
{
protected:
    MenuTest() : menu("testMenu", &app)
    {
        for (const char* caption : {"first", "second", "third"}) {
            auto item = std::make_unique<CCountingItem>(caption, std::string(caption) == "third");
            counting.push_back(item.get());
            menu.add(std::move(item));
        }
    }
    bool update() { return menu.update(70, 245, *app.largeFont); }
    // Puts the pointer so that its hot spot lies in the middle of the left part of row i.
    void pointAtRow(int i)
    {
        input.mouseX = 70 + 6 - CMenu::hotSpotX;
        input.mouseY = 245 + i * app.largeFont->height() + app.largeFont->height() / 2 - CMenu::hotSpotY;
    }

    CMenu menu;
    std::vector<CCountingItem*> counting;
};

TEST_F(MenuTest, TheSelectionWrapsAroundBothWays)
{
    EXPECT_EQ(menu.selectedIndex(), 0u);
    menu.selectPrevious();
    EXPECT_EQ(menu.selectedIndex(), 2u);
    menu.selectNext();
    EXPECT_EQ(menu.selectedIndex(), 0u);
    menu.selectNext();
    menu.selectNext();
    EXPECT_EQ(menu.selectedIndex(), 2u);
    EXPECT_EQ(menu.item(2).displayText(), ">third");
    EXPECT_EQ(menu.item(0).displayText(), " first");
}

TEST_F(MenuTest, AnArrowKeyMovesTheSelectionOnce50MsAfterThePress)
{
    input.keyDown(SDLK_UP);
    update();
    EXPECT_EQ(menu.selectedIndex(), 0u);
    clock.advance(49);
    update();
    EXPECT_EQ(menu.selectedIndex(), 0u);
    clock.advance(1);
    update();
    EXPECT_EQ(menu.selectedIndex(), 2u);  // up from the first wraps to the last
    clock.advance(500);
    update();
    EXPECT_EQ(menu.selectedIndex(), 2u);  // once per press

    input.keyDown(SDLK_DOWN);
    update();
    clock.advance(50);
    update();
    EXPECT_EQ(menu.selectedIndex(), 0u);
}

TEST_F(MenuTest, ReturnActivatesTheSelectedItemAndEscapeOnlyTheEscapeItems)
{
    menu.selectNext();
    input.keyDown(SDLK_RETURN);
    EXPECT_TRUE(update());
    EXPECT_EQ(counting[1]->activations, 1);

    input.keyDown(SDLK_ESCAPE);
    EXPECT_FALSE(update());
    EXPECT_EQ(counting[0]->activations, 0);
    EXPECT_EQ(counting[1]->activations, 1);
    EXPECT_EQ(counting[2]->activations, 1);
}

TEST_F(MenuTest, HoverSelectsWithoutActivatingAndOnlyAClickOnAnItemActivatesIt)
{
    pointAtRow(1);
    input.mouseMotion(input.mouseX, input.mouseY);
    EXPECT_FALSE(update());
    EXPECT_EQ(menu.selectedIndex(), 1u);
    for (auto* item : counting)
        EXPECT_EQ(item->activations, 0);

    // The pointer left of the items, and below the last one: a click there does nothing.
    input.mouseButton(70 - CMenu::hotSpotX, 245 + 10 - CMenu::hotSpotY);
    EXPECT_FALSE(update());
    pointAtRow(3);
    input.mouseButton(input.mouseX, input.mouseY);
    EXPECT_FALSE(update());
    for (auto* item : counting)
        EXPECT_EQ(item->activations, 0);

    pointAtRow(2);
    input.mouseButton(input.mouseX, input.mouseY, SDL_BUTTON_RIGHT);
    EXPECT_FALSE(update());
    EXPECT_EQ(counting[2]->activations, 0);
    input.mouseButton(input.mouseX, input.mouseY);
    EXPECT_TRUE(update());
    EXPECT_EQ(counting[2]->activations, 1);
    EXPECT_EQ(menu.selectedIndex(), 2u);
}

TEST_F(MenuTest, AKeyPressHandsTheSelectionBackToTheKeyboard)
{
    pointAtRow(1);
    input.mouseMotion(input.mouseX, input.mouseY);
    update();
    input.keyDown(SDLK_DOWN);
    update();
    clock.advance(50);
    update();
    EXPECT_EQ(menu.selectedIndex(), 2u);  // the pointer still rests on row 1
}

TEST(MenuItems, KeyNames)
{
    EXPECT_EQ(keyName(SDLK_SPACE), "space");
    EXPECT_EQ(keyName(SDLK_LEFT), "left");
    EXPECT_EQ(keyName(SDLK_RIGHT), "right");
    EXPECT_EQ(keyName(SDLK_UP), "up");
    EXPECT_EQ(keyName(SDLK_DOWN), "down");
    EXPECT_EQ(keyName(SDLK_a), "a");
    EXPECT_EQ(keyName(SDLK_5), "5");
    EXPECT_EQ(keyName(0x161), std::string(1, '\x61'));  // the low 8 bits
}

TEST(MenuItems, SwitchesAndChoicesShowTheirValue)
{
    CMenuPrepinaciPolozka toggle("hudba", true);
    toggle.setSelected(true);
    EXPECT_EQ(toggle.displayText(), ">[X] hudba");
    toggle.activate();
    EXPECT_EQ(toggle.displayText(), ">[ ] hudba");
    toggle.setSelected(false);
    EXPECT_EQ(toggle.displayText(), " [ ] hudba");

    CMenuPrepinaciPolozka2 empty("Nic");
    empty.activate();
    EXPECT_EQ(empty.currentIndex(), 0u);
    EXPECT_EQ(empty.getLabel(), "Nic: ");

    CMenuPrepinaciPolozka2 choice("Rychlost");
    choice.addChoice(5, "pomalu");
    choice.addChoice(9, "rychle");
    EXPECT_EQ(choice.getLabel(), "Rychlost: pomalu");
    choice.activate();
    EXPECT_EQ(choice.getLabel(), "Rychlost: rychle");
    choice.activate();
    EXPECT_EQ(choice.getLabel(), "Rychlost: pomalu");
}

// The controls menu: Return on a key item shows the prompt, then waits for the binding.
class KeyItemTest : public FrontEndTest
{
protected:
    KeyItemTest() : menu("gameControls", &app)
    {
        menu.add(std::make_unique<CKeyUp>("nahoru"));
        menu.add(std::make_unique<CMenuControlsOK>("zpet"));
    }
    bool update() { return menu.update(70, 245, *app.smallFont); }

    CMenu menu;
};

TEST_F(KeyItemTest, ReturnShowsThePromptAndTheNextKeyBecomesTheBinding)
{
    EXPECT_EQ(menu.item(0).displayText(), ">nahoru: w");
    input.keyDown(SDLK_RETURN);
    input.keyDown(SDLK_ESCAPE);  // even Escape can be bound
    EXPECT_TRUE(update());
    EXPECT_EQ(CControlOptions::instance().up, SDLK_ESCAPE);
    EXPECT_EQ(menu.item(0).getLabel(), "nahoru: \x1b");

    SDL_Surface* expected = makeSurface(640, 480);
    app.smallFont->write(expected, "STISKNI nahoru: w", 55, 395);
    EXPECT_TRUE(sameRegion(screen(), expected, 0, 395, 640, app.smallFont->height()));
    SDL_FreeSurface(expected);
}

// A clock on which each 10 ms sleep of the key wait is counted; the third one brings the key.
class CKeyArrivingClock : public CClockSource
{
public:
    explicit CKeyArrivingClock(CScriptedInput& source) : input(source) {}
    Uint32 ticks() override { return now; }
    void delay(Uint32 ms) override
    {
        now += ms;
        if (++sleeps == 3)
            input.keyDown(SDLK_i);
    }
    CScriptedInput& input;
    Uint32 now = 0;
    int sleeps = 0;
};

TEST_F(KeyItemTest, TheWaitSleeps10MsBetweenPolls)
{
    CKeyArrivingClock waiting(input);
    CScopedClock installedHere(&waiting);
    input.keyDown(SDLK_RETURN);
    update();
    EXPECT_EQ(waiting.sleeps, 3);
    EXPECT_EQ(waiting.now, 30u);
    EXPECT_EQ(CControlOptions::instance().up, SDLK_i);
}

TEST_F(KeyItemTest, ClosingTheWindowDuringTheWaitKeepsTheKeyAndEndsTheGame)
{
    input.keyDown(SDLK_RETURN);
    input.mouseMotion(5, 5);
    input.quit();
    update();
    EXPECT_FALSE(app.running);
    EXPECT_EQ(CControlOptions::instance().up, SDLK_w);
    EXPECT_EQ(menu.item(0).getLabel(), "nahoru: w");
}

TEST_F(FrontEndTest, TheDifficultyCanChangeOnlyBetweenGames)
{
    CMenu options("optionsMenu", &app);
    options.add(std::make_unique<CMenuObtiznost>("Obtiznost"));
    CMenuPolozka& difficulty = options.item(0);
    EXPECT_EQ(difficulty.getLabel(), "Obtiznost: spacek");

    app.gameInProgress = true;
    difficulty.activate();
    EXPECT_EQ(difficulty.getLabel(), "Obtiznost: spacek");
    EXPECT_EQ(globals.levelSet, "easy");
    EXPECT_FALSE(fileExists(".config/zepo/video.cfg"));

    app.gameInProgress = false;
    difficulty.activate();
    EXPECT_EQ(difficulty.getLabel(), "Obtiznost: sokolik");
    EXPECT_EQ(globals.difficulty, 1u);
    EXPECT_EQ(globals.levelSet, "medium");
    EXPECT_EQ(readFile(".config/zepo/video.cfg"), "FULLSCREEN 0\nDIF 1\nHINTS 1\n");
    difficulty.activate();
    difficulty.activate();
    EXPECT_EQ(difficulty.getLabel(), "Obtiznost: spacek");
    EXPECT_EQ(globals.levelSet, "easy");
}

TEST_F(FrontEndTest, TheDifficultyItemShowsTheStoredDifficulty)
{
    globals.setDifficulty(2);
    EXPECT_EQ(CMenuObtiznost("Obtiznost").getLabel(), "Obtiznost: orel skalni");
    globals.setDifficulty(7);  // a hand-edited file: shown as the first choice, never out of range
    EXPECT_EQ(CMenuObtiznost("Obtiznost").getLabel(), "Obtiznost: spacek");
}

TEST_F(FrontEndTest, TheManagerShowsMenusByNameWithTheFirstItemSelected)
{
    CMenuManager manager;
    for (const char* name : {"mainMenu", "optionsMenu"}) {
        auto menu = std::make_unique<CMenu>(name, &app);
        menu->add(std::make_unique<CMenuOptions>("volby"));
        menu->add(std::make_unique<CMenuExit>("konec"));
        manager.add(std::move(menu));
    }
    manager.switchTo("mainMenu");
    manager.current()->selectNext();
    manager.switchTo("noSuchMenu");
    EXPECT_EQ(manager.currentName(), "mainMenu");
    EXPECT_EQ(manager.current()->selectedIndex(), 1u);

    input.keyDown(SDLK_UP);
    manager.update(70, 245, *app.largeFont);
    clock.advance(50);
    manager.update(70, 245, *app.largeFont);
    input.keyDown(SDLK_RETURN);  // "volby" names the next menu
    manager.update(70, 245, *app.largeFont);
    EXPECT_EQ(manager.currentName(), "optionsMenu");
    EXPECT_EQ(manager.current()->getName(), "optionsMenu");
    EXPECT_EQ(manager.current()->selectedIndex(), 0u);
}

}
