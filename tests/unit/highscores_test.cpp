#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "scores/highscores.h"
#include "files/replace_file.h"
#include "gfx/text.h"
#include "text/utf8.h"
#include "unit/support.h"

namespace {
using table_t = score_entry[score_rows];

std::string read_bytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string bytes_of(const table_t& table) {
    return std::string(reinterpret_cast<const char*>(table), score_file_size);
}

bool exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }



score_entry entry(const char* name, int level, int points) {
    score_entry e{};
    std::strcpy(e.name, name);
    e.level = level;
    e.points = points;
    e.hammers_used = level * 3;
    e.dynamites_used = points % 7;
    return e;
}

// 25 distinct records' worth of bytes, longer than any table file.
std::string pattern_bytes() {
    std::string bytes;
    for (int i = 0; i < 25; ++i) {
        score_entry e = entry(("Player " + std::to_string(i)).c_str(), 30 - i, 1000 + i);
        std::memset(e.name + 20, 'a' + i, 100);  // leftovers after the NUL
        bytes.append(reinterpret_cast<const char*>(&e), sizeof e);
    }
    return bytes;
}

TEST(ScoresTable, DefaultTableIsTwentyUnknownUsersAtZero) {
    table_t table;
    std::memset(table, 0x5A, sizeof table);
    default_table(table);
    score_entry expected{};
    std::strcpy(expected.name, "Unknown User");
    for (const score_entry& e : table) EXPECT_EQ(std::memcmp(&e, &expected, sizeof e), 0);
}

TEST(ScoresTable, NameLengthNeverReadsPastTheField) {
    struct name_case {
        std::string name;
        std::size_t length;
    };
    const name_case cases[] = {{"", 0}, {"abc", 3}, {std::string(255, 'n'), 255},
                               {std::string(256, 'x'), 256}};
    for (const name_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << c.length);
        score_entry e;
        std::memset(&e, 0x7F, sizeof e);  // no NUL after the name field either
        std::memcpy(e.name, c.name.c_str(), std::min<std::size_t>(c.name.size() + 1, 256));
        EXPECT_EQ(name_length(e), c.length);
    }
}

TEST(ScoresFile, ReadUsesUpToTheFirst5600Bytes) {
    const std::string pattern = pattern_bytes();
    for (std::size_t size : {0u, 1u, 280u, 300u, 5599u, 5600u, 5601u, 7000u}) {
        SCOPED_TRACE(testing::Message() << size << " bytes");
        clear_score_files();
        write_bytes("scores.dat", pattern.substr(0, size));
        table_t table;
        std::memset(table, 0, sizeof table);
        const std::size_t used = std::min<std::size_t>(size, score_file_size);
        ASSERT_EQ(read_table_file("scores.dat", table), static_cast<long>(used));
        std::string expected = pattern.substr(0, used);
        expected.resize(score_file_size, '\0');
        EXPECT_EQ(bytes_of(table), expected);
        if (size == 280) {
            EXPECT_STREQ(table[0].name, "Player 0");
            EXPECT_EQ(table[0].level, 30);
            for (int i = 1; i < score_rows; ++i) EXPECT_EQ(table[i].name[0], '\0');
        }
    }
}

TEST(ScoresFile, ShortReadLeavesTheRestAsItWas) {
    clear_score_files();
    write_bytes("scores.dat", pattern_bytes().substr(0, 300));
    table_t table;
    std::memset(table, 0x5A, sizeof table);
    ASSERT_EQ(read_table_file("scores.dat", table), 300);
    const std::string bytes = bytes_of(table);
    EXPECT_EQ(bytes.substr(0, 300), pattern_bytes().substr(0, 300));
    EXPECT_EQ(bytes.substr(300), std::string(score_file_size - 300, '\x5A'));
}

TEST(ScoresFile, UnreadableFileReportsMinusOne) {
    for (bool directory : {false, true}) {
        SCOPED_TRACE(directory ? "a directory of that name" : "no file");
        clear_score_files();
        if (directory) {
            ASSERT_TRUE(CreateDirectoryA("scores.dat", nullptr));
        }
        table_t table;
        std::memset(table, 0x5A, sizeof table);
        EXPECT_EQ(read_table_file("scores.dat", table), -1);
        EXPECT_EQ(bytes_of(table), std::string(score_file_size, '\x5A'));
    }
    clear_score_files();
}

