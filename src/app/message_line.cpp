#include "app/message_line.h"

#include "app/clock.h"
#include "gfx/font.h"
#include "gfx/video.h"

void CMessageLine::show(const std::string& text)
{
    if (!text.empty())
        lines.push_back(text);
}

void CMessageLine::draw(SDL_Surface* screen, const CFont& font)
{
    const Uint32 now = currentTicks();
    if (onScreen && now - shownSince >= shownMs) {
        lines.pop_front();
        onScreen = false;
    }
    if (lines.empty() || !screen)
        return;
    if (!onScreen) {
        onScreen = true;
        shownSince = now;
    }
    const int margin = 4;
    const int top = screen->h - font.height() - 2 * margin;
    SDL_Rect band = {0, static_cast<Sint16>(top), static_cast<Uint16>(screen->w),
                     static_cast<Uint16>(font.height() + 2 * margin)};
    glSDL_FillRect(screen, &band, SDL_MapRGB(screen->format, 0, 0, 0));
    font.write(screen, lines.front(), (screen->w - font.textWidth(lines.front())) / 2, top + margin);
}
