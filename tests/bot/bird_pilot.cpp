#include "bot/bird_pilot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "app/globals.h"
#include "entity/map_entities_collection.h"
#include "entity/map_entity.h"
#include "entity/map_entity_collection.h"
#include "gfx/sprite.h"

namespace {

// How far ahead the bird looks: a dropping's fall to the ground, and the bird's own flight.
const int dropFrames = 240;
const int flightFrames = 36;
// Keeps this far from anything that fells the bird.
const float safety = 3;
// Vultures turn towards the bird now and then: it keeps farther from them.
const float chaserSafety = 14;
// Runs for an ammunition parachute when no more droppings than this are left.
const Uint32 lowAmmunition = 3;
// Flees a vulture that comes this close (centre to centre, each way).
const float fleeDistance = 150;

const std::map<std::string, int> dropScores = {
    {"CLOVEK1", 150}, {"CLOVEK2", 150},  {"CLOVEK3", 150}, {"CLOVEK4", 150},       {"CLOVEK5", 150},
    {"CLOVEK6", 150}, {"WINTERCLOVEK1", 150}, {"YETI", 150}, {"VELBLOUD", 150},   {"BOSS1", 1000},
    {"CAT", 250},     {"DOG", 250},      {"PIG", 250},     {"WINTERDOG", 250},     {"FOX", 250},
    {"PENGUIN", 250}, {"EGGRUNNER", 250}, {"NEST", 250},   {"TRIGGERBALON", 1000},
};

const std::set<std::string> chaserNames = {"SUP", "GOLDENSUP"};

// Icicles and where their drops appear: the drops fall straight down from there, at any time.
// Right under that point a fresh drop would strike before the bird could turn away; lower down
// the drop is seen falling and dodged like anything else.
struct CDripPoint
{
    const char* icicle;
    float dx, dy;
};
const CDripPoint dripPoints[] = {{"RAMPOUCH1", 2, 42}, {"RAMPOUCH2", 0, 25}};

const float dripReach = 60;

// The stretch under an icicle's drip point where a fresh drop cannot be dodged.
CBox dripZone(const CMapEntity& icicle, const CDripPoint& drip)
{
    const CMapEntity& drop = CMapEntityCollection::instance().find("KAPKA");
    SDL_Rect box = drop.currentBox();
    return {icicle.getX() + drip.dx + box.x, icicle.getY() + drip.dy + box.y, static_cast<float>(box.w),
            dripReach + box.h};
}

// Parachutes the bird keeps away from: swapped keys, lost time, an avalanche, a slower bird, a
// gamble, and the one that wins the level at once (the bot plays the level, not the lottery).
const std::set<std::string> unwantedParachutes = {"PADAKBAD",  "PADAKBADTIME", "PADAKLAVINA",
                                                  "PADAKKING", "PADAKSECRET",  "PADAKLEVEL"};
// A person soon learns the crates that harm (swapped keys, lost time, an avalanche, a slower
// bird) and keeps away from them; any other crate is welcome, the gamble and the won level too.
const std::set<std::string> harmfulParachutes = {"PADAKBAD", "PADAKBADTIME", "PADAKLAVINA", "PADAKKING"};

bool falling(const CMapEntity& bird)
{
    return bird.getSprite()->currentFramesetName() == "FALL";
}

// The bird's sideways speed as its controller sets it for the keys held in this wind.
float steerFor(const CControls& keys, float wind)
{
    const CGlobals& globals = CGlobals::instance();
    const bool windMoves = globals.difficulty != 0;
    const float s = globals.birdSpeed;
    float steer = windMoves ? wind / 4 : 0;
    if (keys.left)
        steer = windMoves ? (wind / 4 - 3) * s : -3 * s;
    if (keys.right)
        steer = windMoves ? (wind / 4 + 3) * s : 3 * s;
    return steer;
}

// The moves the pilot weighs when the straight way is not safe: any keys held for a while, then
// any others.
std::vector<CBirdPilot::CPlan> everyPlan()
{
    std::vector<CControls> moves;
    for (int across = -1; across <= 1; ++across) {
        for (int along = -1; along <= 1; ++along) {
            CControls keys;
            keys.left = across < 0;
            keys.right = across > 0;
            keys.up = along < 0;
            keys.down = along > 0;
            moves.push_back(keys);
        }
    }
    std::vector<CBirdPilot::CPlan> plans;
    for (const CControls& first : moves) {
        plans.push_back({first, flightFrames, first});
        for (int switchAt : {6, 15})
            for (const CControls& then : moves)
                plans.push_back({first, switchAt, then});
    }
    return plans;
}

// The bird's top-left corner after each frame of the plan in this wind.
std::vector<std::pair<float, float>> flight(const CMapEntity& bird, const CBirdPilot::CPlan& plan, int frames,
                                            float wind)
{
    const CGlobals& globals = CGlobals::instance();
    const float s = globals.birdSpeed;
    const float base = globals.difficulty != 0 ? wind / 4 : 0;
    float x = bird.getX(), y = bird.getY();
    std::vector<std::pair<float, float>> path;
    for (int k = 0; k < frames; ++k) {
        const CControls& keys = k < plan.switchAt ? plan.first : plan.then;
        const float steer = steerFor(keys, wind);
        y += keys.down ? 3 * s : 1;
        x += base;
        if ((keys.right && x + steer < 600) || (keys.left && x - steer > 0))
            x += steer;
        if (keys.up && y - 3.5f * s > 0)
            y -= 3.5f * s;
        path.emplace_back(x, y);
    }
    return path;
}

CBox droppingBoxAt(float x, float y)
{
    const CMapEntity& prototype = CMapEntityCollection::instance().find("BOBEK");
    SDL_Rect box = prototype.currentBox();
    return {x + box.x, y + box.y, static_cast<float>(box.w), static_cast<float>(box.h)};
}

// A parachute with its crate still on.
bool isParachute(const CMapEntity& entity)
{
    return entity.getName().compare(0, 5, "PADAK") == 0 && entity.getSprite()->currentFramesetName() == "FRAMESET1";
}

}

