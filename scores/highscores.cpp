#include "scores/highscores.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include "files/paths.h"
#include "files/player_files.h"
#include "files/replace_file.h"
#include "gfx/text.h"
#include "text/language.h"
#include "text/marks.h"
#include "text/utf8.h"

namespace {
const char* const unknown_user = tr_noop("Unknown User");

std::string file_name() { return player_file(score_file_name); }
std::string lock_name() { return player_file("scores.dat.lock"); }
}  // namespace

void default_table(score_entry (&table)[score_rows]) {
    std::memset(table, 0, sizeof table);
    for (score_entry& e : table) std::strcpy(e.name, unknown_user);
}

void sort_table(score_entry (&table)[score_rows]) {
    for (int pass = 0; pass < score_rows - 1; ++pass)
        for (int k = 0; k < score_rows - 1; ++k)
            if (table[k].level < table[k + 1].level) {
                const score_entry swap = table[k];
                table[k] = table[k + 1];
                table[k + 1] = swap;
            }
}

std::size_t name_length(const score_entry& entry) {
    const void* end = std::memchr(entry.name, '\0', sizeof entry.name);
    return end ? static_cast<const char*>(end) - entry.name : sizeof entry.name;
}

long read_table_file(const std::string& path, score_entry (&table)[score_rows]) {
    // A short file fills the table from the front; the rest keeps what it held.
    return read_file(path, table, score_file_size);
}

bool write_table_file(const std::string& path, const score_entry (&table)[score_rows]) {
    return replace_file(path, table, score_file_size);
}

high_scores::high_scores() { init(); }

high_scores::~high_scores() {
    if (!closed) save();
}

void high_scores::init() {
    title.load(scores_title);
    if (read_table_file(file_name(), table) >= 0) return;
    default_table(table);
    // A file that is there but cannot be read now is still the player's table: only a
    // missing one is replaced by the defaults.
    if (!file_exists(file_name())) save();
}

bool high_scores::close() {
    closed = true;
    // The last chance for this run's results: a holder of the lock gets longer than during play.
    return save(10000);
}

bool high_scores::save(unsigned long patience) {
    // Another copy saving at the same moment reads what we write, not what we read.
    const std::string path = file_name();
    const file_lock lock(lock_name(), patience);
    // Another copy is between its read and its write, which ours would undo: our results
    // wait for the next write, and only they are not on disk.
    if (!lock.may_write()) return unsaved_results.empty();
    score_entry on_disk[score_rows] = {};
    const long read = read_table_file(path, on_disk);
    if (read == static_cast<long>(score_file_size)) {
        // Another copy of the game may have written since: its rows stay, and ours join them.
        std::memcpy(table, on_disk, sizeof table);
        for (const score_entry& result : unsaved_results) enter_into_table(result);
    } else if (read < 0 && file_exists(path)) {
        // Held open by another program: left as it is, our results wait for the next write.
        return unsaved_results.empty();
    }
    // A missing or short file gets the table as it stands here, which holds our results.
    // A write that reported failure may still have landed: only the file itself can tell
    // whether our results are in it, since two equal results are two results.
    if (write_table_file(path, table) || file_holds(path, table, sizeof table))
        unsaved_results.clear();
    return unsaved_results.empty();
}

void high_scores::enter(const score_entry& result) {
    unsaved_results.push_back(result);
    enter_into_table(result);
}

void high_scores::enter_into_table(const score_entry& result) {
    // check_level first: get_level overwrites the level it compares against.
    if (check_level(result.level)) {
        score_entry& last = table[score_rows - 1];
        const std::size_t length = std::min(name_length(result), sizeof last.name - 1);
        std::memcpy(last.name, result.name, length);
        last.name[length] = '\0';
        get_level(result.level);
        get_points(result.points);
        get_dynamites(result.dynamites_used);
        get_hammers(result.hammers_used);
        get_stopwatchs(result.stopwatches_used);
        get_hourglases(result.hourglasses_used);
    }
    sort();
}

