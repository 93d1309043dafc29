#include "scripted_rand.h"

#include <cstdlib>
#include <deque>

namespace {

std::deque<int>& script()
{
    static std::deque<int> values;
    return values;
}

}

void scriptRand(std::initializer_list<int> values)
{
    script().assign(values);
}

int scriptedRandLeft()
{
    return static_cast<int>(script().size());
}

// The C library's rand() is its random(), and srand() seeds both.
extern "C" int rand() noexcept
{
    if (script().empty())
        return static_cast<int>(random());
    int value = script().front();
    script().pop_front();
    return value;
}