CBirdPilot::CBirdPilot(std::unique_ptr<CHumanProfile> human, float cruiseHeight)
    : human(std::move(human)), cruise(cruiseHeight)
{
}

int scoreFor(const std::string& entityName)
{
    auto found = dropScores.find(entityName);
    return found == dropScores.end() ? 0 : found->second;
}

void CBirdPilot::forecastAll(const CMapEntitiesCollection& collection)
{
    paths.clear();
    hazards.clear();
    avoided.clear();
    chasers.clear();
    obstacles.clear();
    for (const auto& entity : collection.all()) {
        // A person knows only what they have seen, and dodges a threat only once they have
        // taken it in; without a profile everything is seen as it is now.
        const CSighting* seen = human ? human->seen(*entity) : nullptr;
        if (human && !seen)
            continue;
        for (const CDripPoint& drip : dripPoints) {
            if (entity->getName() != drip.icicle)
                continue;
            paths[entity.get()] = std::vector<CBox>(dropFrames, dripZone(*entity, drip));
            hazards.push_back(entity.get());
        }
        if (entity->isRemoved() || entity->currentBox().w == 0)
            continue;
        const Uint32 cls = entity->getCollisionClass();
        const bool hazard = (cls == 3 || cls == 4) && (!human || human->reactsTo(*seen));
        const bool unwanted = (human ? harmfulParachutes : unwantedParachutes).count(entity->getName()) &&
                              isParachute(*entity);
        const bool wanted = entity->getName() == "PADAKBOBKY" || (human && isParachute(*entity) && !unwanted);
        const bool stopsDroppings = cls == 3 || cls == 5;
        if (!hazard && !unwanted && !stopsDroppings && !wanted && entity->getName() != "EGG")
            continue;
        if (human) {
            // What was seen a moment ago is followed on in the mind to now: only what changed
            // since (a turn, a throw) is not known yet.
            std::vector<CBox> path = forecast(*seen, motionOf(*entity), human->delay() + dropFrames);
            path.erase(path.begin(), path.begin() + human->delay());
            paths[entity.get()] = std::move(path);
        } else {
            paths[entity.get()] = forecast(*entity, dropFrames);
        }
        if (hazard && chaserNames.count(entity->getName()))
            chasers.push_back(entity.get());
        else if (hazard)
            hazards.push_back(entity.get());
        if (unwanted)
            avoided.push_back(entity.get());
        if (stopsDroppings)
            obstacles.push_back(entity.get());
    }
}

CBox CBirdPilot::boxSeen(const CMapEntity& entity) const
{
    const CSighting* seen = human ? human->seen(entity) : nullptr;
    return seen ? seen->box : boxOf(entity);
}

std::vector<CBox> CBirdPilot::judgedDroppingPath(const CMapEntity& bird, float steer) const
{
    const CBox start = droppingBoxAt(bird.getX() + 15, bird.getY() + 20);
    std::vector<CBox> drop = droppingPath(start, wind / 2 + steer, dropFrames);
    if (human)
        for (CBox& box : drop)
            box = box.moved(human->misjudgement(box.top - start.top, wind), 0);
    return drop;
}

bool CBirdPilot::committedTo(const CMapEntity* target) const
{
    auto found = committed.find(target);
    return found != committed.end() && found->second >= frame;
}

