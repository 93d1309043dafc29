#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/stav_hry.h"
#include "frontend/interruption.h"
#include "frontend/menu_manager.h"

// "INTRO": the title screen with the main menu, the in-game menu and the option menus, and the
// high-score table beside them. During a game it interrupts play like the pause does.
class CStavHry_Intro : public CStavHry
{
public:
    CStavHry_Intro() : CStavHry("INTRO") {}
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

    CMenuManager& menus() { return *manager; }

private:
    void drawHighScores(SDL_Surface* screen);

    // A line of the high-score table as drawn: "n. name" and the score right-aligned.
    struct ScoreRow
    {
        std::string place;
        std::string score;
        int scoreX;
    };

    CApplication* app = nullptr;
    std::unique_ptr<CMenuManager> manager;
    SDL_Surface* background = nullptr;
    CInterruption interruption;
    std::vector<ScoreRow> scoreRows;
    unsigned shownRevision = 0;
};
