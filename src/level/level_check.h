#pragma once

#include <string>
#include <vector>

// What a level set must hold beyond what the loaders refuse: the faults that let a level load
// and then misbehave (a frozen walker, a balloon gone on its first frame, droppings falling for
// ever, a level that never ends). The check reads the files through the game's own loaders,
// relative to the working directory, with the sprite collection, the entity prototypes and the
// sounds already registered as start-up leaves them.

// One fault: where it is and what is wrong.
struct CLevelProblem
{
    std::string set;
    std::string level;
    std::string file;
    std::string what;

    // "set easy, level l2: data/maps/easy/l2_map.xml: row 14 is not solid at column 7 (...)"
    std::string message() const;
};

// The levels of every set, in playing order; "credits" is not played and not listed.
extern const std::vector<std::string> levelOrder;
// The backdrop level every set needs besides its list.
extern const char* const creditsLevel;
// The rescue level, the one level played without a bird.
extern const char* const rescueLevel;

// The set's level list: present, the levels of levelOrder in that order, the password levels in it.
std::vector<CLevelProblem> checkLevelList(const std::string& set);

// One level of a set (or its "credits"): its files, its definition, its map and what it places.
std::vector<CLevelProblem> checkLevel(const std::string& set, const std::string& level);
