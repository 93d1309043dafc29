#pragma once

#include <memory>
#include <vector>

#include "app/timer.h"

class CMapEntity;

// A point on the screen holding a stack of ready-made entities, released one at a time: the
// first after the start delay, each further one after the interval, the last pushed first.
class CMapGenerator
{
public:
    CMapGenerator(int x, int y, Uint32 interval, Uint32 start);
    ~CMapGenerator();
    CMapGenerator(const CMapGenerator&) = delete;
    CMapGenerator& operator=(const CMapGenerator&) = delete;

    void push(std::unique_ptr<CMapEntity> entity);
    // The entity released now, placed at the generator's point, or null.
    std::unique_ptr<CMapEntity> poll();
    size_t remaining() const { return entities.size(); }

private:
    int x, y;
    CTimer intervalTimer;
    CTimer startTimer;
    bool firstPending = true;
    std::vector<std::unique_ptr<CMapEntity>> entities;
};
