#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "files/player_files.h"

namespace {
std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(PlayerFiles, AFolderThatTakesNoFilesSendsThemToThePlayersOwnStartedOnce) {
    // This test's working directory takes files: they stay in it.
    EXPECT_TRUE(can_make_files_here());
    EXPECT_EQ(player_folder(true, "appdata"), "");
    EXPECT_EQ(player_file("scores.dat"), "scores.dat");
    // No application-data folder known: nowhere else to go.
    EXPECT_EQ(player_folder(false, ""), "");

    ASSERT_TRUE(CreateDirectoryA("appdata", nullptr));
    std::ofstream("scores.dat", std::ios::binary) << "the table";
    std::ofstream("save2.dat", std::ios::binary) << "a saved game";
    const std::string own = player_folder(false, "appdata");
    EXPECT_EQ(own, "appdata\\Pairwick");
    EXPECT_EQ(read_bytes(own + "\\scores.dat"), "the table");
    EXPECT_EQ(read_bytes(own + "\\save2.dat"), "a saved game");
    EXPECT_FALSE(exists(own + "\\options.ini"));

    // Later starts take nothing along again: a table the player deleted stays deleted.
    ASSERT_TRUE(DeleteFileA((own + "\\scores.dat").c_str()));
    EXPECT_EQ(player_folder(false, "appdata"), own);
    EXPECT_FALSE(exists(own + "\\scores.dat"));

    DeleteFileA((own + "\\save2.dat").c_str());
    RemoveDirectoryA(own.c_str());
    RemoveDirectoryA("appdata");
    DeleteFileA("scores.dat");
    DeleteFileA("save2.dat");
}
}  // namespace
