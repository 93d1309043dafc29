#include "app/check_command.h"

#include <SDL.h>

#include <cstdio>
#include <set>

#include "app/fatal.h"
#include "entity/map_entity_collection.h"
#include "gfx/headless_screen.h"
#include "gfx/sprite.h"
#include "level/level_check.h"
#include "level/level_set.h"
#include "sound/sound_engine.h"

namespace {

// Prints each fault once: a sprite's fault is found on every level that places the sprite.
class CFaultPrinter
{
public:
    void print(const std::string& line)
    {
        if (!printed.insert(line).second)
            return;
        std::printf("%s\n", line.c_str());
    }
    bool any() const { return !printed.empty(); }

private:
    std::set<std::string> printed;
};

}

int runLevelCheck(const std::vector<std::string>& setNames)
{
    std::vector<CLevelSet> sets;
    for (const std::string& name : setNames) {
        CLevelSet set;
        if (!isLevelSetName(name)) {
            std::fprintf(stderr, "zepo: %s is not a level set name (a folder name, without / or ..)\n", name.c_str());
            return 2;
        }
        if (!findLevelSet(name, set)) {
            std::fprintf(stderr, "zepo: no level set %s (no %s, no %s)\n", name.c_str(),
                         shippedLevelSet(name).levelList().c_str(), playerLevelSet(name).levelList().c_str());
            return 2;
        }
        sets.push_back(set);
    }
    if (setNames.empty())
        sets = findLevelSets();

    if (!openHeadlessScreen()) {
        std::fprintf(stderr, "zepo: Unable to init SDL: %s\n", SDL_GetError());
        return 2;
    }
    // The names of the sounds and tracks count; no audio device is opened, so nothing is loaded.
    CSoundEngine::instance().registerGameSounds();

    CFaultPrinter faults;
    CSpriteCollection sprites("kolekce");
    try {
        CFatalErrorsThrow caught;
        sprites.load(programCollectionFile);
    } catch (const CFatalError& error) {
        faults.print(CLevelProblem{"-", "-", error.file(), error.message(), error.line()}.located());
        std::fprintf(stderr, "zepo: the levels were not checked: they need the sprite collection\n");
        return 1;
    }
    setSpriteCollection(&sprites);
    CMapEntityCollection::instance().registerCatalogue();

    for (const CLevelSet& set : sets)
        for (const CLevelProblem& problem : checkLevelSet(set))
            faults.print(problem.located());

    CMapEntityCollection::instance().clear();
    setSpriteCollection(nullptr);
    return faults.any() ? 1 : 0;
}