TEST(ScoresFile, WriteReplacesTheFileWithExactly5600Bytes) {
    table_t table;
    std::memcpy(table, pattern_bytes().data(), sizeof table);
    for (const char* before : {"", "short", "long"}) {
        SCOPED_TRACE(testing::Message() << "existing file: " << (*before ? before : "none"));
        clear_score_files();
        if (std::string(before) == "short") write_bytes("scores.dat", "abc");
        if (std::string(before) == "long") write_bytes("scores.dat", std::string(9000, 'q'));
        EXPECT_TRUE(write_table_file("scores.dat", table));
        EXPECT_EQ(read_bytes("scores.dat"), bytes_of(table));
        EXPECT_FALSE(exists(own_temporary("scores.dat").c_str()));
    }
}

TEST(ScoresFile, FailedWriteKeepsTheOldFile) {
    table_t table;
    default_table(table);
    // The target is a directory: nothing to replace, no temporary left behind.
    clear_score_files();
    ASSERT_TRUE(CreateDirectoryA("scores.dat", nullptr));
    EXPECT_FALSE(write_table_file("scores.dat", table));
    EXPECT_FALSE(exists(own_temporary("scores.dat").c_str()));
    EXPECT_TRUE(GetFileAttributesA("scores.dat") & FILE_ATTRIBUTE_DIRECTORY);
    clear_score_files();
}

TEST(ScoresFile, WhereNoTemporaryCanBeMadeTheFileIsWrittenInPlace) {
    table_t table;
    std::memcpy(table, pattern_bytes().data(), sizeof table);
    for (const char* blocker : {"directory", "read-only leftover"}) {
        SCOPED_TRACE(blocker);
        clear_score_files();
        write_bytes("scores.dat", std::string(9000, 'o'));
        if (std::string(blocker) == "directory") {
            ASSERT_TRUE(CreateDirectoryA(own_temporary("scores.dat").c_str(), nullptr));
        } else {
            write_bytes(own_temporary("scores.dat").c_str(), "left by a killed run");
            ASSERT_TRUE(SetFileAttributesA(own_temporary("scores.dat").c_str(), FILE_ATTRIBUTE_READONLY));
        }
        EXPECT_TRUE(write_table_file("scores.dat", table));
        EXPECT_EQ(read_bytes("scores.dat"), bytes_of(table));
    }
    EXPECT_FALSE(exists(own_temporary("scores.dat").c_str()) && !(GetFileAttributesA(own_temporary("scores.dat").c_str()) &
                                              FILE_ATTRIBUTE_DIRECTORY));
    clear_score_files();
}

