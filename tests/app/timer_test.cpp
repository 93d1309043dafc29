#include <gtest/gtest.h>

#include <algorithm>

#include "app/clock.h"
#include "app/timer.h"

namespace {

class TimerTest : public ::testing::Test
{
protected:
    CVirtualClock clock{100000};
    CScopedClock installed{&clock};
};

TEST_F(TimerTest, CountsFromTheFirstPollNotFromConstruction)
{
    CTimer timer(3000);
    clock.advance(50000);
    EXPECT_FALSE(timer.expired());  // first poll starts the count
    clock.advance(2999);
    EXPECT_FALSE(timer.expired());
    clock.advance(1);
    EXPECT_TRUE(timer.expired());
    EXPECT_FALSE(timer.expired());  // restarted itself at that poll
}

TEST_F(TimerTest, ALongGapFiresOnceAndCountsFromThatPoll)
{
    CTimer timer(3000);
    timer.expired();
    clock.advance(3000);
    ASSERT_TRUE(timer.expired());
    clock.advance(7000);
    EXPECT_TRUE(timer.expired());
    EXPECT_FALSE(timer.expired());
    clock.advance(2999);
    EXPECT_FALSE(timer.expired());
    clock.advance(1);
    EXPECT_TRUE(timer.expired());
}

TEST_F(TimerTest, ShiftMovesTheDeadlineBothWays)
{
    CTimer timer(10000);
    timer.restart();
    clock.advance(1000);  // 9000 ms left
    timer.shift(-5000);   // 4000 ms left
    clock.advance(3999);
    EXPECT_FALSE(timer.expired());
    clock.advance(1);
    EXPECT_TRUE(timer.expired());

    timer.shift(2000);  // now 12000 ms to go
    clock.advance(11999);
    EXPECT_FALSE(timer.expired());
    clock.advance(1);
    EXPECT_TRUE(timer.expired());
}

TEST_F(TimerTest, AStartMovedIntoTheFutureWaitsInsteadOfFiring)
{
    CTimer clockOfLevel(60000);
    clockOfLevel.restart();
    clock.advance(3000);
    clockOfLevel.shift(10000);  // ten seconds more, three seconds into the level
    EXPECT_EQ(clockOfLevel.elapsed(), -7000);
    EXPECT_FALSE(clockOfLevel.expired());
    clock.advance(66999);
    EXPECT_FALSE(clockOfLevel.expired());
    clock.advance(1);
    EXPECT_TRUE(clockOfLevel.expired());

    CTimer started(1000);
    started.restart();  // a pause begins on the very tick the timer started
    clock.advance(500);
    CTimerWatch::instance().shiftAll(501);
    EXPECT_FALSE(started.expired());
    clock.advance(1000);
    EXPECT_FALSE(started.expired());
    clock.advance(1);
    EXPECT_TRUE(started.expired());
}

TEST_F(TimerTest, RestartAndElapsed)
{
    CTimer timer(500);
    timer.restart();
    clock.advance(120);
    EXPECT_EQ(timer.elapsed(), 120);
    timer.restart();
    EXPECT_EQ(timer.elapsed(), 0);
    clock.advance(499);
    EXPECT_FALSE(timer.expired());
}

TEST_F(TimerTest, ShiftAllAfterAPauseKeepsTheRemainingTime)
{
    CTimer timer(1000);
    timer.restart();
    clock.advance(800);              // 200 ms left when the pause begins
    clock.advance(1499);             // the pause
    CTimerWatch::instance().shiftAll(1500);
    EXPECT_FALSE(timer.expired());
    clock.advance(199);
    EXPECT_FALSE(timer.expired());
    clock.advance(2);
    EXPECT_TRUE(timer.expired());
}

TEST_F(TimerTest, ADestroyedTimerLeavesTheList)
{
    const auto& timers = CTimerList::instance().all();
    size_t before = timers.size();
    CTimer* survivor = new CTimer(100);
    {
        CTimer gone(100);
        EXPECT_EQ(timers.size(), before + 2);
    }
    EXPECT_EQ(timers.size(), before + 1);
    EXPECT_NE(std::find(timers.begin(), timers.end(), survivor), timers.end());
    delete survivor;
    EXPECT_EQ(timers.size(), before);
    CTimerWatch::instance().shiftAll(1000);  // touches only live timers
}

TEST_F(TimerTest, SetPeriodKeepsTheRunningCount)
{
    CTimer timer(5000);
    timer.restart();
    clock.advance(2000);
    timer.setPeriod(1500);
    EXPECT_TRUE(timer.expired());
}

}
