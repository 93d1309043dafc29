#include "frontend/stav_tip.h"

#include "app/application.h"
#include "app/input.h"
#include "game/level.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/video.h"

std::vector<std::string> wrapHint(const std::string& text, const CFont& font)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '|')
            line += c;
        const bool last = i + 1 == text.size();
        if ((c == ' ' && font.textWidth(line) > 250) || c == '|' || last) {
            lines.push_back(line);
            line.clear();
        }
    }
    return lines;
}

CStavHry_Tip::CStavHry_Tip() : CStavHry("TIP") {}

CStavHry_Tip::~CStavHry_Tip() = default;

void CStavHry_Tip::enter(CApplication* application)
{
    activate();
    app = application;
    interruption = CInterruption();
    window = spriteCollection()->createCopy("TIPWINDOW");
    window->setFrameset("FRAMESET1");
    window->setPosition(75, 120);
    guard = std::make_unique<CTimer>(1000);
}

void CStavHry_Tip::leave()
{
    deactivate();
    window.reset();
    guard.reset();
    lines.clear();
}

void CStavHry_Tip::frame()
{
    if (interruption.measure()) {
        guard->restart();
        lines = app->level ? wrapHint(app->level->hintText(), *app->smallFont) : std::vector<std::string>();
    }

    while (pollEvent(&app->event)) {
        const Uint8 type = app->event.type;
        if ((type == SDL_KEYDOWN || type == SDL_MOUSEBUTTONDOWN) && guard->expired()) {
            CInterruption::resumePlay();
            app->switchTo("HRA");
            return;
        }
        if (type == SDL_QUIT)
            app->running = false;
    }

    SDL_Surface* screen = glSDL_GetVideoSurface();
    window->drawAnimated(screen);
    const CFont& font = *app->smallFont;
    for (size_t n = 0; n < lines.size(); ++n)
        font.write(screen, lines[n], 195, static_cast<int>(140 + n * font.height()));
    glSDL_Flip(screen);
}
