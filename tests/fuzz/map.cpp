// The map file, read after the shipped summer tile definitions, then drawn.
#include "fuzz/fuzz_support.h"
#include "level/map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzStartSdl();
    CFuzzInputFile input(data, size, "l1_map.xml");
    refusalsAreFine([&] {
        CMap map;
        map.loadTileDefinitions("data/maps/tiles_summer.xml");
        map.loadMap(input.path());
        map.drawBackground(fuzzCanvas());
        map.drawLayers(0, 2, fuzzCanvas());
        map.drawLayers(2, 0, fuzzCanvas());
        for (size_t layer = 0; layer <= map.layerCount(); ++layer)
            for (size_t cell = 0; cell <= CMap::cellsPerLayer; ++cell)
                map.blocks(layer, cell);
    });
    return 0;
}
