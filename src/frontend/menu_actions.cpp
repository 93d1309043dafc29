#include "frontend/menu_actions.h"

#include "app/application.h"
#include "app/globals.h"
#include "app/paths.h"
#include "frontend/gameplay_end.h"
#include "frontend/interruption.h"
#include "sound/sound_engine.h"

namespace {

void showMenu(const char* menuName)
{
    CGlobals::instance().menuName = menuName;
}

// A save that failed (the reason is on standard error) is said on screen too; the values stay.
void noteFailedSave(CApplication& application, bool saved, const CPlayerFile& file)
{
    if (!saved)
        application.messageLine.show(file.saveNote());
}

}

void CMenuNewGame::activate()
{
    CApplication& application = app();
    if (application.gameInProgress)
        CInterruption::resumePlay();
    else
        application.enterState("HRA");
    application.switchTo("HRA");
}

void CMenuPassword::activate()
{
    app().switchTo("ENTERPASSWORD");
}

void CMenuInstructions::activate()
{
    CApplication& application = app();
    if (application.gameInProgress)
        return;
    application.enterState("CREDITS");
    application.switchTo("CREDITS");
}

CMenuExit::CMenuExit(const std::string& caption) : CMenuPolozka(caption)
{
    escape = true;
}

void CMenuExit::activate()
{
    app().running = false;
}

void CMenuAbandonGame::activate()
{
    CApplication& application = app();
    application.gameInProgress = false;
    endGameplay(application);
    CInterruption::discard();
    showMenu("mainMenu");
}

void CMenuGoTo::activate()
{
    showMenu(target);
}

CMenuBackToMain::CMenuBackToMain(const std::string& caption) : CMenuPolozka(caption)
{
    escape = true;
}

void CMenuBackToMain::activate()
{
    showMenu(app().gameInProgress ? "inGameMenu" : "mainMenu");
}

CMenuAudioOK::CMenuAudioOK(const std::string& caption) : CMenuPolozka(caption)
{
    escape = true;
}

void CMenuAudioOK::activate()
{
    CAudioOptions& options = CAudioOptions::instance();
    noteFailedSave(app(), options.save(), options.file());
    showMenu("optionsMenu");
}

CMenuVideoOK::CMenuVideoOK(const std::string& caption) : CMenuPolozka(caption)
{
    escape = true;
}

void CMenuVideoOK::activate()
{
    CVideoOptions& options = CVideoOptions::instance();
    noteFailedSave(app(), options.save(), options.file());
    setVideoMode();
    showMenu("optionsMenu");
}

CMenuControlsOK::CMenuControlsOK(const std::string& caption) : CMenuPolozka(caption)
{
    escape = true;
}

void CMenuControlsOK::activate()
{
    CControlOptions& options = CControlOptions::instance();
    noteFailedSave(app(), options.save(playerConfigFile("controls.cfg")), options.file());
    showMenu("optionsMenu");
}

CMenuMusic::CMenuMusic(const std::string& caption)
    : CMenuPrepinaciPolozka(caption, CAudioOptions::instance().getMusic())
{
}

void CMenuMusic::activate()
{
    CMenuPrepinaciPolozka::activate();
    CAudioOptions::instance().setMusic(value);
    CSoundEngine& sound = CSoundEngine::instance();
    if (value)
        sound.playMusic("MENU");
    else
        sound.stopMusic();
}

CMenuSound::CMenuSound(const std::string& caption)
    : CMenuPrepinaciPolozka(caption, CAudioOptions::instance().getSound())
{
}

void CMenuSound::activate()
{
    CMenuPrepinaciPolozka::activate();
    CAudioOptions::instance().setSound(value);
}

CMenuFullscreen::CMenuFullscreen(const std::string& caption)
    : CMenuPrepinaciPolozka(caption, CVideoOptions::instance().getFullscreen())
{
}

void CMenuFullscreen::activate()
{
    // Alt+Enter may have switched full screen since the item was made: it switches what is now.
    value = CVideoOptions::instance().getFullscreen();
    CMenuPrepinaciPolozka::activate();
    CVideoOptions::instance().setFullscreen(value);
}

void CMenuFullscreen::refresh()
{
    const bool now = CVideoOptions::instance().getFullscreen();
    if (now == value)
        return;
    value = now;
    rebuildLabel();
}

CMenuShowHints::CMenuShowHints(const std::string& caption)
    : CMenuPrepinaciPolozka(caption, CGlobals::instance().hints)
{
}

void CMenuShowHints::activate()
{
    CGlobals& globals = CGlobals::instance();
    globals.hints = !globals.hints;
    value = globals.hints;
    rebuildLabel();
    CVideoOptions& options = CVideoOptions::instance();
    noteFailedSave(app(), options.save(), options.file());
}

CMenuObtiznost::CMenuObtiznost(const std::string& caption) : CMenuPrepinaciPolozka2(caption)
{
    addChoice(0, "spacek");
    addChoice(1, "sokolik");
    addChoice(2, "orel skalni");
    refresh();
}

void CMenuObtiznost::activate()
{
    if (app().gameInProgress)
        return;
    CMenuPrepinaciPolozka2::activate();
    CGlobals::instance().setDifficulty(static_cast<Uint32>(choices[current].first));
    CVideoOptions& options = CVideoOptions::instance();
    noteFailedSave(app(), options.save(), options.file());
}

void CMenuObtiznost::refresh()
{
    // A difficulty that is none of the choices (a hand-edited "video.cfg") shows the first.
    const Uint32 difficulty = CGlobals::instance().difficulty;
    size_t shown = 0;
    for (size_t i = 0; i < choices.size(); ++i)
        if (static_cast<Uint32>(choices[i].first) == difficulty)
            shown = i;
    if (shown == current)
        return;
    current = shown;
    rebuildLabel();
}

CControlKey::CControlKey(const std::string& caption, Uint16 CControlOptions::*boundKey)
    : CMenuKeyPolozka(caption, CControlOptions::instance().*boundKey), binding(boundKey)
{
}

void CControlKey::activate()
{
    CMenuKeyPolozka::activate();
    CControlOptions::instance().*binding = key;
}
