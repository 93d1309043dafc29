#include "app/input.h"

#include "app/window_events.h"

namespace {

CInputSource* installedSource = nullptr;

}

int pollEvent(SDL_Event* event)
{
    return installedSource ? installedSource->pollEvent(event) : pollWindowEvent(event);
}

Uint8 mouseState(int* x, int* y)
{
    return installedSource ? installedSource->mouseState(x, y) : windowMouseState(x, y);
}

void setInputSource(CInputSource* source)
{
    installedSource = source;
}

CInputSource* inputSource()
{
    return installedSource;
}
