#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/timer.h"
#include "frontend/menu_item.h"

class CApplication;
class CFont;
class CSprite;

// One named menu: a vertical list of items worked with Up, Down, Return and Escape or with the
// mouse, whose pointer is the animated arrow "SIPKA".
class CMenu
{
public:
    CMenu(const std::string& menuName, CApplication* application);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // Appends an item; the first item added is selected.
    void add(std::unique_ptr<CMenuPolozka> item);
    void resetSelection();
    // The next (previous) item becomes the selected one, wrapping around at the ends.
    void selectNext();
    void selectPrevious();
    // The index of the first selected item, or the item count when none is.
    size_t selectedIndex() const;

    // One frame: draws the items from (x, y) one font height apart, handles the pending events,
    // follows the mouse and draws the pointer. True when an item was activated by Return or a
    // click.
    bool update(int x, int y, const CFont& font);

    const std::string& getName() const { return name; }
    CApplication* getOwner() const { return owner; }
    size_t itemCount() const { return items.size(); }
    CMenuPolozka& item(size_t index) const { return *items[index]; }

    // The pointer's hot spot relative to the mouse position.
    static const int hotSpotX = 14;
    static const int hotSpotY = 31;

private:
    void select(size_t index);
    // Whether the point lies strictly inside the box of item i drawn from (x, y).
    bool hits(size_t i, int x, int y, const CFont& font, int pointX, int pointY) const;

    std::string name;
    std::vector<std::unique_ptr<CMenuPolozka>> items;
    CApplication* owner;
    std::unique_ptr<CSprite> cursor;
    CTimer repeatTimer{50};
    bool moveUpPending = false;
    bool moveDownPending = false;
    bool mouseActive = false;
    SDL_Event event{};
};
