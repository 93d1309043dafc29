#pragma once

#include <SDL.h>

#include <string>

// Character codes the entry screens react to.
constexpr Uint16 backspaceCode = 8;
constexpr Uint16 returnCode = 13;

// One typed character applied to a name or password of at most maxLength characters: printable
// ASCII (32..127) is appended while there is room, backspace removes the last character; every
// other code changes nothing.
void editTypedText(std::string& text, Uint16 unicode, size_t maxLength);
