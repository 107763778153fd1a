#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "screens/infobar.h"
#include "unit/support.h"

namespace {
TEST(InfoBarTime, EachSmallPartGetsOneLeadingZero) {
    struct time_case {
        int hours, minutes, seconds;
        const char* text;
    };
    const time_case cases[] = {
        {0, 12, 0, "00:12:00"},  {0, 9, 59, "00:09:59"},   {0, 10, 7, "00:10:07"},
        {0, 0, 45, "00:00:45"},  {0, 12, 5, "00:12:05"},   {0, 0, 0, "00:00:00"},
        {9, 59, 59, "09:59:59"}, {10, 5, 5, "10:05:05"},   {10, 9, 30, "10:09:30"},
        {10, 30, 9, "10:30:09"}, {12, 34, 56, "12:34:56"}, {100, 10, 10, "100:10:10"},
    };
    for (const time_case& c : cases) {
        SCOPED_TRACE(c.text);
        char out[40];
        const int n = format_time(out, sizeof out, c.hours, c.minutes, c.seconds);
        EXPECT_EQ(std::string(out), c.text);
        EXPECT_EQ(n, static_cast<int>(std::string(c.text).size()));
    }
}

TEST(InfoBarTime, ShortBufferIsCutAndTerminated) {
    char out[5];
    EXPECT_EQ(format_time(out, sizeof out, 0, 12, 0), 4);
    EXPECT_EQ(std::string(out), "00:1");
}

TEST(InfoBarTextX, NumbersMoveLeftPerDigitUpToFiveDigits) {
    struct x_case {
        bool level;
        int value, previous, x;
    };
    const x_case cases[] = {
        {false, 0, 0, 148},          {false, 9, 0, 148},         {false, -3, 0, 148},
        {false, 10, 0, 145},         {false, 99, 0, 145},        {false, 100, 0, 141},
        {false, 999, 0, 141},        {false, 1000, 0, 136},      {false, 9999, 0, 136},
        {false, 10000, 0, 131},      {false, 99999, 0, 131},     {false, 100000, 145, 145},
        {false, 100000, 131, 131},   {false, 2147483647, 7, 7},  {true, 1, 0, 148},
        {true, 9, 131, 148},         {true, 10, 131, 145},       {true, 99, 0, 145},
        {true, 100, 141, 141},       {true, 100, 148, 148},      {true, 5000, 136, 136},
    };
    for (const x_case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.level ? "level " : "points ") << c.value
                                        << ", previous " << c.previous);
        EXPECT_EQ((c.level ? level_text_x : points_text_x)(c.value, c.previous), c.x);
    }
}

// Leftmost black column of the band of rows [top, top + 16) between x 110 and 195,
// or -1: the bar's artwork has no black there, the numbers are drawn in black.
int leftmost_black(HDC dc, int top) {
    const int left = 110, width = 85, rows = 16;
    const std::vector<COLORREF> band = grab(dc, left, top, width, rows);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < rows; ++y)
            if (band[y * width + x] == RGB(0, 0, 0)) return left + x;
    return -1;
}

// Where the same text drawn alone at x shows its first black column.
int leftmost_black_alone(const char* text, int x) {
    surface s(220, 40);
    s.fill({255, 255, 255});
    SetBkMode(s.dc(), TRANSPARENT);
    TextOutA(s.dc(), x, 10, text, static_cast<int>(std::string(text).size()));
    return leftmost_black(s.dc(), 10);
}

class InfoBarRender : public testing::Test {
protected:
    void SetUp() override { bar.load(); }
    void TearDown() override {
        bar.delete_bar();
        for (animation* a : {&bar.hammer, &bar.stopwatch, &bar.hourglass, &bar.dynamite})
            a->remove();
    }
    void render(int points, int level, int text_x) {
        bar.points = points;
        bar.level = level;
        bar.text_x = text_x;
        out.fill({255, 255, 255});
        bar.render(out.dc());
    }
    fake_clock clock;
    info_bar bar{};
    surface out{220, 600};
};

TEST_F(InfoBarRender, NumbersLandAtTheirTextX) {
    struct draw_case {
        int points, level, points_x, level_x;
    };
    const draw_case cases[] = {{0, 1, 148, 148},    {10, 10, 145, 145},  {999, 99, 141, 145},
                               {1000, 9, 136, 148}, {99999, 5, 131, 148}};
    for (const draw_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "points " << c.points << ", level " << c.level);
        render(c.points, c.level, 0);
        EXPECT_EQ(leftmost_black(out.dc(), 136),
                  leftmost_black_alone(std::to_string(c.points).c_str(), c.points_x));
        EXPECT_EQ(leftmost_black(out.dc(), 176),
                  leftmost_black_alone(std::to_string(c.level).c_str(), c.level_x));
        EXPECT_EQ(bar.text_x, c.level_x);
    }
}

TEST_F(InfoBarRender, SixDigitPointsStayWhereTheLastFrameLeftTheX) {
    // Offset of the first black column from the text's x.
    const int alone = leftmost_black_alone("100000", 131) - 131;
    for (int left_over : {148, 145, 131}) {
        SCOPED_TRACE(testing::Message() << "x left over " << left_over);
        render(100000, 5, left_over);
        EXPECT_EQ(leftmost_black(out.dc(), 136), alone + left_over);
        EXPECT_EQ(leftmost_black(out.dc(), 176), leftmost_black_alone("5", 148));
        EXPECT_EQ(bar.text_x, 148);
    }
    // A three-digit level then follows the points.
    render(100000, 100, 136);
    EXPECT_EQ(leftmost_black(out.dc(), 176), leftmost_black_alone("100", 136));
}
}  // namespace
