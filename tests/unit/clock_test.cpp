#include <gtest/gtest.h>

#include "game/game.h"

namespace {
// The time each level from 1 to 60 starts with, as minutes * 100 + seconds; -1 for a level
// that keeps the clock as the shop was left.
constexpr int keeps = -1;
constexpr int schedule[60] = {
    1200, 1130, 1100, 1030, 1000, 930,   900,   830,   800,   730,    // 1-10
    700,  700,  700,  700,  keeps, 630,  630,   630,   630,   keeps,  // 11-20
    600,  600,  600,  600,  keeps, 500,  500,   500,   500,   keeps,  // 21-30
    400,  400,  400,  400,  keeps, 300,  300,   300,   300,   keeps,  // 31-40
    200,  200,  200,  200,  keeps, 100,  100,   100,   100,   keeps,  // 41-50
    30,   30,   30,   30,   keeps, 10,   keeps, keeps, keeps, keeps,  // 51-60
};

TEST(ClockRules, EveryLevelStartsWithItsTimeOrKeepsTheClock) {
    for (int level = 1; level <= 60; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        clock_time time{77, 77};
        const bool sets = level_start_time(level, time);
        const int want = schedule[level - 1];
        EXPECT_EQ(sets, want != keeps);
        if (want == keeps)
            EXPECT_EQ(time.minutes * 100 + time.seconds, 7777) << "a kept clock was touched";
        else
            EXPECT_EQ(time.minutes * 100 + time.seconds, want);
    }
    clock_time time{77, 77};
    EXPECT_FALSE(level_start_time(1000, time));
    EXPECT_FALSE(level_start_time(0, time));
}
}  // namespace
