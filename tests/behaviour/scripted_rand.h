#pragma once

#include <initializer_list>

// Makes the next calls of rand() return these raw values, in order; once they are used up (and
// in every test that scripts nothing) rand() is the C library's own, seeded by srand() as usual.
void scriptRand(std::initializer_list<int> values);
// How many scripted values are still to be drawn.
int scriptedRandLeft();
