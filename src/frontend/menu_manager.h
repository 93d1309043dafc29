#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frontend/menu.h"

class CFont;

// All menus of the menu screen, one shown at a time; an item's action names the menu to show
// next in the global data, and the manager switches to it.
class CMenuManager
{
public:
    void add(std::unique_ptr<CMenu> menu);
    const std::string& currentName() const { return name; }
    // Makes the menu of that name current with its first item selected; an unknown name changes
    // nothing.
    void switchTo(const std::string& menuName);
    // Runs the current menu's frame and, when an item was activated, switches to the menu the
    // global data names.
    void update(int x, int y, const CFont& font);

    CMenu* current() const { return menus.empty() ? nullptr : menus[currentIndex].get(); }
    size_t menuCount() const { return menus.size(); }
    CMenu& menu(size_t index) const { return *menus[index]; }

private:
    std::vector<std::unique_ptr<CMenu>> menus;
    size_t currentIndex = 0;
    std::string name;
};
