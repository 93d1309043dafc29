#pragma once

#include <string>

class CApplication;

// A level designer's reload (F5): the sprite collection with its pictures and the named level's
// files (definition, tile definitions, map, entities, hint) are read again from disk and the
// level starts over with them. Everything is read into new objects first and put in place only
// when all of it has loaded, so a fault in the files leaves the level, the sprite collection, the
// entity prototypes and the pictures as they were and the level plays on.
struct CReloadOutcome
{
    std::string fault;        // as standard error shows it, "FILE:LINE: what is wrong"; "" when reloaded
    std::string screenFault;  // the same naming the file without its folder, for the message line

    bool reloaded() const { return fault.empty(); }
};

CReloadOutcome reloadLevel(CApplication& app, const std::string& levelName);
