#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/loadbmp.h"
#include "unit/support.h"

namespace {
// Target and picture colours chosen so that AND, OR and XOR of them all differ from
// both: a wrong raster operation cannot produce the expected pixel by chance.
const rgb target_colour{90, 165, 24};
const rgb picture_colour{231, 74, 132};
const rgb white{255, 255, 255};
const rgb green{0, 255, 0};
const rgb black{0, 0, 0};

struct keyed_case {
    const char* name;
    rgb key_pixel;      // the colour painted in the picture's left half
    int key_r, key_g, key_b;  // the key passed to set_bk_color, or -1 for none
    bool transparent;   // the left half shows the target
};

void expect_pixel(const surface& s, int x, int y, const rgb& expected) {
    SCOPED_TRACE(testing::Message() << "pixel (" << x << ", " << y << ")");
    EXPECT_EQ(describe(s.at(x, y)), describe(expected));
}

std::vector<unsigned char> file_bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void put32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Makes a plain 24-bit file one with a colour table of two entries before its pixels:
// LoadImageA reads it as before, our own reader leaves it to LoadImageA.
void add_colour_table(std::vector<unsigned char>& bytes) {
    put32(bytes, 46, 2);
    bytes.insert(bytes.begin() + 54, {1, 2, 3, 0, 4, 5, 6, 0});
    put32(bytes, 10, 62);
}

class LoadBmp : public testing::TestWithParam<keyed_case> {};

TEST_P(LoadBmp, DrawsKeyTransparentAndEverythingElseOpaque) {
    const keyed_case& c = GetParam();
    // Left half the candidate key colour, right half the picture colour with a black
    // and a one-step-from-key pixel in it.
    write_bmp("pic.bmp", 20, 10, [&](int x, int y) {
        if (x < 10) return c.key_pixel;
        if (x == 15 && y == 5) return black;
        return picture_colour;
    });
    load_bmp pic{};
    pic.load("pic.bmp", 20, 10);
    if (c.key_r >= 0) pic.set_bk_color(c.key_r, c.key_g, c.key_b);
    surface s(40, 30);
    s.fill(target_colour);
    pic.draw(s.dc(), 10, 10);
    expect_pixel(s, 12, 12, c.transparent ? target_colour : c.key_pixel);
    expect_pixel(s, 19, 19, c.transparent ? target_colour : c.key_pixel);
    expect_pixel(s, 20, 10, picture_colour);
    expect_pixel(s, 29, 19, picture_colour);
    // Black is drawn unless it is the key itself.
    expect_pixel(s, 25, 15, c.transparent && c.key_pixel == black ? target_colour : black);
    // Outside the picture nothing changes.
    expect_pixel(s, 9, 10, target_colour);
    expect_pixel(s, 30, 10, target_colour);
    expect_pixel(s, 15, 20, target_colour);
    pic.delete_bitmap();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoadBmp,
    testing::Values(
        keyed_case{"no_key_white_opaque", white, -1, -1, -1, false},
        keyed_case{"white_key", white, 255, 255, 255, true},
        keyed_case{"green_key", green, 0, 255, 0, true},
        keyed_case{"key_taken_mod_256", green, 256, 255, 512, true},
        keyed_case{"key_mod_256_white", white, 511, 767, -1, true},
        keyed_case{"key_no_pixel_has", picture_colour, 0, 255, 0, false},
        keyed_case{"one_step_below_white_drawn", rgb{247, 255, 255}, 255, 255, 255, false},
        keyed_case{"one_step_off_green_red", rgb{8, 255, 0}, 0, 255, 0, false},
        keyed_case{"one_step_off_green_green", rgb{0, 247, 0}, 0, 255, 0, false},
        keyed_case{"black_is_not_a_key", black, 255, 255, 255, false},
        keyed_case{"black_key", black, 0, 0, 0, true}),
    [](const testing::TestParamInfo<keyed_case>& info) { return std::string(info.param.name); });

TEST(LoadBmpSize, LargerCallerSizeLeavesSurplusBlack) {
    write_bmp("small.bmp", 10, 10, [](int, int) { return picture_colour; });
    for (bool keyed : {false, true}) {
        SCOPED_TRACE(keyed ? "keyed white" : "no key");
        load_bmp pic{};
        pic.load("small.bmp", 20, 15);
        if (keyed) pic.set_bk_color(255, 255, 255);
        surface s(40, 40);
        s.fill(target_colour);
        pic.draw(s.dc(), 5, 5);
        expect_pixel(s, 5, 5, picture_colour);
        expect_pixel(s, 14, 14, picture_colour);
        expect_pixel(s, 15, 5, black);
        expect_pixel(s, 24, 19, black);
        expect_pixel(s, 5, 15, black);
        expect_pixel(s, 25, 5, target_colour);
        pic.delete_bitmap();
    }
}

TEST(LoadBmpSize, SmallerCallerSizeDrawsTopLeftPart) {
    write_bmp("big.bmp", 30, 30, [](int x, int) { return x < 10 ? picture_colour : green; });
    load_bmp pic{};
    pic.load("big.bmp", 10, 10);
    surface s(40, 40);
    s.fill(target_colour);
    pic.draw(s.dc(), 0, 0);
    expect_pixel(s, 9, 9, picture_colour);
    expect_pixel(s, 10, 5, target_colour);
    expect_pixel(s, 5, 10, target_colour);
    pic.delete_bitmap();
}

TEST(LoadBmpMissing, MissingFileDrawsBlackRectangle) {
    for (bool keyed : {false, true}) {
        SCOPED_TRACE(keyed ? "keyed" : "no key");
        load_bmp pic{};
        pic.load("no/such/file.bmp", 12, 8);
        if (keyed) pic.set_bk_color(255, 255, 255);
        surface s(30, 30);
        s.fill(target_colour);
        pic.draw(s.dc(), 3, 4);
        expect_pixel(s, 3, 4, black);
        expect_pixel(s, 14, 11, black);
        expect_pixel(s, 15, 11, target_colour);
        expect_pixel(s, 14, 12, target_colour);
        pic.delete_bitmap();
    }
}

TEST(LoadBmpMissing, DeleteReleasesEveryObject) {
    write_bmp("pic.bmp", 8, 8, [](int, int) { return picture_colour; });
    const int before = gdi_object_count();
    for (int i = 0; i < 50; ++i) {
        load_bmp pic{};
        pic.load(i % 2 ? "pic.bmp" : "missing.bmp", 8, 8);
        pic.set_bk_color(255, 255, 255);
        pic.delete_bitmap();
    }
    EXPECT_EQ(gdi_object_count(), before);
}
}  // namespace

