#pragma once

#include "app/stav_hry.h"
#include "frontend/interruption.h"

// "PAUZA": freezes the game under the word "PAUZA" until a key or a mouse button is pressed;
// when play resumes every timer is shifted by the length of the pause.
class CStavHry_Pauza : public CStavHry
{
public:
    CStavHry_Pauza() : CStavHry("PAUZA") {}
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override { deactivate(); }

private:
    CApplication* app = nullptr;
    CInterruption interruption;
};
