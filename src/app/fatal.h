#pragma once

#include <string>

// Ends the program after an error: the message goes to the log, and also to standard error
// as "zepo: [file: ]message" so that a player or level designer always learns why the game
// stopped. Data errors end with status -1 (255); a few errors of the design end with 0.
[[noreturn]] void fatalError(const std::string& message, int status = -1);
[[noreturn]] void fatalErrorIn(const std::string& file, const std::string& message, int status = -1);
// The same, with a note for standard error only: "zepo: message (note)".
[[noreturn]] void fatalErrorNote(const std::string& message, const std::string& note, int status = -1);
