#include "text/language.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>

#include "text/catalogue.h"
#include "text/marks.h"

namespace {
// The compiled catalogues are resources of this type, each named by its language's tag.
const wchar_t* const catalogue_type = L"CATALOGUE";

std::string language;
catalogue current;

// "PT_BR" as resource names come: the language in lower case, its country in upper case.
std::string tag_of(const wchar_t* name) {
    std::string tag;
    bool country = false;
    for (const wchar_t* c = name; *c; ++c) {
        if (*c == L'_' || *c == L'-') {
            country = true;
            tag += '_';
            continue;
        }
        const int ch = static_cast<int>(*c & 0x7f);
        tag += static_cast<char>(country ? std::toupper(ch) : std::tolower(ch));
    }
    return tag;
}

BOOL CALLBACK add_tag(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    if (!IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<std::string>*>(list)->push_back(tag_of(name));
    return TRUE;
}

// The carried catalogue of a tag, read anew; empty where there is none or it is damaged.
catalogue carried(const std::string& tag) {
    catalogue c;
    if (tag.empty()) return c;
    const std::wstring name(tag.begin(), tag.end());
    HRSRC found = FindResourceW(nullptr, name.c_str(), catalogue_type);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) c.read(bytes, SizeofResource(nullptr, found));
    return c;
}

// "de-AT" and "de_AT" alike, in lower case.
std::string folded(const std::string& tag) {
    std::string f = tag;
    for (char& c : f) c = c == '-' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return f;
}

std::string base_of(const std::string& tag) { return tag.substr(0, tag.find('_')); }


// The printf conversions of a text in order ("d", "s"), which a translation must keep: a
// catalogue that gave a %s for a %d would crash the call that fills it in.
std::string conversions(const char* text) {
    std::string kinds;
    for (const char* c = std::strchr(text, '%'); c; c = std::strchr(c, '%')) {
        ++c;
        while (*c && std::strchr("0123456789.-+# l", *c)) ++c;
        if (*c && *c != '%') kinds += *c;
        if (*c) ++c;
    }
    return kinds;
}

const char* checked(const char* translated, const char* english) {
    if (!translated) return english;
    if (std::strchr(english, '%') || std::strchr(translated, '%'))
        if (conversions(translated) != conversions(english)) return english;
    return translated;
}
}  // namespace

const char* tr(const char* english) { return checked(current.find(nullptr, english), english); }

const char* tr_c(const char* context, const char* english) {
    return checked(current.find(context, english), english);
}

const char* tr_n(const char* singular, const char* plural, long n) {
    const char* english = n == 1 ? singular : plural;
    return checked(
        current.find_plural(nullptr, singular, static_cast<unsigned long>(n < 0 ? -n : n)),
        english);
}

namespace {
template <typename T>
std::string filled(const char* translated, T value) {
    char text[512];
    const int n = std::snprintf(text, sizeof text, translated, value);
    if (n < 0) return translated;
    return std::string(text, static_cast<std::size_t>(std::min<int>(n, sizeof text - 1)));
}
}  // namespace

std::string format(const char* translated, long number) { return filled(translated, number); }

std::string format(const char* translated, const char* text) { return filled(translated, text); }

std::vector<std::string> catalogue_tags() {
    std::vector<std::string> tags;
    EnumResourceNamesW(nullptr, catalogue_type, add_tag, reinterpret_cast<LONG_PTR>(&tags));
    std::sort(tags.begin(), tags.end());
    return tags;
}

void use_language(const std::string& tag) {
    current = carried(tag);
    language = current.empty() ? std::string() : tag;
}

void use_catalogue_bytes(const void* bytes, std::size_t size) {
    current.read(bytes, size);
    language = current.empty() ? std::string() : current.header("Language");
}

const std::string& language_in_use() { return language; }

std::string language_name(const std::string& tag) {
    static std::map<std::string, std::string> names;
    const auto known = names.find(tag);
    if (known != names.end()) return known->second;
    const catalogue c = carried(tag);
    // TRANSLATORS: your language's name in your language, as the Options screen lists it
    // among the others ("Deutsch", "Français", "Русский").
    const char* name = c.find("language name", tr_noop_c("language name", "English"));
    return names[tag] = name ? name : tag;
}

std::string choose_language(const std::string& chosen, const std::string& system,
                            const std::vector<std::string>& carried) {
    const auto find = [&carried](const std::string& wanted,
                                 std::string (*key)(const std::string&)) -> const std::string* {
        for (const std::string& tag : carried)
            if (!wanted.empty() && key(folded(tag)) == wanted) return &tag;
        return nullptr;
    };
    const auto whole = [](const std::string& t) { return t; };
    if (!chosen.empty()) {
        const std::string* tag = find(folded(chosen), whole);
        return tag ? *tag : std::string();
    }
    const std::string own = folded(system);
    // The system's own language; else one of the same base language, the base itself first
    // (Austrian German takes German, European Portuguese takes Brazilian).
    for (const std::string* tag : {find(own, whole), find(base_of(own), whole),
                                   find(base_of(own), base_of)})
        if (tag) return *tag;
    return std::string();
}

std::string system_language() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID ui = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (LCIDToLocaleName(ui, name, LOCALE_NAME_MAX_LENGTH, 0) <= 0) return std::string();
    std::string tag;
    for (const wchar_t* c = name; *c; ++c) tag += static_cast<char>(*c & 0x7f);
    return tag;
}
