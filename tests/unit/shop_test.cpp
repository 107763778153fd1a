#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/shop.h"

namespace {
TEST(ShopPoints, TimeLeftBecomesPointsReplacingTheOldValue) {
    struct time_case {
        int hours, minutes, seconds, points;
    };
    const time_case cases[] = {{0, 2, 30, 150}, {0, 0, 0, 0},     {0, 12, 0, 720},
                               {1, 0, 1, 3601}, {0, 0, 59, 59}, {2, 59, 59, 10799}};
    for (const time_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hours << ":" << c.minutes << ":" << c.seconds);
        shop s{};
        s.points = 500;
        s.convert_time_to_pionts(c.hours, c.minutes, c.seconds);
        EXPECT_EQ(s.points, c.points);
    }
}

// Clicks: h hammer, s stopwatch, g hourglass, d dynamite.
TEST(ShopBuy, PurchasesNeedThePriceAndTakeExactlyIt) {
    struct buy_case {
        int points;
        std::string clicks;
        std::vector<int> points_after;  // after each click
        int hammers, stopwatches, hourglasses, dynamites;  // bought
    };
    const buy_case cases[] = {
        {119, "h", {119}, 0, 0, 0, 0},
        {120, "h", {0}, 1, 0, 0, 0},
        {99, "hsgd", {99, 99, 99, 99}, 0, 0, 0, 0},
        {100, "hgds", {100, 100, 100, 0}, 0, 1, 0, 0},
        {109, "g", {109}, 0, 0, 0, 0},
        {110, "g", {0}, 0, 0, 1, 0},
        {149, "d", {149}, 0, 0, 0, 0},
        {150, "dd", {0, 0}, 0, 0, 0, 1},
        {330, "hgsd", {210, 100, 0, 0}, 1, 1, 1, 0},
        {1000, "hhhhhhhhh", {880, 760, 640, 520, 400, 280, 160, 40, 40}, 8, 0, 0, 0},
    };
    for (const buy_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " points, clicks " << c.clicks);
        shop s{};
        s.points = c.points;
        s.hammers = s.stopwatches = s.hourglasses = s.dynamites = 10;
        std::vector<int> seen;
        for (char click : c.clicks) {
            switch (click) {
                case 'h': s.buy_hammer(); break;
                case 's': s.buy_stopwatch(); break;
                case 'g': s.buy_hourglass(); break;
                case 'd': s.buy_dynamite(); break;
            }
            seen.push_back(s.points);
        }
        EXPECT_EQ(seen, c.points_after);
        EXPECT_EQ(s.hammers, 10 + c.hammers);
        EXPECT_EQ(s.stopwatches, 10 + c.stopwatches);
        EXPECT_EQ(s.hourglasses, 10 + c.hourglasses);
        EXPECT_EQ(s.dynamites, 10 + c.dynamites);
    }
}
}  // namespace
