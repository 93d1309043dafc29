#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/singleton.h"
#include "entity/map_entity.h"

// The registry of entity prototypes: every entity of the game is made by cloning one by name.
class CMapEntityCollection : public Singleton<CMapEntityCollection>
{
public:
    ~CMapEntityCollection() override;

    void add(std::unique_ptr<CMapEntity> prototype);
    // The first prototype of that name; an unknown name ends the program.
    CMapEntity& find(const std::string& name) const;
    std::unique_ptr<CMapEntity> createByName(const std::string& name) const;
    bool has(const std::string& name) const;
    size_t size() const { return prototypes.size(); }
    void clear() { prototypes.clear(); }

    // Builds and adds the prototypes of the whole catalogue, in catalogue order.
    void registerCatalogue();
    // Exchanges the prototypes with those of the list (a reload makes the catalogue again from a
    // new sprite collection and puts the old prototypes back when its level does not load).
    void swapPrototypes(std::vector<std::unique_ptr<CMapEntity>>& other) { prototypes.swap(other); }

private:
    std::vector<std::unique_ptr<CMapEntity>> prototypes;
};
