#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <string>

#include "saves/saved_game.h"

namespace {
// A game as play leaves it: pairs 0..3 gone, a random set, a freeze running.
saved_game sample() {
    saved_game g = {};
    g.saved_at = 1796000000;
    g.level = 14;
    g.minutes = 63;
    g.seconds = 59;
    g.points = 12345;
    g.hammers = 1;
    g.stopwatches = 2;
    g.hourglasses = 3;
    g.dynamites = 4;
    g.hammers_used = 5;
    g.stopwatches_used = 6;
    g.hourglasses_used = 7;
    g.dynamites_used = 8;
    g.freeze_elapsed = 2500;
    g.card_mode = 4;
    g.card_set = 3;
    for (int i = 0; i < 64; ++i) {
        g.pictures[i] = (i * 7) % 32;
        g.removed[i] = g.pictures[i] < 4;
    }
    return g;
}

std::string encoded(const saved_game& g) {
    unsigned char bytes[saved_game_size];
    encode_saved_game(g, bytes);
    return std::string(reinterpret_cast<char*>(bytes), sizeof bytes);
}

bool decodes(const std::string& bytes) {
    saved_game g;
    return decode_saved_game(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                             g);
}

void put_word(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// The checksum made right again after a change, so only the change is judged.
std::string resealed(std::string bytes) {
    put_word(bytes, saved_game_size - 4,
             crc32(reinterpret_cast<const unsigned char*>(bytes.data()), saved_game_size - 4));
    return bytes;
}

TEST(SavedGame, RoundTripKeepsEveryField) {
    saved_game no_set = sample();
    no_set.card_mode = 9;
    no_set.card_set = -1;
    no_set.freeze_elapsed = -1;
    no_set.saved_at = -5;
    saved_game shop = sample();
    shop.in_shop = true;
    for (bool& r : shop.removed) r = true;
    shop.freeze_elapsed = 10000;
    for (const saved_game& g : {sample(), no_set, shop}) {
        const std::string bytes = encoded(g);
        ASSERT_EQ(bytes.size(), 348u);
        // Little-endian words: the tag, version 1, then the time's low word first.
        EXPECT_EQ(bytes.substr(0, 4), "PWSG");
        EXPECT_EQ(bytes.substr(4, 4), std::string("\1\0\0\0", 4));
        // Every field has a word of its own, so the same bytes again mean the same fields.
        saved_game back;
        ASSERT_TRUE(decode_saved_game(reinterpret_cast<const unsigned char*>(bytes.data()),
                                      bytes.size(), back));
        EXPECT_EQ(encoded(back), bytes);
    }
}

TEST(SavedGame, DamagedFilesAreRefused) {
    const std::string good = encoded(sample());
    ASSERT_TRUE(decodes(good));
    struct damage {
        const char* name;
        std::string bytes;
    };
    std::string wrong_version = good;
    put_word(wrong_version, 4, 2);
    // A point more still makes a game that play reaches: only the checksum tells.
    std::string flipped = good;
    flipped[7 * 4] ^= 0x01;
    std::string wrong_tag = good;
    wrong_tag[0] = 'X';
    const damage cases[] = {
        {"empty", ""},
        {"short", good.substr(0, good.size() - 1)},
        {"long", good + '\0'},
        {"wrong version", resealed(wrong_version)},
        {"wrong tag", resealed(wrong_tag)},
        {"bad checksum", flipped},
    };
    for (const damage& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(decodes(c.bytes));
    }
}

TEST(SavedGame, ValuesNoPlayReachesAreRefusedBehindAGoodChecksum) {
    struct change {
        const char* name;
        std::function<void(saved_game&)> apply;
    };
    const change cases[] = {
        {"level 0", [](saved_game& g) { g.level = 0; }},
        {"picture 40", [](saved_game& g) { g.pictures[5] = 40; }},
        {"negative picture", [](saved_game& g) { g.pictures[5] = -1; }},
        {"a picture three times", [](saved_game& g) { g.pictures[0] = g.pictures[1]; }},
        {"seconds 60", [](saved_game& g) { g.seconds = 60; }},
        {"negative minutes", [](saved_game& g) { g.minutes = -1; }},
        {"minutes whose points would overflow", [](saved_game& g) { g.minutes = 40000000; }},
        {"a clock that ran out", [](saved_game& g) { g.minutes = g.seconds = 0; }},
        {"negative points", [](saved_game& g) { g.points = -1; }},
        {"negative stock", [](saved_game& g) { g.dynamites = -3; }},
        {"negative used count", [](saved_game& g) { g.hourglasses_used = -1; }},
        {"a freeze of more than ten seconds", [](saved_game& g) { g.freeze_elapsed = 10001; }},
        {"half a pair removed", [](saved_game& g) { g.removed[0] = !g.removed[0]; }},
        {"the shop before the board is cleared", [](saved_game& g) { g.in_shop = true; }},
        {"a fixed mode with another set", [](saved_game& g) { g.card_mode = 1; }},
        {"the random mode without a set", [](saved_game& g) { g.card_set = -1; }},
        {"a set for a mode that has none", [](saved_game& g) { g.card_mode = 5; }},
    };
    for (const change& c : cases) {
        SCOPED_TRACE(c.name);
        saved_game g = sample();
        c.apply(g);
        EXPECT_FALSE(decodes(encoded(g)));
    }
    // Flags are 0 or 1 only.
    std::string two = encoded(sample());
    put_word(two, 16 * 4, 2);
    EXPECT_FALSE(decodes(resealed(two)));
}

TEST(SavedGame, SlotFilesAreEmptyDamagedOrSaved) {
    const char* name = slot_file_name(2);
    ASSERT_STREQ(name, "save3.dat");
    EXPECT_EQ(slot_file_name(5), nullptr);
    saved_game g;
    DeleteFileA(name);
    EXPECT_EQ(read_slot(2, g), slot_state::empty);
    ASSERT_TRUE(write_slot(2, sample()));
    ASSERT_EQ(read_slot(2, g), slot_state::saved);
    EXPECT_EQ(encoded(g), encoded(sample()));
    std::ofstream(name, std::ios::binary | std::ios::app) << 'x';
    EXPECT_EQ(read_slot(2, g), slot_state::damaged);
    ASSERT_TRUE(DeleteFileA(name));
    // Something there that cannot be read is not a free slot.
    ASSERT_TRUE(CreateDirectoryA(name, nullptr));
    EXPECT_EQ(read_slot(2, g), slot_state::damaged);
    RemoveDirectoryA(name);
}
}  // namespace
