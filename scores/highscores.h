#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/loadbmp.h"
#include "screens/titles.h"

// One result; the same 280 bytes are a record of scores.dat.
struct score_entry {
    char name[256];
    std::int32_t level;
    std::int32_t points;
    std::int32_t hammers_used;
    std::int32_t stopwatches_used;
    std::int32_t hourglasses_used;
    std::int32_t dynamites_used;
};
static_assert(sizeof(score_entry) == 280, "scores.dat records are 280 bytes");

constexpr int score_rows = 20;
constexpr char score_file_name[] = "scores.dat";
constexpr std::size_t score_file_size = score_rows * sizeof(score_entry);

// The twenty best results by level, read at start, written when a result is entered and
// again at exit.
class high_scores {
public:
    load_bmp background;
    bool background_loaded;
    screen_title title;
    score_entry table[score_rows];
    // This run's results that the file does not hold yet. Every write enters them into what
    // the file holds at that moment, so other copies of the game and a file that could not
    // be read lose nothing.
    std::vector<score_entry> unsaved_results;

    high_scores();
    ~high_scores();
    high_scores(const high_scores&) = delete;
    high_scores& operator=(const high_scores&) = delete;

    void init();
    // Enters this run's results into the file; false while any of them is not on disk. It
    // waits up to `patience` ms for another copy that is writing the file.
    bool save(unsigned long patience = 3000);
    // The write at exit, after which destruction writes nothing.
    bool close();
    bool check_level(int level) const;
    void get_level(int value);
    void get_points(int value);
    void get_hammers(int value);
    void get_stopwatchs(int value);
    void get_hourglases(int value);
    void get_dynamites(int value);
    void sort();
    // A finished game's result under `name`: enters above the last place, then the table is
    // sorted, whether or not it entered.
    void enter(const score_entry& result);
    void update(HDC surface);

private:
    void enter_into_table(const score_entry& result);
    bool closed = false;
};

// The rules behind the table, on plain records.
void default_table(score_entry (&table)[score_rows]);
// 19 fixed passes of neighbour exchanges by level, descending; equal levels keep order.
void sort_table(score_entry (&table)[score_rows]);
// Length of a name field read from a file, which may lack its NUL.
std::size_t name_length(const score_entry& entry);
// A name is kept as UTF-8, cut to the 255 bytes the field holds at a character's edge.
void store_name(score_entry& entry, const std::string& utf8);
// Names written before they were kept as UTF-8 are in the system's code page: a name
// whose bytes are not UTF-8 is one of those, and is drawn as it always was.
void draw_name(HDC surface, int x, int y, const score_entry& entry);
// Replaces path with the table as a whole; false when nothing could be written.
bool write_table_file(const std::string& path, const score_entry (&table)[score_rows]);
// Reads up to 5600 bytes from the front of the file into the table: how many it read, or
// -1 when the file cannot be opened.
long read_table_file(const std::string& path, score_entry (&table)[score_rows]);
