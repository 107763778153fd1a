#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/loadbmp.h"
#include "unit/support.h"

namespace {
// Target and picture colours chosen so that AND, OR and XOR of them all differ from
// both: a wrong raster operation cannot produce the expected pixel by chance.
const rgb target_colour{90, 165, 24};
const rgb picture_colour{231, 74, 132};
const rgb white{255, 255, 255};
const rgb green{0, 255, 0};
const rgb black{0, 0, 0};

struct keyed_case {
    const char* name;
    rgb key_pixel;      // the colour painted in the picture's left half
    int key_r, key_g, key_b;  // the key passed to set_bk_color, or -1 for none
    bool transparent;   // the left half shows the target
};

void expect_pixel(const surface& s, int x, int y, const rgb& expected) {
    SCOPED_TRACE(testing::Message() << "pixel (" << x << ", " << y << ")");
    EXPECT_EQ(describe(s.at(x, y)), describe(expected));
}

class LoadBmp : public testing::TestWithParam<keyed_case> {};

TEST_P(LoadBmp, DrawsKeyTransparentAndEverythingElseOpaque) {
    const keyed_case& c = GetParam();
    // Left half the candidate key colour, right half the picture colour with a black
    // and a one-step-from-key pixel in it.
    write_bmp("pic.bmp", 20, 10, [&](int x, int y) {
        if (x < 10) return c.key_pixel;
        if (x == 15 && y == 5) return black;
        return picture_colour;
    });
    load_bmp pic{};
    pic.load("pic.bmp", 20, 10);
    if (c.key_r >= 0) pic.set_bk_color(c.key_r, c.key_g, c.key_b);
    surface s(40, 30);
    s.fill(target_colour);
    pic.draw(s.dc(), 10, 10);
    expect_pixel(s, 12, 12, c.transparent ? target_colour : c.key_pixel);
    expect_pixel(s, 19, 19, c.transparent ? target_colour : c.key_pixel);
    expect_pixel(s, 20, 10, picture_colour);
    expect_pixel(s, 29, 19, picture_colour);
    // Black is drawn unless it is the key itself.
    expect_pixel(s, 25, 15, c.transparent && c.key_pixel == black ? target_colour : black);
    // Outside the picture nothing changes.
    expect_pixel(s, 9, 10, target_colour);
    expect_pixel(s, 30, 10, target_colour);
    expect_pixel(s, 15, 20, target_colour);
    pic.delete_bitmap();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoadBmp,
    testing::Values(
        keyed_case{"no_key_white_opaque", white, -1, -1, -1, false},
        keyed_case{"white_key", white, 255, 255, 255, true},
        keyed_case{"green_key", green, 0, 255, 0, true},
        keyed_case{"key_taken_mod_256", green, 256, 255, 512, true},
        keyed_case{"key_mod_256_white", white, 511, 767, -1, true},
        keyed_case{"key_no_pixel_has", picture_colour, 0, 255, 0, false},
        keyed_case{"one_step_below_white_drawn", rgb{247, 255, 255}, 255, 255, 255, false},
        keyed_case{"one_step_off_green_red", rgb{8, 255, 0}, 0, 255, 0, false},
        keyed_case{"one_step_off_green_green", rgb{0, 247, 0}, 0, 255, 0, false},
        keyed_case{"black_is_not_a_key", black, 255, 255, 255, false},
        keyed_case{"black_key", black, 0, 0, 0, true}),
    [](const testing::TestParamInfo<keyed_case>& info) { return std::string(info.param.name); });

TEST(LoadBmpSize, LargerCallerSizeLeavesSurplusBlack) {
    write_bmp("small.bmp", 10, 10, [](int, int) { return picture_colour; });
    for (bool keyed : {false, true}) {
        SCOPED_TRACE(keyed ? "keyed white" : "no key");
        load_bmp pic{};
        pic.load("small.bmp", 20, 15);
        if (keyed) pic.set_bk_color(255, 255, 255);
        surface s(40, 40);
        s.fill(target_colour);
        pic.draw(s.dc(), 5, 5);
        expect_pixel(s, 5, 5, picture_colour);
        expect_pixel(s, 14, 14, picture_colour);
        expect_pixel(s, 15, 5, black);
        expect_pixel(s, 24, 19, black);
        expect_pixel(s, 5, 15, black);
        expect_pixel(s, 25, 5, target_colour);
        pic.delete_bitmap();
    }
}

TEST(LoadBmpSize, SmallerCallerSizeDrawsTopLeftPart) {
    write_bmp("big.bmp", 30, 30, [](int x, int) { return x < 10 ? picture_colour : green; });
    load_bmp pic{};
    pic.load("big.bmp", 10, 10);
    surface s(40, 40);
    s.fill(target_colour);
    pic.draw(s.dc(), 0, 0);
    expect_pixel(s, 9, 9, picture_colour);
    expect_pixel(s, 10, 5, target_colour);
    expect_pixel(s, 5, 10, target_colour);
    pic.delete_bitmap();
}

TEST(LoadBmpMissing, MissingFileDrawsBlackRectangle) {
    for (bool keyed : {false, true}) {
        SCOPED_TRACE(keyed ? "keyed" : "no key");
        load_bmp pic{};
        pic.load("no/such/file.bmp", 12, 8);
        if (keyed) pic.set_bk_color(255, 255, 255);
        surface s(30, 30);
        s.fill(target_colour);
        pic.draw(s.dc(), 3, 4);
        expect_pixel(s, 3, 4, black);
        expect_pixel(s, 14, 11, black);
        expect_pixel(s, 15, 11, target_colour);
        expect_pixel(s, 14, 12, target_colour);
        pic.delete_bitmap();
    }
}

TEST(LoadBmpMissing, DeleteReleasesEveryObject) {
    write_bmp("pic.bmp", 8, 8, [](int, int) { return picture_colour; });
    const int before = gdi_object_count();
    for (int i = 0; i < 50; ++i) {
        load_bmp pic{};
        pic.load(i % 2 ? "pic.bmp" : "missing.bmp", 8, 8);
        pic.set_bk_color(255, 255, 255);
        pic.delete_bitmap();
    }
    EXPECT_EQ(gdi_object_count(), before);
}
}  // namespace
