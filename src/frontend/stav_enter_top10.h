#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "app/stav_hry.h"

class CRisingHearts;

// "ENTERTOP10": after a game, asks for the player's name when the total score enters the
// high-score table, inserts it, saves "top10.bin" and returns to the menu. The typed name is
// kept for the next game.
class CStavHry_EnterTop10 : public CStavHry
{
public:
    static const size_t maxNameLength = 5;

    CStavHry_EnterTop10();
    ~CStavHry_EnterTop10() override;
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

    const std::string& typedName() const { return name; }

private:
    void handleEvents();
    void finish();

    CApplication* app = nullptr;
    SDL_Surface* background = nullptr;
    std::unique_ptr<CRisingHearts> hearts;
    std::string name;
    std::string prompt;
};
