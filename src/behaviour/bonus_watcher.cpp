#include "behaviour/bonus_watcher.h"

#include <algorithm>
#include <memory>

#include "app/clock.h"
#include "app/globals.h"
#include "app/logger.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"
#include "sound/sound_engine.h"

namespace {

const Uint32 kouleUp = 41;  // thrown upwards: never scores
const Uint32 spot = 123;    // the red balloon: a close miss is worth the full multiplier

// A projectile passing by counts once its previous distance was inside this band.
const float passBand = 8500;
// The score bands of a pass, by the squared distance when it starts to move away.
const float farMiss = 10000, nearMiss = 7000, veryCloseMiss = 3500;

// A very close miss continues the chain when it comes this soon after the previous one.
const Uint32 chainWindow = 999;
// A projectile that scored looks spent and cannot score again for this long.
const Uint32 spentTime = 3000;

// The praise shown when a chain ends, by its multiplier.
const char* const praiseLabels[] = {nullptr,          nullptr,          nullptr,      "BONUSGOOD", "BONUSGREAT",
                                    "BONUSFANTASTIC", "BONUSEXCELLENT", "BONUSNOWAY", "BONUSWOW",  "BONUSCHAMPION"};
const Uint16 praiseCount = sizeof(praiseLabels) / sizeof(praiseLabels[0]);

// The multiplier labels, by multiplier.
const char* const multiplierLabels[] = {nullptr,      nullptr,      "NASOBITEL2", "NASOBITEL3",
                                        "NASOBITEL4", "NASOBITEL5", "NASOBITEL6", "NASOBITEL7",
                                        "NASOBITEL8", "NASOBITEL9", "NASOBITEL10"};
const Uint16 maxMultiplier = 10;

bool scoredRecently(const CloseCallRecord& record, Uint32 now)
{
    return record.scoredAt != 0 && now - record.scoredAt <= spentTime;
}

// The near-miss look: "AKTIVNI" live, "FRAMESET1" spent. It replaces only the other look or the
// frameset the projectile came with, and only on a sprite that has it, so a pose of the
// projectile's own (the glider's "EMPTY" once it has dropped its ball) stays.
void showLook(CMapEntity& projectile, const CloseCallRecord& record, const char* look)
{
    CSprite* sprite = projectile.getSprite();
    const CFrameset* current = sprite->getCurrentFrameset();
    if (!current || !sprite->findFrameset(look))
        return;
    const std::string& shown = current->getName();
    if (current == record.firstLook || shown == "AKTIVNI" || shown == "FRAMESET1")
        sprite->setFrameset(look);
}

}

CBonusWatcher::CBonusWatcher() : passTimer(10) {}

void CBonusWatcher::init(CMapEntitiesCollection* collection)
{
    level = collection;
    player = nullptr;
    for (const auto& entity : level->all())
        if (entity->getCollisionClass() == 1)
            player = entity.get();
    active = player != nullptr;
    if (!active)
        CLogger::instance().write("BONUSWATCHER warning: Player entity not found!");
}

void CBonusWatcher::update()
{
    if (!active)
        return;
    if (passTimer.expired() && !CGlobals::instance().levelOver) {
        const Uint32 now = currentTicks();
        endCombo(now);
        // By index: a score label joins the list while it is walked.
        for (size_t i = 0; i < level->size(); ++i) {
            CMapEntity* entity = level->at(i);
            if (entity->getCollisionClass() == 4 && entity->getKind() != kouleUp)
                watch(*entity, now);
        }
        trackedProjectiles.erase(std::remove_if(trackedProjectiles.begin(), trackedProjectiles.end(),
                                                [](const CloseCallRecord& record) { return !record.seen; }),
                                 trackedProjectiles.end());
        for (CloseCallRecord& record : trackedProjectiles)
            record.seen = false;
    }
    forgetReleasedProjectiles();
}

void CBonusWatcher::endCombo(Uint32 now)
{
    if (lastCloseCallTime == 0 || now - lastCloseCallTime <= chainWindow)
        return;
    if (multiplier < praiseCount && praiseLabels[multiplier]) {
        auto praise = CMapEntityCollection::instance().createByName(praiseLabels[multiplier]);
        const CFrame* frame = praise->getSprite()->currentFrame();
        praise->setPosition(static_cast<float>(320 - (frame ? frame->w : 0) / 2), 430);
        level->add(std::move(praise));
    }
    multiplier = 1;
}

