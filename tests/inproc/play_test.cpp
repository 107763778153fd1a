#include "inproc/inproc.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>

namespace {
// Client points inside the bar's power-up sprites, the shop's sprites and cards.
constexpr int hammer_x = 60, hammer_y = 320;
constexpr int stopwatch_x = 60, stopwatch_y = 390;
constexpr int hourglass_x = 60, hourglass_y = 460;
constexpr int dynamite_x = 60, dynamite_y = 530;
int card_x(int i) { return card_left(i) + 25; }
int card_y(int i) { return card_top(i) + 25; }
void click_card(int i) { click(card_x(i), card_y(i)); }

void expect_clock(int minutes, int seconds) {
    EXPECT_EQ(game.hours, 0);
    EXPECT_EQ(game.minutes, minutes);
    EXPECT_EQ(game.seconds, seconds);
}

class Play : public InProc {
protected:
    void SetUp() override {
        InProc::SetUp();
        game.hammer_armed = false;
        new_ordered_game();
        frame();  // the first frame takes the first second at once
    }
    // Runs frames, each `step` ms after the one before.
    void frames(int count, std::uint32_t step) {
        for (int i = 0; i < count; ++i) {
            clock.advance(step);
            frame();
        }
    }
    void remove_all_but(std::initializer_list<int> keep) {
        for (int i = 0; i < 64; ++i) game.field.card[i]->removed = true;
        for (int i : keep) game.field.card[i]->removed = false;
    }
};

TEST_F(Play, NewGameStartsTheRun) {
    game.hammer_armed = true;
    game.opts.card_mode = 1;
    game.opts.sound = 1;
    game.frozen = true;
    game.hammers_used = 3;
    command(id_new_game);
    expect_clock(12, 0);
    EXPECT_EQ(game.level, 1);
    EXPECT_EQ(game.points, 0);
    for (int count : {game.hammers, game.stopwatches, game.hourglasses, game.dynamites})
        EXPECT_EQ(count, 10);
    for (int used : {game.hammers_used, game.stopwatches_used, game.hourglasses_used,
                     game.dynamites_used})
        EXPECT_EQ(used, 0);
    EXPECT_TRUE(game.playing);
    EXPECT_FALSE(game.in_shop);
    EXPECT_FALSE(game.frozen);
    EXPECT_EQ(game.picks, 0);
    EXPECT_EQ(game.card_mode, 1);
    EXPECT_EQ(game.sound, 1);
    EXPECT_FALSE(game.hammer_armed);
    for (const auto& c : game.field.card) EXPECT_EQ(c->sheet_dc, res->sheet_dc[2]);
}

TEST_F(Play, ASecondLastsMoreThan1000ms) {
    expect_clock(11, 59);
    frames(1, 1000);
    expect_clock(11, 59);
    frames(1, 1);
    expect_clock(11, 58);
    // Measured from the step itself, not from the frame that was due.
    frames(1, 1000);
    expect_clock(11, 58);
    frames(1, 5);
    expect_clock(11, 57);
}

TEST_F(Play, ClockStopsAtZero) {
    game.set_time(0, 1, 0);
    frames(1, 1001);
    expect_clock(0, 59);
    game.set_time(0, 0, 1);
    frames(1, 1001);
    expect_clock(0, 0);
    frames(5, 1001);
    expect_clock(0, 0);
    EXPECT_FALSE(game.playing);
    EXPECT_TRUE(visible(game.name_dialog));
}

// The schedule itself is the rule's own test; here, that the next level takes it or keeps
// the clock.
TEST_F(Play, NextLevelSetsTheScheduledTimeOrKeepsTheClock) {
    const struct {
        int level;
        bool has_time;
        int minutes, seconds;
    } table[] = {{2, true, 11, 30}, {15, false, 0, 0}, {56, true, 0, 10}, {57, false, 0, 0}};
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << "level " << row.level);
        game.level = row.level - 1;
        game.set_time(0, 3, 7);
        game.next_level();
        EXPECT_EQ(game.level, row.level);
        if (row.has_time)
            expect_clock(row.minutes, row.seconds);
        else
            expect_clock(3, 7);
        EXPECT_TRUE(game.playing);
        EXPECT_FALSE(game.in_shop);
    }
}

