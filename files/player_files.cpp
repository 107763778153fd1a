#include "files/player_files.h"

#include <windows.h>

#include <cstdio>
#include <utility>

#include "files/paths.h"
#include "text/utf8.h"

namespace {
std::vector<std::string>& player_file_names() {
    static std::vector<std::string> names;
    return names;
}

void remove_folder(const std::wstring& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::wstring file = folder + L"\\" + widen(name);
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file.c_str());
    }
    RemoveDirectoryW(folder.c_str());
}

// Every file of the player's that the working directory holds, copied into `folder`.
bool carry(const std::wstring& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::wstring from = widen(name);
        const std::wstring to = folder + L"\\" + from;
        if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) continue;
            return false;
        }
        // A copy keeps a read-only medium's attribute, which would fail every later write.
        if (!SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL)) return false;
    }
    return true;
}
}  // namespace

void name_player_files(std::vector<std::string> names) { player_file_names() = std::move(names); }

bool can_make_files_here() {
    char probe[64];
    std::snprintf(probe, sizeof probe, "pairwick.%lu.probe", GetCurrentProcessId());
    HANDLE file = CreateFileA(probe, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string player_folder(bool working_directory_writable, const std::string& app_data,
                          const std::vector<std::string>& carried) {
    if (working_directory_writable || app_data.empty()) return "";
    const std::string folder = app_data + "\\Pairwick";
    // Only a folder made now is started from the working directory's files: later, the
    // player's own changes there (a deleted table) must not be undone. It is filled beside
    // its place and renamed into it, so it appears whole or not at all: a crash or a failed
    // copy leaves nothing, and the next start carries again. Of two copies starting at
    // once, one rename wins and the other uses its folder.
    if (!is_folder(folder)) {
        const std::wstring place = widen(folder);
        const std::wstring staging =
            place + L"." + std::to_wstring(GetCurrentProcessId()) + L".carry";
        remove_folder(staging, carried);
        if (CreateDirectoryW(staging.c_str(), nullptr) &&
            !(carry(staging, carried) && MoveFileExW(staging.c_str(), place.c_str(), 0)))
            remove_folder(staging, carried);
    }
    return is_folder(folder) ? folder : "";
}

std::string player_file(const char* name) {
    static const std::string folder = [] {
        if (can_make_files_here()) return std::string();
        // The variable Windows sets for every user, rather than the shell's folder API,
        // whose library would load at every start for a case most players never meet.
        wchar_t app_data[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableW(L"APPDATA", app_data, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return std::string();
        return player_folder(false, narrow(app_data, length), player_file_names());
    }();
    return folder.empty() ? std::string(name) : folder + "\\" + name;
}
