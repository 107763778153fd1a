#pragma once
#include <windows.h>

#include <bitset>
#include <cstdint>

// A key is a request made to what the player saw when pressing it. Whatever a stray key
// could answer for the player (a question before a slot is replaced, the name box, the
// shop) listens only to keys that reach it once it has been on screen for its settling
// time, and a held key's repeats reach it only when the press they repeat did. A key is
// dated when it is handled, not by its message's time, which Wine sets by a clock it
// adjusts only at the first input of a run: keys typed before something appeared are
// handled at once, within the settling time.
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

// A message box whose keys follow the gate's rule (no repeat, and no key in its first half
// second, answers it) and in which Escape means No. A question's default answer, Enter, is
// the safe one, No.
int message_box(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