TEST_F(Play, ClearedLevelPaysTheTimeLeftAndOpensTheShop) {
    game.set_time(0, 3, 25);
    game.points = 40;
    game.hammers = 7;
    game.dynamites = 2;
    remove_all_but({});
    frame();
    EXPECT_TRUE(game.in_shop);
    EXPECT_FALSE(game.playing);
    EXPECT_EQ(game.points, 245);
    EXPECT_EQ(game.store.points, 245);
    EXPECT_EQ(game.store.hammers, 7);
    EXPECT_EQ(game.store.dynamites, 2);
    // The shop stands still: no clock step, whatever the time.
    const int minutes = game.minutes, seconds = game.seconds;
    frames(3, 5000);
    expect_clock(minutes, seconds);
    // The next-level sprite is drawn at (680, 550).
    click(700, 560);
    EXPECT_EQ(game.level, 2);
    expect_clock(11, 30);
    EXPECT_TRUE(game.playing);
    EXPECT_FALSE(game.in_shop);
}

TEST_F(Play, Level1ClearedAt3m25Gives205Points) {
    game.set_time(0, 3, 25);
    game.last_clock_tick = clock.now;
    remove_all_but({});
    frame();
    EXPECT_EQ(game.points, 205);
}

TEST_F(Play, BoardClearedAsTheClockHitsZeroOpensShopAndDialog) {
    game.set_time(0, 0, 0);
    remove_all_but({});
    frame();
    EXPECT_TRUE(game.in_shop);
    EXPECT_TRUE(visible(game.name_dialog));
    EXPECT_FALSE(game.playing);
}

TEST_F(Play, RandomSetIsDrawnAgainForEveryLevel) {
    command(id_random_set);
    command(id_new_game);
    std::srand(7);
    std::set<HDC> drawn;
    for (int level = 2; level <= 12; ++level) {
        game.next_level();
        const HDC sheet = game.field.card[0]->sheet_dc;
        EXPECT_NE(std::find(std::begin(res->sheet_dc), std::end(res->sheet_dc), sheet),
                  std::end(res->sheet_dc));
        for (const auto& c : game.field.card) ASSERT_EQ(c->sheet_dc, sheet);
        drawn.insert(sheet);
    }
    EXPECT_GT(drawn.size(), 1u) << "eleven levels all of one set";
}

TEST_F(Play, LeavingForTheMenuCostsAtMostOneSecond) {
    game.set_time(0, 5, 0);
    game.last_clock_tick = clock.now;
    press(VK_ESCAPE);
    frame();
    clock.advance(600000);
    frame();
    command(id_continue);
    frame();
    expect_clock(4, 59);
    frame();
    expect_clock(4, 59);
}

TEST_F(Play, StopwatchFreezesTheClockForTenSeconds) {
    game.set_time(0, 5, 0);
    click(stopwatch_x, stopwatch_y);
    EXPECT_TRUE(game.frozen);
    EXPECT_EQ(game.stopwatches, 9);
    EXPECT_EQ(game.stopwatches_used, 1);
    frames(10, 1000);  // 10000 ms: still frozen
    expect_clock(5, 0);
    EXPECT_TRUE(game.frozen);
    // A second stopwatch starts the ten seconds afresh.
    click(stopwatch_x, stopwatch_y);
    EXPECT_EQ(game.stopwatches, 8);
    frames(10, 1000);
    expect_clock(5, 0);
    frames(1, 1);  // the frame that ends the freeze makes no step
    EXPECT_FALSE(game.frozen);
    expect_clock(5, 0);
    frames(1, 0);
    expect_clock(4, 59);
}

