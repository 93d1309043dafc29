#include "game/level.h"

#include <string>

#include "app/globals.h"
#include "gfx/font.h"
#include "level/hint_file.h"
#include "sound/sound_engine.h"

CLevel::CLevel()
{
    CGlobals& globals = CGlobals::instance();
    globals.resetForLevel();
    hudFont = loadFont("font1.png");
    hudSmallFont = loadFont("fontsmall2.png");
}

CLevel::~CLevel()
{
    controllers.clear();
    if (CGlobals* globals = CGlobals::existing()) {
        delete globals->levelClock;
        globals->levelClock = nullptr;
    }
}

void CLevel::load(const std::string& levelName)
{
    load(levelSetNamed(CGlobals::instance().levelSet), levelName);
}

void CLevel::load(const CLevelSet& set, const std::string& levelName)
{
    CGlobals& globals = CGlobals::instance();
    definition.musicName.clear();
    readLevelDefinition(definition, set.definitionFile(levelName));
    map.loadTileDefinitions(set.tileDefinitionsFile(definition.tileDefFile));
    map.loadMap(set.mapFile(levelName));
    entities.setMap(&map);
    entities.loadEntities(set.entitiesFile(levelName));
    hint = readHint(set.hintFile(levelName));
    if (prototypeControllers)
        entities.bindControllers(*prototypeControllers, controllers);
    bonusWatcher.init(&entities);
    animalDispenser.setEntities(&entities);
    padakDispenser.setLevel(&entities);
    contactPass.setLevel(&entities, &map);
    globals.levelOver = false;
    CSoundEngine::instance().playSound("LETS GO");
    checkMusic();
}

void CLevel::checkMusic()
{
    CGlobals& globals = CGlobals::instance();
    if (definition.musicName == globals.musicPlaying)
        return;
    CSoundEngine& sound = CSoundEngine::instance();
    sound.stopMusic();
    if (!definition.musicName.empty())
        sound.playMusic(definition.musicName);
    globals.musicPlaying = definition.musicName;
}

void CLevel::handleEvent(const SDL_Event& event)
{
    entities.dispatchEvent(controllers, event);
}

void CLevel::update(Uint16 levelIndex)
{
    CGlobals& globals = CGlobals::instance();
    if (globals.entityListChanged && prototypeControllers)
        entities.bindControllers(*prototypeControllers, controllers);
    globals.entityListChanged = false;
    entities.updateControllers(controllers);
    entities.spawnFromGenerators();
    // The level's other periodic actors, in this order.
    bonusWatcher.update();
    animalDispenser.update(levelIndex);
    padakDispenser.update();
    contactPass.detectContacts();
    contactPass.resolveAllContacts();
    entities.removeDead();
}

void CLevel::draw(Uint16 /*levelIndex*/, bool showHud, SDL_Surface* screen)
{
    map.drawBackground(screen);
    map.drawLayers(0, 2, screen);
    entities.drawAll(screen);
    map.drawLayers(2, 0, screen);
    // Last, so that nothing flying near the top hides the score, the clock or the lives.
    if (showHud)
        drawHud(screen);
    checkMusic();
}

void CLevel::drawHud(SDL_Surface* screen)
{
    const CGlobals& globals = CGlobals::instance();
    const std::string ammo = "bobky:" + std::to_string(globals.ammo);
    hudSmallFont->write(screen, ammo, 620 - hudSmallFont->textWidth(ammo), 58);
    const std::string required = "potreba:" + std::to_string(definition.requiredScore);
    hudSmallFont->write(screen, required, 186 - hudSmallFont->textWidth(required), 58);
    hudFont->write(screen, std::to_string(globals.levelScore), 85, 18);
    hudFont->write(screen, "x" + std::to_string(globals.lives), 570, 18);
    drawClock(screen);
}

void CLevel::drawClock(SDL_Surface* screen)
{
    const CGlobals& globals = CGlobals::instance();
    if (!globals.levelClock || globals.levelOver)
        return;
    Sint32 elapsed = globals.levelClock->elapsed();
    if (elapsed == 0)
        return;
    long long left = static_cast<long long>(globals.timeLimit) - elapsed;
    if (left < 0)
        return;
    Uint32 seconds = static_cast<Uint32>(left / 1000);
    if (seconds != lastTickSecond && seconds <= 5) {
        CSoundEngine::instance().playSound(seconds > 0 ? "TICK1" : "TICK2");
        lastTickSecond = seconds;
    }
    const std::string text = std::to_string(seconds);
    hudFont->write(screen, text, 319 - hudFont->textWidth(text) / 2, 24);
}
