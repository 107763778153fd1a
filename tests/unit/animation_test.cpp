#include <gtest/gtest.h>

#include <vector>

#include "gfx/animation.h"
#include "unit/support.h"

namespace {
// Channel values that survive 16-bit quantisation unchanged.
int exact(int v) { return (v & ~7) | (v >> 5); }
rgb frame_colour(int i) { return {exact(40 + 17 * i), exact(200 - 13 * i), exact(90 + 11 * i)}; }
const rgb marker{255, 0, 255};
const rgb target_colour{90, 165, 24};
const rgb green{0, 255, 0};
COLORREF ref(const rgb& c) { return RGB(c.r, c.g, c.b); }

// A strip file whose frame i is painted frame_colour(i) with one green key pixel at its
// top-left + (1, 0); columns left over by the integer frame width are the marker.
struct strip {
    animation a{};
    strip(int width, int height, int frames) {
        const int frame_width = width / frames;
        write_bmp("strip.bmp", width, height, [&](int x, int y) {
            const int i = x / frame_width;
            if (i >= frames) return marker;
            if (y == 0 && x % frame_width == 1) return green;
            return frame_colour(i);
        });
        a.load("strip.bmp", width, height, frames);
    }
    ~strip() { a.remove(); }
};

class AnimationClock : public testing::Test {
protected:
    fake_clock clock;
};

TEST_F(AnimationClock, FirstUpdateAfterLoadAdvancesAtOnce) {
    strip s(30, 10, 3);
    s.a.set_delay(100);
    EXPECT_EQ(s.a.repeat, -1);
    s.a.update();
    EXPECT_EQ(s.a.frame, 1);
}

TEST_F(AnimationClock, FirstUpdateWaitsWhileTheCounterIsBelowTheDelay) {
    clock.set(100);
    strip s(30, 10, 3);
    s.a.set_delay(100);
    s.a.update();
    EXPECT_EQ(s.a.frame, 0);
    clock.set(101);
    s.a.update();
    EXPECT_EQ(s.a.frame, 1);
}

TEST_F(AnimationClock, AdvancesOnlyWhenStrictlyMoreThanTheDelayHasPassed) {
    struct step_case {
        int delay;
        std::uint32_t after;
        int advances;
    };
    const step_case cases[] = {{100, 0, 0},  {100, 99, 0}, {100, 100, 0}, {100, 101, 1},
                               {100, 5000, 1}, {0, 0, 0},  {0, 1, 1},     {300, 301, 1}};
    for (const step_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "delay " << c.delay << ", after " << c.after);
        strip s(30, 10, 3);
        s.a.set_delay(c.delay);
        s.a.update();  // first advance, frame 1, clock restarts here
        clock.advance(c.after);
        s.a.update();
        EXPECT_EQ(s.a.frame, 1 + c.advances);
    }
}

TEST_F(AnimationClock, LateUpdatesStretchFramesInsteadOfSkipping) {
    strip s(40, 10, 4);
    s.a.set_delay(100);
    s.a.update();
    clock.advance(1000);
    s.a.update();
    EXPECT_EQ(s.a.frame, 2);
    // The next delay counts from that late advance, not from the one before.
    clock.advance(100);
    s.a.update();
    EXPECT_EQ(s.a.frame, 2);
    clock.advance(1);
    s.a.update();
    EXPECT_EQ(s.a.frame, 3);
}

TEST_F(AnimationClock, SurvivesTheTickCounterWrappingAround) {
    strip s(30, 10, 3);
    s.a.set_delay(100);
    clock.set(0xFFFFFFC0u);
    s.a.update();
    ASSERT_EQ(s.a.frame, 1);
    clock.set(0x24);  // 100 ms after the advance, across the wrap
    s.a.update();
    EXPECT_EQ(s.a.frame, 1);
    clock.set(0x25);
    s.a.update();
    EXPECT_EQ(s.a.frame, 2);
}

TEST_F(AnimationClock, JumpToFrameKeepsTheClock) {
    strip s(50, 10, 5);
    s.a.set_delay(100);
    s.a.update();
    clock.advance(60);
    s.a.jump_to_frame(3);
    clock.advance(41);  // 101 ms after the advance, 41 after the jump
    s.a.update();
    EXPECT_EQ(s.a.frame, 4);
}

class AnimationRepeat : public AnimationClock {
protected:
    // One update per millisecond with delay 0, recording the frame after each.
    std::vector<int> run(animation& a, int updates) {
        std::vector<int> seen;
        for (int i = 0; i < updates; ++i) {
            clock.advance(1);
            a.update();
            seen.push_back(a.frame);
        }
        return seen;
    }
};

TEST_F(AnimationRepeat, ForeverCyclesAndIsNeverDone) {
    strip s(30, 10, 3);
    s.a.set_repeat(-1);
    EXPECT_EQ(run(s.a, 10), (std::vector<int>{1, 2, 0, 1, 2, 0, 1, 2, 0, 1}));
    EXPECT_FALSE(s.a.done());
    EXPECT_EQ(s.a.repeat, -1);
}

