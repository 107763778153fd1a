#pragma once
#include <windows.h>

#include <bitset>
#include <cstdint>

// A key is a request made to what the player saw when pressing it. Whatever a stray key
// could answer for the player (a question before a slot is replaced, the name box, the
// shop) listens only to keys pressed once it is on screen and past its settling time, and
// a held key's repeats reach it only when the press they repeat did.
class key_gate {
public:
    // Listening from `now` plus `settle` ms, in the ticks the presses are given in; keys
    // held down since before are not heard again until let go.
    void open(std::uint32_t now, std::uint32_t settle);
    // Whether a key message (down or up) reaches what the gate guards; key-ups always do.
    bool hears(UINT message, WPARAM key, bool repeat, std::uint32_t pressed);

private:
    std::uint32_t since = 0;
    std::bitset<256> pressed_here;
};

// How long a new screen or box lets a player's hands run on before it listens.
constexpr std::uint32_t settling_time = 500;

// A key message's previous-state bit: set on the repeats of a held key.
constexpr LPARAM key_repeat_bit = LPARAM{1} << 30;

// How long ago, in ms, a key message with this time was made: 0 for one that claims to
// come from the future.
std::uint32_t key_age(DWORD message_time);

// A message box whose keys follow the gate's rule (no repeat and no key pressed before it
// showed answers it) and in which Escape means No. A question's default answer, Enter, is
// the safe one, No.
int message_box(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