const CMapEntity* CBirdPilot::landsOn(const CMapEntity& bird, float steer, int* frames) const
{
    const CMap& map = *level->getMap();
    const std::vector<CBox> drop = judgedDroppingPath(bird, steer);
    for (int k = 0; k < dropFrames; ++k) {
        const CBox& box = drop[static_cast<size_t>(k)];
        if (box.top > 480 || box.left < -100 || box.left > 740 || onSolidCell(map, box))
            return nullptr;
        for (const CMapEntity* obstacle : obstacles) {
            if (!box.touches(paths.at(obstacle)[static_cast<size_t>(k)]))
                continue;
            *frames = k + 1;
            return scoreFor(obstacle->getName()) > 0 ? obstacle : nullptr;
        }
    }
    return nullptr;
}

bool CBirdPilot::goalAwayFromVultures(const CMapEntity& bird, CGoal& goal) const
{
    const CBox me = boxOf(bird);
    for (const CMapEntity* chaser : chasers) {
        const CBox vulture = boxSeen(*chaser);
        const float dx = vulture.centerX() - me.centerX(), dy = vulture.centerY() - me.centerY();
        // The golden one bombs when it is above the bird and not far to either side.
        const bool bombing = chaser->getName() == "GOLDENSUP" && dy < 0 && dx > -160 && dx < 180;
        if (!bombing && (std::fabs(dx) > fleeDistance || std::fabs(dy) > fleeDistance))
            continue;
        // Away from it on the bird's side, or past it and out of its height if that side is a wall.
        const float away = dx > 0 ? bird.getX() - 120 : bird.getX() + 120;
        if (away > 10 && away < 580) {
            goal = {away, bird.getY()};
        } else {
            goal = {dx > 0 ? 560.0f : 20.0f, std::clamp(bird.getY() + (dy < 0 ? 160.0f : -160.0f), 30.0f, 330.0f)};
        }
        return true;
    }
    return false;
}

bool CBirdPilot::goalForEgg(const CMapEntity& bird, CGoal& goal) const
{
    const CMap& map = *level->getMap();
    const CBox birdBox = boxOf(bird);
    const float s = CGlobals::instance().birdSpeed;
    int soonestBreak = std::numeric_limits<int>::max();
    for (const auto& entry : paths) {
        if (entry.first->getName() != "EGG")
            continue;
        const std::vector<CBox>& path = entry.second;
        int breaks = 0;
        while (breaks < dropFrames && !onSolidCell(map, path[static_cast<size_t>(breaks)]))
            ++breaks;
        if (breaks >= soonestBreak)
            continue;
        // Eggs that drift off the screen first vanish harmlessly.
        const CBox& last = path[static_cast<size_t>(std::min(breaks, dropFrames - 1))];
        if (last.left < 20 || last.left > 600)
            continue;
        for (int k = 0; k < breaks; ++k) {
            const CBox& egg = path[static_cast<size_t>(k)];
            const float dx = egg.centerX() - birdBox.centerX(), dy = egg.centerY() - birdBox.centerY();
            const float across = std::fabs(dx) / (3 * s);
            const float along = dy > 0 ? dy / (3 * s) : -dy / (3.5f * s - 1);
            if (std::max(across, along) <= static_cast<float>(k + 1)) {
                soonestBreak = breaks;
                goal = {bird.getX() + dx, bird.getY() + dy};
                break;
            }
        }
    }
    return soonestBreak != std::numeric_limits<int>::max();
}

template <typename Filter> bool CBirdPilot::goalForParachute(const CMapEntity& bird, CGoal& goal, Filter accepts) const
{
    const CBox birdBox = boxOf(bird);
    float nearest = std::numeric_limits<float>::max();
    for (const auto& entry : paths) {
        if (!isParachute(*entry.first))
            continue;
        const CBox crate = entry.second[2];
        if (crate.top > 300 || !accepts(*entry.first, crate))
            continue;
        const float dx = crate.centerX() - birdBox.centerX(), dy = crate.centerY() - birdBox.centerY();
        if (std::fabs(dx) + std::fabs(dy) < nearest) {
            nearest = std::fabs(dx) + std::fabs(dy);
            goal = {bird.getX() + dx, bird.getY() + dy};
        }
    }
    return nearest != std::numeric_limits<float>::max();
}

bool CBirdPilot::goalForAmmunition(const CMapEntity& bird, CGoal& goal) const
{
    if (CGlobals::instance().ammo > lowAmmunition)
        return false;
    return goalForParachute(bird, goal, [](const CMapEntity& crate, const CBox&) {
        return crate.getName() == "PADAKBOBKY";
    });
}

