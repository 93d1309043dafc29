#include "frontend/menu.h"

#include "app/application.h"
#include "app/input.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/video.h"

CMenu::CMenu(const std::string& menuName, CApplication* application)
    : name(menuName), owner(application), cursor(spriteCollection()->createCopy("SIPKA"))
{
    cursor->setFrameset("FRAMESET1");
}

CMenu::~CMenu() = default;

void CMenu::add(std::unique_ptr<CMenuPolozka> item)
{
    item->setMenu(this);
    items.push_back(std::move(item));
    if (items.size() == 1)
        items.front()->setSelected(true);
}

void CMenu::select(size_t index)
{
    for (size_t i = 0; i < items.size(); ++i)
        items[i]->setSelected(i == index);
}

void CMenu::resetSelection()
{
    select(0);
}

size_t CMenu::selectedIndex() const
{
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->isSelected())
            return i;
    return items.size();
}

void CMenu::selectNext()
{
    const size_t i = selectedIndex();
    if (i < items.size())
        select(i + 1 < items.size() ? i + 1 : 0);
}

void CMenu::selectPrevious()
{
    const size_t i = selectedIndex();
    if (i < items.size())
        select(i > 0 ? i - 1 : items.size() - 1);
}

bool CMenu::hits(size_t i, int x, int y, const CFont& font, int pointX, int pointY) const
{
    const int top = y + static_cast<int>(i) * font.height();
    const int right = x + font.textWidth(items[i]->displayText());
    return x < pointX && pointX < right && top < pointY && pointY < top + font.height();
}

bool CMenu::update(int x, int y, const CFont& font)
{
    SDL_Surface* screen = glSDL_GetVideoSurface();
    int mx = 0;
    int my = 0;
    mouseState(&mx, &my);
    cursor->setPosition(mx, my);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->refresh();
        font.write(screen, items[i]->displayText(), x, y + static_cast<int>(i) * font.height());
    }

    bool activated = false;
    bool clickPending = false;
    while (pollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            mouseActive = false;
            switch (event.key.keysym.sym) {
            case SDLK_RETURN:
                if (selectedIndex() < items.size()) {
                    CMenuPolozka& chosen = *items[selectedIndex()];
                    if (chosen.asksKey()) {
                        font.write(screen, "STISKNI " + chosen.getLabel(), 55, 395);
                        glSDL_Flip(screen);
                    }
                    chosen.activate();
                    activated = true;
                }
                break;
            case SDLK_ESCAPE:
                for (auto& item : items)
                    if (item->isEscape())
                        item->activate();
                break;
            case SDLK_UP:
                repeatTimer.restart();
                moveUpPending = true;
                break;
            case SDLK_DOWN:
                repeatTimer.restart();
                moveDownPending = true;
                break;
            default:
                break;
            }
            break;
        case SDL_MOUSEMOTION:
            mouseActive = true;
            break;
        case SDL_MOUSEBUTTONDOWN:
            mouseActive = true;
            if (event.button.button == SDL_BUTTON_LEFT)
                clickPending = true;
            break;
        case SDL_QUIT:
            owner->running = false;
            break;
        default:
            break;
        }
    }

    if (moveDownPending && repeatTimer.expired()) {
        moveDownPending = false;
        selectNext();
    }
    if (moveUpPending && repeatTimer.expired()) {
        moveUpPending = false;
        selectPrevious();
    }

    const int hotX = mx + hotSpotX;
    const int hotY = my + hotSpotY;
    if (mouseActive)
        for (size_t i = 0; i < items.size(); ++i)
            if (hits(i, x, y, font, hotX, hotY)) {
                select(i);
                break;
            }
    if (clickPending)
        for (size_t i = 0; i < items.size(); ++i)
            if (hits(i, x, y, font, hotX, hotY)) {
                items[i]->activate();
                activated = true;
            }

    cursor->drawAnimated(screen);
    return activated;
}
