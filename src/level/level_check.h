#pragma once

#include <string>
#include <vector>

#include "level/level_set.h"

// What a level set must hold beyond what the loaders refuse: the faults that let a level load
// and then misbehave (a frozen walker, a balloon gone on its first frame, droppings falling for
// ever, a level that never ends), and what the loaders refuse, caught at the level so that the
// check goes on with the next one. The check reads the files through the game's own loaders,
// relative to the working directory, with the sprite collection, the entity prototypes and the
// sounds already registered as start-up leaves them. Its rules hold for any level set.

// One fault: where it is and what is wrong.
struct CLevelProblem
{
    std::string set;
    std::string level;
    std::string file;
    std::string what;
    int line = 0;  // the line of the XML element at fault; 0 when no line is known

    // "set easy, level l2: data/maps/easy/l2_map.xml: row 14 is not solid at column 7 (...)"
    std::string message() const;
    // "data/maps/easy/l2_map.xml:3: row 14 is not solid at column 7 (...)", without ":3" when
    // no line is known.
    std::string located() const;
};

// The backdrop level a set may hold besides its list, shown behind the credits.
extern const char* const creditsLevel;
// The water carrier: on a level that places one, it answers the keys instead of a bird.
extern const char* const carrierName;
// The index in a level list from which the animal dispenser sends winter animals.
extern const unsigned firstWinterIndex;

// One level of a set at that index of its list (or its credits backdrop): its files, its
// definition, its map and what it places. A loader's fatal error is one more fault.
std::vector<CLevelProblem> checkLevel(const CLevelSet& set, const std::string& level, unsigned index);

// A whole set: its level list, every level it names in turn and its credits backdrop if the set
// has one.
std::vector<CLevelProblem> checkLevelSet(const CLevelSet& set);