void store_name(score_entry& entry, const std::string& utf8) {
    const std::size_t length = utf8_prefix(utf8.data(), utf8.size(), sizeof entry.name - 1);
    std::memcpy(entry.name, utf8.data(), length);
    entry.name[length] = '\0';
}

void draw_name(HDC surface, int x, int y, const score_entry& entry) {
    const std::size_t length = name_length(entry);
    // A row nobody has played into yet, said in the language in use; the file keeps it
    // in English, as earlier versions read it.
    if (std::strcmp(entry.name, unknown_user) == 0)
        draw_text(surface, x, y, tr(unknown_user));
    else if (is_utf8(entry.name, length))
        draw_text(surface, x, y, entry.name, length);
    else
        draw_code_page_text(surface, x, y, entry.name, length);
}

bool high_scores::check_level(int level) const { return table[score_rows - 1].level < level; }

void high_scores::get_level(int value) { table[score_rows - 1].level = value; }
void high_scores::get_points(int value) { table[score_rows - 1].points = value; }
void high_scores::get_hammers(int value) { table[score_rows - 1].hammers_used = value; }
void high_scores::get_stopwatchs(int value) { table[score_rows - 1].stopwatches_used = value; }
void high_scores::get_hourglases(int value) { table[score_rows - 1].hourglasses_used = value; }
void high_scores::get_dynamites(int value) { table[score_rows - 1].dynamites_used = value; }

void high_scores::sort() { sort_table(table); }

void high_scores::update(HDC surface) {
    // Read as the table first shows, not at start.
    if (!background_loaded) background.load("backgrounds/menu.bmp", 800, 600);
    background_loaded = true;
    background.draw(surface, 0, 0);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(125, 167, 216));
    HGDIOBJ previous = SelectObject(surface, pen);
    const POINT frame[5] = {{10, 100}, {790, 100}, {790, 590}, {10, 590}, {10, 100}};
    Polyline(surface, frame, 5);
    MoveToEx(surface, 10, 120, nullptr);
    LineTo(surface, 790, 120);
    for (int x : {55, 225, 270, 350, 430, 510, 590}) {
        MoveToEx(surface, x, 100, nullptr);
        LineTo(surface, x, 590);
    }
    SetTextColor(surface, RGB(0, 0, 0));
    SetBkMode(surface, TRANSPARENT);
    title.draw(surface);
    if (!unsaved_results.empty())
        // TRANSLATORS: one line over the table; keep scores.dat as it is.
        draw_text_in(surface, {160, 75, 790, 91},
                     tr("Not on disk yet: scores.dat cannot be written now. Pairwick tries "
                        "again as it closes."));
    // Each heading within its column's rules; the two longest stand a few pixels left of
    // their values.
    const struct {
        const char* heading;
        int x, right;
    } headings[8] = {
        // TRANSLATORS: the high-score table's headings; columns of about 70 pixels, so
        // one short word each (Hammers to Dynamites: how many of each power-up was used).
        {tr("Place"), 15, 53},         {tr("Player name"), 100, 223},
                     {tr_c("high-score table", "Level"), 230, 268},       {tr("Hammers"), 280, 348},
                     {tr("Stopwatches"), 354, 428}, {tr("Hourglasses"), 435, 508},
                     {tr("Dynamites"), 520, 588},   {tr("Points"), 600, 788}};
    for (const auto& c : headings) draw_text_in(surface, {c.x, 103, c.right, 119}, c.heading);
    for (int i = 0; i < score_rows; ++i) {
        const score_entry& e = table[i];
        const int y = 120 + 20 * i;
        draw_number(surface, 20, y, "%d)", i + 1);
        draw_name(surface, 100, y, e);
        draw_number(surface, 240, y, "%d", e.level);
        draw_number(surface, 290, y, "%d", e.hammers_used);
        draw_number(surface, 360, y, "%d", e.stopwatches_used);
        draw_number(surface, 440, y, "%d", e.hourglasses_used);
        draw_number(surface, 520, y, "%d", e.dynamites_used);
        draw_number(surface, 600, y, "%d", e.points);
    }
    SelectObject(surface, previous);
    DeleteObject(pen);
}