TEST_F(Play, HourglassAddsThirtySeconds) {
    const struct {
        int minutes, seconds, to_minutes, to_seconds;
    } cases[] = {{5, 10, 5, 40}, {5, 30, 6, 0}, {5, 45, 6, 15}, {59, 45, 60, 15}, {75, 29, 75, 59}};
    int stock = game.hourglasses;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minutes << ":" << c.seconds);
        game.set_time(0, c.minutes, c.seconds);
        click(hourglass_x, hourglass_y);
        expect_clock(c.to_minutes, c.to_seconds);
        EXPECT_EQ(game.hourglasses, --stock);
    }
    EXPECT_EQ(game.hourglasses_used, 5);
}

TEST_F(Play, PowerUpsWithNoStockDoNothing) {
    game.hourglasses = game.stopwatches = game.dynamites = game.hammers = 0;
    game.set_time(0, 5, 0);
    click(hourglass_x, hourglass_y);
    click(stopwatch_x, stopwatch_y);
    click(dynamite_x, dynamite_y);
    click(hammer_x, hammer_y);
    expect_clock(5, 0);
    EXPECT_FALSE(game.frozen);
    EXPECT_FALSE(game.hammer_armed);
    for (int count : {game.hammers, game.stopwatches, game.hourglasses, game.dynamites})
        EXPECT_EQ(count, 0);
    for (const auto& c : game.field.card) EXPECT_FALSE(c->exploding);
}

TEST_F(Play, MatchRemovesBothOnTheNextFrame) {
    click_card(6);
    click_card(7);
    EXPECT_EQ(game.picks, 2);
    EXPECT_TRUE(game.busy);
    EXPECT_TRUE(game.field.card[6]->face_up);
    frame();
    EXPECT_TRUE(game.field.card[6]->removed);
    EXPECT_TRUE(game.field.card[7]->removed);
    EXPECT_FALSE(game.busy);
    EXPECT_EQ(game.picks, 0);
}

TEST_F(Play, MismatchTurnsBackAfterOneSecond) {
    click_card(0);
    click_card(2);
    clock.advance(999);
    frame();
    EXPECT_TRUE(game.field.card[0]->face_up);
    EXPECT_TRUE(game.busy);
    clock.advance(1);
    frame();
    EXPECT_FALSE(game.field.card[0]->face_up);
    EXPECT_FALSE(game.field.card[2]->face_up);
    EXPECT_FALSE(game.busy);
}

TEST_F(Play, ClicksThatAreNoPick) {
    click_card(0);
    // The same card again, a gap between cards, outside the board.
    for (POINT p : {POINT{card_x(0), card_y(0)}, POINT{320, 90}, POINT{790, 590}}) {
        click(p.x, p.y);
        EXPECT_EQ(game.picks, 1);
    }
    EXPECT_EQ(game.first_pick, 0);
}

TEST_F(Play, PickWithTheSoundOnPlaysTheClickWithoutItBeingImported) {
    // The game does not import the multimedia library; the first click with the sound on
    // must load it, and picking goes on as with the sound off.
    game.sound = 1;
    click_card(0);
    click_card(2);
    EXPECT_NE(GetModuleHandleA("winmm.dll"), nullptr);
    EXPECT_EQ(game.picks, 2);
    EXPECT_TRUE(game.busy);
}

TEST_F(Play, PicksBlockedWhileTwoUpButPowerUpsWork) {
    click_card(0);
    click_card(2);
    click_card(4);
    EXPECT_FALSE(game.field.card[4]->face_up);
    EXPECT_EQ(game.second_pick, 2);
    game.set_time(0, 5, 10);
    click(hourglass_x, hourglass_y);
    expect_clock(5, 40);
    EXPECT_TRUE(game.busy);
    EXPECT_EQ(game.picks, 2);
}

