#include "behaviour/periods.h"

#include "app/globals.h"

Uint32 difficultyPeriod(double baseMs, Uint32 extraMs)
{
    double factor = CGlobals::instance().difficultyFactor;
    return static_cast<Uint32>(factor * baseMs + extraMs);
}
