// Behaviours pinned before the engine is reworked: each case fails when the line that
// gives it is lost.
#include "inproc/inproc.h"

#include <mmsystem.h>

#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/click_sound.h"

namespace {
void click_card(int i) { click(card_left(i) + 25, card_top(i) + 25); }
void click_hammer() { click(60, 320); }
void click_stopwatch() { click(60, 390); }
void click_dynamite() { click(60, 530); }

class Pinned : public InProc {
protected:
    void SetUp() override {
        InProc::SetUp();
        new_ordered_game();
        frame();
    }
    void remove_all_but(std::initializer_list<int> keep) {
        for (const auto& c : game.field.card) c->removed = true;
        for (int i : keep) game.field.card[i]->removed = false;
    }
};

// The board left behind when a new one starts; a cleared board with picks pending is
// what the hammer or the dynamite leave when they take picked cards.
enum pending { one_pick, two_picks, freeze };

TEST_F(Pinned, NewBoardsStartCleanWhateverWasPending) {
    for (bool via_shop : {false, true})
        for (pending p : {one_pick, two_picks, freeze}) {
            const char* const names[] = {"one pick", "two picks", "freeze"};
            SCOPED_TRACE(testing::Message()
                         << (via_shop ? "next level" : "new game") << " over " << names[p]);
            new_ordered_game();
            frame();
            if (p == freeze) click_stopwatch();
            if (p != freeze) click_card(0);
            if (p == two_picks) click_card(2);
            ASSERT_TRUE(game.picks > 0 || game.frozen);
            if (via_shop) {
                remove_all_but({});
                frame();
                frame();  // the first shop frame places the next sprite
                ASSERT_TRUE(game.in_shop);
                click(700, 560);
                ASSERT_EQ(game.level, 2);
            } else {
                command(id_new_game);
            }
            EXPECT_EQ(game.picks, 0);
            EXPECT_FALSE(game.busy);
            EXPECT_FALSE(game.frozen);
            click_card(5);
            EXPECT_EQ(game.picks, 1);
            EXPECT_EQ(game.first_pick, 5);
            EXPECT_FALSE(game.busy);
            EXPECT_TRUE(game.field.card[5]->face_up);
        }
}

TEST_F(Pinned, FirstPickTurnedDownByAPowerUpAndClickedAgainStaysOnePick) {
    for (bool hammer : {true, false}) {
        SCOPED_TRACE(hammer ? "hammer on its partner" : "dynamite on its pair");
        new_ordered_game();
        if (!hammer) remove_all_but({30, 31});
        frame();
        click_card(30);
        if (hammer) {
            click_hammer();
            click_card(31);
        } else {
            click_dynamite();
        }
        ASSERT_FALSE(game.field.card[30]->face_up);
        click_card(30);
        EXPECT_TRUE(game.field.card[30]->face_up);
        EXPECT_EQ(game.picks, 1);
        EXPECT_EQ(game.first_pick, 30);
        EXPECT_FALSE(game.busy);
    }
}

// Ticks around the counter's wrap: the last step (or the second pick) and the frame.
struct wrap_case {
    std::uint32_t from, now;
    bool due;
};
const wrap_case clock_cases[] = {
    {0xFFFFFFF0u, 0xFFFFFFF5u, false}, {0xFFFFFFF0u, 0x00000010u, false},
    {0xFFFFFFF0u, 0x000003D8u, false}, {0xFFFFFFF0u, 0x000003D9u, true},
    {0xFFFFFC00u, 0x00000010u, true},  {0xFFFFF000u, 0x00000010u, true},
    {0xFFFFFFFFu, 0x000003E7u, false}, {0xFFFFFFFFu, 0x000003E8u, true},
};

TEST_F(Pinned, ClockStepsOncePerSecondAcrossTheWrap) {
    for (const wrap_case& c : clock_cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.from << " to " << c.now);
        game.set_time(0, 5, 0);
        game.last_clock_tick = c.from;
        clock.set(c.now);
        frame();
        frame();  // the same tick again: never a second step
        EXPECT_EQ(game.minutes, c.due ? 4 : 5);
        EXPECT_EQ(game.seconds, c.due ? 59 : 0);
    }
}

const wrap_case mismatch_cases[] = {
    {0xFFFFFFF0u, 0xFFFFFFF5u, false}, {0xFFFFFFF0u, 0x00000010u, false},
    {0xFFFFFFF0u, 0x000003D7u, false}, {0xFFFFFFF0u, 0x000003D8u, true},
    {0xFFFFFC10u, 0x00000010u, true},
};

TEST_F(Pinned, MismatchTurnsBackAfterASecondAcrossTheWrap) {
    for (const wrap_case& c : mismatch_cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.from << " to " << c.now);
        new_ordered_game();
        clock.set(c.from);
        frame();
        click_card(0);
        click_card(2);
        clock.set(c.now);
        frame();
        EXPECT_EQ(game.field.card[0]->face_up, !c.due);
        EXPECT_EQ(game.field.card[2]->face_up, !c.due);
        EXPECT_EQ(game.busy, !c.due);
    }
}

// Pixels of the strip in the loaded key colour are exactly the mask's transparent ones.
void expect_key(const animation& a, const char* file, COLORREF key) {
    load_bmp raw{};
    raw.load(file, a.width, a.height);
    const std::vector<COLORREF> picture = grab(raw.image_dc, 0, 0, a.width, a.height);
    const std::vector<COLORREF> mask = grab(a.picture->mask_dc, 0, 0, a.width, a.height);
    raw.delete_bitmap();
    int keyed = 0, wrong = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        keyed += picture[i] == key;
        wrong += (picture[i] == key) != (mask[i] == RGB(255, 255, 255));
    }
    EXPECT_GT(keyed, 0);
    EXPECT_EQ(wrong, 0);
}