TEST_F(AnimationRepeat, CountGivesThatManyFurtherRunsThenFinishes) {
    for (int repeat : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "repeat " << repeat);
        strip s(30, 10, 3);
        s.a.set_repeat(repeat);
        std::vector<int> expected;
        for (int r = 0; r < repeat; ++r) expected.insert(expected.end(), {1, 2, 0});
        expected.insert(expected.end(), {1, 2});
        // The last frame of the last run is still shown, not yet done.
        EXPECT_EQ(run(s.a, 3 * repeat + 2), expected);
        EXPECT_FALSE(s.a.done());
        EXPECT_EQ(run(s.a, 1), std::vector<int>{3});
        EXPECT_TRUE(s.a.done());
        EXPECT_TRUE(s.a.paused);
        EXPECT_EQ(s.a.repeat, 0);
        // Finished stays finished, and a new repeat count does not restart it.
        s.a.set_repeat(2);
        EXPECT_EQ(run(s.a, 5), (std::vector<int>(5, 3)));
        EXPECT_TRUE(s.a.done());
    }
}

TEST_F(AnimationRepeat, JumpAndResumeReplayAFinishedStrip) {
    strip s(30, 10, 3);
    s.a.set_delay(100);
    s.a.set_repeat(0);
    for (int i = 0; i < 3; ++i) {
        clock.advance(101);
        s.a.update();
    }
    ASSERT_TRUE(s.a.done());
    // The jump alone leaves it paused.
    s.a.jump_to_frame(0);
    clock.advance(1000);
    s.a.update();
    EXPECT_EQ(s.a.frame, 0);
    EXPECT_FALSE(s.a.done());
    // resume restarts the clock: the first step is a full delay later.
    s.a.resume();
    s.a.set_repeat(0);
    clock.advance(100);
    s.a.update();
    EXPECT_EQ(s.a.frame, 0);
    for (int expected : {1, 2, 3}) {
        clock.advance(101);
        s.a.update();
        EXPECT_EQ(s.a.frame, expected);
    }
    EXPECT_TRUE(s.a.done());
}

struct width_case {
    int width, frames, frame_width;
};

class AnimationDraw : public testing::TestWithParam<width_case> {};

TEST_P(AnimationDraw, EachFrameShowsItsOwnColumnsOnly) {
    const width_case& c = GetParam();
    strip s(c.width, 20, c.frames);
    s.a.set_bk_color(0, 255, 0);
    ASSERT_EQ(s.a.frame_width, c.frame_width);
    surface out(120, 40);
    for (int i = 0; i < c.frames; ++i) {
        SCOPED_TRACE(testing::Message() << "frame " << i);
        out.fill(target_colour);
        s.a.jump_to_frame(i);
        s.a.draw(out.dc(), 10, 5);
        const std::vector<COLORREF> row = grab(out.dc(), 0, 10, 120, 1);
        for (int x = 0; x < 120; ++x) {
            const bool inside = x >= 10 && x < 10 + c.frame_width;
            ASSERT_EQ(row[x], ref(inside ? frame_colour(i) : target_colour)) << "x " << x;
        }
        // The key pixel of the frame is transparent, its neighbour drawn.
        EXPECT_EQ(out.at(11, 5), target_colour);
        EXPECT_EQ(out.at(12, 5), frame_colour(i));
        for (COLORREF p : grab(out.dc(), 0, 0, 120, 40)) ASSERT_NE(p, ref(marker));
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, AnimationDraw,
                         testing::Values(width_case{594, 11, 54}, width_case{551, 11, 50},
                                         width_case{400, 8, 50}, width_case{53, 3, 17}));

TEST(AnimationDrawFinished, FinishedStripDrawsNothing) {
    fake_clock clock;
    strip s(594, 20, 11);
    s.a.set_repeat(0);
    for (int i = 0; i < 11; ++i) {
        clock.advance(1);
        s.a.update();
    }
    ASSERT_TRUE(s.a.done());
    surface out(120, 40);
    out.fill(target_colour);
    s.a.draw(out.dc(), 10, 5);
    for (COLORREF p : grab(out.dc(), 0, 0, 120, 40)) ASSERT_EQ(p, ref(target_colour));
}

TEST(AnimationHit, BoundsAreInclusiveAroundTheLastDrawnFrame) {
    struct hit_case {
        int width;  // 11-frame strip
        bool drawn;
        unsigned x, y;
        bool hit;
    };
    const hit_case cases[] = {
        {551, true, 45, 305, true},   {551, true, 95, 355, true},  {551, true, 95, 305, true},
        {551, true, 45, 355, true},   {551, true, 96, 305, false}, {551, true, 45, 356, false},
        {551, true, 44, 305, false},  {551, true, 45, 304, false}, {594, true, 99, 355, true},
        {594, true, 100, 355, false}, {594, true, 99, 356, false},
        // Never drawn: the frame rectangle at (0, 0).
        {551, false, 0, 0, true},     {551, false, 50, 50, true},  {551, false, 51, 0, false},
        {551, false, 45, 305, false},
    };
    surface out(200, 400);
    for (const hit_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width << (c.drawn ? " drawn" : "")
                                        << " at (" << c.x << ", " << c.y << ")");
        strip s(c.width, 50, 11);
        if (c.drawn) s.a.draw(out.dc(), 45, 305);
        EXPECT_EQ(s.a.mouse_hit(c.x, c.y), c.hit);
    }
}

TEST(AnimationHit, AnswersForTheLastDrawnPlace) {
    strip s(551, 50, 11);
    surface out(300, 400);
    s.a.draw(out.dc(), 45, 305);
    s.a.draw(out.dc(), 200, 10);
    EXPECT_TRUE(s.a.mouse_hit(250, 60));
    EXPECT_FALSE(s.a.mouse_hit(45, 305));
}
}  // namespace
