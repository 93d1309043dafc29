#include "behaviour/power_ups.h"

#include <algorithm>
#include <cstdlib>

#include "app/globals.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"

namespace {

// The parachutes by dispenser index: prototype, power-up kind and static weight. The weights of
// the ammunition (0) and the extra life (2) are worked out again before every draw.
struct CParachuteRow
{
    const char* prototype;
    Uint32 kind;
    float weight;
};

const CParachuteRow parachutes[CPadakDispenser::parachuteCount] = {
    {"PADAKBOBKY",     23, 0.23f},  // 0
    {"PADAKSTIT",      24, 0.23f},  // 1
    {"PADAKZIVOT",     25, 0.23f},  // 2
    {"PADAKGOODTIME",  69, 0.23f},  // 3
    {"PADAKBADTIME",   70, 0.23f},  // 4
    {"PADAKSECRET",    74, 0.23f},  // 5
    {"PADAKLAVINA",    76, 0.23f},  // 6
    {"PADAKKING",      77, 0.23f},  // 7
    {"PADAKLEVEL",     75, 0.13f},  // 8
    {"PADAKSLOW",      72, 0.23f},  // 9
    {"PADAKSPEED",     71, 0.23f},  // 10
    {"PADAKWING",      73, 0.13f},  // 11
    {"PADAKBOMB",      78, 0.23f},  // 12
    {"PADAKBAD",       89, 0.23f},  // 13
};

const int ammoIndex = 0;
const int lifeIndex = 2;

// The kind of an emptied crate: one that nothing collects.
const Uint32 emptyCrate = 0;

bool isParachuteKind(Uint32 kind)
{
    return std::any_of(std::begin(parachutes), std::end(parachutes),
                       [kind](const CParachuteRow& row) { return row.kind == kind; });
}

bool touchesSolidTile(const CMapEntity& entity)
{
    return !entity.getTileContacts().empty();
}

bool showsEmptyCanopy(const CMapEntity& entity)
{
    const CFrameset* shown = entity.getSprite()->getCurrentFrameset();
    return shown && shown->getName() == "EMPTY";
}

}

CPadakDispenser::CPadakDispenser() : dropTimer(static_cast<Uint32>(std::rand() % 5000 + 5000))
{
    for (int i = 0; i < parachuteCount; ++i)
        weights[i] = parachutes[i].weight;
}

void CPadakDispenser::update()
{
    emptyTakenCrates();
    const CGlobals& globals = CGlobals::instance();
    if (!dropTimer.expired() || globals.levelOver)
        return;
    weights[lifeIndex] = std::min(1.0f, 1 / (globals.lives / 1.5f));
    weights[ammoIndex] = static_cast<float>(std::min(1u, 1u / (globals.ammo + 1)));

    int index = chooseIndex();
    std::unique_ptr<CMapEntity> parachute = CMapEntityCollection::instance().createByName(parachutes[index].prototype);
    parachute->setPosition(static_cast<float>(std::rand() % 600), -100);
    dropTimer.setPeriod(static_cast<Uint32>(std::rand() % 8000 + 6500));
    dropTimer.restart();
    level->add(std::move(parachute));
}

int CPadakDispenser::chooseIndex()
{
    for (;;) {
        int index = std::rand() % parachuteCount;
        float threshold = static_cast<float>(std::rand() % 90 + 10) / 100;
        if (weights[index] >= threshold)
            return index;
    }
}

void CPadakDispenser::emptyTakenCrates()
{
    if (!level)
        return;
    for (const auto& entity : level->all())
        if (isParachuteKind(entity->getKind()) && showsEmptyCanopy(*entity))
            entity->setKind(emptyCrate);
}

void CPadakController::update()
{
    entity->moveY(0.8f);
    if (entity->countContactsOfClass(1) > 0)
        entity->getSprite()->setFrameset("EMPTY");
    if (entity->getY() > 350 || touchesSolidTile(*entity))
        release();
}

void CBonus150Controller::onBind()
{
    entity->setAlpha(255);
}

void CBonus150Controller::update()
{
    entity->moveY(-1);
    Sint16 alpha = entity->getAlpha();
    if (alpha > 0)
        entity->setAlpha(static_cast<Sint16>(alpha - 3 * CGlobals::instance().frameFactor));
    if (entity->getY() < 20 || touchesSolidTile(*entity) || entity->getAlpha() <= 7)
        release();
}

void CBonus50Controller::onBind()
{
    entity->setAlpha(255);
    fade = 255;
}

void CBonus50Controller::update()
{
    entity->moveY(-1);
    fade -= CGlobals::instance().frameFactor;
    if (fade > 0)
        entity->setAlpha(static_cast<Sint16>(fade));
    if (entity->getY() < 20 || touchesSolidTile(*entity) || entity->getAlpha() <= 7)
        release();
}

CNapisController::CNapisController(const CNapisController& other)
    : CControllerClone(other), lifeTimer(std::make_unique<CTimer>(3000))
{
}

void CNapisController::update()
{
    entity->moveY(bobDown ? 0.5f : -0.5f);
    if (bobCount++ == 24) {
        bobCount = 0;
        bobDown = !bobDown;
    }
    if (lifeTimer->expired())
        release();
}
