// The level definition file, with the level clock and the wind step it starts.
#include "app/globals.h"
#include "fuzz/fuzz_support.h"
#include "level/level_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzStartSdl();
    CFuzzInputFile input(data, size, "l1_defs.xml");
    CGlobals& globals = CGlobals::instance();
    refusalsAreFine([&] {
        CLevelDefinition level;
        readLevelDefinition(level, input.path());
        if (globals.levelClock)
            globals.levelClock->expired();
        globals.windTimer->restart();
        globals.stepWind();
    });
    delete globals.levelClock;
    globals.levelClock = nullptr;
    globals.maxWind = 30;
    return 0;
}
