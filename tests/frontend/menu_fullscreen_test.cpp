// The video menu's full-screen item switches the state the game is in now, also after Alt+Enter
// switched it behind the item's back.
#include <gtest/gtest.h>

#include "frontend/menu_actions.h"
#include "options/options.h"

namespace {

TEST(MenuFullscreen, SwitchesFromTheCurrentStateAfterAltEnter)
{
    CVideoOptions& options = CVideoOptions::instance();
    options.setFullscreen(false);
    CMenuFullscreen item("cela obrazovka");
    options.setFullscreen(true);  // Alt+Enter
    item.activate();
    EXPECT_FALSE(options.getFullscreen());
    EXPECT_FALSE(item.getValue());
    item.activate();
    EXPECT_TRUE(options.getFullscreen());
    EXPECT_TRUE(item.getValue());
    options.setFullscreen(false);
}

}
