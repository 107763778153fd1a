#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "scores/highscores.h"
#include "screens/options.h"
#include "unit/support.h"

// Seeded damage to options.ini and scores.dat, run through the game's own readers. The seed
// is printed; PAIRWICK_FUZZ_SEED replays a failure.
namespace {
using table_t = score_entry[score_rows];
static_assert(sizeof(high_scores::table) == score_rows * sizeof(score_entry), "twenty rows");

unsigned fuzz_seed() {
    const char* text = std::getenv("PAIRWICK_FUZZ_SEED");
    const unsigned seed = text ? static_cast<unsigned>(std::strtoul(text, nullptr, 0)) : 20240611u;
    std::printf("fuzz seed %u (set PAIRWICK_FUZZ_SEED to replay)\n", seed);
    return seed;
}

void write_bytes(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string read_bytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string bytes_of(const table_t& table) {
    return std::string(reinterpret_cast<const char*>(table), score_file_size);
}

// Byte-level damage shared by both files; `cuts` are the places where a format's fields
// meet, where a truncation is most likely to confuse a reader.
std::string mutate(std::mt19937& rng, std::string s, const std::vector<std::size_t>& cuts) {
    auto pick = [&](std::size_t n) { return n ? std::size_t(rng() % n) : 0; };
    static const char* const huge[] = {"99999999999999999999", "-2147483649", "2147483648",
                                       "0x7fffffffffff", "-0x80000001", "0777777777777",
                                       "-", "+", "0x", "-0x", "00000000000000000000001"};
    static const char runs[] = {'\0', '\xFF', '\r', '\n', ' ', '\x1A'};
    const int steps = 1 + int(rng() % 3);
    for (int step = 0; step < steps; ++step) {
        const std::size_t at = pick(s.size() + 1);
        switch (rng() % 9) {
        case 0: s.resize(pick(s.size() + 1)); break;
        case 1:  // just before, at or just after a field boundary (a wrap past 0 keeps all)
            if (!cuts.empty()) s.resize(std::min(s.size(), cuts[pick(cuts.size())] + pick(3) - 1));
            break;
        case 2: s.insert(at, std::string(100000, "9 x[\xFF"[rng() % 5])); break;
        case 3: {
            std::string noise(1 + pick(64), '\0');
            for (char& c : noise) c = char(rng());
            s.insert(at, noise);
            break;
        }
        case 4: s.insert(at, huge[pick(std::size(huge))]); break;
        case 5: s.insert(at, std::string(1 + pick(300), runs[pick(sizeof runs)])); break;
        case 6: for (int i = 0; i < 4 && !s.empty(); ++i) s[pick(s.size())] = char(rng()); break;
        case 7: s.erase(at, pick(40)); break;
        default: s.insert(at, s.substr(pick(s.size()), pick(40))); break;
        }
    }
    return s;
}

// --- options.ini -------------------------------------------------------------------------

// One of the two formats read the way fscanf reads from a stream: a literal stops at its
// first mismatch, white space runs are skipped, the number is whatever sscanf's "%i" takes.
// Returns where the next read starts.
std::size_t reference_read(const std::string& text, std::size_t pos, const char* literal,
                           int& value) {
    for (; *literal; ++literal, ++pos)
        if (pos >= text.size() || text[pos] != *literal) return pos;
    auto skip_space = [&] {
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    };
    skip_space();
    int number = 0, used = 0;
    if (std::sscanf(text.c_str() + pos, "%i%n", &number, &used) != 1) {
        // A failed number keeps its sign read: a stream gives back only the character after.
        return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
    }
    value = number;
    pos += std::size_t(used);
    skip_space();
    return pos;
}

struct option_values {
    int card_mode, sound;
};

option_values reference_options(const std::string& bytes, option_values before) {
    // Text mode turns CR LF into LF; both are white space to these formats, so the raw
    // bytes give the same result.
    const std::size_t next = reference_read(bytes, 0, "[CARDMODE]", before.card_mode);
    reference_read(bytes, next, "[SOUND]", before.sound);
    return before;
}

// Returns how many of the two values the file set, to show the loop reaches both.
int expect_options_read_like_reference(const std::string& bytes) {
    write_bytes("options.ini", bytes);
    options opts{};
    opts.card_mode = -77;
    opts.sound = 55;
    opts.load_options();
    const option_values want = reference_options(bytes, {-77, 55});
    EXPECT_EQ(opts.card_mode, want.card_mode);
    EXPECT_EQ(opts.sound, want.sound);
    return (want.card_mode != -77) + (want.sound != 55);
}

std::string printable(const std::string& bytes) {
    std::string out;
    for (char c : bytes.substr(0, 120)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", unsigned(static_cast<unsigned char>(c)));
        out += std::isprint(static_cast<unsigned char>(c)) ? std::string(1, c) : hex;
    }
    return out + (bytes.size() > 120 ? "... (" + std::to_string(bytes.size()) + " bytes)" : "");
}

TEST(FuzzOptions, ReferenceAgreesOnKnownFiles) {
    // Guards the reference itself, so the loop below cannot pass by sharing a mistake.
    struct known {
        std::string bytes;
        int card_mode, sound;
    };
    const known cases[] = {
        {"[CARDMODE]\r\n3\r\n[SOUND]\r\n0\r\n", 3, 0},
        {"[CARDMODE]\n0x2\n[SOUND]\n010\n", 2, 8},
        {"[CARDMODE]\n[SOUND]\n1\n", -77, 1},
        {" [CARDMODE]\n3\n[SOUND]\n1\n", -77, 55},
        {"[CARDMODE]\n2\n\x1A[SOUND]\n1\n", 2, 55},
        {"[CARDMODE]\n4", 4, 55},
        {"[CARD[SOUND]\n1", -77, 1},
        {"[CARDMODE]\n-[SOUND]\n1", -77, 1},  // the lone sign is read, '[' given back
        {"[CARDMODE]\n0x[SOUND]\n1", 0, 1},   // "0x" alone reads as 0
        {"[CARDMODE]\n99999999999999999999\n[SOUND]\n-2147483649", INT32_MAX, INT32_MIN},
    };
    for (const known& c : cases) {
        SCOPED_TRACE(printable(c.bytes));
        const option_values got = reference_options(c.bytes, {-77, 55});
        EXPECT_EQ(got.card_mode, c.card_mode);
        EXPECT_EQ(got.sound, c.sound);
        expect_options_read_like_reference(c.bytes);
    }
}

TEST(FuzzOptions, DamagedFilesReadLikeTheReference) {
    std::mt19937 rng(fuzz_seed());
    const std::string seeds[] = {
        "[CARDMODE]\n3\n[SOUND]\n0\n", "[CARDMODE]\r\n4\r\n[SOUND]\r\n1\r\n",
        "[CARDMODE]\n0x2\n\n[SOUND]\n  -1", "[CARDMODE]\n010\n[SOUND]\n07\n"};
    int iterations = 0, values_set[3] = {};
    // Every truncation point of every seed, then random damage.
    for (const std::string& seed : seeds)
        for (std::size_t n = 0; n <= seed.size(); ++n, ++iterations) {
            SCOPED_TRACE(printable(seed.substr(0, n)));
            expect_options_read_like_reference(seed.substr(0, n));
        }
    for (int i = 0; i < 1500 && !HasFailure(); ++i, ++iterations) {
        const std::string& seed = seeds[rng() % std::size(seeds)];
        std::vector<std::size_t> cuts;
        for (std::size_t p = 0; p < seed.size(); ++p)
            if (p == 0 || !std::isalnum(static_cast<unsigned char>(seed[p - 1])))
                cuts.push_back(p);
        const std::string bytes = mutate(rng, seed, cuts);
        SCOPED_TRACE(testing::Message() << "iteration " << i << ": " << printable(bytes));
        ++values_set[expect_options_read_like_reference(bytes)];
    }
    std::printf("options.ini: %d files; of the damaged ones %d set no value, %d one, %d both\n",
                iterations, values_set[0], values_set[1], values_set[2]);
}

TEST(FuzzOptions, TenMegabyteFiles) {
    const std::string blank(10 << 20, ' ');
    const std::string cases[] = {"[CARDMODE]\n" + blank + "3\n[SOUND]" + blank + "1\n",
                                 "[CARDMODE]\n" + std::string(10 << 20, '7'),
                                 std::string(10 << 20, '\xFF')};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(printable(bytes));
        expect_options_read_like_reference(bytes);
    }
    const option_values spaced = reference_options(cases[0], {-77, 55});
    EXPECT_EQ(spaced.card_mode, 3);
    EXPECT_EQ(spaced.sound, 1);
}

// --- scores.dat --------------------------------------------------------------------------



std::string default_bytes() {
    table_t table;
    default_table(table);
    return bytes_of(table);
}

// A plausible table: names of every length, some filling the field with no NUL, odd numbers.
std::string random_table(std::mt19937& rng) {
    table_t table{};
    static const std::int32_t extremes[] = {0, 1, -1, INT32_MAX, INT32_MIN, 56, 0x4D4D4D4D};
    for (score_entry& e : table) {
        const std::size_t length = rng() % 4 == 0 ? 256 : rng() % 257;
        for (std::size_t k = 0; k < length; ++k) e.name[k] = char(' ' + rng() % 95);
        std::int32_t* numbers = &e.level;
        for (int k = 0; k < 6; ++k)
            numbers[k] = rng() % 2 ? extremes[rng() % std::size(extremes)] : std::int32_t(rng());
    }
    return bytes_of(table);
}

std::vector<std::size_t> record_cuts() {
    std::vector<std::size_t> cuts;
    for (std::size_t r = 0; r <= score_rows; ++r)
        for (std::size_t field : {0, 1, 128, 255, 256, 258, 260, 264, 276, 279})
            if (r * sizeof(score_entry) + field <= score_file_size + 1)
                cuts.push_back(r * sizeof(score_entry) + field);
    return cuts;
}

// Rows with pixels right of where their name can reach, on a surface wider than any name:
// reading past a field would draw the number bytes that follow it there.
int rows_drawn_past_their_names(const table_t& table, const std::function<void(HDC)>& draw) {
    SIZE widest{};
    surface probe(1, 1);
    GetTextExtentPoint32A(probe.dc(), std::string(300, 'W').c_str(), 300, &widest);
    const int width = 100 + int(widest.cx) + 64;
    surface canvas(width, 600);
    canvas.fill({255, 0, 255});
    draw(canvas.dc());
    int rows = 0;
    for (int i = 0; i < score_rows; ++i) {
        SIZE name{};
        GetTextExtentPoint32A(canvas.dc(), table[i].name, int(name_length(table[i])), &name);
        const int from = std::max(800, 100 + int(name.cx) + 8);  // 8: a glyph's overhang
        if (from >= width) continue;
        const std::vector<COLORREF> band = grab(canvas.dc(), from, 120 + 20 * i, width - from, 20);
        rows += std::any_of(band.begin(), band.end(),
                            [](COLORREF c) { return c != RGB(255, 0, 255); });
    }
    return rows;
}

// What a reader that trusted the NUL would do: draw on into the level and points.
void draw_past_the_field(HDC dc, const table_t& table) {
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < score_rows; ++i) TextOutA(dc, 100, 120 + 20 * i, table[i].name, 264);
}