TEST_F(Pinned, SpritesOfTheBarTheShopAndHelp) {
    // Each screen reads its sprites as it first shows.
    game.screen = screen_help;
    frame();
    new_ordered_game();
    frame();
    for (const auto& c : game.field.card) c->removed = true;
    frame();
    frame();
    game.in_shop = false;
    const COLORREF green = RGB(0, 255, 0), white = RGB(255, 255, 255);
    const char *hammer = "animations/hammer.bmp", *stopwatch = "animations/stopwatch.bmp",
               *hourglass = "animations/hourglass.bmp", *dynamite = "animations/dynamite.bmp";
    const struct {
        const char* name;
        const animation& sprite;
        const char* file;
        int width, frames, frame_width, delay, repeat;
        COLORREF key;
    } table[] = {
        // clang-format off
        {"bar hammer",     game.bar.hammer,                hammer,    594, 11,  54, 100, -1, green},
        {"bar stopwatch",  game.bar.stopwatch,             stopwatch, 400,  8,  50, 300, -1, green},
        {"bar hourglass",  game.bar.hourglass,             hourglass, 750, 15,  50, 200, -1, green},
        {"bar dynamite",   game.bar.dynamite,              dynamite,  551, 11,  50, 200, -1, white},
        {"shop hammer",    game.store.hammer,              hammer,    594, 11,  54, 100, -1, green},
        {"shop stopwatch", game.store.stopwatch,           stopwatch, 400,  8,  50, 300, -1, green},
        {"shop hourglass", game.store.hourglass,           hourglass, 750, 15,  50, 200, -1, green},
        {"shop dynamite",  game.store.dynamite,            dynamite,  551, 11,  50, 200, -1, white},
        {"shop next",      game.store.next,     "animations/next.bmp", 600, 6, 100, 200, -1, white},
        {"help hammer",    game.help_screen.hammer_anim,   hammer,    594, 11,  54, 100, -1, green},
        {"help stopwatch", game.help_screen.stopwatch_anim, stopwatch, 400, 8,  50, 300, -1, green},
        {"help hourglass", game.help_screen.hourglass_anim, hourglass, 750, 15, 50, 200, -1, green},
        {"help dynamite",  game.help_screen.dynamite_anim, dynamite,  550, 11,  50, 200, -1, white},
        // clang-format on
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.sprite.width, row.width);
        EXPECT_EQ(row.sprite.frames, row.frames);
        EXPECT_EQ(row.sprite.frame_width, row.frame_width);
        EXPECT_EQ(row.sprite.delay, row.delay);
        EXPECT_EQ(row.sprite.repeat, row.repeat);
        expect_key(row.sprite, row.file, row.key);
    }
}

TEST_F(Pinned, OptionsChecksFollowTheFileRead) {
    const struct {
        int card_mode, sound;
        const char* card_button;  // "" for none
        const char* sound_button;
    } table[] = {
        {0, 1, "Blazons", "Sound On"},
        {1, 0, "Cars", "Sound Off"},
        {2, 5, "Castles", ""},
        {3, 1, "Flowers", "Sound On"},
        {4, 0, "Random", "Sound Off"},
        {7, 1, "", "Sound On"},
        {-1, 5, "", ""},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message()
                     << "card mode " << row.card_mode << ", sound " << row.sound);
        std::ofstream("options.ini", std::ios::binary)
            << "[CARDMODE]\r\n" << row.card_mode << "\r\n[SOUND]\r\n" << row.sound << "\r\n";
        HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                      nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
        options opts{};
        opts.card_mode = 9;
        opts.sound = 9;
        opts.create_buttons(parent);
        EXPECT_EQ(opts.card_mode, row.card_mode);
        EXPECT_EQ(opts.sound, row.sound);
        for (int i = 2; i < 9; ++i) {
            char caption[32] = {};
            GetWindowTextA(opts.buttons[i].hwnd, caption, sizeof caption);
            const std::string name = caption;
            SCOPED_TRACE(name);
            const bool checked = name == row.card_button || name == row.sound_button;
            EXPECT_EQ(SendMessageA(opts.buttons[i].hwnd, BM_GETCHECK, 0, 0),
                      checked ? BST_CHECKED : BST_UNCHECKED);
        }
        opts.background.delete_bitmap();
        DestroyWindow(parent);
    }
    DeleteFileA("options.ini");
}

struct played {
    int resource_id;
    unsigned flags;
};
std::vector<played> plays;
void record_play(int resource_id, unsigned flags) { plays.push_back({resource_id, flags}); }

class PinnedSound : public Pinned {
protected:
    void SetUp() override {
        Pinned::SetUp();
        click_sound::set_player(record_play);
    }
    void TearDown() override {
        click_sound::set_player(nullptr);
        Pinned::TearDown();
    }
};

TEST_F(PinnedSound, PickSoundOnlyWithSoundExactlyOne) {
    for (int sound : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "sound " << sound);
        new_ordered_game();
        frame();
        game.sound = sound;
        plays.clear();
        click_card(0);
        click(320, 90);  // between cards: no pick, no sound
        click_card(2);
        ASSERT_EQ(plays.size(), sound == 1 ? 2u : 0u);
        for (const played& p : plays) {
            EXPECT_EQ(p.resource_id, 516);
            EXPECT_EQ(p.flags, static_cast<unsigned>(SND_RESOURCE | SND_ASYNC));
        }
    }
}
}  // namespace
