// The tile definitions file, and a layer of every defined tile drawn with it.
#include "fuzz/fuzz_support.h"
#include "level/map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzStartSdl();
    CFuzzInputFile input(data, size, "tiles.xml");
    refusalsAreFine([&] {
        CMap map;
        map.loadTileDefinitions(input.path());
        map.drawBackground(fuzzCanvas());
        for (Uint16 tile = 0; tile < CMap::definitionCount; ++tile)
            map.definition(tile);
    });
    return 0;
}
