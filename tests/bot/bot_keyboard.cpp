#include "bot/bot_keyboard.h"

#include "options/options.h"

CBotKeyboard::CBotKeyboard() : previous(inputSource())
{
    setInputSource(this);
}

CBotKeyboard::~CBotKeyboard()
{
    setInputSource(previous);
}

int CBotKeyboard::pollEvent(SDL_Event* event)
{
    if (events.empty())
        return 0;
    *event = events.front();
    events.pop_front();
    return 1;
}

Uint8 CBotKeyboard::mouseState(int* x, int* y)
{
    if (x)
        *x = 0;
    if (y)
        *y = 0;
    return 0;
}

void CBotKeyboard::queue(Uint8 type, Uint16 key)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    events.push_back(event);
}

void CBotKeyboard::hold(const CControls& keys)
{
    const CControlOptions& options = CControlOptions::instance();
    const struct
    {
        bool CControls::*key;
        Uint16 symbol;
    } controls[] = {{&CControls::left, options.left}, {&CControls::right, options.right}, {&CControls::up, options.up},
                    {&CControls::down, options.down}, {&CControls::shoot, options.shoot}};
    for (const auto& control : controls) {
        if (keys.*control.key == current.*control.key)
            continue;
        queue(keys.*control.key ? SDL_KEYDOWN : SDL_KEYUP, control.symbol);
        current.*control.key = keys.*control.key;
    }
    if (keys.fire && !current.shoot) {
        queue(SDL_KEYDOWN, options.shoot);
        queue(SDL_KEYUP, options.shoot);
    }
}

void CBotKeyboard::tap(SDLKey key)
{
    queue(SDL_KEYDOWN, static_cast<Uint16>(key));
    queue(SDL_KEYUP, static_cast<Uint16>(key));
}

void CBotKeyboard::reset()
{
    events.clear();
    current = CControls();
}
