#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "app/stav_hry.h"

class CRisingHearts;

// "ENTERPASSWORD": a level password typed and confirmed with Return starts a new game at its
// level; a wrong one (or Escape) returns to the menu. The typed text is kept between visits.
class CStavHry_EnterPassword : public CStavHry
{
public:
    static const size_t maxPasswordLength = 8;

    CStavHry_EnterPassword();
    ~CStavHry_EnterPassword() override;
    void enter(CApplication* application) override;
    void frame() override;
    void leave() override;

    const std::string& typedText() const { return typed; }

private:
    void handleEvents();
    void submit();

    CApplication* app = nullptr;
    SDL_Surface* background = nullptr;
    std::unique_ptr<CRisingHearts> hearts;
    std::string typed;
    std::string prompt;
};
