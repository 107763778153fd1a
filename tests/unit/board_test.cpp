#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "board/cards.h"
#include "board/playfield.h"
#include "resources/card_sets.h"
#include "unit/support.h"

// Live heap blocks of the program, so a test can see that a deal frees as many card
// records as it makes. (GCC mistakes the inlined free for a mismatch with new.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
std::atomic<long> live_allocations{0};

void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) throw std::bad_alloc();
    ++live_allocations;
    return block;
}
void operator delete(void* block) noexcept {
    if (!block) return;
    --live_allocations;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {
const rgb target_colour{90, 165, 24};
using pixels = std::vector<COLORREF>;

// One cards_res for the whole program, made on first use: it loads 128 strips.
class card_resources : public testing::Environment {
public:
    void TearDown() override {
        delete res;
        res = nullptr;
    }
};
testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new card_resources);

cards_res& resources() {
    if (!res) res = new cards_res;
    return *res;
}

void rewind(animation& strip) {
    strip.jump_to_frame(0);
    strip.resume();
    strip.set_repeat(0);
}

pixels card_area(const surface& s, int x, int y) { return grab(s.dc(), x, y, 50, 50); }

// The sheet cell of a picture, copied straight from the sheet.
pixels sheet_cell(int slot, int picture) {
    surface cell(50, 50);
    BitBlt(cell.dc(), 0, 0, 50, 50, resources().sheet_dc[slot], 50 * (picture % 10),
           50 * (picture / 10), SRCCOPY);
    return card_area(cell, 0, 0);
}

// A strip's given frame as drawn over the target colour.
pixels strip_frame(animation& strip, int frame) {
    surface s(50, 50);
    s.fill(target_colour);
    const int kept = strip.frame;
    strip.jump_to_frame(frame);
    strip.draw(s.dc(), 0, 0);
    strip.jump_to_frame(kept);
    return card_area(s, 0, 0);
}

cards face_card(int picture, int slot) {
    cards c{};
    c.picture = picture;
    c.x = 265;
    c.y = 65;
    if (slot >= 0) {
        c.sheet_dc = resources().sheet_dc[slot];
        c.mask_dc = resources().mask_dc[slot];
    }
    return c;
}

class BoardCards : public testing::Test {
protected:
    void SetUp() override { resources(); }
    fake_clock clock;
};

TEST_F(BoardCards, FaceUpCardShowsExactlyItsSheetCell) {
    for (int slot = 0; slot < 4; ++slot)
        for (int picture : {0, 9, 10, 30, 31}) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << ", picture " << picture);
            const pixels cell = sheet_cell(slot, picture);
            if (picture != 0) {
                ASSERT_NE(cell, sheet_cell(slot, 0)) << "cells must differ";
            }
            cards c = face_card(picture, slot);
            c.face_up = true;
            surface out(400, 200);
            out.fill(target_colour);
            c.render(out.dc());
            EXPECT_EQ(card_area(out, 265, 65), cell);
            for (int i = 0; i < 52; ++i) {
                EXPECT_EQ(out.at(264 + i, 64), target_colour);
                EXPECT_EQ(out.at(315, 64 + i), target_colour);
                EXPECT_EQ(out.at(264, 64 + i), target_colour);
                EXPECT_EQ(out.at(264 + i, 115), target_colour);
            }
        }
}

