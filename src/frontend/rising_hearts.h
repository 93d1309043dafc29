#pragma once

#include <memory>
#include <vector>

#include <SDL.h>

class CSprite;

// The decoration of the entry screens: 50 hearts rising at 1, 2 or 3 pixels per step; a heart
// that has left the top of the screen is replaced by a new one starting below the bottom.
class CRisingHearts
{
public:
    static const int heartCount = 50;

    CRisingHearts();
    ~CRisingHearts();
    CRisingHearts(const CRisingHearts&) = delete;
    CRisingHearts& operator=(const CRisingHearts&) = delete;

    // Moves every heart by its speed times the frame factor and draws it.
    void moveAndDraw(SDL_Surface* screen);

    struct Heart
    {
        int x;
        float y;
        int speed;
        std::unique_ptr<CSprite> sprite;
    };
    const std::vector<Heart>& hearts() const { return all; }

private:
    static Heart makeHeart(int x, float y);

    std::vector<Heart> all;
};