// A file that another program holds for a moment (a virus scanner, a sync client) is
// waited for and replaced whole; one held on is left as it was, never written in place,
// where a crash could cut it.
TEST(ScoresFile, AFileHeldByAnotherProgramIsReplacedWholeOrNotAtAll) {
    table_t table;
    std::memcpy(table, pattern_bytes().data(), sizeof table);
    for (const bool let_go : {true, false}) {
        SCOPED_TRACE(let_go ? "let go after a moment" : "held on");
        clear_score_files();
        write_bytes("scores.dat", "old");
        HANDLE holder = CreateFileA("scores.dat", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        std::thread other([&] {
            if (!let_go) return;
            Sleep(200);
            CloseHandle(holder);
        });
        EXPECT_EQ(write_table_file("scores.dat", table), let_go);
        other.join();
        if (!let_go) CloseHandle(holder);
        EXPECT_EQ(read_bytes("scores.dat"), let_go ? bytes_of(table) : "old");
        EXPECT_FALSE(exists(own_temporary("scores.dat").c_str()));
    }
    clear_score_files();
}

TEST(ScoresObject, FileHeldOpenAtStartKeepsItsRowsAndGainsTheRunsResults) {
    clear_score_files();
    table_t rows;
    for (int i = 0; i < score_rows; ++i)
        rows[i] = entry(("keeper " + std::to_string(i)).c_str(), 40 - 2 * i, i);
    write_bytes("scores.dat", bytes_of(rows));
    HANDLE lock = CreateFileA("scores.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    score_entry result = entry("newcomer", 21, 77);
    {
        zeroed_scores scores;
        table_t defaults;
        default_table(defaults);
        EXPECT_EQ(bytes_of(scores->table), bytes_of(defaults));
        scores->enter(result);
        EXPECT_STREQ(scores->table[0].name, "newcomer");
        // Still held: the write after a result leaves the file alone.
        scores->save();
        CloseHandle(lock);
        EXPECT_EQ(read_bytes("scores.dat"), bytes_of(rows));
    }
    // At exit it could be read again: the result joins the player's own rows.
    table_t expected;
    std::memcpy(expected, rows, sizeof expected);
    score_entry& last = expected[score_rows - 1];
    std::strcpy(last.name, result.name);  // leftovers of the old name stay after the NUL
    std::memcpy(&last.level, &result.level, sizeof result - sizeof result.name);
    sort_table(expected);
    EXPECT_EQ(read_bytes("scores.dat"), bytes_of(expected));
    EXPECT_STREQ(expected[10].name, "newcomer");
    clear_score_files();
}

// Copy B is started first and forgotten; copy A's game ends and Ok saves it; then B exits,
// having entered a result of its own or none.
TEST(ScoresObject, EveryCopysResultsSurviveTheOthersWrites) {
    for (bool b_plays : {false, true}) {
        SCOPED_TRACE(b_plays ? "B enters a result too" : "B enters nothing");
        clear_score_files();
        {
            zeroed_scores b;
            {
                zeroed_scores a;
                a->enter(entry("Ann", 5, 50));
                a->save();
                EXPECT_STREQ(a->table[0].name, "Ann");
            }
            if (b_plays) {
                b->enter(entry("Bob", 3, 30));
                b->save();
                // What the screen shows is what was written.
                EXPECT_EQ(bytes_of(b->table), read_bytes("scores.dat"));
            }
        }
        table_t on_disk;
        const std::string bytes = read_bytes("scores.dat");
        ASSERT_EQ(bytes.size(), score_file_size);
        std::memcpy(on_disk, bytes.data(), score_file_size);
        EXPECT_STREQ(on_disk[0].name, "Ann");
        EXPECT_EQ(on_disk[0].points, 50);
        EXPECT_STREQ(on_disk[1].name, b_plays ? "Bob" : "Unknown User");
        // Nothing entered twice: B's exit write re-enters nothing already on disk.
        EXPECT_STREQ(on_disk[2].name, "Unknown User");
    }
    clear_score_files();
}

// Another copy that has read the file and not yet written it holds the lock: our save
// waits, then reads what that copy wrote and adds our result to it.
TEST(ScoresObject, ASaveWaitsWhileAnotherCopyHoldsTheLock) {
    clear_score_files();
    zeroed_scores ours, idle;
    ours->enter(entry("Ours", 4, 40));
    table_t theirs;
    default_table(theirs);
    theirs[0] = entry("Theirs", 6, 60);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    {
        file_lock other("scores.dat.lock");
        ASSERT_TRUE(other.held());
        struct job {
            zeroed_scores* scores;
            HANDLE done;
        } work = {&ours, done};
        HANDLE thread = CreateThread(
            nullptr, 0,
            [](void* p) -> DWORD {
                auto* w = static_cast<job*>(p);
                (*w->scores)->save();
                SetEvent(w->done);
                return 0;
            },
            &work, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        CloseHandle(thread);
        // Nothing may happen while the other copy holds the lock.
        EXPECT_EQ(WaitForSingleObject(done, 300), static_cast<DWORD>(WAIT_TIMEOUT));
        ASSERT_TRUE(write_table_file("scores.dat", theirs));
    }
    ASSERT_EQ(WaitForSingleObject(done, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(done);
    const std::string bytes = read_bytes("scores.dat");
    ASSERT_EQ(bytes.size(), score_file_size);
    table_t on_disk;
    std::memcpy(on_disk, bytes.data(), score_file_size);
    EXPECT_STREQ(on_disk[0].name, "Theirs");
    EXPECT_STREQ(on_disk[1].name, "Ours");
    clear_score_files();
}

// A copy that keeps the lock longer than a save waits is never written over: our result
// waits for the next write, and the high-score screen says so.
TEST(ScoresObject, ALockHeldLongerThanTheWaitKeepsTheResultForTheNextWrite) {
    clear_score_files();
    zeroed_scores ours, idle;
    ours->enter(entry("Ours", 4, 40));
    const std::string before = read_bytes("scores.dat");
    {
        file_lock other("scores.dat.lock");
        ASSERT_TRUE(other.held());
        EXPECT_FALSE(ours->save(50));
        EXPECT_TRUE(read_bytes("scores.dat") == before);
        // Nothing else waits: nothing is lost.
        EXPECT_TRUE(idle->save(50));
    }
    // Between the title and the table, a line says so while the result waits.
    const auto note = [&] {
        surface shot(800, 600);
        ours->update(shot.dc());
        const std::vector<COLORREF> band = grab(shot.dc(), 150, 75, 500, 16);
        return std::count(band.begin(), band.end(), RGB(0, 0, 0));
    };
    EXPECT_GT(note(), 100);
    EXPECT_TRUE(ours->save());
    EXPECT_EQ(note(), 0);
    EXPECT_TRUE(ours->unsaved_results.empty());
    EXPECT_EQ(read_bytes("scores.dat").substr(0, 4), "Ours");
    clear_score_files();
}

// A write that fails leaves no file where there was none: an empty one would read as a
// damaged slot or an empty table.
TEST(ScoresFile, AFailedWriteMakesNoFile) {
    clear_score_files();
    EXPECT_FALSE(replace_file("scores.dat", nullptr, score_file_size));
    EXPECT_FALSE(exists("scores.dat"));
}

// Only a whole file is merged into: one cut short since start gets the table held here,
// which has this run's result and the rows read at start.
TEST(ScoresObject, AFileFoundShortAtWriteTimeGetsTheTableHeld) {
    clear_score_files();
    table_t start;
    default_table(start);
    start[0] = entry("Keeper", 9, 90);
    write_bytes("scores.dat", bytes_of(start));
    zeroed_scores scores;
    scores->enter(entry("New", 5, 50));
    write_bytes("scores.dat", std::string(280, 'x'));
    scores->save();
    const std::string bytes = read_bytes("scores.dat");
    EXPECT_EQ(bytes, bytes_of(scores->table));
    EXPECT_STREQ(scores->table[0].name, "Keeper");
    EXPECT_STREQ(scores->table[1].name, "New");
    EXPECT_STREQ(scores->table[2].name, "Unknown User");
    clear_score_files();
}

// Each column shows its own value: a row whose six values all differ, read back column by
// column against the number alone drawn where that column's values go.
TEST(ScoresScreen, EachColumnShowsItsOwnValue) {
    clear_score_files();
    zeroed_scores scores;
    score_entry& row = scores->table[3];
    row = entry("Columns", 11, 66);
    row.hammers_used = 22;
    row.stopwatches_used = 33;
    row.hourglasses_used = 44;
    row.dynamites_used = 55;
    surface shot(800, 600);
    scores->update(shot.dc());
    const int y = 120 + 20 * 3;
    const struct {
        const char* column;
        int x;
        const char* text;
    } columns[] = {{"Level", 240, "11"},      {"Hammers", 290, "22"},   {"Stopwatches", 360, "33"},
                   {"Hourglasses", 440, "44"}, {"Dynamites", 520, "55"}, {"Points", 600, "66"}};
    for (const auto& c : columns) {
        SCOPED_TRACE(c.column);
        surface alone(800, 600);
        alone.fill({255, 255, 255});
        SetBkMode(alone.dc(), TRANSPARENT);
        SetTextColor(alone.dc(), RGB(0, 0, 0));
        TextOutA(alone.dc(), c.x, y, c.text, 2);
        // Black is the text alone: the backdrop and the rules have none.
        const auto black = [&](const surface& s) {
            std::vector<bool> out;
            for (COLORREF p : grab(s.dc(), c.x - 3, y + 1, 28, 18)) out.push_back(p == 0);
            return out;
        };
        const std::vector<bool> drawn = black(shot);
        EXPECT_EQ(drawn, black(alone));
        EXPECT_GT(std::count(drawn.begin(), drawn.end(), true), 10);
    }
    clear_score_files();
}

// A name is kept as the UTF-8 of what was typed, cut to the field at a character's edge.
TEST(ScoresNames, KeptAsUtf8WholeCharactersOnly) {
    // As typed into the box, through the file and back.
    const wchar_t* const typed[] = {L"Zo\u00eb", L"\u0141ukasz \u017b\u00f3\u0142\u0107",
                                    L"\u03a3\u03c9\u03ba\u03c1\u03ac\u03c4\u03b7\u03c2",
                                    L"\u0416\u0430\u043d\u043d\u0430", L"\u674e\u5c0f\u9f8d"};
    table_t table;
    default_table(table);
    for (int i = 0; i < 5; ++i) store_name(table[i], narrow(typed[i], std::wcslen(typed[i])));
    clear_score_files();
    ASSERT_TRUE(write_table_file("scores.dat", table));
    table_t read;
    ASSERT_EQ(read_table_file("scores.dat", read), static_cast<long>(score_file_size));
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(widen(read[i].name) == typed[i]) << i;
    clear_score_files();
    // 255 bytes at most: 127 two-byte letters, or "a" and 84 three-byte ones.
    std::string two_byte, three_byte = "a";
    for (int i = 0; i < 150; ++i) two_byte += u8"\u0142";
    for (int i = 0; i < 100; ++i) three_byte += u8"\u674e";
    for (const auto& [name, kept] : {std::pair<std::string, std::size_t>{std::string(300, 'a'), 255},
                                     {two_byte, 254}, {three_byte, 253}}) {
        score_entry e = {};
        store_name(e, name);
        EXPECT_EQ(name_length(e), kept);
        EXPECT_TRUE(is_utf8(e.name, name_length(e)));
    }
}

// Only well-formed UTF-8 counts as UTF-8: anything else is an old name in the code page.
TEST(ScoresNames, TheBytesTellANewNameFromAnOldOne) {
    const struct {
        const char* bytes;
        bool utf8;
    } cases[] = {{"Unknown User", true},     {u8"Zo\u00eb", true},  {"Zo\xeb", false},
                 {"\xc3\xab\xc3", false},     {"\xc0\x80", false},   {"\xed\xa0\x80", false},
                 {"\xf4\x90\x80\x80", false}, {"\x80", false},       {u8"\U0001F600", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(is_utf8(c.bytes, std::strlen(c.bytes)), c.utf8);
    }
    // An old name shows as it always did: its bytes through the code page.
    score_entry old = {};
    std::strcpy(old.name, "Zo\xeb");
    surface drawn(120, 20), before(120, 20);
    for (surface* s : {&drawn, &before}) s->fill({255, 255, 255});
    draw_name(drawn.dc(), 0, 0, old);
    SelectObject(before.dc(), picture_font());
    TextOutA(before.dc(), 0, 0, old.name, 3);
    EXPECT_TRUE(grab(drawn.dc(), 0, 0, 120, 20) == grab(before.dc(), 0, 0, 120, 20));
}

// Exchange sort by level alone is stable, so it must agree with a stable sort.
void expect_sorted_like_stable_sort(table_t& table) {
    std::vector<score_entry> expected(std::begin(table), std::end(table));
    std::stable_sort(expected.begin(), expected.end(),
                     [](const score_entry& a, const score_entry& b) { return a.level > b.level; });
    sort_table(table);
    for (int i = 0; i < score_rows; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        EXPECT_EQ(std::memcmp(&table[i], &expected[i], sizeof table[i]), 0)
            << table[i].name << " level " << table[i].level << ", expected "
            << expected[i].name << " level " << expected[i].level;
    }
}

TEST(ScoresSort, NewResultGoesBelowTheLastOfItsLevel) {
    for (int points : {0, 50, 999999}) {
        SCOPED_TRACE(testing::Message() << "new result with " << points << " points");
        table_t table{};
        const int levels[score_rows] = {9, 7, 4, 4, 4, 2, 2, 1};
        for (int i = 0; i < score_rows; ++i)
            table[i] = entry(("row " + std::to_string(i)).c_str(), levels[i], 100 - i);
        table[19] = entry("new", 4, points);
        sort_table(table);
        EXPECT_STREQ(table[4].name, "row 4");
        EXPECT_STREQ(table[5].name, "new");
        EXPECT_EQ(table[5].points, points);
        EXPECT_STREQ(table[6].name, "row 5");
    }
}

TEST(ScoresSort, AgreesWithAStableSortByLevel) {
    struct sort_case {
        const char* name;
        int (*level)(int row);
    };
    const sort_case cases[] = {
        {"ascending: fully reversed", [](int row) { return row + 1; }},
        {"best result last", [](int row) { return row == 19 ? 50 : 20 - row; }},
        {"worst result first", [](int row) { return row == 0 ? 0 : 40 - row; }},
        {"all equal", [](int) { return 3; }},
        {"two levels alternating", [](int row) { return row % 2; }},
        {"negative levels", [](int row) { return (row * 7) % 5 - 2; }},
    };
    for (const sort_case& c : cases) {
        SCOPED_TRACE(c.name);
        table_t table{};
        for (int i = 0; i < score_rows; ++i)
            table[i] = entry(("row " + std::to_string(i)).c_str(), c.level(i), 1000 - 3 * i);
        expect_sorted_like_stable_sort(table);
    }
    std::srand(12345);
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE(testing::Message() << "random table " << round);
        table_t table{};
        for (int i = 0; i < score_rows; ++i)
            table[i] = entry(("r" + std::to_string(i)).c_str(), std::rand() % 6, std::rand());
        expect_sorted_like_stable_sort(table);
    }
}

TEST(ScoresObject, FirstStartWritesTheDefaultTableAtOnce) {
    clear_score_files();
    {
        zeroed_scores scores;
        table_t expected;
        default_table(expected);
        EXPECT_EQ(bytes_of(scores->table), bytes_of(expected));
        EXPECT_EQ(read_bytes("scores.dat"), bytes_of(expected));
    }
    EXPECT_EQ(read_bytes("scores.dat").size(), score_file_size);
}

TEST(ScoresObject, OddFilesAreTakenAsReadAndRewrittenAtExit) {
    for (std::size_t size : {0u, 280u, 7000u}) {
        SCOPED_TRACE(testing::Message() << size << " bytes");
        clear_score_files();
        const std::string pattern = pattern_bytes();
        write_bytes("scores.dat", pattern.substr(0, size));
        {
            zeroed_scores scores;
            std::string expected = pattern.substr(0, std::min(size, score_file_size));
            expected.resize(score_file_size, '\0');
            EXPECT_EQ(bytes_of(scores->table), expected);
            // Nothing is written before exit.
            EXPECT_EQ(read_bytes("scores.dat").size(), size);
        }
        EXPECT_EQ(read_bytes("scores.dat").size(), score_file_size);
    }
}

TEST(ScoresObject, DirectoryInPlaceOfTheFileGivesTheDefaults) {
    clear_score_files();
    ASSERT_TRUE(CreateDirectoryA("scores.dat", nullptr));
    {
        zeroed_scores scores;
        table_t expected;
        default_table(expected);
        EXPECT_EQ(bytes_of(scores->table), bytes_of(expected));
    }
    EXPECT_TRUE(GetFileAttributesA("scores.dat") & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(exists(own_temporary("scores.dat").c_str()));
    clear_score_files();
}

TEST(ScoresObject, ResultEntersOnlyAboveTheLastPlace) {
    clear_score_files();
    zeroed_scores scores;
    for (int i = 0; i < score_rows; ++i)
        scores->table[i] = entry(("row " + std::to_string(i)).c_str(), 10 - i / 2, i);
    ASSERT_EQ(scores->table[19].level, 1);
    EXPECT_FALSE(scores->check_level(0));
    EXPECT_FALSE(scores->check_level(1));
    ASSERT_TRUE(scores->check_level(7));
    std::strcpy(scores->table[19].name, "newcomer");
    scores->get_level(7);
    scores->get_points(5);
    scores->get_dynamites(1);
    scores->get_hammers(2);
    scores->get_stopwatchs(3);
    scores->get_hourglases(4);
    scores->sort();
    // Levels 10,10,9,9,8,8,7,7 then the newcomer below the last 7.
    EXPECT_STREQ(scores->table[7].name, "row 7");
    const score_entry& e = scores->table[8];
    EXPECT_STREQ(e.name, "newcomer");
    EXPECT_EQ(e.level, 7);
    EXPECT_EQ(e.points, 5);
    EXPECT_EQ(e.hammers_used, 2);
    EXPECT_EQ(e.stopwatches_used, 3);
    EXPECT_EQ(e.hourglasses_used, 4);
    EXPECT_EQ(e.dynamites_used, 1);
    EXPECT_EQ(scores->table[9].level, 6);
}
}  // namespace