namespace {
// Every pixel different, so a copy that lost, shifted or re-quantised anything shows.
rgb pattern(int x, int y) { return rgb{(x * 37 + y) % 256, (y * 53 + x * 3) % 256, (x * y) % 256}; }

// Start-up shares only files our own reader leaves to LoadImageA.
void write_shared_picture(const std::string& name, int width, int height,
                          const std::function<rgb(int, int)>& pixel) {
    write_bmp(name, width, height, pixel);
    std::vector<unsigned char> bytes = file_bytes(name);
    add_colour_table(bytes);
    write_bytes(name, bytes);
}

std::vector<COLORREF> drawn(load_bmp& pic, int width, int height) {
    surface s(width, height);
    s.fill(target_colour);
    pic.draw(s.dc(), 0, 0);
    return grab(s.dc(), 0, 0, width, height);
}

TEST(LoadBmpShared, EveryLoadGetsItsOwnCopyOfTheFirstReading) {
    write_shared_picture("shared.bmp", 40, 30, pattern);
    // What loads without sharing draw, keyed (white and pattern colours) and plain.
    load_bmp plain_reference{}, keyed_reference{};
    plain_reference.load("shared.bmp", 40, 30);
    keyed_reference.load("shared.bmp", 40, 30);
    const rgb key = pattern(7, 3);
    keyed_reference.set_bk_color(key.r, key.g, key.b);
    const auto plain_pixels = drawn(plain_reference, 40, 30);
    const auto keyed_pixels = drawn(keyed_reference, 40, 30);
    plain_reference.delete_bitmap();
    keyed_reference.delete_bitmap();

    const int before = gdi_object_count();
    picture_files::share();
    // The first load keys its picture; the later ones must still get the file's pixels.
    load_bmp first{}, second{}, third{}, missing{}, missing_again{};
    first.load("shared.bmp", 40, 30);
    first.set_bk_color(key.r, key.g, key.b);
    second.load("shared.bmp", 40, 30);
    third.load("shared.bmp", 40, 30);
    third.set_bk_color(key.r, key.g, key.b);
    missing.load("not/there.bmp", 40, 30);
    missing_again.load("not/there.bmp", 40, 30);
    // A picture changed after its load must not reach the other copies.
    PatBlt(second.image_dc, 0, 0, 5, 5, WHITENESS);
    picture_files::stop_sharing();

    EXPECT_EQ(drawn(first, 40, 30), keyed_pixels);
    EXPECT_EQ(drawn(third, 40, 30), keyed_pixels);
    auto expected_second = plain_pixels;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) expected_second[y * 40 + x] = RGB(255, 255, 255);
    EXPECT_EQ(drawn(second, 40, 30), expected_second);
    EXPECT_EQ(missing_again.image, nullptr);
    EXPECT_EQ(drawn(missing_again, 40, 30), std::vector<COLORREF>(40 * 30, RGB(0, 0, 0)));
    for (load_bmp* pic : {&first, &second, &third, &missing, &missing_again})
        pic->delete_bitmap();
    // The first readings go with the end of sharing.
    EXPECT_EQ(gdi_object_count(), before);
}

