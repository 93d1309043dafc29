// The video menu's full-screen item follows the state the game is in now, also after Alt+Enter
// switched it behind the item's back: what it switches and what it shows.
#include <gtest/gtest.h>

#include <memory>

#include "front_end_fixture.h"
#include "frontend/menu.h"
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

class MenuFullscreenShown : public FrontEndTest
{
protected:
    MenuFullscreenShown() : menu("videoMenu", &app)
    {
        CVideoOptions::instance().setFullscreen(false);
        auto made = std::make_unique<CMenuFullscreen>("cela obrazovka");
        item = made.get();
        menu.add(std::move(made));
    }
    ~MenuFullscreenShown() override { CVideoOptions::instance().setFullscreen(false); }
    void update() { menu.update(70, 245, *app.smallFont); }

    CMenu menu;
    CMenuFullscreen* item;
};

TEST_F(MenuFullscreenShown, TheLabelFollowsAltEnterWhileTheMenuIsShown)
{
    update();
    EXPECT_EQ(item->displayText(), ">[ ] cela obrazovka");
    CVideoOptions::instance().setFullscreen(true);  // Alt+Enter
    update();
    EXPECT_EQ(item->displayText(), ">[X] cela obrazovka");
    CVideoOptions::instance().setFullscreen(false);  // and back
    update();
    EXPECT_EQ(item->displayText(), ">[ ] cela obrazovka");
}

}
