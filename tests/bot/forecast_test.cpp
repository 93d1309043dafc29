#include <gtest/gtest.h>

#include "bot/forecast.h"
#include "entity/map_entity.h"
#include "support/test_level.h"

namespace {

// The forecast made now against where the entity really is, frame after frame.
void expectForecastHolds(CTestLevel& level, CMapEntity* entity, int frames)
{
    const std::vector<CBox> path = forecast(*entity, frames);
    for (int k = 0; k < frames; ++k) {
        level.frame();
        const CBox real = boxOf(*entity);
        ASSERT_NEAR(path[k].left, real.left, 1.0f) << "after " << k + 1 << " frames";
        ASSERT_NEAR(path[k].top, real.top, 1.0f) << "after " << k + 1 << " frames";
    }
}

TEST(Forecast, AWalkerTurnsAtTheRightEdgeAndBackAtTheLeftLine)
{
    CTestLevel level;
    CMapEntity* walker = level.place("CLOVEK2", 560, 400);  // 1.5 pixels a frame, turning at x + 10 > 630
    level.frames(3);
    EXPECT_EQ(motionOf(*walker), EMotion::Walking);
    expectForecastHolds(level, walker, 500);
}

TEST(Forecast, AThrownStoneRisesAndFallsBack)
{
    CTestLevel level;
    CMapEntity* stone = level.place("KAMEN", 300, 400);
    stone->setVelocityX(1.0f);
    level.frames(2);
    EXPECT_EQ(motionOf(*stone), EMotion::Thrown);
    expectForecastHolds(level, stone, 100);
}

TEST(Forecast, ADroppingFallsTwoPixelsAFrameWhileItsDriftFades)
{
    CTestLevel level;
    CMapEntity* dropping = level.place("BOBEK", 100, 50);
    dropping->setVelocityX(1.5f);
    const std::vector<CBox> path = droppingPath(boxOf(*dropping), 1.5f, 120);
    for (int k = 0; k < 120; ++k) {
        level.frame();
        ASSERT_NEAR(path[k].left, boxOf(*dropping).left, 1.0f) << k;
        ASSERT_NEAR(path[k].top, boxOf(*dropping).top, 0.01f) << k;
    }
    EXPECT_NEAR(path.back().left - path.front().left, 1.5f * 1.5f / 0.06f, 3.0f);  // it drifts ~37 px in all
}

TEST(Forecast, BoxesTouchOnSharedPixelsOnlyAndSolidCellsCountOneRowBelow)
{
    const CBox a{10, 10, 10, 10};
    EXPECT_TRUE(a.touches({19, 19, 5, 5}));
    EXPECT_FALSE(a.touches({20, 10, 5, 5}));
    EXPECT_FALSE(a.touches({0, 0, 0, 0}));
    EXPECT_TRUE(a.grown(1).touches({20, 10, 5, 5}));

    CTestLevel level;  // solid ground in row 14 (y 448 on)
    EXPECT_FALSE(onSolidCell(level.map, {100, 400, 10, 47}));
    EXPECT_TRUE(onSolidCell(level.map, {100, 400, 10, 48}));  // the contact pass looks one pixel beyond the box
    EXPECT_FALSE(onSolidCell(level.map, {-200, 460, 10, 10}));
}

}
