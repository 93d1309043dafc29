#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "app/timer.h"
#include "entity/entity_controller.h"

// The player's bird ("PLAYER" in summer, "WINTERPLAYER" in winter): flies with the control keys
// and the wind, drops droppings, collects parachute power-ups, falls when hit and loses a life.
class CDidudoController2 : public CControllerClone<CDidudoController2>
{
public:
    using CControllerClone::CControllerClone;
    CDidudoController2(const CDidudoController2& other);

    void onBind() override;
    void onEvent(const SDL_Event& event) override;
    void update() override;

    const std::vector<std::string>& getPickupLetters() const { return pickupLetters; }
    bool isFalling() const { return falling; }
    bool isShielded() const { return shielded; }
    Uint16 getKeyLeft() const { return keyLeft; }
    Uint16 getKeyRight() const { return keyRight; }

private:
    void pressed(Uint16 key);
    void released(Uint16 key);
    void fly();
    void collectPickups();
    void carryOut(Uint16 effect);
    void recordLetter(const std::string& letter);
    // Clones the named prototype at the usual place above the bird.
    CMapEntity* spawnAboveBird(const std::string& name);

    bool leftHeld = false, rightHeld = false, upHeld = false;
    // The keys whose presses set leftHeld and rightHeld.
    Uint16 leftHeldBy = 0, rightHeldBy = 0;
    bool falling = false;
    bool shielded = false;
    bool controlsSwapped = false;
    bool fastActive = false, slowActive = false;
    bool onGround = false;
    float fallSpeed = 0;
    std::unique_ptr<CTimer> effectTimer;
    float steerX = 0;
    float sinkSpeed = 1.0f;
    Uint16 keyLeft = 0, keyRight = 0, keyUp = 0, keyDown = 0, keyShoot = 0;
    Uint16 pendingEffect = 1000;
    std::vector<std::string> pickupLetters;
};

// A friendly bird: flies across the screen to the right dropping droppings by itself.
class CDidudoController : public CControllerClone<CDidudoController>
{
public:
    using CControllerClone::CControllerClone;
    CDidudoController(const CDidudoController& other);
    void update() override;

private:
    std::unique_ptr<CTimer> dropTimer;
    float speed = 0;
};
