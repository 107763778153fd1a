#pragma once
#include <cstddef>
#include <cstdint>

// A game in progress as a save slot keeps it: what play needs to go on, and nothing of a
// pick, a mismatch or a removal under way (those cards are face down or gone).
struct saved_game {
    std::int64_t saved_at;  // seconds since 1970, UTC
    int level;
    int minutes;
    int seconds;
    int points;
    int hammers;
    int stopwatches;
    int hourglasses;
    int dynamites;
    int hammers_used;
    int stopwatches_used;
    int hourglasses_used;
    int dynamites_used;
    bool in_shop;
    // How long the stopwatch's freeze had run when saved; -1 without one.
    int freeze_elapsed;
    // The game's card mode, which the next level draws from, and the mode of the set
    // dealt on this board (-1 for none: a mode without a set).
    int card_mode;
    int card_set;
    int pictures[64];
    bool removed[64];
};

// Every field is a little-endian 32-bit word: a tag, the format's version, the fields,
// then a CRC-32 of all that comes before it.
constexpr std::size_t saved_game_size = 87 * 4;
constexpr int saved_game_slots = 5;

enum class slot_state { empty, damaged, saved };

void encode_saved_game(const saved_game& game, unsigned char (&bytes)[saved_game_size]);
// False for anything but a whole, unchanged file of this version holding a game that
// play could have reached.
bool decode_saved_game(const unsigned char* bytes, std::size_t size, saved_game& game);
// The rules a game must keep to be saved or loaded.
bool saved_game_is_playable(const saved_game& game);
std::uint32_t crc32(const unsigned char* bytes, std::size_t size);

// "save1.dat" to "save5.dat" for slots 0 to 4.
const char* slot_file_name(int slot);
// Reads the slot's file; `game` is filled only for a saved one.
slot_state read_slot(int slot, saved_game& game);
// True only when the whole file is on disk.
bool write_slot(int slot, const saved_game& game);
