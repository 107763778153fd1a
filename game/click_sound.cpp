#include "game/click_sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace click_sound {
namespace {
using play_sound_fn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
play_sound_fn play_sound = nullptr;
bool tried = false;
}  // namespace

void prepare() {
    if (tried) return;
    tried = true;
    HMODULE library = LoadLibraryA("winmm.dll");
    if (!library) return;
    // Through an untyped function pointer: a direct cast between function types warns.
    play_sound = reinterpret_cast<play_sound_fn>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "PlaySoundA")));
}

void play(int resource_id) {
    prepare();
    if (play_sound) play_sound(MAKEINTRESOURCEA(resource_id), nullptr, SND_RESOURCE | SND_ASYNC);
}
}  // namespace click_sound
