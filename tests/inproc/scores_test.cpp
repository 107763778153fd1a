#include "inproc/inproc.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {
void set_name(const char* name) { SetDlgItemTextA(game.name_dialog, id_name_edit, name); }
void dialog_command(int id) { SendMessageA(game.name_dialog, WM_COMMAND, id, 0); }
// The result the dialog asks a name for.
score_entry& ended() { return game.results_waiting.front().result; }

// The table as read at start: in memory and in the file that every write merges into.
void fill_table(const int (&levels)[20]) {
    for (int i = 0; i < 20; ++i) {
        score_entry& e = game.scores.table[i];
        std::memset(&e, 0, sizeof e);
        std::snprintf(e.name, sizeof e.name, "row%d", i);
        e.level = levels[i];
        e.points = 1000 - i;
    }
    ASSERT_TRUE(write_table_file("scores.dat", game.scores.table));
}

// Level, points and the hammers, stopwatches, hourglasses and dynamites used.
void expect_entry(const score_entry& e, const char* name, const std::array<int, 6>& values) {
    EXPECT_STREQ(e.name, name);
    EXPECT_EQ((std::array<int, 6>{e.level, e.points, e.hammers_used, e.stopwatches_used,
                                  e.hourglasses_used, e.dynamites_used}),
              values);
}

// Handles the thread's messages until none has come for a tenth of a second, or for a
// second at most: a frame that is painted may ask for the next.
void settle() {
    const ULONGLONG deadline = GetTickCount64() + 1000;
    MSG m;
    do {
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    } while (GetTickCount64() < deadline &&
             MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0);
}

class NameDialog : public InProc {
protected:
    void SetUp() override {
        InProc::SetUp();
        // The dialog the last test left up was hidden; under Wine the X server's word of
        // that, which takes the focus from it, comes a moment later, and would take it
        // from the dialog shown again below: its messages are handled first.
        settle();
        std::memcpy(saved, game.scores.table, sizeof saved);
        new_ordered_game();
        game.set_time(0, 0, 0);
        frame();  // game over: the dialog is shown
        ASSERT_TRUE(visible(game.name_dialog));
    }
    void TearDown() override {
        std::memcpy(game.scores.table, saved, sizeof saved);
        InProc::TearDown();
    }
    score_entry saved[20];
};

TEST_F(NameDialog, EmptyNameWarnsAndChangesNothing) {
    set_name("");
    score_entry before[20];
    std::memcpy(before, game.scores.table, sizeof before);
    const std::string text = answer_message_box("Warning", [] { dialog_command(id_name_ok); });
    EXPECT_EQ(text, "You didn't enter anything!");
    EXPECT_TRUE(visible(game.name_dialog));
    EXPECT_EQ(game.screen, screen_play);
    EXPECT_EQ(std::memcmp(before, game.scores.table, sizeof before), 0);
}

TEST_F(NameDialog, QualifyingResultEntersBelowItsEqualsAndShowsTheTable) {
    fill_table({9, 7, 4, 4, 4, 3, 2, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});
    ended().level = 4;
    ended().points = 5000;  // more points than every level-4 row: level alone ranks
    ended().hammers_used = 1;
    ended().stopwatches_used = 2;
    ended().hourglasses_used = 3;
    ended().dynamites_used = 4;
    set_name("Ann");
    dialog_command(id_name_ok);
    EXPECT_FALSE(visible(game.name_dialog));
    EXPECT_EQ(game.screen, screen_high_scores);
    expect_entry(game.scores.table[5], "Ann", {4, 5000, 1, 2, 3, 4});
    EXPECT_STREQ(game.scores.table[4].name, "row4");
    EXPECT_STREQ(game.scores.table[6].name, "row5");
    frame();  // the table screen draws
}

