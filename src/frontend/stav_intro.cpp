#include "frontend/stav_intro.h"

#include "app/application.h"
#include "app/globals.h"
#include "frontend/menu_tree.h"
#include "frontend/score_format.h"
#include "gfx/font.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"
#include "sound/sound_engine.h"

void CStavHry_Intro::enter(CApplication* application)
{
    activate();
    app = application;
    background = CSurfaceManager::instance().getSurface("intro.png");
    manager = std::make_unique<CMenuManager>();
    buildMenuTree(*manager, app);
    CGlobals::instance().menuName = "mainMenu";
    manager->switchTo("mainMenu");
    shownRevision = app->highScores.revision() - 1;
}

void CStavHry_Intro::leave()
{
    deactivate();
    manager.reset();
    scoreRows.clear();
}

void CStavHry_Intro::frame()
{
    CGlobals& globals = CGlobals::instance();
    if (app->gameInProgress)
        interruption.measure();
    if (globals.musicPlaying != "MENU") {
        CSoundEngine& sound = CSoundEngine::instance();
        sound.stopMusic();
        sound.playMusic("MENU");
        globals.musicPlaying = "MENU";
    }
    if (globals.menuName != manager->currentName())
        manager->switchTo(globals.menuName);

    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (background)
        glSDL_BlitSurface(background, nullptr, screen, nullptr);
    drawHighScores(screen);
    const std::string& menuName = manager->currentName();
    const bool large = menuName == "mainMenu" || menuName == "inGameMenu";
    manager->update(70, 245, large ? *app->largeFont : *app->smallFont);
    glSDL_Flip(screen);
}

void CStavHry_Intro::drawHighScores(SDL_Surface* screen)
{
    const CFont& font = *app->smallFont;
    const CHighScoreTable& table = app->highScores;
    if (shownRevision != table.revision()) {
        shownRevision = table.revision();
        scoreRows.clear();
        for (size_t i = 0; i < table.count(); ++i) {
            const std::string score = formatScore(table.entry(i).score);
            scoreRows.push_back({std::to_string(i + 1) + ". " + table.entry(i).name, score,
                                 590 - font.textWidth(score)});
        }
    }
    for (size_t i = 0; i < scoreRows.size(); ++i) {
        const int y = 240 + static_cast<int>(i) * font.height();
        font.write(screen, scoreRows[i].place, 350, y);
        font.write(screen, scoreRows[i].score, scoreRows[i].scoreX, y);
    }
}
