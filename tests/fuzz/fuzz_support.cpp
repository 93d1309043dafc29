#include "fuzz/fuzz_support.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"

namespace {

std::string& inputFolder()
{
    static std::string folder;
    return folder;
}

void removeInputFolder()
{
    rmdir(inputFolder().c_str());
}

}

void fuzzStartSdl()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(ZEPO_GAME_DIR) != 0 || SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0 ||
        !SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE)) {
        std::fprintf(stderr, "fuzz: cannot start SDL in %s: %s\n", ZEPO_GAME_DIR, SDL_GetError());
        std::abort();
    }
}

void fuzzLoadWorld()
{
    static CSpriteCollection* collection = nullptr;
    if (collection)
        return;
    fuzzStartSdl();
    collection = new CSpriteCollection("kolekce");
    collection->load("data/gfx/didudo_sprites.xml");
    setSpriteCollection(collection);
    CMapEntityCollection::instance().registerCatalogue();
}

CFuzzInputFile::CFuzzInputFile(const std::uint8_t* data, std::size_t size, const std::string& name)
{
    if (inputFolder().empty()) {
        char pattern[] = "/tmp/zepo-fuzz-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        inputFolder() = pattern;
        std::atexit(removeInputFolder);
    }
    filePath = inputFolder() + "/" + name;
    std::FILE* file = std::fopen(filePath.c_str(), "wb");
    if (!file)
        std::abort();
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written)
        std::abort();
}

CFuzzInputFile::~CFuzzInputFile()
{
    unlink(filePath.c_str());
}

SDL_Surface* fuzzCanvas()
{
    static SDL_Surface* canvas = nullptr;
    if (!canvas)
        canvas = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    return canvas;
}
