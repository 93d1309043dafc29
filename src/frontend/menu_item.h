#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

class CApplication;
class CMenu;

// One line of a menu. Its display text is ">" + label when it is the selected item and " " +
// label otherwise; activating it (Return, a click, or Escape for escape items) runs its action.
class CMenuPolozka
{
public:
    explicit CMenuPolozka(const std::string& text);
    virtual ~CMenuPolozka();
    CMenuPolozka(const CMenuPolozka&) = delete;
    CMenuPolozka& operator=(const CMenuPolozka&) = delete;

    virtual void activate() {}
    // Takes the item's value from wherever it lives, which may have changed behind the menu's back
    // (Alt+Enter switches full screen on any screen); the menu calls it before it draws the item.
    virtual void refresh() {}

    const std::string& displayText() const { return display; }
    const std::string& getLabel() const { return label; }
    void setSelected(bool on);
    bool isSelected() const { return selected; }
    bool isEscape() const { return escape; }
    void setEscape(bool on) { escape = on; }
    bool asksKey() const { return asksForKey; }
    void setMenu(CMenu* owner) { menu = owner; }

protected:
    void setLabel(const std::string& text);
    // The application object of the menu this item belongs to.
    CApplication& app() const;

    bool escape = false;
    bool asksForKey = false;

private:
    std::string label;
    std::string display;
    CMenu* menu = nullptr;
    bool selected = false;
};

// A switch: "[X] caption" when on, "[ ] caption" when off; activating flips it.
class CMenuPrepinaciPolozka : public CMenuPolozka
{
public:
    CMenuPrepinaciPolozka(const std::string& itemCaption, bool initialValue);
    void activate() override;
    bool getValue() const { return value; }

protected:
    void rebuildLabel();

    std::string caption;
    bool value;
};

// A choice among several values: "caption: text"; activating moves to the next choice, after the
// last back to the first.
class CMenuPrepinaciPolozka2 : public CMenuPolozka
{
public:
    explicit CMenuPrepinaciPolozka2(const std::string& itemCaption);
    void addChoice(int number, const std::string& text);
    void activate() override;
    size_t currentIndex() const { return current; }

protected:
    void rebuildLabel();

    std::string caption;
    std::vector<std::pair<int, std::string>> choices;
    size_t current = 0;
};

// A key binding: "caption: key name". Return first shows the "STISKNI " prompt, then activating
// waits for the next key press and takes its key symbol.
class CMenuKeyPolozka : public CMenuPolozka
{
public:
    CMenuKeyPolozka(const std::string& itemCaption, Uint16 initialKey);
    void activate() override;
    Uint16 getKey() const { return key; }

protected:
    void rebuildLabel();

    std::string caption;
    Uint16 key;

private:
    SDL_Event event{};
};

// How a bound key is shown: "up", "down", "left", "right", "space", otherwise the single
// character of the key symbol's low 8 bits.
std::string keyName(Uint16 keySymbol);
