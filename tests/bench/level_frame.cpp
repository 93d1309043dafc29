// One level frame of the entity engine with 30, 60 and 120 entities: controller binding (when
// the list changed), 60 controllers updating, the contact pass, removal and the depth-sorted
// draw through the plain SDL path. Reports the time per frame and the allocations per frame,
// which must be 0 once the level runs.
//
//     cd game && SDL_VIDEODRIVER=dummy ../build/tests/zepo_bench_level_frame
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/globals.h"
#include "behaviour/prototype_controllers.h"
#include "entity/contact_pass.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "level/map.h"

namespace {

std::atomic<long> allocations{0};

// The entities of the measured level: bobbing red balloons (each with a controller that never
// lets go of it) and scenery without controllers, spread over the screen of the first summer
// level's map, so that the contact pass also looks up the cells under every box.
const char* const scenery[] = {"TREE1", "FLOWER1", "KAKTUS1", "KRYSTAL1", "HRAD1", "CEDULE1"};

void levelFrame(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    CGlobals& globals = CGlobals::instance();
    globals.frameFactor = 1.0f;
    CMapEntitiesCollection_Game level;
    CMap map;
    map.loadTileDefinitions("data/maps/tiles_summer.xml");
    map.loadMap("data/maps/easy/l1_map.xml");
    CControllerList prototypes;
    registerPrototypeControllers(prototypes);
    CControllerList controllers;
    CContactPass pass;
    pass.setLevel(&level, &map);
    level.setMap(&map);
    CMapEntityCollection& registry = CMapEntityCollection::instance();
    for (int i = 0; i < count; ++i) {
        bool controlled = i < 60;
        auto entity = registry.createByName(controlled ? "SPOT" : scenery[i % 6]);
        entity->setPosition(static_cast<float>((i * 53) % 600), static_cast<float>(60 + (i * 37) % 360));
        level.add(std::move(entity));
    }
    level.choosePlayer();
    SDL_Surface* screen = glSDL_GetVideoSurface();

    auto frame = [&] {
        if (globals.entityListChanged)
            level.bindControllers(prototypes, controllers);
        globals.entityListChanged = false;
        level.updateControllers(controllers);
        level.spawnFromGenerators();
        pass.detectContacts();
        pass.resolveAllContacts();
        level.removeDead();
        level.drawAll(screen);
    };
    for (int warmUp = 0; warmUp < 10; ++warmUp)
        frame();
    long before = allocations.load();
    long frames = 0;
    for (auto _ : state) {
        frame();
        ++frames;
    }
    state.counters["allocations/frame"] =
        benchmark::Counter(static_cast<double>(allocations.load() - before) / static_cast<double>(frames));
    state.counters["controllers"] = static_cast<double>(controllers.size());
    controllers.clear();
}

BENCHMARK(levelFrame)->Arg(30)->Arg(60)->Arg(120)->Unit(benchmark::kMicrosecond);

}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (chdir(ZEPO_GAME_DIR) != 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
        return 1;
    glSDL_ForcePlainPath(true);
    if (!glSDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE))
        return 1;
    CSpriteCollection sprites("kolekce");
    setSpriteCollection(&sprites);
    sprites.load("data/gfx/didudo_sprites.xml");
    CMapEntityCollection::instance().registerCatalogue();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    setSpriteCollection(nullptr);
    return 0;
}
