#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Every test binary runs with SDL initialised on the dummy video and audio drivers and a
// 640 x 480 plain screen, so that display-format conversions and blits work without a display.
class SdlEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new SdlEnvironment);

}
