#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/stav_hry.h"
#include "app/timer.h"
#include "frontend/interruption.h"

class CFont;
class CSprite;

// "TIP": the level's hint in a window over the frozen game. Keys are ignored for the first
// second; then a key or a mouse button resumes play with every timer shifted by the interruption.
class CStavHry_Tip : public CStavHry
{
public:
    CStavHry_Tip();
    ~CStavHry_Tip() override;
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

private:
    CApplication* app = nullptr;
    CInterruption interruption;
    std::unique_ptr<CSprite> window;
    std::unique_ptr<CTimer> guard;
    // The hint of the level, wrapped when the window opens.
    std::vector<std::string> lines;
};

// The lines of a hint: "|" breaks a line (and is not drawn); a line also ends after the first
// space that follows 250 pixels of text, and at the end of the text. A long word is never broken.
std::vector<std::string> wrapHint(const std::string& text, const CFont& font);
