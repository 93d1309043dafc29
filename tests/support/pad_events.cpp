#include "support/pad_events.h"

#include <gtest/gtest.h>

namespace {

void push(SDL_Event& event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

}

void pushHat(Uint8 value)
{
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.value = value;
    push(event);
}

void pushAxis(Uint8 axis, Sint16 value)
{
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    push(event);
}

void pushButton(Uint8 button, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.button = button;
    event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    push(event);
}

void drainSdlQueue()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

CScopedInput::CScopedInput(CInputSource& source) : previous(inputSource())
{
    drainSdlQueue();
    setInputSource(&source);
}

CScopedInput::~CScopedInput()
{
    setInputSource(previous);
    drainSdlQueue();
}
