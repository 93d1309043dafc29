#include "support/scripted_input.h"

#include "options/options.h"

int CScriptedInput::pollEvent(SDL_Event* event)
{
    if (queue.empty())
        return 0;
    *event = queue.front();
    queue.pop_front();
    return 1;
}

Uint8 CScriptedInput::mouseState(int* x, int* y)
{
    if (x)
        *x = mouseX;
    if (y)
        *y = mouseY;
    return 0;
}

void CScriptedInput::keyDown(SDLKey key, Uint16 unicode)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.unicode = unicode;
    queue.push_back(event);
}

void CScriptedInput::keyUp(SDLKey key)
{
    SDL_Event event{};
    event.type = SDL_KEYUP;
    event.key.keysym.sym = key;
    queue.push_back(event);
}

void CScriptedInput::mouseButton(int x, int y, Uint8 button)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    mouseX = x;
    mouseY = y;
    queue.push_back(event);
}

void CScriptedInput::mouseMotion(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    mouseX = x;
    mouseY = y;
    queue.push_back(event);
}

void CScriptedInput::quit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    queue.push_back(event);
}

void defaultControlKeys()
{
    CControlOptions& keys = CControlOptions::instance();
    keys.up = SDLK_w;
    keys.down = SDLK_s;
    keys.left = SDLK_a;
    keys.right = SDLK_d;
    keys.shoot = SDLK_SPACE;
}
