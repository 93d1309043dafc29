#include "app/input.h"

namespace {

CInputSource* installedSource = nullptr;

}

int pollEvent(SDL_Event* event)
{
    return installedSource ? installedSource->pollEvent(event) : SDL_PollEvent(event);
}

Uint8 mouseState(int* x, int* y)
{
    return installedSource ? installedSource->mouseState(x, y) : SDL_GetMouseState(x, y);
}

void setInputSource(CInputSource* source)
{
    installedSource = source;
}

CInputSource* inputSource()
{
    return installedSource;
}
