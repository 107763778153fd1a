#pragma once

// The pick click. The multimedia library is loaded on demand instead of imported: under
// Wine, importing it adds about 40 ms to start-up, before the first frame can show.
namespace click_sound {
// Plays `resource_id` with PlaySoundA's `flags`; tests put their own in to see each click.
using player = void (*)(int resource_id, unsigned flags);

// Loads the library if it is not loaded yet; WinMain calls it once the first frame is
// up, so the first pick does not pay for it.
void prepare();
// Plays WAVE resource `resource_id` of the program asynchronously; silently nothing if
// the library could not be loaded.
void play(int resource_id);
// nullptr restores the real player (PlaySoundA through the library loaded on demand).
void set_player(player p);
}  // namespace click_sound
