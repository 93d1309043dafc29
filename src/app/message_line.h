#pragma once

#include <SDL.h>

#include <deque>
#include <string>

class CFont;

// A short line at the bottom of the screen, over whatever state is current, for a few seconds:
// a player file that could not be read or saved, a level reloaded by its designer. Lines shown
// while one is on screen wait their turn. The application draws it into every frame just before
// the frame is shown.
class CMessageLine
{
public:
    static const Uint32 shownMs = 5000;

    void show(const std::string& text);
    // Takes back every line of that text, the one on screen too.
    void withdraw(const std::string& text);
    // The line on screen (or about to be), "" when there is none.
    std::string current() const { return lines.empty() ? std::string() : lines.front(); }
    // Draws the current line with the font, on a dark band across the bottom of the screen; a
    // line's time starts with its first drawing. A line too wide for the screen is cut short
    // with "...".
    void draw(SDL_Surface* screen, const CFont& font);

private:
    std::deque<std::string> lines;
    std::string fitted;  // the line on screen as it fits
    bool onScreen = false;
    Uint32 shownSince = 0;
};
