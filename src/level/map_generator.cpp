#include "level/map_generator.h"

#include "entity/map_entity.h"

CMapGenerator::CMapGenerator(int x, int y, Uint32 interval, Uint32 start)
    : x(x), y(y), intervalTimer(interval), startTimer(start)
{
}

CMapGenerator::~CMapGenerator() = default;

void CMapGenerator::push(std::unique_ptr<CMapEntity> entity)
{
    entities.push_back(std::move(entity));
}

std::unique_ptr<CMapEntity> CMapGenerator::poll()
{
    bool intervalDue = intervalTimer.expired();
    if (!intervalDue || entities.empty() || firstPending) {
        bool startDue = startTimer.expired();
        if (!(startDue && firstPending && !entities.empty()))
            return nullptr;
    }
    firstPending = false;
    std::unique_ptr<CMapEntity> released = std::move(entities.back());
    entities.pop_back();
    released->setPosition(static_cast<float>(x), static_cast<float>(y));
    intervalTimer.restart();
    return released;
}
