#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "entity/entity_controller.h"
#include "entity/map_entity.h"

class CMap;
class CMapGenerator;

// The live entities of one level with its generators, map and player: binds controllers to new
// entities, updates them, releases generated entities, deletes removed ones and draws everything
// in depth order.
class CMapEntitiesCollection
{
public:
    CMapEntitiesCollection();
    virtual ~CMapEntitiesCollection();
    CMapEntitiesCollection(const CMapEntitiesCollection&) = delete;
    CMapEntitiesCollection& operator=(const CMapEntitiesCollection&) = delete;

    // Takes the entity into the level; its controller is bound at the next binding run.
    void add(std::unique_ptr<CMapEntity> entity);
    // Index of the first entity of that kind, or 0xFFFF.
    Uint16 indexOfKind(Uint32 kind) const;
    // Stores the map, clears its penalties and marks the layer-0 cells under the entities.
    void setMap(CMap* levelMap);
    // Reads the level's map entities file: entities first, then generators.
    void loadEntities(const std::string& path);
    void addGenerator(std::unique_ptr<CMapGenerator> generator);
    // The player: the first "PLAYER", else the first "WINTERPLAYER", else none.
    void choosePlayer();

    void bindControllers(const CControllerList& prototypes, CControllerList& controllers);
    void updateControllers(CControllerList& controllers);
    void dispatchEvent(CControllerList& controllers, const SDL_Event& event);
    void spawnFromGenerators();
    void removeDead();
    // Sorts by the top of the collision boxes, draws, then gives every entity the player's position.
    void drawAll(SDL_Surface* surface);

    CMapEntity* getPlayer() const { return player; }
    CMap* getMap() const { return map; }
    size_t size() const { return entities.size(); }
    CMapEntity* at(size_t index) const { return entities[index].get(); }
    const std::vector<std::unique_ptr<CMapEntity>>& all() const { return entities; }
    size_t generatorCount() const { return generators.size(); }

private:
    std::vector<std::unique_ptr<CMapEntity>> entities;
    std::vector<std::unique_ptr<CMapGenerator>> generators;
    CMap* map = nullptr;
    CMapEntity* player = nullptr;
};

// The collection a level plays with.
class CMapEntitiesCollection_Game : public CMapEntitiesCollection
{
};
