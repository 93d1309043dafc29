#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "app/stav_hry.h"
#include "app/timer.h"

// "HRA": a level being played. It hands events to the level, updates and draws it, shows the
// level title, the password and the hint at a level's start, decides the end of the level and
// moves on to the next level, the retry, the ending or the high-score entry.
class CStavHry_Hra : public CStavHry
{
public:
    CStavHry_Hra() : CStavHry("HRA") {}
    ~CStavHry_Hra() override;

    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

    const std::string& currentLevelName() const { return levelName; }
    bool showingTitle() const { return !titleDone; }

private:
    void handleEvents();
    void showPasswordOnce(SDL_Surface* screen);
    void openHintOnce();
    void drawTitle(SDL_Surface* screen);
    void endOfLevel(SDL_Surface* screen);
    void moveOn();
    // Shows the frame; with a pending snapshot the shown frame is kept for the pause or hint.
    void showFrame(SDL_Surface* screen, bool keepSnapshotPending);
    void refreshLevelName();
    // F5: the level's files read again and the level started over, in a game started at a level.
    void reloadLevel();

    CApplication* app = nullptr;
    bool passwordShown = false;
    bool gameOverShown = false;
    std::unique_ptr<CTimer> titleTimer;
    bool titleDone = false;
    SDL_Surface* snapshot = nullptr;
    bool snapshotPending = false;
    std::string levelName;
    std::string reloadFault;  // the last reload's fault while the message line may still show it
};
