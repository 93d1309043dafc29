#pragma once

#include <SDL.h>

#include <memory>

#include "app/stav_hry.h"
#include "app/timer.h"

class CSprite;

// "UVOD": the studio's logo, then the opening story told in three pictures and five lines, one
// stage every 8 seconds; a key press skips to the menu.
class CStavHry_Uvod : public CStavHry
{
public:
    static const int pictureCount = 3;
    static const int lastStage = 5;

    CStavHry_Uvod();
    ~CStavHry_Uvod() override;
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

    int getStage() const { return stage; }

private:
    void endStory();

    CApplication* app = nullptr;
    SDL_Surface* background = nullptr;
    SDL_Surface* logo = nullptr;
    std::unique_ptr<CTimer> stageTimer;
    int stage = 1;
    std::unique_ptr<CSprite> pictures[pictureCount];
};
