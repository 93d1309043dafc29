#include "app/application.h"

#include <cstdio>
#include <cstdlib>

#include "app/clock.h"
#include "app/fatal.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/paths.h"
#include "app/video_driver.h"
#include "behaviour/prototype_controllers.h"
#include "demo/demo_session.h"
#include "demo/demo_statdump.h"
#include "entity/map_entity_collection.h"
#include "frontend/password_list.h"
#include "frontend/stav_credits.h"
#include "frontend/stav_enter_password.h"
#include "frontend/stav_enter_top10.h"
#include "frontend/stav_intro.h"
#include "frontend/stav_outro.h"
#include "frontend/stav_pauza.h"
#include "frontend/stav_tip.h"
#include "frontend/stav_uvod.h"
#include "game/level.h"
#include "game/stav_hra.h"
#include "gfx/font.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "gfx/window_icon.h"
#include "level/level_list.h"
#include "level/level_set.h"
#include "options/options.h"
#include "sound/sound_engine.h"

namespace {

using StateMaker = std::unique_ptr<CStavHry> (*)();

template <class State>
std::unique_ptr<CStavHry> make()
{
    return std::make_unique<State>();
}

// The game states in registration order: "HRA", "INTRO", "OUTRO", "PAUZA", "ENTERTOP10",
// "ENTERPASSWORD", "TIP", "CREDITS", "UVOD".
const StateMaker gameStates[] = {
    make<CStavHry_Hra>,        make<CStavHry_Intro>,         make<CStavHry_Outro>,
    make<CStavHry_Pauza>,      make<CStavHry_EnterTop10>,    make<CStavHry_EnterPassword>,
    make<CStavHry_Tip>,        make<CStavHry_Credits>,       make<CStavHry_Uvod>,
};
const char* const statesEnteredAtStart[] = {"INTRO", "OUTRO", "PAUZA", "ENTERTOP10", "ENTERPASSWORD", "TIP", "UVOD"};

}

float frameFactorFor(Uint32 frameMs, float gameSpeed)
{
    float factor = (frameMs / 20.0f) * gameSpeed;
    return factor > 25 ? 0 : factor;
}

CApplication::CApplication(const CCommandLine& commandLine)
    : options(commandLine), demo(CDemoSession::fromCommandLine(commandLine, gamepad))
{
    if (!commandLine.statDump.empty())
        stats = std::make_unique<CStatDump>(commandLine.statDump);
}

CApplication::~CApplication()
{
    if (inputSource() == &gamepad)
        setInputSource(nullptr);
}

void CApplication::initialise()
{
    // Audio is started by the sound engine, which plays on in silence when there is no device.
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0)
        fatalError(std::string("Unable to init SDL: ") + SDL_GetError());
    refuseTextModeVideo();

    CSoundEngine& sound = CSoundEngine::instance();
    sound.open();
    sound.registerGameSounds();

    gamepad.open();
    setInputSource(&gamepad);

    CControlOptions::instance().load(playerConfigFile("controls.cfg"));
    CAudioOptions::instance().load();
    sound.playMusic("LETO");

    CVideoOptions::instance().load();
    glSDL_ForcePlainPath(options.software);
    glSDL_ForceOpenGL(options.openGl);
    glSDL_SetScale(options.scale);
    glSDL_SetVsync(!demo || demo->mode() != CDemoSession::EMode::Time);
    setWindowIcon("data/gfx/zepo_icon.png");
    setVideoMode();

    SDL_WM_SetCaption("Z.E.P.O.", "Z.E.P.O.");

    std::srand(demo ? demo->begin() : currentTicks());
    SDL_EnableUNICODE(1);

    largeFont = loadFont("font2.png");
    smallFont = loadFont("fontsmall2.png");

    highScores.load(playerDataFile("top10.bin"));
    if (demo)
        demo->takeSettings(highScores);
    for (const CPlayerFile* file : {&CControlOptions::instance().file(), &CAudioOptions::instance().file(),
                                    &CVideoOptions::instance().file(), &highScores.file()})
        messageLine.show(file->readNote());
    glSDL_SetScreenOverlay([this](SDL_Surface* screen) { messageLine.draw(screen, *smallFont); });

    CPasswordList& passwords = CPasswordList::instance();
    passwords.add("l6", "plumb");
    passwords.add("l1b", "grivelk");
    passwords.add("l8b", "tandor");

    for (StateMaker makeState : gameStates)
        addState(makeState());
    running = true;

    sprites = std::make_unique<CSpriteCollection>("kolekce");
    setSpriteCollection(sprites.get());
    sprites->load(programCollectionFile);

    CMapEntityCollection::instance().registerCatalogue();
    registerPrototypeControllers(prototypeControllers);

    for (const char* stateName : statesEnteredAtStart)
        enterState(stateName);
    switchTo("UVOD");

    const CCommandLine& startingPoint = demo ? demo->startingPoint() : options;
    if (startingPoint.startsAtLevel())
        warpToLevel(startingPoint);
}

