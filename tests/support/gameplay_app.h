#pragma once

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/clock.h"
#include "app/globals.h"
#include "support/scripted_input.h"
#include "support/test_support.h"

// A test of the application playing levels from files in a scratch working directory, on a
// virtual clock with scripted input.
class GameplayTest : public ::testing::Test
{
protected:
    // Its fonts, the prototype controllers, the gameplay state with the pause and states "INTRO",
    // "OUTRO", "ENTERTOP10" and "TIP" that only become current; then the gameplay is entered,
    // which loads the first level of the current set. Frames move one unit each.
    void startGameplay();
    // Main-loop passes of 20 ms each.
    void frames(int count);

    TempDir dir;
    ScopedChdir inDir{dir.path()};
    CVirtualClock clock{100000};
    CScopedClock installed{&clock};
    CScriptedInput input;
    CGlobals& globals = CGlobals::instance();
    CApplication app;
};
