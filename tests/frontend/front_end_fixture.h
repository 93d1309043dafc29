#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "app/clock.h"
#include "app/globals.h"
#include "gfx/video.h"
#include "support/scripted_input.h"
#include "support/surfaces.h"
#include "support/test_support.h"

class CSpriteCollection;

// A state the front end hands over to: it counts how often it was entered, left and shown.
class CRecordingState : public CStavHry
{
public:
    explicit CRecordingState(const std::string& stateName) : CStavHry(stateName) {}
    void enter(CApplication*) override
    {
        activate();
        ++entered;
    }
    void frame() override { ++shown; }
    void leave() override
    {
        deactivate();
        ++left;
    }

    int entered = 0;
    int left = 0;
    int shown = 0;
};

// The front end without the game's data: the test world's sprites plus the front-end sprites
// (plain 10 x 10 pictures), the game's three fonts in a temporary runtime root, an easy level set
// of "l1", "l6" and "l1b" with the "credits" backdrop, a virtual clock, scripted input, and an
// application with its fonts and prototype controllers. Each test registers the states it needs.
class FrontEndTest : public ::testing::Test
{
protected:
    FrontEndTest();
    ~FrontEndTest() override;

    template <class State>
    State& add()
    {
        auto state = std::make_unique<State>();
        State& added = *state;
        app.addState(std::move(state));
        return added;
    }
    CRecordingState& record(const std::string& stateName);
    // Enters the state and makes it the current one.
    void start(const std::string& stateName);
    // Main-loop passes of 20 ms each, with the frame factor of 20 ms frames.
    void frames(int count);
    SDL_Surface* screen() const;

    TempDir dir;
    ScopedChdir inDir{dir.path()};
    ScopedHome home{dir.path()};
    CVirtualClock clock{100000};
    CScopedClock installed{&clock};
    CScriptedInput input;
    CGlobals& globals = CGlobals::instance();
    CApplication app;

private:
    CSpriteCollection* collection;
};
