#pragma once

#include <cstdio>
#include <cstdlib>

// Gives a manager class its one instance, made on first use and destroyed by the runtime's exit
// handlers in reverse order of first use. The exit handlers may destroy a manager before another
// whose destructor would use it; so destructors never call instance(), which could touch a
// manager already gone or make a new one at exit: they ask existing() and skip what is not
// there. Using a manager through instance() once it is gone is a fault of the program: it says
// so and aborts instead of touching freed memory.
template <class T>
class Singleton
{
public:
    static T& instance()
    {
        static T theInstance;
        static const bool made = (living = &theInstance, self = &theInstance, true);
        (void)made;
        if (!living) {
            std::fputs("zepo: a manager object was used after the exit handlers destroyed it\n", stderr);
            std::abort();
        }
        return theInstance;
    }

    // The instance while it lives; null before its first use and once it has been destroyed.
    static T* existing() { return living; }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

protected:
    Singleton() = default;
    // Another object of the class (a copy of the defaults, say) leaves the instance alone.
    virtual ~Singleton()
    {
        if (this == self)
            living = nullptr;
    }

private:
    static inline T* living = nullptr;
    static inline const Singleton* self = nullptr;
};
