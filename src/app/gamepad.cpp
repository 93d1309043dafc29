#include "app/gamepad.h"

#include <string>

#include "app/logger.h"
#include "options/options.h"

namespace {

enum Action { moveUp, moveDown, moveLeft, moveRight, shoot, back, pause };

struct ActionKeys
{
    Uint16 CControlOptions::*configured;  // the key of the controls menu, in play
    SDLKey inPlay;                        // in play when no key of the controls menu stands for it
    SDLKey elsewhere;                     // on every other screen: menus, pause, hint, name entry
};

// What the pad does, in one place.
const ActionKeys actionKeys[] = {
    {&CControlOptions::up, SDLK_UNKNOWN, SDLK_UP},
    {&CControlOptions::down, SDLK_UNKNOWN, SDLK_DOWN},
    {&CControlOptions::left, SDLK_UNKNOWN, SDLK_LEFT},
    {&CControlOptions::right, SDLK_UNKNOWN, SDLK_RIGHT},
    {&CControlOptions::shoot, SDLK_UNKNOWN, SDLK_RETURN},
    {nullptr, SDLK_ESCAPE, SDLK_ESCAPE},
    {nullptr, SDLK_p, SDLK_p},
};

// The action of each source of the pad, in the order of CGamepad::Source (the keyboard has none).
const Action sourceActions[CGamepad::sourceCount] = {
    moveUp, moveUp, moveDown, moveLeft, moveRight, moveUp, moveDown, moveLeft, moveRight, shoot, back, pause,
};

// Buttons on the common layout of game pads: A, B and start.
constexpr Uint8 firstButtonNumber = 0;
constexpr Uint8 secondButtonNumber = 1;
constexpr Uint8 startButtonNumber = 7;

Uint16 bit(CGamepad::Source source)
{
    return static_cast<Uint16>(1u << source);
}

bool isJoystickEvent(Uint8 type)
{
    return type == SDL_JOYAXISMOTION || type == SDL_JOYBALLMOTION || type == SDL_JOYHATMOTION ||
           type == SDL_JOYBUTTONDOWN || type == SDL_JOYBUTTONUP;
}

}

CGamepad::CGamepad(CInputSource& source) : below(source) {}

CGamepad::~CGamepad()
{
    close();
}

bool CGamepad::open()
{
    if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        CLogger::instance().write(std::string("No joystick support: ") + SDL_GetError());
        return false;
    }
    if (SDL_NumJoysticks() > 0)
        joystick = SDL_JoystickOpen(0);
    if (!joystick) {
        CLogger::instance().write("No joystick found");
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    const char* name = SDL_JoystickName(0);
    CLogger::instance().write(std::string("Joystick: ") + (name ? name : "?"));
    return true;
}

void CGamepad::close()
{
    if (!joystick)
        return;
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

int CGamepad::pollEvent(SDL_Event* event)
{
    for (;;) {
        if (pendingCount > 0) {
            *event = pending[pendingStart];
            pendingStart = (pendingStart + 1) % pendingRoom;
            --pendingCount;
            return 1;
        }
        SDL_Event got;
        if (!below.pollEvent(&got))
            return 0;
        if (isJoystickEvent(got.type)) {
            translate(got);
            continue;
        }
        if ((got.type == SDL_KEYDOWN || got.type == SDL_KEYUP) && !passKeyboard(got))
            continue;
        *event = got;
        return 1;
    }
}

Uint8 CGamepad::mouseState(int* x, int* y)
{
    return below.mouseState(x, y);
}

void CGamepad::translate(const SDL_Event& event)
{
    // Each input is one source; a change releases before it presses, so a hat rolled from one
    // side to the other lets go of the first key before the second goes down.
    Source changed[4];
    bool held[4];
    int count = 0;
    auto add = [&](Source source, bool isHeld) {
        changed[count] = source;
        held[count++] = isHeld;
    };
    switch (event.type) {
    case SDL_JOYHATMOTION:
        if (event.jhat.which != 0 || event.jhat.hat != 0)
            return;
        add(hatUp, event.jhat.value & SDL_HAT_UP);
        add(hatDown, event.jhat.value & SDL_HAT_DOWN);
        add(hatLeft, event.jhat.value & SDL_HAT_LEFT);
        add(hatRight, event.jhat.value & SDL_HAT_RIGHT);
        break;
    case SDL_JOYAXISMOTION:
        if (event.jaxis.which != 0 || event.jaxis.axis > 1)
            return;
        add(event.jaxis.axis == 0 ? stickLeft : stickUp, event.jaxis.value < -deadZone);
        add(event.jaxis.axis == 0 ? stickRight : stickDown, event.jaxis.value > deadZone);
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        if (event.jbutton.which != 0)
            return;
        if (event.jbutton.button == firstButtonNumber)
            add(firstButton, event.type == SDL_JOYBUTTONDOWN);
        else if (event.jbutton.button == secondButtonNumber)
            add(secondButton, event.type == SDL_JOYBUTTONDOWN);
        else if (event.jbutton.button == startButtonNumber)
            add(startButton, event.type == SDL_JOYBUTTONDOWN);
        break;
    default:
        break;
    }
    for (int i = 0; i < count; ++i)
        if (!held[i])
            hold(changed[i], false);
    for (int i = 0; i < count; ++i)
        if (held[i])
            hold(changed[i], true);
}

bool CGamepad::passKeyboard(const SDL_Event& event)
{
    const Uint16 key = static_cast<Uint16>(event.key.keysym.sym);
    if (key >= SDLK_LAST)
        return true;
    const bool heldByPad = (holders[key] & ~bit(keyboard)) != 0;
    if (event.type == SDL_KEYDOWN)
        holders[key] |= bit(keyboard);
    else
        holders[key] &= static_cast<Uint16>(~bit(keyboard));
    return !heldByPad;
}

void CGamepad::hold(Source source, bool held)
{
    if (!held) {
        release(source);
        return;
    }
    if (pressedKey[source])
        return;
    const ActionKeys& keys = actionKeys[sourceActions[source]];
    if (!playing)
        press(source, keys.elsewhere);
    else if (keys.configured)
        press(source, CControlOptions::instance().*keys.configured);
    else
        press(source, keys.inPlay);
}

void CGamepad::press(Source source, Uint16 key)
{
    if (key == SDLK_UNKNOWN || key >= SDLK_LAST)
        return;
    pressedKey[source] = key;
    const bool wasUp = holders[key] == 0;
    holders[key] |= bit(source);
    if (wasUp)
        queueKey(SDL_KEYDOWN, key);
}

void CGamepad::release(Source source)
{
    const Uint16 key = pressedKey[source];
    if (key == SDLK_UNKNOWN)
        return;
    pressedKey[source] = SDLK_UNKNOWN;
    holders[key] &= static_cast<Uint16>(~bit(source));
    if (holders[key] == 0)
        queueKey(SDL_KEYUP, key);
}

void CGamepad::queueKey(Uint8 type, Uint16 key)
{
    if (pendingCount == pendingRoom)
        return;
    SDL_Event& event = pending[(pendingStart + pendingCount++) % pendingRoom];
    event = SDL_Event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    event.key.keysym.mod = KMOD_NONE;
    // What the keyboard types with the key alone: the ASCII keys are their own characters.
    event.key.keysym.unicode = type == SDL_KEYDOWN && key < 128 ? key : 0;
}