TEST_F(BoardCards, FirstMatchingFlagDecidesTheLook) {
    enum look { nothing, picture, explosion, smash, back };
    struct look_case {
        const char* name;
        bool removed, face_up, exploding, smashing, has_set;
        look expected;
    };
    const look_case cases[] = {
        {"removed_face_up", true, true, false, false, true, nothing},
        {"removed_exploding", true, false, true, false, true, nothing},
        {"removed_smashing", true, false, false, true, true, nothing},
        {"face_up_exploding", false, true, true, false, true, picture},
        {"face_up_smashing", false, true, false, true, true, picture},
        {"exploding_smashing", false, false, true, true, true, explosion},
        {"exploding", false, false, true, false, true, explosion},
        {"smashing", false, false, false, true, true, smash},
        {"face_down", false, false, false, false, true, back},
        {"face_up_without_set", false, true, false, false, false, nothing},
        {"face_down_without_set", false, false, false, false, false, back},
        {"exploding_without_set", false, false, true, false, false, explosion},
    };
    const int p = 5;
    // References from strips of an entry the deck never uses: same files, own state.
    surface blank(50, 50);
    blank.fill(target_colour);
    const pixels looks[5] = {card_area(blank, 0, 0), sheet_cell(0, p),
                             strip_frame(resources().dynamite[40], 1),
                             strip_frame(resources().hammer[40], 1),
                             strip_frame(resources().hammer[40], 0)};
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j) ASSERT_NE(looks[i], looks[j]) << i << " vs " << j;

    for (const look_case& c : cases) {
        SCOPED_TRACE(c.name);
        animation& dynamite = resources().dynamite[p];
        animation& hammer = resources().hammer[p];
        rewind(dynamite);
        rewind(hammer);
        clock.advance(1000);
        cards card = face_card(p, c.has_set ? 0 : -1);
        card.removed = c.removed;
        card.face_up = c.face_up;
        card.exploding = c.exploding;
        card.smashing = c.smashing;
        surface out(400, 200);
        out.fill(target_colour);
        card.render(out.dc());
        EXPECT_EQ(card_area(out, 265, 65), looks[c.expected]);
        EXPECT_EQ(dynamite.frame, c.expected == explosion ? 1 : 0);
        EXPECT_EQ(hammer.frame, c.expected == smash ? 1 : 0);
        EXPECT_EQ(card.removed, c.removed);
    }
}

TEST_F(BoardCards, HitBoxIsInclusiveAndIgnoresFaceUpAndRemovedCards) {
    enum flag { none, face_up, removed, exploding, smashing };
    struct hit_case {
        flag state;
        unsigned x, y;
        bool hit;
    };
    const hit_case cases[] = {
        {none, 265, 65, true},       {none, 315, 115, true},      {none, 315, 65, true},
        {none, 290, 90, true},       {none, 264, 65, false},      {none, 316, 65, false},
        {none, 265, 116, false},     {none, 265, 64, false},      {face_up, 290, 90, false},
        {face_up, 265, 65, false},   {removed, 290, 90, false},   {exploding, 265, 65, true},
        {exploding, 316, 90, false}, {smashing, 315, 115, true},
    };
    for (const hit_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flag " << c.state << " at (" << c.x << ", " << c.y
                                        << ")");
        cards card = face_card(3, 0);
        card.face_up = c.state == face_up;
        card.removed = c.state == removed;
        card.exploding = c.state == exploding;
        card.smashing = c.state == smashing;
        EXPECT_EQ(card.mouse_hit(c.x, c.y), c.hit);
    }
}

class BoardCardSet : public testing::Test {
protected:
    void SetUp() override {
        resources();
        for (std::unique_ptr<cards>& c : board) c = std::make_unique<cards>();
    }
    void expect_slot(int slot) {
        for (const std::unique_ptr<cards>& c : board) {
            ASSERT_EQ(c->sheet_dc, slot < 0 ? nullptr : resources().sheet_dc[slot]);
            ASSERT_EQ(c->mask_dc, slot < 0 ? nullptr : resources().mask_dc[slot]);
        }
    }
    std::unique_ptr<cards> board[64];
};

int slot_of_mode(int mode) {
    for (const card_set& set : card_sets)
        if (set.card_mode == mode) return set.slot;
    return -1;
}

TEST_F(BoardCardSet, SheetSlotsHoldTheirResources) {
    pixels sheets[4];
    for (const card_set& set : card_sets) {
        SCOPED_TRACE(set.caption);
        const int slot = set.slot;
        HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(set.sheet_id));
        ASSERT_NE(loaded, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, loaded);
        sheets[slot] = grab(resources().sheet_dc[slot], 0, 0, 500, 250);
        EXPECT_EQ(sheets[slot], grab(dc, 0, 0, 500, 250));
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(loaded);
        for (const card_set& other : card_sets) {
            if (&other == &set) break;
            EXPECT_NE(sheets[slot], sheets[other.slot]);
        }
    }
}