TEST_F(NameDialog, ResultAtTheLastPlacesLevelDoesNotEnterButTheTableIsSorted) {
    // Unsorted, as a file may hold it; the last place is at level 3.
    fill_table({1, 5, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    ended().level = 3;
    set_name("Bob");
    dialog_command(id_name_ok);
    EXPECT_EQ(game.screen, screen_high_scores);
    EXPECT_EQ(game.scores.table[0].level, 5);
    EXPECT_STREQ(game.scores.table[0].name, "row1");
    EXPECT_STREQ(game.scores.table[19].name, "row0");
    for (const score_entry& e : game.scores.table) EXPECT_STRNE(e.name, "Bob");
}

TEST_F(NameDialog, CancelShowsTheTableUnchanged) {
    fill_table({9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    score_entry before[20];
    std::memcpy(before, game.scores.table, sizeof before);
    ended().level = 50;
    set_name("Cid");
    dialog_command(id_name_cancel);
    EXPECT_FALSE(visible(game.name_dialog));
    EXPECT_EQ(game.screen, screen_high_scores);
    EXPECT_EQ(std::memcmp(before, game.scores.table, sizeof before), 0);
}

// The caret is in the box when the dialog opens; Enter presses Ok and Escape Cancel, as
// the message loop hands the dialog its keys; a name in any script is kept as typed.
TEST_F(NameDialog, EnterAndEscapeAndANameInAnyScript) {
    HWND edit = GetDlgItem(game.name_dialog, id_name_edit);
    // The display tells Wine of the focus in its own time, on a loaded machine late.
    for (const DWORD start = GetTickCount(); GetFocus() != edit && GetTickCount() - start < 3000;) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            if (!name_dialog_key(m)) DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(GetFocus(), edit);
    fill_table({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ended().level = 2;
    SetWindowTextW(edit, L"Zo\u00eb \u0141ukasz \u674e");
    clock.advance(settling_time);
    MSG escape = {edit, WM_KEYDOWN, VK_ESCAPE, 0, GetTickCount(), {}};
    EXPECT_TRUE(name_dialog_key(escape));
    EXPECT_FALSE(visible(game.name_dialog));
    EXPECT_STREQ(game.scores.table[0].name, "row0");
    new_ordered_game();
    game.set_time(0, 0, 0);
    frame();
    ended().level = 2;
    clock.advance(settling_time);
    MSG enter = {edit, WM_KEYDOWN, VK_RETURN, 0, GetTickCount(), {}};
    EXPECT_TRUE(name_dialog_key(enter));
    EXPECT_EQ(game.screen, screen_high_scores);
    EXPECT_STREQ(game.scores.table[0].name, "Zo\xc3\xab \xc5\x81ukasz \xe6\x9d\x8e");
}

// What the fingers typed on the board, or still type in the dialog's first half second,
// and the repeats of a key held from then, never reach it; a name of spaces is no name.
TEST_F(NameDialog, HearsOnlyKeysPressedOnceItIsUp) {
    HWND edit = GetDlgItem(game.name_dialog, id_name_edit);
    const auto enter = [this, edit](std::uint32_t after, LPARAM flags) {
        clock.advance(after);
        MSG m = {edit, WM_KEYDOWN, VK_RETURN, flags, GetTickCount(), {}};
        name_dialog_key(m);
    };
    set_name("Old");
    enter(0, 0);
    enter(settling_time - 1, 0);
    enter(1, key_repeat_bit);
    EXPECT_TRUE(visible(game.name_dialog));
    EXPECT_EQ(game.results_waiting.size(), 1u);
    set_name("   ");
    EXPECT_EQ(answer_message_box("Warning", [&] { enter(0, 0); }), "You didn't enter anything!");
    EXPECT_TRUE(visible(game.name_dialog));
    set_name("Gil");
    enter(0, 0);
    EXPECT_FALSE(visible(game.name_dialog));
    EXPECT_TRUE(game.results_waiting.empty());
}

TEST_F(NameDialog, CloseBoxDoesNothing) {
    dialog_command(IDCANCEL);
    EXPECT_TRUE(visible(game.name_dialog));
    EXPECT_EQ(game.screen, screen_play);
}

TEST_F(NameDialog, BoxKeepsItsTextForTheNextGameOver) {
    set_name("Dee");
    dialog_command(id_name_cancel);
    new_ordered_game();
    game.set_time(0, 0, 0);
    frame();
    char text[64] = {};
    GetDlgItemTextA(game.name_dialog, id_name_edit, text, sizeof text);
    EXPECT_STREQ(text, "Dee");
}

TEST_F(NameDialog, TypedNameIsLimitedToTheField) {
    set_name("");
    HWND edit = GetDlgItem(game.name_dialog, id_name_edit);
    for (int i = 0; i < 300; ++i) SendMessageA(edit, WM_CHAR, 'a' + i % 26, 0);
    EXPECT_EQ(GetWindowTextLengthA(edit), 255);
    fill_table({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ended().level = 2;
    dialog_command(id_name_ok);
    EXPECT_EQ(name_length(game.scores.table[0]), 255u);
    // Even text set past the limit is stored within the field.
    std::string long_name(300, 'z');
    new_ordered_game();
    game.set_time(0, 0, 0);
    frame();
    set_name(long_name.c_str());
    ended().level = 3;
    dialog_command(id_name_ok);
    EXPECT_EQ(name_length(game.scores.table[0]), 255u);
}

std::string read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every game that ends has its result entered once: a game that ends while the dialog
// waits is asked for next, and Ok never takes a game in progress off its screen.
TEST_F(NameDialog, EachGameThatEndsIsEnteredOnceWhateverRunsWhileTheDialogWaits) {
    fill_table({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ended() = {};
    ended().level = 7;
    ended().points = 1234;
    ended().hammers_used = 2;
    ended().stopwatches_used = 3;
    ended().hourglasses_used = 4;
    ended().dynamites_used = 5;
    press(VK_ESCAPE);
    command(id_new_game);  // a new game while the dialog stays up, played to its end
    click(60, 460);  // an hourglass
    game.points = 300;
    game.next_level();
    game.set_time(0, 0, 0);
    frame();
    command(id_new_game);  // and another, in progress
    ASSERT_TRUE(visible(game.name_dialog));
    set_name("Eve");
    dialog_command(id_name_ok);
    expect_entry(game.scores.table[0], "Eve", {7, 1234, 2, 3, 4, 5});
    // On disk before the program ends.
    EXPECT_EQ(read_file("scores.dat"),
              std::string(reinterpret_cast<const char*>(game.scores.table), score_file_size));
    ASSERT_TRUE(visible(game.name_dialog));
    set_name("Fay");
    dialog_command(id_name_ok);
    expect_entry(game.scores.table[1], "Fay", {2, 300, 0, 0, 1, 0});
    EXPECT_FALSE(visible(game.name_dialog));
    EXPECT_EQ(game.screen, screen_play);
}

// The game ends on the frame that clears level 3; the player goes on from the shop with the
// dialog still up, and level 4 runs out too: Ok enters the game's second end.
TEST_F(NameDialog, ASecondGameOverInOneGameIsTheOneEntered) {
    fill_table({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    dialog_command(id_name_cancel);
    command(id_new_game);
    game.level = 3;
    game.points = 300;
    game.set_time(0, 0, 0);
    for (const auto& c : game.field.card) c->removed = true;
    frame();
    ASSERT_TRUE(game.in_shop);
    ASSERT_TRUE(visible(game.name_dialog));
    frame();  // the shop shows
    click(700, 560);  // its next level
    ASSERT_EQ(game.level, 4);
    ASSERT_FALSE(game.is_game_over());
    game.hammers_used = 2;
    game.set_time(0, 0, 1);
    for (int i = 0; i < 3; ++i) {
        clock.advance(1001);
        frame();
    }
    ASSERT_TRUE(game.is_game_over());
    set_name("Twice");
    dialog_command(id_name_ok);
    expect_entry(game.scores.table[0], "Twice", {4, 300, 2, 0, 0, 0});
    EXPECT_STREQ(game.scores.table[1].name, "row0");
}

using OptionsSave = InProc;

TEST_F(OptionsSave, SaveWritesTheFileAndSaysSo) {
    game.opts.card_mode = 2;
    game.opts.sound = 1;
    const std::string text = answer_message_box("Options", [] { command(id_save_options); });
    EXPECT_EQ(text, "Options saved! You need start new game");
    EXPECT_EQ(read_file("options.ini"), "[CARDMODE]\r\n2\r\n[SOUND]\r\n1\r\n");
    game.opts.card_mode = 4;
    game.opts.sound = 5;
    answer_message_box("Options", [] { command(id_save_options); });
    EXPECT_EQ(read_file("options.ini"), "[CARDMODE]\r\n4\r\n[SOUND]\r\n5\r\n");
    std::remove("options.ini");
}

TEST_F(OptionsSave, UnwritableFileIsReportedNotCalledSaved) {
    // A folder where the file should be: nothing can be written.
    ASSERT_EQ(_mkdir("options.ini"), 0);
    const std::string text = answer_message_box("Options", [] { command(id_save_options); });
    EXPECT_NE(text, "Options saved! You need start new game");
    EXPECT_NE(text.find("could not be saved"), std::string::npos) << text;
    _rmdir("options.ini");
}

TEST_F(OptionsSave, ChoiceWithoutSaveIsUsedByTheNextGame) {
    game.opts.card_mode = 2;
    command(res_cars);  // Cars
    command(id_new_game);
    EXPECT_EQ(game.card_mode, 1);
    for (const auto& c : game.field.card) EXPECT_EQ(c->sheet_dc, res->sheet_dc[2]);
    command(id_random_set);  // Random: every new game draws one of the four sets for all cards
    command(id_new_game);
    const HDC chosen = game.field.card[0]->sheet_dc;
    EXPECT_TRUE(chosen == res->sheet_dc[0] || chosen == res->sheet_dc[1] ||
                chosen == res->sheet_dc[2] || chosen == res->sheet_dc[3]);
    for (const auto& c : game.field.card) EXPECT_EQ(c->sheet_dc, chosen);
}
}  // namespace