TEST_F(Play, MismatchResolvedOnFirstFrameAfterTheMenu) {
    click_card(0);
    click_card(2);
    press(VK_ESCAPE);
    frame();
    clock.advance(5000);
    frame();
    EXPECT_TRUE(game.field.card[0]->face_up);
    command(id_continue);
    frame();
    EXPECT_FALSE(game.field.card[0]->face_up);
    EXPECT_EQ(game.picks, 0);
}

TEST_F(Play, HammerArmsThenSmashesThePairOfTheCardHit) {
    click(hammer_x, hammer_y);
    EXPECT_TRUE(game.hammer_armed);
    EXPECT_EQ(game.picks, 0);
    EXPECT_EQ(game.hammers, 10);
    click_card(9);
    EXPECT_FALSE(game.hammer_armed);
    EXPECT_EQ(game.hammers, 9);
    EXPECT_EQ(game.hammers_used, 1);
    EXPECT_EQ(game.picks, 0);  // the blow picks nothing
    EXPECT_TRUE(game.field.card[8]->smashing);
    EXPECT_TRUE(game.field.card[9]->smashing);
    // Seven steps of more than 100 ms each, then both leave on the same frame.
    frames(6, 101);
    EXPECT_FALSE(game.field.card[8]->removed);
    frames(1, 101);
    EXPECT_TRUE(game.field.card[8]->removed);
    EXPECT_TRUE(game.field.card[9]->removed);
}

TEST_F(Play, HammerMissStillSpendsIt) {
    click(hammer_x, hammer_y);
    click(320, 90);  // between two cards
    EXPECT_FALSE(game.hammer_armed);
    EXPECT_EQ(game.hammers, 9);
    for (const auto& c : game.field.card) EXPECT_FALSE(c->smashing);
}

TEST_F(Play, ArmedHammerOutlivesLevelsButNotTheGame) {
    click(hammer_x, hammer_y);
    game.next_level();
    EXPECT_TRUE(game.hammer_armed);
    press(VK_ESCAPE);
    command(id_continue);
    EXPECT_TRUE(game.hammer_armed);
    click_card(0);
    EXPECT_TRUE(game.field.card[0]->smashing);
}

TEST_F(Play, HammerOnAPairWhoseFirstCardIsUp) {
    click_card(10);
    click(hammer_x, hammer_y);
    click_card(11);
    EXPECT_FALSE(game.field.card[10]->face_up);
    EXPECT_TRUE(game.field.card[10]->smashing);
    EXPECT_TRUE(game.field.card[11]->smashing);
    EXPECT_EQ(game.picks, 1);
    EXPECT_EQ(game.first_pick, 10);
}

TEST_F(Play, DynamiteNeverChoosesARemovedCard) {
    for (int round = 0; round < 20; ++round) {
        new_ordered_game();
        remove_all_but({20, 21, 40, 41});
        game.field.card[40]->removed = false;
        game.field.card[41]->removed = true;  // a pair with a card gone
        click(dynamite_x, dynamite_y);
        EXPECT_TRUE(game.field.card[20]->exploding);
        EXPECT_TRUE(game.field.card[21]->exploding);
        EXPECT_EQ(game.dynamites, 9);
        EXPECT_EQ(game.dynamites_used, 1);
    }
}

TEST_F(Play, DynamiteTurnsAPickedCardDown) {
    remove_all_but({30, 31});
    click_card(30);
    click(dynamite_x, dynamite_y);
    EXPECT_FALSE(game.field.card[30]->face_up);
    EXPECT_TRUE(game.field.card[30]->exploding);
    EXPECT_TRUE(game.field.card[31]->exploding);
    EXPECT_EQ(game.picks, 1);
    // Seventeen steps, then the pair is gone.
    frames(17, 101);
    EXPECT_TRUE(game.field.card[30]->removed);
    EXPECT_TRUE(game.field.card[31]->removed);
}

