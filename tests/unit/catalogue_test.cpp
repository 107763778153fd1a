#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/catalogue.h"
#include "text/language.h"

namespace {
// The test catalogue's bytes, as msgfmt wrote them from sample.po.
std::vector<char> sample() {
    HRSRC found = FindResourceA(nullptr, "SAMPLE_CATALOGUE", MAKEINTRESOURCEA(10));  // RCDATA
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return std::vector<char>(bytes, bytes + SizeofResource(nullptr, found));
}

std::string or_none(const char* text) { return text ? text : "(none)"; }

TEST(Catalogue, FindsTextsInTheirContextsAndThePluralFormOfEachNumber) {
    const std::vector<char> bytes = sample();
    catalogue c;
    ASSERT_TRUE(c.read(bytes.data(), bytes.size()));
    EXPECT_EQ(or_none(c.find(nullptr, "Back")), "Wstecz");
    EXPECT_EQ(or_none(c.find("language name", "English")), "Polski");
    EXPECT_EQ(or_none(c.find(nullptr, "English")), "(none)");
    EXPECT_EQ(or_none(c.find(nullptr, "Not translated")), "(none)");
    EXPECT_EQ(c.header("Language"), "pl");
    const struct {
        unsigned long n;
        const char* form;
    } plurals[] = {{1, "%d punkt"},   {2, "%d punkty"},   {4, "%d punkty"},   {5, "%d punktów"},
                   {12, "%d punktów"}, {22, "%d punkty"}, {112, "%d punktów"}, {0, "%d punktów"}};
    for (const auto& p : plurals) {
        SCOPED_TRACE(p.n);
        EXPECT_EQ(or_none(c.find_plural(nullptr, "%d point", p.n)), p.form);
    }
}

// Whatever the bytes, a file that is not a whole catalogue is none: no text from it, no
// read outside it.
TEST(Catalogue, ADamagedOrShortFileIsNone) {
    const std::vector<char> good = sample();
    const auto word_at = [](std::vector<char>& b, std::size_t at, std::uint32_t v) {
        std::memcpy(b.data() + at, &v, 4);
    };
    const struct {
        const char* name;
        void (*damage)(std::vector<char>&, decltype(word_at)&);
    } cases[] = {
        {"another magic", [](std::vector<char>& b, decltype(word_at)& w) { w(b, 0, 0x12345678); }},
        {"a revision to come", [](std::vector<char>& b, decltype(word_at)& w) { w(b, 4, 0x10000); }},
        {"more texts than the file holds",
         [](std::vector<char>& b, decltype(word_at)& w) { w(b, 8, 0x7fffffff); }},
        {"a table past the end",
         [](std::vector<char>& b, decltype(word_at)& w) { w(b, 16, 0xfffffff0); }},
        {"a text past the end",
         [](std::vector<char>& b, decltype(word_at)& w) { w(b, 0x1c + 12, 0x7ffffff0); }},
        {"a text without its NUL",
         [](std::vector<char>& b, decltype(word_at)& w) { w(b, 0x1c + 8, 200); }},
        {"originals out of order", [](std::vector<char>& b, decltype(word_at)&) {
             // The second original's first letter put after every other's.
             std::uint32_t at;
             std::memcpy(&at, b.data() + 0x1c + 12, 4);
             b[at] = '~';
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> bytes = good;
        c.damage(bytes, word_at);
        catalogue read;
        EXPECT_FALSE(read.read(bytes.data(), bytes.size()));
        EXPECT_EQ(read.find(nullptr, "Back"), nullptr);
    }
    for (std::size_t size = 0; size < good.size(); ++size) {
        catalogue cut;
        EXPECT_FALSE(cut.read(good.data(), size)) << size << " bytes";
    }
}

TEST(CataloguePlurals, RulesOfSeveralLanguages) {
    const char* const russian =
        "(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)";
    const struct {
        const char* rule;
        unsigned long n;
        int form;
    } cases[] = {
        {"(n != 1)", 1, 0},  {"(n != 1)", 0, 1},   {"(n > 1)", 0, 0},     {"(n > 1)", 2, 1},
        {russian, 1, 0},     {russian, 21, 0},     {russian, 11, 2},      {russian, 3, 1},
        {russian, 14, 2},    {russian, 120, 2},    {"0", 7, 0},           {"n==", 1, -1},
        {"n/0", 1, -1},      {"(n != 1", 1, -1},   {"n ? 1 2", 1, -1},    {"", 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rule << " for " << c.n);
        EXPECT_EQ(plural_form(c.rule, c.n), c.form);
    }
}

// Automatic takes the system's language, then its base language, then English; a
// language chosen on the Options screen wins where the game carries it.
TEST(Languages, WhichLanguageIsUsed) {
    const std::vector<std::string> carried = {"de", "fr", "pt_BR", "ru"};
    const struct {
        const char* chosen;
        const char* system;
        const char* used;
    } cases[] = {
        {"", "de-DE", "de"},   {"", "de-AT", "de"},     {"", "pt-BR", "pt_BR"},
        {"", "pt-PT", "pt_BR"}, {"", "ru", "ru"},       {"", "ja-JP", ""},
        {"", "", ""},          {"en", "de-DE", ""},     {"fr", "de-DE", "fr"},
        {"pt_BR", "en-US", "pt_BR"}, {"it", "de-DE", ""}, {"FR", "", "fr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "chosen \"" << c.chosen << "\", system " << c.system);
        EXPECT_EQ(choose_language(c.chosen, c.system, carried), c.used);
    }
}

// A translation whose printf conversions differ from the English ones would crash the call
// that fills them in: the English is used instead.
TEST(Languages, AFormatThatDoesNotMatchItsEnglishIsNotUsed) {
    const std::vector<char> bytes = sample();
    use_catalogue_bytes(bytes.data(), bytes.size());
    EXPECT_STREQ(tr("Back"), "Wstecz");
    EXPECT_STREQ(tr_n("%d point", "%d points", 5), "%d punktów");
    EXPECT_STREQ(tr("Slot %d"), "Slot %d");
    use_language("");
    EXPECT_STREQ(tr("Back"), "Back");
}
}  // namespace