void expect_names_drawn_within_their_fields(high_scores& scores) {
    for (const score_entry& e : scores.table) ASSERT_LE(name_length(e), 256u);
    EXPECT_EQ(rows_drawn_past_their_names(scores.table, [&](HDC dc) { scores.update(dc); }), 0);
}

// Through the whole object: the table is exactly the file's front, zero-filled, names stay
// within their fields, and exit writes back exactly that table.
void expect_object_reads(const std::string& bytes, bool draw) {
    clear_score_files();
    write_bytes("scores.dat", bytes);
    std::string want = bytes.substr(0, std::min(bytes.size(), score_file_size));
    want.resize(score_file_size, '\0');
    {
        zeroed_scores scores;
        ASSERT_EQ(bytes_of(scores->table), want);
        for (const score_entry& e : scores->table) {
            const char* nul = static_cast<const char*>(std::memchr(e.name, 0, 256));
            EXPECT_EQ(name_length(e), nul ? std::size_t(nul - e.name) : 256u);
        }
        if (draw) expect_names_drawn_within_their_fields(*scores.operator->());
    }
    EXPECT_EQ(read_bytes("scores.dat"), want);
}

TEST(FuzzScores, EdgeSizesAndHugeFiles) {
    std::mt19937 rng(fuzz_seed());
    const std::string table = random_table(rng);
    std::string huge(10 << 20, '\0');
    for (char& c : huge) c = char(rng());
    const std::string cases[] = {"", "\xFF", table.substr(0, 5599), table + "\x01",
                                 table + table, huge, std::string(5600, '\xFF'),
                                 std::string(5600, 'M')};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(testing::Message() << bytes.size() << " bytes");
        expect_object_reads(bytes, true);
    }
}

