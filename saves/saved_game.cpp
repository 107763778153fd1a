#include "saves/saved_game.h"

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "files/paths.h"
#include "files/player_files.h"
#include "files/replace_file.h"

namespace {
// "PWSG" in the file's first four bytes.
constexpr std::uint32_t tag = 0x47535750;
constexpr std::uint32_t version = 1;
// Far beyond anything a player reaches, and small enough that no sum of play overflows:
// the shop turns the clock into points (minutes times 60) and adds them to the points.
constexpr int most = 1000000000;
constexpr int most_minutes = 1000000;

class writer {
public:
    explicit writer(unsigned char* out) : out(out) {}
    void word(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) out[at++] = static_cast<unsigned char>(value >> (8 * i));
    }
    void number(int value) { word(static_cast<std::uint32_t>(value)); }
    std::size_t at = 0;

private:
    unsigned char* out;
};

class reader {
public:
    explicit reader(const unsigned char* in) : in(in) {}
    std::uint32_t word() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(in[at++]) << (8 * i);
        return value;
    }
    int number() { return static_cast<int>(word()); }
    std::size_t at = 0;

private:
    const unsigned char* in;
};

bool within(int value, int low, int high) { return value >= low && value <= high; }
}  // namespace

std::uint32_t crc32(const unsigned char* bytes, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void encode_saved_game(const saved_game& game, unsigned char (&bytes)[saved_game_size]) {
    writer out(bytes);
    out.word(tag);
    out.word(version);
    const auto when = static_cast<std::uint64_t>(game.saved_at);
    out.word(static_cast<std::uint32_t>(when));
    out.word(static_cast<std::uint32_t>(when >> 32));
    for (int value : {game.level, game.minutes, game.seconds, game.points, game.hammers,
                      game.stopwatches, game.hourglasses, game.dynamites, game.hammers_used,
                      game.stopwatches_used, game.hourglasses_used, game.dynamites_used})
        out.number(value);
    out.number(game.in_shop ? 1 : 0);
    out.number(game.freeze_elapsed);
    out.number(game.card_mode);
    out.number(game.card_set);
    for (int picture : game.pictures) out.number(picture);
    std::uint32_t removed[2] = {};
    for (int i = 0; i < 64; ++i)
        if (game.removed[i]) removed[i / 32] |= 1u << (i % 32);
    out.word(removed[0]);
    out.word(removed[1]);
    out.word(crc32(bytes, out.at));
}

bool decode_saved_game(const unsigned char* bytes, std::size_t size, saved_game& game) {
    if (!bytes || size != saved_game_size) return false;
    reader in(bytes);
    if (in.word() != tag || in.word() != version) return false;
    if (crc32(bytes, saved_game_size - 4) !=
        reader(bytes + saved_game_size - 4).word())
        return false;
    saved_game read;
    const std::uint64_t low = in.word();
    const std::uint64_t high = in.word();
    read.saved_at = static_cast<std::int64_t>(low | (high << 32));
    for (int* value : {&read.level, &read.minutes, &read.seconds, &read.points, &read.hammers,
                       &read.stopwatches, &read.hourglasses, &read.dynamites,
                       &read.hammers_used, &read.stopwatches_used, &read.hourglasses_used,
                       &read.dynamites_used})
        *value = in.number();
    const int in_shop = in.number();
    if (in_shop != 0 && in_shop != 1) return false;
    read.in_shop = in_shop == 1;
    read.freeze_elapsed = in.number();
    read.card_mode = in.number();
    read.card_set = in.number();
    for (int& picture : read.pictures) picture = in.number();
    const std::uint32_t removed[2] = {in.word(), in.word()};
    for (int i = 0; i < 64; ++i) read.removed[i] = (removed[i / 32] >> (i % 32)) & 1u;
    if (!saved_game_is_playable(read)) return false;
    game = read;
    return true;
}

bool saved_game_is_playable(const saved_game& game) {
    // A game whose clock has run out is over, not in progress.
    if (!within(game.level, 1, most) || !within(game.minutes, 0, most_minutes) ||
        !within(game.seconds, 0, 59) || (game.minutes == 0 && game.seconds == 0) ||
        !within(game.points, 0, most))
        return false;
    for (int count : {game.hammers, game.stopwatches, game.hourglasses, game.dynamites,
                      game.hammers_used, game.stopwatches_used, game.hourglasses_used,
                      game.dynamites_used})
        if (!within(count, 0, most)) return false;
    if (!within(game.freeze_elapsed, -1, 10000)) return false;
    // A fixed mode deals its own set, the random mode one of the four, any other none.
    if (within(game.card_mode, 0, 3) ? game.card_set != game.card_mode
        : game.card_mode == 4        ? !within(game.card_set, 0, 3)
                                     : game.card_set != -1)
        return false;
    // Every picture twice, and a pair leaves the board together.
    int seen[32] = {};
    int first_at[32];
    for (int i = 0; i < 64; ++i) {
        const int p = game.pictures[i];
        if (!within(p, 0, 31) || ++seen[p] > 2) return false;
        if (seen[p] == 1)
            first_at[p] = i;
        else if (game.removed[first_at[p]] != game.removed[i])
            return false;
        // The shop follows a cleared board.
        if (game.in_shop && !game.removed[i]) return false;
    }
    return true;
}

const char* slot_file_name(int slot) {
    static const char* const names[saved_game_slots] = {"save1.dat", "save2.dat", "save3.dat",
                                                        "save4.dat", "save5.dat"};
    return slot >= 0 && slot < saved_game_slots ? names[slot] : nullptr;
}

slot_state read_slot(int slot, saved_game& game) {
    if (!slot_file_name(slot)) return slot_state::empty;
    const std::string path = player_file(slot_file_name(slot));
    // One byte more than a slot holds, to tell a long file from a whole one.
    unsigned char bytes[saved_game_size + 1];
    const long size = read_file(path, bytes, sizeof bytes);
    // There but unreadable (held by another program, or a folder) is not empty: it is not
    // ours to offer as free.
    if (size < 0) return file_exists(path) ? slot_state::damaged : slot_state::empty;
    return decode_saved_game(bytes, static_cast<std::size_t>(size), game) ? slot_state::saved
                                                                           : slot_state::damaged;
}

bool write_slot(int slot, const saved_game& game) {
    if (!slot_file_name(slot)) return false;
    unsigned char bytes[saved_game_size];
    encode_saved_game(game, bytes);
    return replace_file(player_file(slot_file_name(slot)), bytes, sizeof bytes);
}
