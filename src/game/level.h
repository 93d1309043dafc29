#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "behaviour/animal_dispenser.h"
#include "behaviour/bonus_watcher.h"
#include "behaviour/power_ups.h"
#include "entity/contact_pass.h"
#include "entity/entity_controller.h"
#include "entity/map_entities_collection.h"
#include "level/level_definition.h"
#include "level/level_set.h"
#include "level/map.h"

class CFont;

// One level being played: it loads the level's files in order, owns the map, the entities, their
// controllers and the level's companions, runs the frame update and draws the level with its HUD.
class CLevel
{
public:
    CLevel();
    ~CLevel();
    CLevel(const CLevel&) = delete;
    CLevel& operator=(const CLevel&) = delete;

    void setPrototypeControllers(const CControllerList* prototypes) { prototypeControllers = prototypes; }
    // Loads the level of that name from the current level set, or from the set given.
    void load(const std::string& levelName);
    void load(const CLevelSet& set, const std::string& levelName);
    void handleEvent(const SDL_Event& event);
    void update(Uint16 levelIndex);
    void draw(Uint16 levelIndex, bool showHud, SDL_Surface* screen);

    const std::string& displayName() const { return definition.displayName; }
    const std::string& hintText() const { return hint; }
    Uint32 requiredScore() const { return definition.requiredScore; }
    const std::string& musicName() const { return definition.musicName; }
    CMapEntitiesCollection_Game& getEntities() { return entities; }
    CMap& getMap() { return map; }
    CControllerList& getControllers() { return controllers; }

private:
    void drawHud(SDL_Surface* screen);
    void drawClock(SDL_Surface* screen);
    // Starts the level's music unless it is already playing; an empty name stops the music.
    void checkMusic();

    Uint32 lastTickSecond = 1000;
    CMap map;
    CMapEntitiesCollection_Game entities;
    CBonusWatcher bonusWatcher;
    CAnimalDispenser animalDispenser;
    CPadakDispenser padakDispenser;
    const CControllerList* prototypeControllers = nullptr;
    CContactPass contactPass;
    CLevelDefinition definition;
    std::string hint;
    CControllerList controllers;
    std::unique_ptr<CFont> hudFont;
    std::unique_ptr<CFont> hudSmallFont;
};