TEST_F(BoardCardSet, FixedModesGiveEveryCardOneSlot) {
    for (const card_set& set : card_sets) {
        SCOPED_TRACE(set.caption);
        resources().assign_card_set(board, set.card_mode);
        expect_slot(set.slot);
    }
}

TEST_F(BoardCardSet, UnknownModesAssignNothing) {
    for (int mode : {5, -1, 515, 0x7fffffff}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        for (std::unique_ptr<cards>& c : board) c->sheet_dc = c->mask_dc = nullptr;
        resources().assign_card_set(board, mode);
        expect_slot(-1);
        resources().assign_card_set(board, 3);
        resources().assign_card_set(board, mode);
        expect_slot(3);
    }
}

TEST_F(BoardCardSet, RandomModeDrawsOnceFromTheGenerator) {
    std::set<int> seen;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::srand(seed);
        const int slot = slot_of_mode(std::rand() % 4);
        const int next = std::rand();
        std::srand(seed);
        resources().assign_card_set(board, random_card_mode);
        expect_slot(slot);
        EXPECT_EQ(std::rand(), next) << "exactly one draw";
        seen.insert(slot);
    }
    EXPECT_EQ(seen.size(), 4u);
}

int script_calls = 0;
int counting_draw() { return script_calls++; }

TEST(BoardCardSetSlot, ModeToSlot) {
    struct slot_case {
        int mode, slot, draws;
    };
    const slot_case cases[] = {{0, 1, 0}, {1, 2, 0}, {2, 0, 0},  {3, 3, 0},
                               {5, -1, 0}, {-1, -1, 0}, {4, 1, 1}};
    for (const slot_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        script_calls = 0;
        EXPECT_EQ(card_set_slot(c.mode, counting_draw), c.slot);
        EXPECT_EQ(script_calls, c.draws);
    }
    // Random mode: draw % 4 is read as a card mode.
    script_calls = 0;
    std::vector<int> slots;
    for (int i = 0; i < 8; ++i) slots.push_back(card_set_slot(4, counting_draw));
    EXPECT_EQ(slots, (std::vector<int>{1, 2, 0, 3, 1, 2, 0, 3}));
}

std::vector<int> script;
std::size_t script_at = 0;
// Past its end the script cycles through every picture, so a deal that over-reads
// still ends and the draw count shows it.
int scripted_draw() {
    const std::size_t at = script_at++;
    return at < script.size() ? script[at] : static_cast<int>(at);
}

void expect_every_picture_twice(const int (&pictures)[64]) {
    int tally[32] = {};
    for (int p : pictures) {
        ASSERT_GE(p, 0);
        ASSERT_LT(p, 32);
        ++tally[p];
    }
    for (int p = 0; p < 32; ++p) EXPECT_EQ(tally[p], 2) << "picture " << p;
}

TEST(BoardDeal, ScriptedDrawsRedrawFullPictures) {
    struct script_case {
        const char* name;
        std::vector<int> draws;
        std::vector<int> expected;
    };
    std::vector<script_case> cases(2);
    cases[0].name = "ascending, third copy offered";
    cases[1].name = "descending, a full picture after each pair";
    for (int p = 0; p < 32; ++p) {
        cases[0].draws.insert(cases[0].draws.end(), {p, p + 32, p + 64});
        cases[0].expected.insert(cases[0].expected.end(), {p, p});
        const int q = 31 - p;
        cases[1].draws.insert(cases[1].draws.end(), {q, q + 32, 31 + 64});
        cases[1].expected.insert(cases[1].expected.end(), {q, q});
    }
    for (const script_case& c : cases) {
        SCOPED_TRACE(c.name);
        script = c.draws;
        script_at = 0;
        int pictures[64];
        deal_pictures(pictures, scripted_draw);
        EXPECT_EQ(std::vector<int>(pictures, pictures + 64), c.expected);
        // Every draw but the trailing full one is consumed, and no more.
        EXPECT_EQ(script_at, c.draws.size() - 1);
        expect_every_picture_twice(pictures);
    }
}

