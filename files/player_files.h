#pragma once
#include <string>
#include <vector>

// Where the player's files (scores, options, saved games) are read and written: the
// working directory, as ever, where a new file can be made in it; otherwise the player's
// own application-data folder, %APPDATA%\Pairwick, made when first needed and started
// from the files the working directory held. Decided once, at the first call; the
// artwork is always read from the working directory. Paths are UTF-8.
std::string player_file(const char* name);

// Names every file of the player's, which the first move to their own folder takes along.
// The program names them before it reads the first; this room knows none of them itself.
void name_player_files(std::vector<std::string> names);

// The folder chosen for a working directory that can or cannot take new files; "" for the
// working directory. The first time, the folder is made with every one of `carried` that
// the working directory holds, whole and writable, or not at all, to be tried again at the
// next start.
std::string player_folder(bool working_directory_writable, const std::string& app_data,
                          const std::vector<std::string>& carried);
// Whether a new file can be made in the current directory.
bool can_make_files_here();
