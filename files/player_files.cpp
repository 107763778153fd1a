#include "files/player_files.h"

#include <windows.h>

#include <cstdio>

#include "saves/saved_game.h"

namespace {
// Everything of the player's that a first move to the folder of their own takes along.
void carry(const std::string& folder, const char* name) {
    CopyFileA(name, (folder + "\\" + name).c_str(), TRUE);
}
}  // namespace

bool can_make_files_here() {
    char probe[64];
    std::snprintf(probe, sizeof probe, "pairwick.%lu.probe", GetCurrentProcessId());
    HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string player_folder(bool working_directory_writable, const std::string& app_data) {
    if (working_directory_writable || app_data.empty()) return "";
    const std::string folder = app_data + "\\Pairwick";
    // Only a folder made now is started from the working directory's files: later, the
    // player's own changes there (a deleted table) must not be undone.
    if (CreateDirectoryA(folder.c_str(), nullptr)) {
        carry(folder, "scores.dat");
        carry(folder, "options.ini");
        for (int slot = 0; slot < saved_game_slots; ++slot) carry(folder, slot_file_name(slot));
    }
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return "";
    return folder;
}

std::string player_file(const char* name) {
    static const std::string folder = [] {
        if (can_make_files_here()) return std::string();
        // The variable Windows sets for every user, rather than the shell's folder API,
        // whose library would load at every start for a case most players never meet.
        char app_data[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableA("APPDATA", app_data, sizeof app_data);
        if (length == 0 || length >= sizeof app_data) return std::string();
        return player_folder(false, app_data);
    }();
    return folder.empty() ? std::string(name) : folder + "\\" + name;
}