TEST(BoardDeal, EveryPictureExactlyTwiceOverManySeeds) {
    play_field field{};
    std::set<std::vector<int>> deals;
    for (unsigned seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::srand(seed);
        field.place_random();
        expect_every_picture_twice(field.pictures);
        deals.insert(std::vector<int>(field.pictures, field.pictures + 64));
    }
    EXPECT_GT(deals.size(), 290u) << "deals should differ by seed";
}

class BoardField : public testing::Test {
protected:
    void SetUp() override {
        resources();
        field.load();
    }
    void TearDown() override { field.remove(); }
    void deal(unsigned seed, int mode = 2) {
        std::srand(seed);
        field.place_random();
        field.reset();
        resources().assign_card_set(field.card, mode);
    }
    int partner(int index) const {
        for (int i = 0; i < 64; ++i)
            if (i != index && field.pictures[i] == field.pictures[index]) return i;
        return -1;
    }
    fake_clock clock;
    play_field field{};
    surface out{800, 600};
};

TEST_F(BoardField, ResetPlacesFreshCardsOnTheGrid) {
    deal(11, 5);
    const struct {
        int index, x, y;
    } corners[] = {{0, 265, 65}, {7, 685, 65}, {56, 265, 485}, {63, 685, 485}};
    for (const auto& c : corners) {
        EXPECT_EQ(field.card[c.index]->x, c.x) << c.index;
        EXPECT_EQ(field.card[c.index]->y, c.y) << c.index;
    }
    for (int i = 0; i < 64; ++i) {
        SCOPED_TRACE(testing::Message() << "position " << i);
        const cards& c = *field.card[i];
        EXPECT_EQ(c.x, 265 + 60 * (i % 8));
        EXPECT_EQ(c.y, 65 + 60 * (i / 8));
        EXPECT_EQ(c.picture, field.pictures[i]);
        EXPECT_FALSE(c.removed || c.face_up || c.exploding || c.smashing);
        EXPECT_EQ(c.sheet_dc, nullptr);
    }
}

TEST_F(BoardField, LevelIsFinishedOnlyWhenEveryCardIsRemoved) {
    deal(3);
    EXPECT_FALSE(field.is_level_finished());
    for (int skip : {0, 37, 63}) {
        for (int i = 0; i < 64; ++i) field.card[i]->removed = i != skip;
        EXPECT_FALSE(field.is_level_finished()) << "card " << skip << " left";
    }
    field.card[37]->removed = true;
    field.card[0]->removed = field.card[63]->removed = true;
    EXPECT_TRUE(field.is_level_finished());
}

TEST_F(BoardField, PairLeavesTogetherOnTheLastStepOfItsSharedStrip) {
    struct pair_case {
        bool explode;
        int steps;
        std::uint32_t frame_ms;
    };
    const pair_case cases[] = {{true, 17, 101}, {true, 17, 34}, {true, 17, 50},
                               {false, 7, 101}, {false, 7, 20}};
    for (const pair_case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.explode ? "explosion" : "smash") << ", "
                                        << c.frame_ms << " ms a frame");
        deal(21);
        const int a = 0, b = partner(0);
        ASSERT_GT(b, a);
        animation& strip = (c.explode ? resources().dynamite : resources().hammer)[field.pictures[a]];
        clock.advance(1000);
        for (int i : {a, b}) (c.explode ? field.card[i]->exploding : field.card[i]->smashing) = true;
        // A step needs more than 100 ms since the one before.
        const int frames_per_step = static_cast<int>(100 / c.frame_ms) + 1;
        const int renders = 1 + (c.steps - 1) * frames_per_step;
        for (int r = 1; r <= renders; ++r) {
            SCOPED_TRACE(testing::Message() << "render " << r);
            field.render(out.dc());
            const int steps = 1 + (r - 1) / frames_per_step;
            ASSERT_EQ(strip.frame, steps);
            const bool last = r == renders;
            ASSERT_EQ(field.card[a]->removed, last);
            ASSERT_EQ(field.card[b]->removed, last);
            // Both show the step's frame over the field: the strip of an unused
            // entry, drawn on a copy of the field, tells what that frame looks like.
            if (!last) {
                surface expected(800, 600);
                field.background.draw(expected.dc(), 200, 0);
                animation& same = (c.explode ? resources().dynamite : resources().hammer)[40];
                same.jump_to_frame(steps);
                for (int i : {a, b}) {
                    same.draw(expected.dc(), field.card[i]->x, field.card[i]->y);
                    ASSERT_EQ(card_area(out, field.card[i]->x, field.card[i]->y),
                              card_area(expected, field.card[i]->x, field.card[i]->y))
                        << "card " << i;
                }
            }
            clock.advance(c.frame_ms);
        }
        EXPECT_TRUE(strip.done());
    }
}

