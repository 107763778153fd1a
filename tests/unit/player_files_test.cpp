#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/paths.h"
#include "files/player_files.h"
#include "files/replace_file.h"
#include "text/utf8.h"

namespace {
const std::vector<std::string> carried = {"scores.dat", "options.ini", "save2.dat"};

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void remove_all(const std::string& own) {
    for (const std::string& name : carried) {
        SetFileAttributesA((own + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((own + "\\" + name).c_str());
        SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(name.c_str());
    }
    RemoveDirectoryA(own.c_str());
    RemoveDirectoryA("appdata");
}

TEST(PlayerFiles, AFolderThatTakesNoFilesSendsThemToThePlayersOwnStartedOnce) {
    // This test's working directory takes files: they stay in it.
    EXPECT_TRUE(can_make_files_here());
    EXPECT_EQ(player_folder(true, "appdata", carried), "");
    EXPECT_EQ(player_file("scores.dat"), "scores.dat");
    // No application-data folder known: nowhere else to go.
    EXPECT_EQ(player_folder(false, "", carried), "");

    ASSERT_TRUE(CreateDirectoryA("appdata", nullptr));
    std::ofstream("scores.dat", std::ios::binary) << "the table";
    std::ofstream("save2.dat", std::ios::binary) << "a saved game";
    // As on a read-only medium: the copy is the player's to write all the same.
    ASSERT_TRUE(SetFileAttributesA("scores.dat", FILE_ATTRIBUTE_READONLY));
    const std::string own = player_folder(false, "appdata", carried);
    EXPECT_EQ(own, "appdata\\Pairwick");
    EXPECT_EQ(read_bytes(own + "\\scores.dat"), "the table");
    EXPECT_EQ(read_bytes(own + "\\save2.dat"), "a saved game");
    EXPECT_FALSE(exists(own + "\\options.ini"));
    EXPECT_FALSE(GetFileAttributesA((own + "\\scores.dat").c_str()) & FILE_ATTRIBUTE_READONLY);

    // Later starts take nothing along again: a table the player deleted stays deleted.
    ASSERT_TRUE(DeleteFileA((own + "\\scores.dat").c_str()));
    EXPECT_EQ(player_folder(false, "appdata", carried), own);
    EXPECT_FALSE(exists(own + "\\scores.dat"));
    remove_all(own);
}

// A file that cannot be copied now (another program holds it) leaves no folder that lacks
// it; the next start carries everything.
TEST(PlayerFiles, ACarryThatFailsLeavesNoFolderAndIsDoneAgainLater) {
    ASSERT_TRUE(CreateDirectoryA("appdata", nullptr));
    std::ofstream("scores.dat", std::ios::binary) << "the table";
    std::ofstream("options.ini", std::ios::binary) << "options";
    HANDLE held = CreateFileA("options.ini", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(player_folder(false, "appdata", carried), "");
    EXPECT_FALSE(exists("appdata\\Pairwick"));
    CloseHandle(held);
    const std::string own = player_folder(false, "appdata", carried);
    ASSERT_EQ(own, "appdata\\Pairwick");
    EXPECT_EQ(read_bytes(own + "\\scores.dat"), "the table");
    EXPECT_EQ(read_bytes(own + "\\options.ini"), "options");
    remove_all(own);
}
// A user folder with letters outside the system's code page is found, made, carried into
// and written like any other.
TEST(PlayerFiles, AUsersFolderInAnyScript) {
    const std::string user = narrow(std::wstring(L"app \u0141ukasz \u674e"));
    ASSERT_TRUE(CreateDirectoryW(widen(user).c_str(), nullptr));
    std::ofstream("options.ini", std::ios::binary) << "options";
    const std::string own = player_folder(false, user, carried);
    ASSERT_EQ(own, user + "\\Pairwick");
    EXPECT_TRUE(replace_file(own + "\\scores.dat", "won", 3));
    char bytes[8] = {};
    EXPECT_EQ(read_file(own + "\\scores.dat", bytes, sizeof bytes), 3);
    EXPECT_EQ(read_file(own + "\\options.ini", bytes, sizeof bytes), 7);
    for (const char* name : {"scores.dat", "options.ini"})
        DeleteFileW(widen(own + "\\" + name).c_str());
    RemoveDirectoryW(widen(own).c_str());
    RemoveDirectoryW(widen(user).c_str());
    DeleteFileA("options.ini");
}
}  // namespace