TEST_F(Play, DynamiteWithNoWholePairLeftIsKept) {
    remove_all_but({12});
    click(dynamite_x, dynamite_y);
    EXPECT_EQ(game.dynamites, 10);
    EXPECT_FALSE(game.field.card[12]->exploding);
}

TEST_F(Play, DynamiteClickWithHammerArmedFiresBoth) {
    click(hammer_x, hammer_y);
    click(dynamite_x, dynamite_y);
    EXPECT_EQ(game.dynamites, 9);
    EXPECT_EQ(game.hammers, 9);
    EXPECT_FALSE(game.hammer_armed);
    int exploding = 0;
    for (const auto& c : game.field.card) exploding += c->exploding;
    EXPECT_EQ(exploding, 2);
}

TEST_F(Play, GameOverTakesNoMoreClicks) {
    game.set_time(0, 0, 0);
    frame();
    click_card(0);
    click(hourglass_x, hourglass_y);
    EXPECT_EQ(game.picks, 0);
    expect_clock(0, 0);
}

class Shop : public Play {
protected:
    void SetUp() override {
        Play::SetUp();
        game.set_time(0, 0, 0);
        game.last_clock_tick = clock.now;
        remove_all_but({});
        frame();
        frame();  // the shop draws its sprites from the next frame
        ShowWindow(game.name_dialog, SW_HIDE);
    }
    void buy(int x) { click(x, 270); }
};
constexpr int shop_hammer = 400, shop_stopwatch = 465, shop_hourglass = 525, shop_dynamite = 580;

TEST_F(Shop, PurchasesNeedThePrice) {
    const struct {
        int x, points, price;
        int shop::*count;
    } cases[] = {{shop_hammer, 119, 120, &shop::hammers},
                 {shop_hammer, 120, 120, &shop::hammers},
                 {shop_stopwatch, 99, 100, &shop::stopwatches},
                 {shop_stopwatch, 100, 100, &shop::stopwatches},
                 {shop_hourglass, 110, 110, &shop::hourglasses},
                 {shop_dynamite, 149, 150, &shop::dynamites},
                 {shop_dynamite, 150, 150, &shop::dynamites}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " with " << c.points << " points");
        game.store.points = c.points;
        const int before = game.store.*c.count;
        buy(c.x);
        const bool bought = c.points >= c.price;
        EXPECT_EQ(game.store.*c.count, before + (bought ? 1 : 0));
        EXPECT_EQ(game.points, bought ? c.points - c.price : c.points);
    }
}

TEST_F(Shop, The330PointSequence) {
    game.store.points = 330;
    const int hammers = game.store.hammers;
    buy(shop_hammer);
    EXPECT_EQ(game.points, 210);
    buy(shop_hourglass);
    EXPECT_EQ(game.points, 100);
    buy(shop_stopwatch);
    EXPECT_EQ(game.points, 0);
    const int dynamites = game.store.dynamites;
    buy(shop_dynamite);
    EXPECT_EQ(game.store.dynamites, dynamites);
    EXPECT_EQ(game.store.hammers, hammers + 1);
    frame();
    EXPECT_EQ(game.hammers, hammers + 1);
    EXPECT_EQ(game.bar.hammers, hammers + 1);
}

TEST_F(Shop, ClicksAfterLeavingBuyNothing) {
    game.store.points = 1000;
    press(VK_ESCAPE);
    frame();
    for (int screen_after : {screen_menu, screen_help}) {
        game.screen = screen_after;
        for (int x : {shop_hammer, shop_stopwatch, shop_hourglass, shop_dynamite}) buy(x);
        click(700, 560);
        EXPECT_EQ(game.store.points, 1000);
        EXPECT_EQ(game.level, 1);
    }
    // Back in the shop the sprites answer again.
    game.screen = screen_menu;
    command(id_continue);
    buy(shop_hammer);
    EXPECT_EQ(game.store.points, 880);
}
}  // namespace