bool CBirdPilot::goalForNoticedParachute(const CMapEntity& bird, CGoal& goal) const
{
    if (!human)
        return false;
    const CBox birdBox = boxOf(bird);
    return goalForParachute(bird, goal, [&](const CMapEntity& parachute, const CBox& crate) {
        return !harmfulParachutes.count(parachute.getName()) && human->notices(crate, birdBox);
    });
}

bool CBirdPilot::goalForTarget(const CMapEntity& bird, float steer, CGoal& goal) const
{
    const std::vector<CBox> drop = judgedDroppingPath(bird, steer);
    float best = std::numeric_limits<float>::max();
    for (const CMapEntity* target : obstacles) {
        const int score = scoreFor(target->getName());
        if (score == 0 || committedTo(target))
            continue;
        const std::vector<CBox>& path = paths.at(target);
        for (int k = 0; k < dropFrames; ++k) {
            const CBox& at = path[static_cast<size_t>(k)];
            if (drop[static_cast<size_t>(k)].bottom() < at.top + at.height / 3)
                continue;
            if (at.left > 600 || at.left + at.width < 0)
                break;
            const float dx = at.centerX() - drop[static_cast<size_t>(k)].centerX();
            const float cost = std::fabs(dx) - score / 10.0f;
            if (cost < best) {
                best = cost;
                goal = {std::clamp(bird.getX() + dx, 2.0f, 590.0f), cruise};
            }
            break;
        }
    }
    return best != std::numeric_limits<float>::max();
}

float CBirdPilot::danger(const CMapEntity& bird, const std::vector<std::pair<float, float>>& path) const
{
    const CBox now = boxOf(bird);
    float danger = 0;
    for (int k = 0; k < flightFrames; ++k) {
        const CBox box = now.moved(path[static_cast<size_t>(k)].first - bird.getX(),
                                   path[static_cast<size_t>(k)].second - bird.getY());
        const struct
        {
            const std::vector<const CMapEntity*>& group;
            float margin;
        } groups[] = {{hazards, safety}, {avoided, safety}, {chasers, chaserSafety}};
        for (const auto& group : groups)
            for (const CMapEntity* hazard : group.group)
                if (box.grown(group.margin).touches(paths.at(hazard)[static_cast<size_t>(k)]))
                    danger += static_cast<float>(flightFrames - k);
    }
    return danger;
}

CControls CBirdPilot::fly(const CMapEntitiesCollection& collection, const CControls& held)
{
    ++frame;
    level = &collection;
    if (human)
        human->look(collection, CGlobals::instance().wind);
    wind = human ? human->wind() : CGlobals::instance().wind;
    for (auto entry = committed.begin(); entry != committed.end();)
        entry = entry->second < frame ? committed.erase(entry) : std::next(entry);
    const CMapEntity* bird = collection.getPlayer();
    if (!bird || falling(*bird) || CGlobals::instance().levelOver)
        return {};
    forecastAll(collection);

    CControls keys;
    int lands = 0;
    const CMapEntity* target = landsOn(*bird, steerFor(held, wind), &lands);
    if (target && !committedTo(target) && CGlobals::instance().ammo > 0) {
        keys.fire = true;
        committed[target] = frame + lands + 1;
        if (human)
            human->letGo();
    }

    CGoal goal{bird->getX(), cruise};
    if (!goalAwayFromVultures(*bird, goal) && !goalForEgg(*bird, goal) && !goalForAmmunition(*bird, goal) &&
        !goalForNoticedParachute(*bird, goal))
        goalForTarget(*bird, steerFor(CControls(), wind), goal);

    // The keys that lead to the goal; if they lead into harm, the start of the safe plan that
    // comes closest to it.
    const float dx = goal.x - bird->getX(), dy = goal.y - bird->getY();
    CControls wanted;
    wanted.left = dx < -2;
    wanted.right = dx > 2;
    wanted.up = dy < -2;
    wanted.down = dy > 8;
    if (danger(*bird, flight(*bird, {wanted, flightFrames, wanted}, flightFrames, wind)) != 0) {
        static const std::vector<CPlan> plans = everyPlan();
        float bestCost = std::numeric_limits<float>::max();
        for (const CPlan& plan : plans) {
            const std::vector<std::pair<float, float>> path = flight(*bird, plan, flightFrames, wind);
            float closest = std::numeric_limits<float>::max();
            for (const auto& place : path)
                closest = std::min(closest, std::fabs(place.first - goal.x) + std::fabs(place.second - goal.y));
            const float cost = 1e4f * danger(*bird, path) + closest;
            if (cost < bestCost) {
                bestCost = cost;
                wanted = plan.first;
            }
        }
    }
    wanted.fire = keys.fire;
    return human ? human->hands(wanted, held) : wanted;
}
