#pragma once

#include <SDL.h>

#include <memory>

#include "app/timer.h"
#include "entity/entity_controller.h"

// The water carrier of the rescue level, walked along the ground with the left and right keys.
// The shoot key pours water while the can holds some (the droppings count is the supply), or,
// with an empty can at the cauldron, fills it again.
class CNosicController : public CControllerClone<CNosicController>
{
public:
    using CControllerClone::CControllerClone;
    CNosicController(const CNosicController& other);
    void onEvent(const SDL_Event& event) override;
    void update() override;

    bool isPouring() const { return pouring; }

private:
    void pressed(Uint16 key);
    void released(Uint16 key);

    bool movingLeft = false;
    bool movingRight = false;
    bool pouring = false;
    int facing = 6;  // 4 facing left, 6 facing right, as its first pose shows
    std::unique_ptr<CTimer> pourTimer;
};

// A drop of water falling from the can until it meets someone, something or the ground.
class CVodaController : public CControllerClone<CVodaController>
{
public:
    using CControllerClone::CControllerClone;
    void update() override;
};

// A little bird crossing the rescue level: it faints after a while, falls, and overheats on the
// ground unless water revives it; a bird that overheats loses the level.
class CBonusDidudoController : public CControllerClone<CBonusDidudoController>
{
public:
    using CControllerClone::CControllerClone;
    CBonusDidudoController(const CBonusDidudoController& other);
    void update() override;

    bool isFainted() const { return fainted; }
    bool isRevived() const { return revived; }
    float getHeat() const { return heat; }

private:
    std::unique_ptr<CTimer> faintTimer;
    bool fainted = false;
    bool revived = false;
    float heat = 50;
};