void CApplication::warpToLevel(const CCommandLine& startingPoint)
{
    CGlobals& globals = CGlobals::instance();
    const std::string& levelSet = startingPoint.levelSet;
    const std::string& level = startingPoint.level;
    if (!levelSet.empty()) {
        CLevelSet set;
        if (!findLevelSet(levelSet, set)) {
            std::fprintf(stderr, "zepo: no level set %s (no %s, no %s)\n", levelSet.c_str(),
                         shippedLevelSet(levelSet).levelList().c_str(), playerLevelSet(levelSet).levelList().c_str());
            std::exit(2);
        }
        for (Uint32 difficulty = 0; difficulty < 3; ++difficulty)
            if (levelSet == shippedSetNames[difficulty])
                globals.setDifficulty(difficulty);
        // A set of the player's plays at the difficulty of the options.
        globals.levelSet = levelSet;
    }
    enterState("HRA");
    if (!level.empty() && !startGameAtLevel(level)) {
        std::fprintf(stderr, "zepo: level %s is not in the level set %s (%s)\n", level.c_str(),
                     globals.levelSet.c_str(), levelSetNamed(globals.levelSet).levelList().c_str());
        std::exit(2);
    }
    levelReloads = !level.empty();
    switchTo("HRA");
}

void CApplication::startNewGameLevels()
{
    CGlobals& globals = CGlobals::instance();
    levelIndex = 0;
    level.reset();
    globals.resetForNewGame();
    levelList = readLevelList(levelSetNamed(globals.levelSet).levelList());
    loadLevel(0);
    CSoundEngine::instance().stopAllSounds();
}

void CApplication::loadLevel(Uint16 index)
{
    level.reset();
    level = std::make_unique<CLevel>();
    level->setPrototypeControllers(&prototypeControllers);
    level->load(levelList->name(index));
    if (stats)
        stats->levelStarted(CGlobals::instance().levelSet, levelList->name(index));
}

bool CApplication::startGameAtLevel(const std::string& levelName)
{
    if (!levelList)
        return false;
    int index = levelList->indexOf(levelName);
    if (index < 0)
        return false;
    CGlobals& globals = CGlobals::instance();
    levelIndex = static_cast<Uint16>(index);
    level.reset();
    globals.resetForNewGame();
    levelList = readLevelList(levelSetNamed(globals.levelSet).levelList());
    loadLevel(levelIndex);
    return true;
}

void CApplication::mainLoop()
{
    CGlobals& globals = CGlobals::instance();
    while (running) {
        if (demo && !demo->beginFrame())
            break;
        if (stats)
            stats->beginFrame(level != nullptr);
        frameStartTick = currentTicks();
        currentState->frame();
        if (demo)
            demo->endFrame();
        globals.frameFactor = frameFactorFor(currentTicks() - frameStartTick, globals.gameSpeed);
    }
}

void CApplication::shutdown()
{
    if (stats)
        stats->finish(level != nullptr);
    for (auto& state : states)
        if (!state->isInactive())
            state->leave();
    states.clear();
    currentState = nullptr;
    fpsTimer.reset();
    level.reset();
    levelList.reset();
    glSDL_SetScreenOverlay(nullptr);
    largeFont.reset();
    smallFont.reset();
    setSpriteCollection(nullptr);
    sprites.reset();
    prototypeControllers.clear();
    if (demo)
        demo->finish();
    if (inputSource() == &gamepad)
        setInputSource(nullptr);
    gamepad.close();
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
    gamepad.setPlaying(stateName == "HRA");
    CSoundEngine::instance().stopAllSounds();
}

void CApplication::levelEnded(bool won)
{
    if (stats)
        stats->levelEnded(won);
}

std::string CApplication::currentStateName() const
{
    return currentState ? currentState->getName() : std::string();
}
