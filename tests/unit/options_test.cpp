#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "screens/options.h"

namespace {
void write_bytes(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_bytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(OptionsRead, ReadsAsFarAsTheFileMatches) {
    struct read_case {
        const char* name;
        std::string bytes;
        int card_mode, sound;  // before: 7 and 9
        const char* language = "keep";
    };
    const read_case cases[] = {
        {"lf", "[CARDMODE]\n3\n[SOUND]\n0\n", 3, 0},
        {"cr_lf", "[CARDMODE]\r\n3\r\n[SOUND]\r\n0\r\n", 3, 0},
        {"no_final_newline", "[CARDMODE]\n1\n[SOUND]\n1", 1, 1},
        {"blank_lines_and_spaces_between", "[CARDMODE]\n\n  4 \r\n\n\t[SOUND]   1\n", 4, 1},
        {"sound_first", "[SOUND]\n1\n[CARDMODE]\n3\n", 7, 9},
        {"leading_blank_line", "\n[CARDMODE]\n3\n[SOUND]\n0\n", 7, 9},
        {"leading_space", " [CARDMODE]\n3\n[SOUND]\n0\n", 7, 9},
        {"blank_line_then_sound", "\n[SOUND]\n1\n", 7, 9},
        {"lower_case_section", "[cardmode]\n3\n[SOUND]\n0\n", 7, 9},
        {"hexadecimal", "[CARDMODE]\n0x2\n[SOUND]\n0X1\n", 2, 1},
        {"octal", "[CARDMODE]\n010\n[SOUND]\n07\n", 8, 7},
        {"negative", "[CARDMODE]\n-1\n[SOUND]\n+1\n", -1, 1},
        {"trailing_garbage", "[CARDMODE]\n2\n[SOUND]\n1\nrubbish 55\n", 2, 1},
        {"garbage_after_card_mode", "[CARDMODE]\n2abc\n[SOUND]\n1\n", 2, 9},
        {"card_mode_not_a_number", "[CARDMODE]\nx\n[SOUND]\n1\n", 7, 9},
        {"card_mode_missing", "[CARDMODE]\n[SOUND]\n1\n", 7, 1},
        {"only_card_mode", "[CARDMODE]\n3\n", 3, 9},
        {"empty", "", 7, 9},
        {"language", "[CARDMODE]\r\n3\r\n[SOUND]\r\n0\r\n[LANGUAGE]\r\nde\r\n", 3, 0, "de"},
        {"language_of_a_country", "[CARDMODE]\n3\n[SOUND]\n0\n[LANGUAGE]\npt_BR\n", 3, 0, "pt_BR"},
        {"language_not_a_tag", "[CARDMODE]\n3\n[SOUND]\n0\n[LANGUAGE]\n../x\n", 3, 0},
        {"language_without_sound", "[CARDMODE]\n3\n[LANGUAGE]\nde\n", 3, 9},
    };
    for (const read_case& c : cases) {
        SCOPED_TRACE(c.name);
        write_bytes("options.ini", c.bytes);
        std::FILE* file = std::fopen("options.ini", "r");
        ASSERT_NE(file, nullptr);
        int card_mode = 7, sound = 9;
        std::string language = "keep";
        read_options(file, card_mode, sound, language);
        std::fclose(file);
        EXPECT_EQ(card_mode, c.card_mode);
        EXPECT_EQ(sound, c.sound);
        EXPECT_EQ(language, c.language);
    }
}

TEST(OptionsRead, MissingFileKeepsTheValues) {
    DeleteFileA("options.ini");
    int card_mode = 3, sound = 1;
    std::string language;
    read_options(nullptr, card_mode, sound, language);
    EXPECT_EQ(card_mode, 3);
    EXPECT_EQ(sound, 1);
    options opts{};
    opts.card_mode = 2;
    opts.sound = 1;
    opts.load_options();
    EXPECT_EQ(opts.card_mode, 2);
    EXPECT_EQ(opts.sound, 1);
}

// Four lines as earlier versions wrote them, and the language after them where one is
// chosen.
TEST(OptionsWrite, WritesFourTextModeLines) {
    struct write_case {
        int card_mode, sound;
        const char* bytes;
        const char* language = "";
    };
    const write_case cases[] = {
        {2, 1, "[CARDMODE]\r\n2\r\n[SOUND]\r\n1\r\n"},
        {4, 0, "[CARDMODE]\r\n4\r\n[SOUND]\r\n0\r\n"},
        {-1, 5, "[CARDMODE]\r\n-1\r\n[SOUND]\r\n5\r\n"},
        {2, 1, "[CARDMODE]\r\n2\r\n[SOUND]\r\n1\r\n[LANGUAGE]\r\npl\r\n", "pl"},
    };
    for (const write_case& c : cases) {
        SCOPED_TRACE(c.bytes);
        write_bytes("options.ini", "longer old content that must be truncated away\n");
        options opts{};
        opts.card_mode = c.card_mode;
        opts.sound = c.sound;
        opts.language = c.language;
        EXPECT_TRUE(opts.save_options());
        EXPECT_EQ(read_bytes("options.ini"), c.bytes);
    }
}

TEST(OptionsWrite, OddValuesSurviveARoundTrip) {
    write_bytes("options.ini", "[CARDMODE]\n010\n[SOUND]\n5\n");
    options opts{};
    opts.load_options();
    ASSERT_EQ(opts.card_mode, 8);
    ASSERT_EQ(opts.sound, 5);
    EXPECT_TRUE(opts.save_options());
    EXPECT_EQ(read_bytes("options.ini"), "[CARDMODE]\r\n8\r\n[SOUND]\r\n5\r\n");
}

TEST(OptionsWrite, UnwritableFileFailsQuietly) {
    DeleteFileA("options.ini");
    ASSERT_TRUE(CreateDirectoryA("options.ini", nullptr));
    options opts{};
    opts.card_mode = 1;
    EXPECT_FALSE(opts.save_options());
    opts.load_options();
    EXPECT_EQ(opts.card_mode, 1);
    RemoveDirectoryA("options.ini");
}
}  // namespace
