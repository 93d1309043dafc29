#pragma once

#include <SDL.h>

#include <memory>
#include <string>

// A proportional bitmap font cut from a one-row strip: glyphs for "!" upwards, each preceded by
// a run of magenta pixels in row 0; the bottom-left pixel gives the transparent colour.
class CFont
{
public:
    // Takes ownership of the image; a null image throws "Couldn't initialize font.".
    explicit CFont(SDL_Surface* image);
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    void write(SDL_Surface* target, const char* text, int x, int y) const;
    void write(SDL_Surface* target, const std::string& text, int x, int y) const
    {
        write(target, text.c_str(), x, y);
    }
    int textWidth(const char* text) const;
    int textWidth(const std::string& text) const { return textWidth(text.c_str()); }
    int height() const;

    // The glyph offset of a character, or -1 when the character draws as a blank.
    int glyphOffset(unsigned char c) const;
    int spaceAdvance() const { return positions[2] - positions[1]; }

private:
    static const int positionCount = 512;

    SDL_Surface* image = nullptr;
    int positions[positionCount] = {};
    int recordedPositions = 0;
    int lastPosition = 0;
};

// Loads a font strip from a file; a file that cannot make a font ends the program with
// "Couldn't initialize font." (status 255).
std::unique_ptr<CFont> loadFont(const std::string& file);
