#include "frontend/menu_item.h"

#include "app/application.h"
#include "app/clock.h"
#include "app/input.h"
#include "frontend/menu.h"

CMenuPolozka::CMenuPolozka(const std::string& text)
{
    setLabel(text);
}

CMenuPolozka::~CMenuPolozka() = default;

void CMenuPolozka::setLabel(const std::string& text)
{
    label = text;
    display = (selected ? ">" : " ") + label;
}

void CMenuPolozka::setSelected(bool on)
{
    if (on != selected) {
        selected = on;
        display[0] = selected ? '>' : ' ';
    }
}

CApplication& CMenuPolozka::app() const
{
    return *menu->getOwner();
}

CMenuPrepinaciPolozka::CMenuPrepinaciPolozka(const std::string& itemCaption, bool initialValue)
    : CMenuPolozka(""), caption(itemCaption), value(initialValue)
{
    rebuildLabel();
}

void CMenuPrepinaciPolozka::activate()
{
    value = !value;
    rebuildLabel();
}

void CMenuPrepinaciPolozka::rebuildLabel()
{
    setLabel((value ? "[X] " : "[ ] ") + caption);
}

CMenuPrepinaciPolozka2::CMenuPrepinaciPolozka2(const std::string& itemCaption)
    : CMenuPolozka(itemCaption + ": "), caption(itemCaption)
{
}

void CMenuPrepinaciPolozka2::addChoice(int number, const std::string& text)
{
    choices.emplace_back(number, text);
    rebuildLabel();
}

void CMenuPrepinaciPolozka2::activate()
{
    if (choices.empty())
        return;
    current = current + 1 < choices.size() ? current + 1 : 0;
    rebuildLabel();
}

void CMenuPrepinaciPolozka2::rebuildLabel()
{
    setLabel(caption + ": " + (current < choices.size() ? choices[current].second : std::string()));
}

CMenuKeyPolozka::CMenuKeyPolozka(const std::string& itemCaption, Uint16 initialKey)
    : CMenuPolozka(""), caption(itemCaption), key(initialKey)
{
    asksForKey = true;
    rebuildLabel();
}

void CMenuKeyPolozka::activate()
{
    // Waits for the next key press, 10 ms between polls; closing the window ends the wait and
    // the game, leaving the key as it was.
    for (;;) {
        bool pressed = false;
        Uint16 pressedKey = key;
        while (pollEvent(&event)) {
            if (event.type == SDL_KEYDOWN) {
                pressedKey = static_cast<Uint16>(event.key.keysym.sym);
                pressed = true;
            } else if (event.type == SDL_QUIT) {
                app().running = false;
                return;
            }
        }
        if (pressed) {
            key = pressedKey;
            rebuildLabel();
            return;
        }
        waitTicks(10);
    }
}

void CMenuKeyPolozka::rebuildLabel()
{
    setLabel(caption + ": " + keyName(key));
}

std::string keyName(Uint16 keySymbol)
{
    switch (keySymbol) {
    case SDLK_UP:
        return "up";
    case SDLK_DOWN:
        return "down";
    case SDLK_LEFT:
        return "left";
    case SDLK_RIGHT:
        return "right";
    case SDLK_SPACE:
        return "space";
    default:
        return std::string(1, static_cast<char>(keySymbol & 0xFF));
    }
}
