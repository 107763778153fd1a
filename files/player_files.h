#pragma once
#include <string>

// Where the player's files (scores, options, saved games) are read and written: the
// working directory, as ever, where a new file can be made in it; otherwise the player's
// own application-data folder, %APPDATA%\Pairwick, made when first needed and started
// from the files the working directory held. Decided once, at the first call; the
// artwork is always read from the working directory.
std::string player_file(const char* name);

// The folder chosen for a working directory that can or cannot take new files, made and
// started from the working directory's files the first time; "" for the working directory.
std::string player_folder(bool working_directory_writable, const std::string& app_data);
// Whether a new file can be made in the current directory.
bool can_make_files_here();
