#include "frontend/stav_uvod.h"

#include "app/application.h"
#include "app/input.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/surface_manager.h"
#include "gfx/video.h"

namespace {

// One picture of the story with the lines written under it, shown from its stage on.
struct StoryCard
{
    int fromStage;
    const char* sprite;
    int x, y;
    int textX, textY;
    const char* lines[3];
};

const StoryCard storyCards[CStavHry_Uvod::pictureCount] = {
    {2, "INTRO1", 0, 0, 10, 280,
     {"Jednoho dne nechal nas maly hrdina", "vajicka vajicky, dostal totiz velmi", "kruty hlad."}},
    {3, "INTRO2", 130, 110, 150, 380, {"To byla chyba, nekdo jiny tu uz", "sprada svoje vlastni plany... ", nullptr}},
    {4, "INTRO3", 296, 223, 0, 0, {nullptr, nullptr, nullptr}},
};

const int storyLineSpacing = 30;

}

CStavHry_Uvod::CStavHry_Uvod() : CStavHry("UVOD") {}

CStavHry_Uvod::~CStavHry_Uvod() = default;

void CStavHry_Uvod::enter(CApplication* application)
{
    activate();
    app = application;
    background = CSurfaceManager::instance().getSurface("blankbg.png");
    logo = CSurfaceManager::instance().getSurface("zq.png");
    stageTimer = std::make_unique<CTimer>(8000);
    stage = 1;
    for (int i = 0; i < pictureCount; ++i) {
        pictures[i] = spriteCollection()->createCopy(storyCards[i].sprite);
        pictures[i]->setFrameset("FRAMESET1");
        pictures[i]->setPosition(storyCards[i].x, storyCards[i].y);
    }
}

void CStavHry_Uvod::leave()
{
    deactivate();
    stageTimer.reset();
    for (auto& picture : pictures)
        picture.reset();
}

void CStavHry_Uvod::endStory()
{
    leave();
    app->switchTo("INTRO");
}

void CStavHry_Uvod::frame()
{
    if (stageTimer->expired() && stage < lastStage)
        ++stage;

    SDL_Surface* screen = glSDL_GetVideoSurface();
    if (stage == 1) {
        if (logo)
            glSDL_BlitSurface(logo, nullptr, screen, nullptr);
        app->largeFont->write(screen, " uvadi", 245, 430);
    } else {
        if (background)
            glSDL_BlitSurface(background, nullptr, screen, nullptr);
        for (int i = 0; i < pictureCount; ++i) {
            const StoryCard& card = storyCards[i];
            if (stage < card.fromStage)
                break;
            pictures[i]->drawAnimated(screen);
            for (int n = 0; n < 3 && card.lines[n]; ++n)
                app->smallFont->write(screen, card.lines[n], card.textX, card.textY + n * storyLineSpacing);
        }
    }
    glSDL_Flip(screen);

    while (pollEvent(&app->event)) {
        if (app->event.type == SDL_KEYDOWN) {
            endStory();
            return;
        }
        if (app->event.type == SDL_QUIT)
            app->running = false;
    }
    if (stage == lastStage)
        endStory();
}
