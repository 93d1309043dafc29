// The map entities file, placed on the shipped first summer map: the entities are laid on the
// map, the player chosen, the generators run once and everything drawn.
#include "app/globals.h"
#include "entity/map_entities_collection.h"
#include "fuzz/fuzz_support.h"
#include "level/map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzLoadWorld();
    static CMap* map = nullptr;
    if (!map) {
        map = new CMap;
        map->loadTileDefinitions("data/maps/tiles_summer.xml");
        map->loadMap("data/maps/easy/l1_map.xml");
    }
    CFuzzInputFile input(data, size, "l1_entities.xml");
    refusalsAreFine([&] {
        CMapEntitiesCollection_Game level;
        level.setMap(map);
        level.loadEntities(input.path());
        level.choosePlayer();
        level.spawnFromGenerators();
        level.removeDead();
        level.drawAll(fuzzCanvas());
    });
    CGlobals::instance().entityListChanged = false;
    return 0;
}
