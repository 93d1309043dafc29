#include "app/clock.h"

namespace {

CClockSource* installedSource = nullptr;

}

Uint32 currentTicks()
{
    return installedSource ? installedSource->ticks() : SDL_GetTicks();
}

void waitTicks(Uint32 ms)
{
    if (installedSource)
        installedSource->delay(ms);
    else
        SDL_Delay(ms);
}

void setClockSource(CClockSource* source)
{
    installedSource = source;
}

CClockSource* clockSource()
{
    return installedSource;
}