TEST(FuzzScores, DamagedFilesGiveTheFrontOfTheFile) {
    std::mt19937 rng(fuzz_seed() + 1);
    const std::vector<std::size_t> cuts = record_cuts();
    int objects = 0, iterations = 0;
    for (int i = 0; i < 1500 && !HasFailure(); ++i, ++iterations) {
        const std::string start = rng() % 8 ? random_table(rng) : default_bytes();
        const std::string bytes = mutate(rng, start, cuts);
        SCOPED_TRACE(testing::Message() << "iteration " << i << ", " << bytes.size() << " bytes");
        if (i % 6 == 0) {
            expect_object_reads(bytes, i % 36 == 0);
            ++objects;
            continue;
        }
        write_bytes("scores.dat", bytes);
        table_t table;
        std::memset(table, 0, sizeof table);
        ASSERT_GE(read_table_file("scores.dat", table), 0);
        std::string want = bytes.substr(0, std::min(bytes.size(), score_file_size));
        want.resize(score_file_size, '\0');
        ASSERT_EQ(bytes_of(table), want);
        for (const score_entry& e : table) EXPECT_LE(name_length(e), 256u);
    }
    std::printf("scores.dat: %d files, %d through the whole object\n", iterations, objects);
    clear_score_files();
}

TEST(FuzzScores, NamesWithoutNulAreDrawnWithinTheirFields) {
    // Every name fills its field and the bytes after it are letters too, so any read past
    // the field draws more text.
    std::string bytes(score_file_size, 'M');
    expect_object_reads(bytes, true);
    table_t table;
    std::memcpy(table, bytes.data(), sizeof table);
    for (const score_entry& e : table) EXPECT_EQ(name_length(e), 256u);
    // The check itself catches a drawing that runs past the fields.
    EXPECT_EQ(rows_drawn_past_their_names(table, [&](HDC dc) { draw_past_the_field(dc, table); }),
              score_rows);
}

TEST(FuzzScores, DirectoryOrLockedFileGivesTheDefaults) {
    clear_score_files();
    ASSERT_TRUE(CreateDirectoryA("scores.dat", nullptr));
    {
        zeroed_scores scores;
        EXPECT_EQ(bytes_of(scores->table), default_bytes());
        EXPECT_FALSE(write_table_file("scores.dat", scores->table));
        scores->save();
    }
    EXPECT_TRUE(GetFileAttributesA("scores.dat") & FILE_ATTRIBUTE_DIRECTORY);
    clear_score_files();

    // Held open with no sharing: neither readable nor replaceable while the handle lives.
    write_bytes("scores.dat", std::string(5600, 'Q'));
    HANDLE lock = CreateFileA("scores.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    {
        zeroed_scores scores;
        EXPECT_EQ(bytes_of(scores->table), default_bytes());
        EXPECT_FALSE(write_table_file("scores.dat", scores->table));
    }
    CloseHandle(lock);
    EXPECT_EQ(read_bytes("scores.dat"), std::string(5600, 'Q'));
    clear_score_files();
}
}  // namespace