TEST(LoadBmpShared, AfterSharingEndsAFileIsReadAfresh) {
    write_shared_picture("changing.bmp", 10, 10, [](int, int) { return picture_colour; });
    picture_files::share();
    load_bmp old_picture{};
    old_picture.load("changing.bmp", 10, 10);
    picture_files::stop_sharing();
    write_shared_picture("changing.bmp", 10, 10, [](int, int) { return green; });
    load_bmp new_picture{};
    new_picture.load("changing.bmp", 10, 10);
    surface s(10, 10);
    new_picture.draw(s.dc(), 0, 0);
    EXPECT_EQ(describe(s.at(5, 5)), describe(green));
    old_picture.delete_bitmap();
    new_picture.delete_bitmap();
}
}  // namespace

namespace {
// A bitmap as the game holds it: its format and its pixels; nothing when none was made.
struct reading {
    bool made = false;
    int width = 0, height = 0, bits_per_pixel = 0;
    std::vector<COLORREF> pixels;
    bool operator==(const reading& o) const {
        return made == o.made && width == o.width && height == o.height &&
               bits_per_pixel == o.bits_per_pixel && pixels == o.pixels;
    }
};

reading read_back(HBITMAP bitmap, HDC holding) {
    reading r;
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return r;
    r = reading{true, info.bmWidth, info.bmHeight, info.bmBitsPixel, {}};
    r.pixels = grab(holding, 0, 0, info.bmWidth, info.bmHeight);
    return r;
}

reading through_load_bmp(const std::string& name) {
    load_bmp pic{};
    pic.load(name.c_str(), 1, 1);
    reading r = read_back(pic.image, pic.image_dc);
    pic.delete_bitmap();
    return r;
}

reading through_load_image(const std::string& name) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, name.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    reading r = read_back(bitmap, dc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    return r;
}

std::string describe(const reading& r) {
    return r.made ? std::to_string(r.width) + "x" + std::to_string(r.height) + " at " +
                        std::to_string(r.bits_per_pixel) + " bits"
                  : "no bitmap";
}

void expect_same_as_load_image(const std::string& name) {
    SCOPED_TRACE(name);
    const reading ours = through_load_bmp(name);
    const reading theirs = through_load_image(name);
    EXPECT_EQ(describe(ours), describe(theirs));
    EXPECT_TRUE(ours == theirs) << "the pixels differ";
}

TEST(LoadBmpDecoding, TheArtworkReadsAsLoadImageReadsIt) {
    int files = 0;
    for (const char* folder : {"backgrounds", "info_bar", "animations", "cards", "other"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((std::string(folder) + "/*.bmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            expect_same_as_load_image(std::string(folder) + "/" + found.cFileName);
            ++files;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_GE(files, 15) << "the artwork folders are not in the working directory";
}

TEST(LoadBmpDecoding, EveryRowPaddingReadsAsLoadImageReadsIt) {
    // Widths 1 to 4 need 3, 2, 1 and 0 bytes of row padding; colours are arbitrary, so
    // the conversion to the display's format is compared too.
    for (int width : {1, 2, 3, 4, 5, 33}) {
        write_bmp("noise.bmp", width, 7, [&](int x, int y) {
            const unsigned v = static_cast<unsigned>((x + 1) * 2654435761u ^ (y + 7) * 40503u);
            return rgb{static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                       static_cast<int>((v >> 16) & 0xFF)};
        });
        expect_same_as_load_image("noise.bmp");
    }
}

struct odd_file {
    const char* name;
    void (*change)(std::vector<unsigned char>& bytes);
};

// Each case starts from a plain 6 x 4 picture of 24 bits: 54 bytes of headers, then
// four rows of 20 bytes.
const odd_file odd_files[] = {
    {"pixels_cut_short", [](std::vector<unsigned char>& b) { b.resize(b.size() - 1); }},
    {"headers_only", [](std::vector<unsigned char>& b) { b.resize(54); }},
    {"file_header_only", [](std::vector<unsigned char>& b) { b.resize(14); }},
    {"empty", [](std::vector<unsigned char>& b) { b.clear(); }},
    {"not_bm", [](std::vector<unsigned char>& b) { b[0] = 'X'; }},
    {"offset_past_the_end", [](std::vector<unsigned char>& b) { put32(b, 10, 0xFFFFFFF0u); }},
    {"offset_zero", [](std::vector<unsigned char>& b) { put32(b, 10, 0); }},
    {"offset_inside_the_header", [](std::vector<unsigned char>& b) { put32(b, 10, 20); }},
    {"top_down", [](std::vector<unsigned char>& b) { put32(b, 22, static_cast<std::uint32_t>(-4)); }},
    {"zero_width", [](std::vector<unsigned char>& b) { put32(b, 18, 0); }},
    {"huge_width", [](std::vector<unsigned char>& b) { put32(b, 18, 0x7FFFFFFF); }},
    {"huge_height", [](std::vector<unsigned char>& b) { put32(b, 22, 0x7FFFFFFF); }},
    {"sixteen_bits", [](std::vector<unsigned char>& b) { b[28] = 16; }},
    {"run_length_coded", [](std::vector<unsigned char>& b) { put32(b, 30, BI_RLE8); }},
    {"two_planes", [](std::vector<unsigned char>& b) { b[26] = 2; }},
    {"core_header", [](std::vector<unsigned char>& b) { put32(b, 14, 12); }},
    {"colour_table_before_the_pixels", add_colour_table},
    {"gap_before_the_pixels",
     [](std::vector<unsigned char>& b) {
         b.insert(b.begin() + 54, 100, 0xAB);
         put32(b, 10, 154);
     }},
};

TEST(LoadBmpDecoding, UnusualAndMalformedFilesReadAsLoadImageReadsThem) {
    write_bmp("plain.bmp", 6, 4, pattern);
    const std::vector<unsigned char> plain = file_bytes("plain.bmp");
    ASSERT_EQ(plain.size(), 54u + 4 * 20);
    const int before = gdi_object_count();
    for (const odd_file& c : odd_files) {
        std::vector<unsigned char> bytes = plain;
        c.change(bytes);
        const std::string name = std::string(c.name) + ".bmp";
        write_bytes(name, bytes);
        expect_same_as_load_image(name);
    }
    EXPECT_EQ(gdi_object_count(), before);
}
}  // namespace
