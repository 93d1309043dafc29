#pragma once

// Gives a manager class its one instance, made on first use and destroyed by the
// runtime's exit handlers in reverse order of first use.
template <class T>
class Singleton
{
public:
    static T& instance()
    {
        static T theInstance;
        return theInstance;
    }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

protected:
    Singleton() = default;
    virtual ~Singleton() = default;
};
