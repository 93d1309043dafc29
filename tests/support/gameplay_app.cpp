#include "support/gameplay_app.h"

#include <memory>
#include <string>

#include "behaviour/prototype_controllers.h"
#include "frontend/stav_pauza.h"
#include "game/stav_hra.h"
#include "gfx/font.h"

namespace {

// A state the gameplay hands over to; it only records that it became current.
class CDestination : public CStavHry
{
public:
    explicit CDestination(const std::string& stateName) : CStavHry(stateName) {}
    void enter(CApplication*) override { activate(); }
    void frame() override {}
    void leave() override { deactivate(); }
};

}

void GameplayTest::startGameplay()
{
    app.largeFont = loadFont("font2.png");
    app.smallFont = loadFont("fontsmall2.png");
    registerPrototypeControllers(app.prototypeControllers);
    app.addState(std::make_unique<CStavHry_Hra>());
    app.addState(std::make_unique<CDestination>("INTRO"));
    app.addState(std::make_unique<CDestination>("OUTRO"));
    app.addState(std::make_unique<CStavHry_Pauza>());
    app.addState(std::make_unique<CDestination>("ENTERTOP10"));
    app.addState(std::make_unique<CDestination>("TIP"));
    app.running = true;
    app.enterState("PAUZA");
    app.enterState("HRA");
    app.switchTo("HRA");
    globals.frameFactor = 1.0f;
}

void GameplayTest::frames(int count)
{
    for (int i = 0; i < count; ++i) {
        clock.advance(20);
        app.currentState->frame();
    }
}
