#include "scores/highscores.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <initializer_list>

#include "gfx/text.h"

namespace {
const char* const file_name = "scores.dat";
}

void default_table(score_entry (&table)[score_rows]) {
    std::memset(table, 0, sizeof table);
    for (score_entry& e : table) std::strcpy(e.name, "Unknown User");
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

bool read_table_file(const char* path, score_entry (&table)[score_rows]) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    // A short file fills the table from the front; the rest keeps what it held.
    in.read(reinterpret_cast<char*>(table), score_file_size);
    return true;
}

bool write_table_file(const char* path, const score_entry (&table)[score_rows]) {
    // Write beside the table and rename over it, so a crash or a full disk mid-write
    // never leaves a truncated table behind.
    char temp[MAX_PATH];
    std::snprintf(temp, sizeof temp, "%s.tmp", path);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(table), score_file_size);
        out.flush();
        if (!out) {
            out.close();
            DeleteFileA(temp);
            return false;
        }
    }
    if (!MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp);
        return false;
    }
    return true;
}

high_scores::high_scores() { init(); }

high_scores::~high_scores() { save(); }

void high_scores::init() {
    background.load("backgrounds/menu.bmp", 800, 600);
    if (!read_table_file(file_name, table)) {
        default_table(table);
        save();
    }
}

void high_scores::save() { write_table_file(file_name, table); }

bool high_scores::check_level(int level) const { return table[score_rows - 1].level < level; }

void high_scores::get_level(int value) { table[score_rows - 1].level = value; }
void high_scores::get_points(int value) { table[score_rows - 1].points = value; }
void high_scores::get_hammers(int value) { table[score_rows - 1].hammers_used = value; }
void high_scores::get_stopwatchs(int value) { table[score_rows - 1].stopwatches_used = value; }
void high_scores::get_hourglases(int value) { table[score_rows - 1].hourglasses_used = value; }
void high_scores::get_dynamites(int value) { table[score_rows - 1].dynamites_used = value; }

void high_scores::sort() { sort_table(table); }

void high_scores::update(HDC surface) {
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
    draw_text(surface, 380, 50, "High Scores");
    struct column {
        const char* heading;
        int heading_x;
    };
    static const column headings[8] = {{"Place", 15},      {"Player name", 100},
                                       {"Level", 230},     {"Hammers", 280},
                                       {"Stopwatchs", 360}, {"Hourglases", 440},
                                       {"Dynamites", 520}, {"Points", 600}};
    for (const column& c : headings) draw_text(surface, c.heading_x, 103, c.heading);
    for (int i = 0; i < score_rows; ++i) {
        const score_entry& e = table[i];
        const int y = 120 + 20 * i;
        draw_number(surface, 20, y, "%d)", i + 1);
        TextOutA(surface, 100, y, e.name, static_cast<int>(name_length(e)));
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
