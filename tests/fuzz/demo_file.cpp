// A demo file as a replay reads it, and every frame played back: each read of the event queue
// gets the recorded event, as the game's states would.
#include "demo/demo_file.h"
#include "demo/demo_player.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInputFile input(data, size, "game.demo");
    CDemo demo;
    std::string error;
    if (!readDemoFile(input.path(), demo, error))
        return 0;
    CDemoPlayer player(demo);
    volatile int keys = 0;
    while (player.beginFrame()) {
        SDL_Event event;
        int x, y;
        player.mouseState(&x, &y);
        while (player.pollEvent(&event) && event.type != SDL_QUIT)
            if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
                SDLKey key = event.key.keysym.sym;
                SDLMod mod = event.key.keysym.mod;
                keys = keys + key + mod;
            }
    }
    return 0;
}
