#pragma once

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>

#include "app/clock.h"
#include "entity/contact_pass.h"
#include "entity/entity_controller.h"
#include "entity/map_entities_collection.h"
#include "level/map.h"
#include "support/test_support.h"

// A level for behaviour checks without level files: the test world's sprites, the game's
// prototype controllers, a map whose bottom row (y = 448) is solid, and frames of 20 ms on a
// virtual clock run in the level's order (bind, update, generators, contacts, removal, drawing).
class CTestLevel
{
public:
    CTestLevel();
    ~CTestLevel();

    // Places a clone of the named prototype; it gets its controller at the next frame.
    CMapEntity* place(const std::string& name, float x, float y);
    void frame();
    void frames(int count);
    void key(SDLKey key, bool down);
    int count(const std::string& name) const;
    CMapEntity* find(const std::string& name, int nth = 0) const;
    // Takes the entity off the level the way the game does: through its controller's release
    // when it has one (only a release may end a controlled entity's life).
    void remove(CMapEntity* entity);
    // The controller bound to the entity, or null.
    CEntityController* controllerOf(const CMapEntity* entity) const;
    // Adds a solid tile (number 5) at a cell of layer 0.
    void solidCell(int column, int row);

    CVirtualClock clock{10000};
    // The level's other periodic actors (near-miss watcher, dispensers), run each frame after the
    // generators and before the contact pass, as the level runs them.
    std::function<void()> actors;
    CMapEntitiesCollection_Game collection;
    CControllerList prototypes;
    CControllerList controllers;
    CMap map;

private:
    CScopedClock installed{&clock};
    CContactPass pass;
    SDL_Surface* canvas;
};
