#pragma once

#include <SDL.h>

#include "app/stav_hry.h"

// "OUTRO": the ending after the last level, with the ending music. A key press takes the player
// to the name entry of the high-score table; closing the window ends the game.
class CStavHry_Outro : public CStavHry
{
public:
    CStavHry_Outro() : CStavHry("OUTRO") {}
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override { deactivate(); }

private:
    CApplication* app = nullptr;
    SDL_Surface* background = nullptr;
    bool firstFrame = true;
};
