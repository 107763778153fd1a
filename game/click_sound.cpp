#include "game/click_sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace click_sound {
namespace {
using play_sound_fn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
play_sound_fn play_sound = nullptr;
bool tried = false;

void play_resource(int resource_id, unsigned flags) {
    prepare();
    if (play_sound) play_sound(MAKEINTRESOURCEA(resource_id), nullptr, flags);
}
player active_player = play_resource;
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

void play(int resource_id) { active_player(resource_id, SND_RESOURCE | SND_ASYNC); }

void set_player(player p) { active_player = p ? p : play_resource; }
}  // namespace click_sound
