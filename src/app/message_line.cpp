#include "app/message_line.h"

#include <algorithm>

#include "app/clock.h"
#include "gfx/font.h"
#include "gfx/video.h"

void CMessageLine::show(const std::string& text)
{
    if (!text.empty())
        lines.push_back(text);
}

void CMessageLine::withdraw(const std::string& text)
{
    if (!lines.empty() && lines.front() == text)
        onScreen = false;
    lines.erase(std::remove(lines.begin(), lines.end(), text), lines.end());
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
    const int margin = 4;
    if (!onScreen) {
        onScreen = true;
        shownSince = now;
        fitted = lines.front();
        const int room = screen->w - 2 * margin;
        if (font.textWidth(fitted) > room) {
            while (!fitted.empty() && font.textWidth(fitted + "...") > room)
                fitted.pop_back();
            fitted += "...";
        }
    }
    const int top = screen->h - font.height() - 2 * margin;
    SDL_Rect band = {0, static_cast<Sint16>(top), static_cast<Uint16>(screen->w),
                     static_cast<Uint16>(font.height() + 2 * margin)};
    glSDL_FillRect(screen, &band, SDL_MapRGB(screen->format, 0, 0, 0));
    font.write(screen, fitted, (screen->w - font.textWidth(fitted)) / 2, top + margin);
}
