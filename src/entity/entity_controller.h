#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

class CMapEntity;
class CMapEntitiesCollection;

// Behaviour bound to one entity: it moves it, reacts to its contacts, spawns other entities and
// finally releases it. Prototype controllers (one per entity name) are cloned for every new entity.
class CEntityController
{
public:
    CEntityController(CMapEntity* entity, CMapEntitiesCollection* level, const std::string& name);
    virtual ~CEntityController() = default;
    CEntityController& operator=(const CEntityController&) = delete;

    virtual std::unique_ptr<CEntityController> clone() const;
    virtual void onBind() {}
    virtual void onEvent(const SDL_Event& /*event*/) {}
    virtual void update() {}

    void bind(CMapEntity* e);
    void setLevel(CMapEntitiesCollection* collection) { level = collection; }
    // Marks the entity removed; the controller is dead from now on.
    void release();

    CMapEntity* getEntity() const { return entity; }
    std::string getBoundName() const { return boundName; }

protected:
    // The copy of a clone takes only the bound name; binding fills in entity and level.
    CEntityController(const CEntityController& other);

    // Clones the named prototype, places it at (x, y) and adds it to the level; returns it so that
    // the spawner can give it its start velocity.
    CMapEntity* spawn(const std::string& name, float x, float y);

    CMapEntity* entity;
    CMapEntitiesCollection* level;
    std::string boundName;
};

using CControllerList = std::vector<std::unique_ptr<CEntityController>>;

// Gives a controller class its clone: a new controller of the same class from its copy constructor.
template <class Derived, class Base = CEntityController>
class CControllerClone : public Base
{
public:
    using Base::Base;
    std::unique_ptr<CEntityController> clone() const override
    {
        return std::unique_ptr<CEntityController>(new Derived(static_cast<const Derived&>(*this)));
    }

protected:
    CControllerClone(const CControllerClone& other) = default;
};

// Bobs its entity up and down: 25 frames up, 25 frames down, by 0.5 per step.
class CUpDownController : public CControllerClone<CUpDownController>
{
public:
    using CControllerClone::CControllerClone;
    CUpDownController(const CUpDownController& other);
    void update() override;

private:
    float stepCounter = 0;
    bool down = false;
};
