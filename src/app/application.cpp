#include "app/application.h"

#include <cstdlib>

#include "app/clock.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "app/input.h"
#include "gfx/video.h"
#include "options/options.h"
#include "sound/sound_engine.h"

namespace {

// Stands in for a state whose screen has not been built yet: it shows a blank screen and
// answers a quit event, so that the program can start, run and end cleanly.
class CBlankState : public CStavHry
{
public:
    explicit CBlankState(const std::string& stateName) : CStavHry(stateName) {}
    void enter(CApplication* application) override
    {
        activate();
        app = application;
    }
    void frame() override
    {
        while (pollEvent(&app->event))
            if (app->event.type == SDL_QUIT)
                app->running = false;
        SDL_Surface* screen = glSDL_GetVideoSurface();
        glSDL_FillRect(screen, nullptr, 0);
        glSDL_Flip(screen);
    }
    void leave() override { deactivate(); }

private:
    CApplication* app = nullptr;
};

const char* const stateNames[] = {"HRA", "INTRO", "OUTRO", "PAUZA", "ENTERTOP10", "ENTERPASSWORD", "TIP", "CREDITS", "UVOD"};
const char* const statesEnteredAtStart[] = {"INTRO", "OUTRO", "PAUZA", "ENTERTOP10", "ENTERPASSWORD", "TIP", "UVOD"};

}

float frameFactorFor(Uint32 frameMs, float gameSpeed)
{
    float factor = (frameMs / 20.0f) * gameSpeed;
    return factor > 25 ? 0 : factor;
}

CApplication::CApplication(const CCommandLine& commandLine) : options(commandLine) {}

CApplication::~CApplication() = default;

void CApplication::initialise()
{
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0)
        fatalError(std::string("Unable to init SDL: ") + SDL_GetError());

    CSoundEngine& sound = CSoundEngine::instance();
    sound.open();
    sound.registerGameSounds();

    CControlOptions::instance().load("controls.cfg");
    CAudioOptions::instance().load();
    sound.playMusic("LETO");

    CVideoOptions::instance().load();
    glSDL_ForcePlainPath(options.software);
    setVideoMode();

    SDL_WM_SetCaption("Z.E.P.O.", "Z.E.P.O.");

    std::srand(currentTicks());
    SDL_EnableUNICODE(1);

    for (const char* stateName : stateNames)
        addState(std::make_unique<CBlankState>(stateName));
    running = true;

    for (const char* stateName : statesEnteredAtStart)
        enterState(stateName);
    switchTo("UVOD");
}

void CApplication::mainLoop()
{
    CGlobals& globals = CGlobals::instance();
    while (running) {
        frameStartTick = currentTicks();
        currentState->frame();
        globals.frameFactor = frameFactorFor(currentTicks() - frameStartTick, globals.gameSpeed);
    }
}

void CApplication::shutdown()
{
    for (auto& state : states)
        if (!state->isInactive())
            state->leave();
    states.clear();
    currentState = nullptr;
    fpsTimer.reset();
}

void CApplication::addState(std::unique_ptr<CStavHry> state)
{
    states.push_back(std::move(state));
}

void CApplication::requireState(const std::string& stateName) const
{
    for (const auto& state : states)
        if (state->getName() == stateName)
            return;
    fatalError("Chyba: Stav " + stateName + " nenalezen!", 0);
}

void CApplication::enterState(const std::string& stateName)
{
    requireState(stateName);
    for (auto& state : states)
        if (state->getName() == stateName)
            state->enter(this);
}

void CApplication::leaveState(const std::string& stateName)
{
    requireState(stateName);
    for (auto& state : states)
        if (state->getName() == stateName)
            state->leave();
}

void CApplication::switchTo(const std::string& stateName)
{
    requireState(stateName);
    for (auto& state : states)
        if (state->getName() == stateName)
            currentState = state.get();
    CSoundEngine::instance().stopAllSounds();
}

std::string CApplication::currentStateName() const
{
    return currentState ? currentState->getName() : std::string();
}
