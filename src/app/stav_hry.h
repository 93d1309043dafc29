#pragma once

#include <string>

class CApplication;

// A top-level game state: the opening story, the menu, a level being played, the pause...
// States live for the whole run; they are entered and left by name and the main loop calls
// the current one's frame.
class CStavHry
{
public:
    explicit CStavHry(const std::string& stateName) : name(stateName) {}
    virtual ~CStavHry() = default;

    virtual void activate() { inactive = false; }
    virtual void deactivate() { inactive = true; }
    virtual void enter(CApplication* app) = 0;
    virtual void frame() = 0;
    virtual void leave() = 0;

    bool isInactive() const { return inactive; }
    const std::string& getName() const { return name; }

protected:
    bool inactive = true;
    std::string name;
};
