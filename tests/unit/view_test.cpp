#include <gtest/gtest.h>

#include "app/frames.h"
#include "app/view.h"

namespace {
// A caption and borders as Windows 10 draws them at 100 %.
constexpr int frame_w = 16, frame_h = 39;

TEST(View, WindowScaleIsTheLargestWholeNumberThatFitsTheWorkArea) {
    const struct {
        int width, height, scale;
    } cases[] = {
        {800, 600, 1},    // not even 1 fits with the frame: still 1
        {1366, 728, 1},   {1920, 1040, 1},  {2560, 1400, 2}, {3840, 2120, 3},
        {2416, 1839, 3},  {2415, 1839, 2},  {2416, 1838, 2},  // exactly fits, and one short
        {1080, 1880, 1},  {2160, 3800, 2},                    // portrait
        {7680, 4280, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(window_scale(c.width, c.height, frame_w, frame_h), c.scale);
    }
}

TEST(View, FullScreenCentresTheLargestWholeScale) {
    const struct {
        int width, height;
        placement place;
    } cases[] = {
        {3840, 2160, {3, 720, 180}}, {2560, 1440, {2, 480, 120}}, {1920, 1080, {1, 560, 240}},
        {1280, 1024, {1, 240, 212}}, {800, 600, {1, 0, 0}},       {1080, 1920, {1, 140, 660}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const placement p = centred(c.width, c.height);
        EXPECT_EQ(p.scale, c.place.scale);
        EXPECT_EQ(p.left, c.place.left);
        EXPECT_EQ(p.top, c.place.top);
    }
}

TEST(View, ClicksAtScaleThreeMapToGamePixelsAndTheBlackGivesNone) {
    const placement window = {3, 0, 0};
    const placement full = {3, 720, 180};
    const struct {
        const char* name;
        placement place;
        int x, y;
        bool hit;
        int game_x, game_y;
    } cases[] = {
        {"window corner", window, 0, 0, true, 0, 0},
        {"same block", window, 2, 2, true, 0, 0},
        {"next block", window, 3, 5, true, 1, 1},
        {"a card's corner", window, 795, 195, true, 265, 65},
        {"last pixel", window, 2399, 1799, true, 799, 599},
        {"right of the picture", window, 2400, 10, false, 0, 0},
        {"below the picture", window, 10, 1800, false, 0, 0},
        {"full screen corner", full, 720, 180, true, 0, 0},
        {"full screen last pixel", full, 3119, 1979, true, 799, 599},
        {"left bar", full, 719, 500, false, 0, 0},
        {"top bar", full, 1000, 179, false, 0, 0},
        {"right bar", full, 3120, 500, false, 0, 0},
        {"bottom bar", full, 1000, 1980, false, 0, 0},
        {"left of the screen", full, -1, 500, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int gx = -7, gy = -7;
        ASSERT_EQ(to_game(c.place, c.x, c.y, gx, gy), c.hit);
        if (!c.hit) continue;
        EXPECT_EQ(gx, c.game_x);
        EXPECT_EQ(gy, c.game_y);
        // The block the game pixel becomes holds the click.
        const RECT block = to_client(c.place, {gx, gy, gx + 1, gy + 1});
        EXPECT_TRUE(c.x >= block.left && c.x < block.right && c.y >= block.top &&
                    c.y < block.bottom);
    }
    // Client pixels lost partly over a block take the whole block, and nothing of the bars.
    const RECT lost = to_game_rect(full, {700, 181, 725, 3000});
    EXPECT_EQ(lost.left, 0);
    EXPECT_EQ(lost.top, 0);
    EXPECT_EQ(lost.right, 2);
    EXPECT_EQ(lost.bottom, 600);
}

TEST(View, CommandLineChoosesTheMode) {
    const struct {
        const char* line;
        window_mode mode;
    } cases[] = {
        {"", window_mode::plain},
        {nullptr, window_mode::plain},
        {"/window", window_mode::windowed},
        {"/Window", window_mode::windowed},
        {"  /fullscreen ", window_mode::full_screen},
        {"/windows", window_mode::plain},
        {"window", window_mode::plain},
        {"/window /fullscreen", window_mode::full_screen},
        {"/fullscreen\t/window", window_mode::windowed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line ? c.line : "(none)");
        EXPECT_EQ(mode_from_command_line(c.line), c.mode);
    }
}

TEST(View, FramesWaitForTheirWakeAndForTheNextRefresh) {
    const long long refresh = 16667;
    const struct {
        const char* name;
        bool wanted;
        std::uint32_t wake, now;
        long long since_us;
        int delay;
    } cases[] = {
        {"nothing due", false, 0, 0, 0, -1},
        {"due now, just drawn", true, 500, 500, 0, 17},
        {"due now, a refresh ago", true, 500, 500, 20000, 0},
        {"due later", true, 600, 500, 0, 100},
        {"overdue", true, 400, 500, 50000, 0},
        {"due across the wrap", true, 0x10, 0xFFFFFFF0u, 50000, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(frame_delay(c.wanted, c.wake, c.now, c.since_us, refresh), c.delay);
    }
}
}  // namespace
