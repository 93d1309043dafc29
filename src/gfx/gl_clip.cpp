#include "gfx/gl_clip.h"

namespace {

// SDL's rectangle intersection (not exported by SDL 1.2): an empty result still has its corner
// written, with zero size.
bool intersect(const SDL_Rect& a, const SDL_Rect& b, SDL_Rect& result)
{
    int low = a.x > b.x ? a.x : b.x;
    int high = a.x + a.w < b.x + b.w ? a.x + a.w : b.x + b.w;
    result.x = static_cast<Sint16>(low);
    result.w = static_cast<Uint16>(high > low ? high - low : 0);
    low = a.y > b.y ? a.y : b.y;
    high = a.y + a.h < b.y + b.h ? a.y + a.h : b.y + b.h;
    result.y = static_cast<Sint16>(low);
    result.h = static_cast<Uint16>(high > low ? high - low : 0);
    return result.w && result.h;
}

}

bool clipBlit(const SDL_Surface* source, const SDL_Rect* sourceRect, const SDL_Surface* target,
              SDL_Rect* targetRect, SDL_Rect& sourceArea)
{
    SDL_Rect wholeTarget = {0, 0, 0, 0};
    SDL_Rect* position = targetRect ? targetRect : &wholeTarget;
    int x = 0;
    int y = 0;
    int w = source->w;
    int h = source->h;
    if (sourceRect) {
        x = sourceRect->x;
        w = sourceRect->w;
        if (x < 0) {
            w += x;
            position->x -= x;
            x = 0;
        }
        if (source->w - x < w)
            w = source->w - x;
        y = sourceRect->y;
        h = sourceRect->h;
        if (y < 0) {
            h += y;
            position->y -= y;
            y = 0;
        }
        if (source->h - y < h)
            h = source->h - y;
    }

    const SDL_Rect& clip = target->clip_rect;
    int d = clip.x - position->x;
    if (d > 0) {
        w -= d;
        position->x += d;
        x += d;
    }
    d = position->x + w - clip.x - clip.w;
    if (d > 0)
        w -= d;
    d = clip.y - position->y;
    if (d > 0) {
        h -= d;
        position->y += d;
        y += d;
    }
    d = position->y + h - clip.y - clip.h;
    if (d > 0)
        h -= d;

    if (w <= 0 || h <= 0) {
        position->w = position->h = 0;
        return false;
    }
    position->w = static_cast<Uint16>(w);
    position->h = static_cast<Uint16>(h);
    sourceArea = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    return true;
}

bool clipFill(const SDL_Surface* target, SDL_Rect* rect, SDL_Rect& area)
{
    if (!rect) {
        area = target->clip_rect;
        return area.w > 0 && area.h > 0;
    }
    if (!intersect(*rect, target->clip_rect, *rect))
        return false;
    area = *rect;
    return true;
}

bool clipToSurface(const SDL_Surface* surface, const SDL_Rect* rect, SDL_Rect& area)
{
    SDL_Rect whole = {0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
    if (!rect) {
        area = whole;
        return true;
    }
    return intersect(*rect, whole, area);
}
