#include "frontend/rising_hearts.h"

#include <cstdlib>

#include "app/globals.h"
#include "gfx/sprite.h"

namespace {

const char* const heartSprites[] = {"SRDCE1", "SRDCE2", "SRDCE3"};

}

CRisingHearts::Heart CRisingHearts::makeHeart(int x, float y)
{
    Heart heart;
    heart.x = x;
    heart.y = y;
    heart.speed = -(std::rand() % 3 + 1);
    heart.sprite = spriteCollection()->createCopy(heartSprites[std::rand() % 3]);
    heart.sprite->setFrameset("FRAMESET1");
    heart.sprite->setPosition(heart.x, static_cast<int>(heart.y));
    return heart;
}

CRisingHearts::CRisingHearts()
{
    all.reserve(heartCount);
    for (int i = 0; i < heartCount; ++i) {
        int x = std::rand() % 600;
        int y = std::rand() % 500;
        all.push_back(makeHeart(x, static_cast<float>(y)));
    }
}

CRisingHearts::~CRisingHearts() = default;

void CRisingHearts::moveAndDraw(SDL_Surface* screen)
{
    const float factor = CGlobals::instance().frameFactor;
    size_t i = 0;
    size_t visits = all.size();
    while (visits-- > 0) {
        Heart& heart = all[i];
        heart.y += heart.speed * factor;
        heart.sprite->setPosition(heart.x, static_cast<int>(heart.y));
        heart.sprite->drawAnimated(screen);
        if (heart.y < -50) {
            all.erase(all.begin() + static_cast<long>(i));
            all.push_back(makeHeart(std::rand() % 600, 500));
        } else {
            ++i;
        }
    }
}