TEST_F(BoardField, FaceUpPartnerLeavesOnItsFirstDrawFaceDown) {
    deal(5);
    const int a = 0, b = partner(0);
    const int p = field.pictures[a];
    clock.advance(1000);
    field.card[a]->face_up = true;
    field.card[a]->exploding = field.card[b]->exploding = true;
    for (int r = 1; r <= 17; ++r) {
        field.render(out.dc());
        ASSERT_EQ(resources().dynamite[p].frame, r);
        ASSERT_EQ(field.card[b]->removed, r == 17);
        clock.advance(101);
    }
    EXPECT_FALSE(field.card[a]->removed);
    EXPECT_EQ(card_area(out, field.card[a]->x, field.card[a]->y), sheet_cell(0, p));
    field.card[a]->face_up = false;
    field.render(out.dc());
    EXPECT_TRUE(field.card[a]->removed);
}

TEST_F(BoardField, ResetRewindsEveryStripAndClearsEveryFlag) {
    deal(8);
    clock.advance(1000);
    // A finished smash, a half-run explosion, and strips the deck never shows left odd.
    const int a = 0, b = partner(0), c = 1 == b ? 2 : 1;
    field.card[a]->smashing = field.card[b]->smashing = true;
    field.card[c]->exploding = field.card[partner(c)]->exploding = true;
    for (int r = 0; r < 8; ++r) {
        field.render(out.dc());
        clock.advance(101);
    }
    ASSERT_TRUE(field.card[a]->removed);
    field.card[5]->face_up = true;
    for (int i = 40; i < 64; i += 7) {
        resources().dynamite[i].jump_to_frame(9);
        resources().hammer[i].paused = true;
        resources().hammer[i].set_repeat(3);
    }
    deal(9);
    for (int i = 0; i < 64; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        const cards& card = *field.card[i];
        EXPECT_FALSE(card.removed || card.face_up || card.exploding || card.smashing);
        for (const animation* strip : {&resources().dynamite[i], &resources().hammer[i]}) {
            EXPECT_EQ(strip->frame, 0);
            EXPECT_FALSE(strip->paused);
            EXPECT_EQ(strip->repeat, 0);
            EXPECT_EQ(strip->last_tick, clock.now);
        }
    }
}

TEST_F(BoardField, ManyDealsKeepSixtyFourRecordsAndNoGraphicsObjects) {
    deal(1);
    field.render(out.dc());
    const int objects = gdi_object_count();
    const long blocks = live_allocations;
    for (unsigned seed = 2; seed < 60; ++seed) {
        deal(seed, seed % 6);
        field.card[seed % 64]->face_up = true;
        field.card[(seed * 7) % 64]->exploding = true;
        field.card[(seed * 13) % 64]->smashing = true;
        clock.advance(101);
        field.render(out.dc());
    }
    EXPECT_EQ(live_allocations, blocks);
    EXPECT_EQ(gdi_object_count(), objects);
    std::set<const cards*> distinct;
    for (const std::unique_ptr<cards>& c : field.card) distinct.insert(c.get());
    EXPECT_EQ(distinct.size(), 64u);
    EXPECT_EQ(distinct.count(nullptr), 0u);
}
}  // namespace
