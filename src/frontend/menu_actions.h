#pragma once

#include <string>

#include "frontend/menu_item.h"
#include "options/options.h"

// The items of the menu tree, each named after what it does when activated.

// "hraj" / "pokracuj": starts a new game at the first level unless one is in progress, then
// goes (back) to play.
class CMenuNewGame : public CMenuPolozka
{
public:
    using CMenuPolozka::CMenuPolozka;
    void activate() override;
};

// Opens the password screen.
class CMenuPassword : public CMenuPolozka
{
public:
    using CMenuPolozka::CMenuPolozka;
    void activate() override;
};

// Shows the credits, only between games.
class CMenuInstructions : public CMenuPolozka
{
public:
    using CMenuPolozka::CMenuPolozka;
    void activate() override;
};

// Quits the game; Escape activates it.
class CMenuExit : public CMenuPolozka
{
public:
    explicit CMenuExit(const std::string& caption);
    void activate() override;
};

// Ends the game in progress and returns to the main menu.
class CMenuAbandonGame : public CMenuPolozka
{
public:
    using CMenuPolozka::CMenuPolozka;
    void activate() override;
};

// Shows another menu by name.
class CMenuGoTo : public CMenuPolozka
{
public:
    CMenuGoTo(const std::string& caption, const char* menuName) : CMenuPolozka(caption), target(menuName) {}
    void activate() override;

private:
    const char* target;
};

class CMenuOptions : public CMenuGoTo
{
public:
    explicit CMenuOptions(const std::string& caption) : CMenuGoTo(caption, "optionsMenu") {}
};

class CMenuAudio : public CMenuGoTo
{
public:
    explicit CMenuAudio(const std::string& caption) : CMenuGoTo(caption, "audioMenu") {}
};

class CMenuVideo : public CMenuGoTo
{
public:
    explicit CMenuVideo(const std::string& caption) : CMenuGoTo(caption, "videoMenu") {}
};

class CMenuConfControls : public CMenuGoTo
{
public:
    explicit CMenuConfControls(const std::string& caption) : CMenuGoTo(caption, "gameControls") {}
};

// Back from the options to the main menu, or to the in-game menu during a game; Escape
// activates it.
class CMenuBackToMain : public CMenuPolozka
{
public:
    explicit CMenuBackToMain(const std::string& caption);
    void activate() override;
};

// The back items of the audio, video and controls menus save their options (Escape too).
class CMenuAudioOK : public CMenuPolozka
{
public:
    explicit CMenuAudioOK(const std::string& caption);
    void activate() override;
};

class CMenuVideoOK : public CMenuPolozka
{
public:
    explicit CMenuVideoOK(const std::string& caption);
    void activate() override;
};

class CMenuControlsOK : public CMenuPolozka
{
public:
    explicit CMenuControlsOK(const std::string& caption);
    void activate() override;
};

// Music on or off; switched on, the menu music starts at once.
class CMenuMusic : public CMenuPrepinaciPolozka
{
public:
    explicit CMenuMusic(const std::string& caption);
    void activate() override;
};

class CMenuSound : public CMenuPrepinaciPolozka
{
public:
    explicit CMenuSound(const std::string& caption);
    void activate() override;
};

// The full-screen switch; the video menu's back item applies it.
class CMenuFullscreen : public CMenuPrepinaciPolozka
{
public:
    explicit CMenuFullscreen(const std::string& caption);
    void activate() override;
    void refresh() override;
};

// Level hints on or off, saved at once.
class CMenuShowHints : public CMenuPrepinaciPolozka
{
public:
    explicit CMenuShowHints(const std::string& caption);
    void activate() override;
};

// The difficulty "spacek", "sokolik" or "orel skalni", which also chooses the level set; it can
// be changed only between games and is saved at once.
class CMenuObtiznost : public CMenuPrepinaciPolozka2
{
public:
    explicit CMenuObtiznost(const std::string& caption);
    void activate() override;
    void refresh() override;
};

// A binding of one of the five game keys.
class CControlKey : public CMenuKeyPolozka
{
public:
    CControlKey(const std::string& caption, Uint16 CControlOptions::*boundKey);
    void activate() override;

private:
    Uint16 CControlOptions::*binding;
};

class CKeyUp : public CControlKey
{
public:
    explicit CKeyUp(const std::string& caption) : CControlKey(caption, &CControlOptions::up) {}
};

class CKeyDown : public CControlKey
{
public:
    explicit CKeyDown(const std::string& caption) : CControlKey(caption, &CControlOptions::down) {}
};

class CKeyLeft : public CControlKey
{
public:
    explicit CKeyLeft(const std::string& caption) : CControlKey(caption, &CControlOptions::left) {}
};

class CKeyRight : public CControlKey
{
public:
    explicit CKeyRight(const std::string& caption) : CControlKey(caption, &CControlOptions::right) {}
};

class CKeyShoot : public CControlKey
{
public:
    explicit CKeyShoot(const std::string& caption) : CControlKey(caption, &CControlOptions::shoot) {}
};
