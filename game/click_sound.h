#pragma once

// The pick click. The multimedia library is loaded on demand instead of imported: under
// Wine, importing it adds about 40 ms to start-up, before the first frame can show.
namespace click_sound {
// Loads the library if it is not loaded yet; WinMain calls it once the first frame is
// up, so the first pick does not pay for it.
void prepare();
// Plays WAVE resource `resource_id` of the program asynchronously; silently nothing if
// the library could not be loaded.
void play(int resource_id);
}  // namespace click_sound
