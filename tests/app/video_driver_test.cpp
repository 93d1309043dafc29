#include <gtest/gtest.h>

#include "app/video_driver.h"

namespace {

const char* const notSet = nullptr;

TEST(VideoDriver, ATextModeDriverIsRefusedUnlessThePlayerNamedIt)
{
    for (const char* driver : {"caca", "aalib"}) {
        EXPECT_EQ(videoDriverRefusal(driver, notSet, notSet), "no graphical display: DISPLAY is not set") << driver;
        EXPECT_EQ(videoDriverRefusal(driver, "", ""), "no graphical display: DISPLAY is not set") << driver;
        EXPECT_EQ(videoDriverRefusal(driver, driver, notSet), "") << driver;
    }
    // A display that is set but could not be opened is named.
    EXPECT_EQ(videoDriverRefusal("caca", notSet, ":7"), "no graphical display: the X display :7 cannot be opened");
}

TEST(VideoDriver, GraphicalDriversPlayWithOrWithoutADisplay)
{
    for (const char* driver : {"x11", "fbcon", "directfb", "dummy"}) {
        EXPECT_EQ(videoDriverRefusal(driver, notSet, notSet), "") << driver;
        EXPECT_EQ(videoDriverRefusal(driver, notSet, ":0"), "") << driver;
    }
}

}