void CBonusWatcher::watch(CMapEntity& projectile, Uint32 now)
{
    auto found = std::find_if(trackedProjectiles.begin(), trackedProjectiles.end(),
                              [&projectile](const CloseCallRecord& record) { return record.projectile == &projectile; });
    if (found == trackedProjectiles.end()) {
        float dx = projectile.getX() - player->getX();
        float dy = projectile.getY() - player->getY();
        trackedProjectiles.push_back({dx * dx + dy * dy, 0, &projectile, true, projectile.centerX(),
                                      projectile.centerY(), projectile.getSprite()->getCurrentFrameset()});
        return;
    }

    CloseCallRecord& record = *found;
    float dx = projectile.centerX() - player->centerX();
    float dy = projectile.centerY() - player->centerY();
    float distanceSq = dx * dx + dy * dy;
    showLook(projectile, record, scoredRecently(record, now) ? "FRAMESET1" : "AKTIVNI");
    record.seen = true;
    record.lastCenterX = projectile.centerX();
    record.lastCenterY = projectile.centerY();

    const bool passingBy = distanceSq > record.lastDistanceSq && record.lastDistanceSq < passBand;
    const bool spent = scoredRecently(record, now);
    record.lastDistanceSq = distanceSq;
    if (!passingBy || spent)
        return;
    record.scoredAt = now;
    CSoundEngine::instance().playSound("ROCK");
    score(projectile, distanceSq, now);
}

void CBonusWatcher::score(const CMapEntity& projectile, float distanceSq, Uint32 now)
{
    CGlobals& globals = CGlobals::instance();
    const float birdX = player->centerX();
    const float birdY = player->getY();
    if (distanceSq > farMiss)
        return;
    if (distanceSq > nearMiss) {
        globals.levelScore += 10;
        spawnLabel("BONUS10", birdX, birdY);
        return;
    }
    if (distanceSq > veryCloseMiss) {
        globals.levelScore += 50;
        spawnLabel("BONUS50", birdX, birdY);
        return;
    }

    if (now - lastCloseCallTime <= chainWindow && lastCloseCallTime != 0 && multiplier < maxMultiplier)
        ++multiplier;
    lastCloseCallTime = now;
    if (projectile.getKind() == spot) {
        multiplier = maxMultiplier;
        globals.levelScore += multiplier * 250u;
        spawnLabel("BONUS250", birdX, birdY);
    } else {
        globals.levelScore += multiplier * 150u;
        spawnLabel("BONUS150", birdX, birdY);
    }
    if (multiplier > 1) {
        spawnLabel(multiplierLabels[multiplier], birdX - 20, birdY);
        if (multiplier > 3)
            makeCrowdAngry();
    }
}

void CBonusWatcher::makeCrowdAngry()
{
    CSoundEngine& sound = CSoundEngine::instance();
    for (const auto& entity : level->all()) {
        const CFrameset* shown = entity->getSprite()->getCurrentFrameset();
        if (entity->getCollisionClass() != 3 || !shown)
            continue;
        if (shown->getName() == "RIGHT") {
            entity->getSprite()->setFrameset("ANGRY_RIGHT");
            sound.playSound("NADAVANI2");
        } else if (shown->getName() == "LEFT") {
            entity->getSprite()->setFrameset("ANGRY_LEFT");
            sound.playSound("NADAVANI2");
        }
    }
}

void CBonusWatcher::forgetReleasedProjectiles()
{
    for (const auto& entity : level->all()) {
        if (!entity->isRemoved())
            continue;
        const CMapEntity* released = entity.get();
        trackedProjectiles.erase(std::remove_if(trackedProjectiles.begin(), trackedProjectiles.end(),
                                                [released](const CloseCallRecord& record) {
                                                    return record.projectile == released;
                                                }),
                                 trackedProjectiles.end());
    }
}

void CBonusWatcher::spawnLabel(const char* name, float x, float y)
{
    std::unique_ptr<CMapEntity> label = CMapEntityCollection::instance().createByName(name);
    label->setPosition(x, y);
    level->add(std::move(label));
}
