#include "frontend/menu_tree.h"

#include <memory>
#include <string>

#include "frontend/menu_actions.h"
#include "frontend/menu_manager.h"

namespace {

using ItemMaker = std::unique_ptr<CMenuPolozka> (*)(const std::string& caption);

// Whether Escape activates an item: as its class has it, or set by the menu it is in.
enum class Escape { AsItsClass, On, Off };

template <class Item, Escape escape = Escape::AsItsClass>
std::unique_ptr<CMenuPolozka> make(const std::string& caption)
{
    auto item = std::make_unique<Item>(caption);
    if (escape != Escape::AsItsClass)
        item->setEscape(escape == Escape::On);
    return item;
}

struct MenuRow
{
    const char* menu;
    const char* caption;
    ItemMaker maker;
};

// Every menu's items from top to bottom; the menus in the order the manager holds them.
const MenuRow menuTree[] = {
    {"mainMenu", "hraj", make<CMenuNewGame>},
    {"mainMenu", "heslo", make<CMenuPassword>},
    {"mainMenu", "volby", make<CMenuOptions>},
    {"mainMenu", "credits", make<CMenuInstructions>},
    {"mainMenu", "konec", make<CMenuExit>},

    // The Escape that opened the in-game menu closes it again: back to the game, which is
    // quit only by choosing "konec".
    {"inGameMenu", "pokracuj", make<CMenuNewGame, Escape::On>},
    {"inGameMenu", "zrus hru", make<CMenuAbandonGame>},
    {"inGameMenu", "volby", make<CMenuOptions>},
    {"inGameMenu", "konec", make<CMenuExit, Escape::Off>},

    {"gameControls", "nahoru", make<CKeyUp>},
    {"gameControls", "dolu", make<CKeyDown>},
    {"gameControls", "levo", make<CKeyLeft>},
    {"gameControls", "pravo", make<CKeyRight>},
    {"gameControls", "akce", make<CKeyShoot>},
    {"gameControls", "zpet", make<CMenuControlsOK>},

    {"optionsMenu", "Obtiznost", make<CMenuObtiznost>},
    {"optionsMenu", "ukazuj hinty", make<CMenuShowHints>},
    {"optionsMenu", "ovladani", make<CMenuConfControls>},
    {"optionsMenu", "video", make<CMenuVideo>},
    {"optionsMenu", "audio", make<CMenuAudio>},
    {"optionsMenu", "zpet", make<CMenuBackToMain>},

    {"audioMenu", "hudba", make<CMenuMusic>},
    {"audioMenu", "zvuky", make<CMenuSound>},
    {"audioMenu", "zpet", make<CMenuAudioOK>},

    {"videoMenu", "fullscreen", make<CMenuFullscreen>},
    {"videoMenu", "zpet", make<CMenuVideoOK>},
};

}

void buildMenuTree(CMenuManager& manager, CApplication* app)
{
    std::unique_ptr<CMenu> menu;
    for (const MenuRow& row : menuTree) {
        if (!menu || menu->getName() != row.menu) {
            if (menu)
                manager.add(std::move(menu));
            menu = std::make_unique<CMenu>(row.menu, app);
        }
        menu->add(row.maker(row.caption));
    }
    if (menu)
        manager.add(std::move(menu));
}
