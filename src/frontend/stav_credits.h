#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "app/stav_hry.h"

class CLevel;

// "CREDITS": one long line of credits scrolling from right to left over the level "credits",
// whose creatures go about their business behind it; a key press returns to the menu.
class CStavHry_Credits : public CStavHry
{
public:
    CStavHry_Credits();
    ~CStavHry_Credits() override;
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

    float lineX() const { return x; }
    const std::string& line() const { return creditsLine; }

private:
    static constexpr float restartX = 640.0f;

    CApplication* app = nullptr;
    SDL_Surface* background = nullptr;
    std::unique_ptr<CLevel> level;
    std::string creditsLine;
    int lineWidth = 0;
    float x = restartX;
};
