#include "frontend/menu_manager.h"

#include "app/globals.h"

void CMenuManager::add(std::unique_ptr<CMenu> menu)
{
    menus.push_back(std::move(menu));
}

void CMenuManager::switchTo(const std::string& menuName)
{
    for (size_t i = 0; i < menus.size(); ++i)
        if (menus[i]->getName() == menuName) {
            currentIndex = i;
            name = menuName;
            menus[i]->resetSelection();
        }
}

void CMenuManager::update(int x, int y, const CFont& font)
{
    if (menus.empty())
        return;
    if (menus[currentIndex]->update(x, y, font))
        switchTo(CGlobals::instance().menuName);
}
