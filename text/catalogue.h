#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One language's texts as msgfmt compiles them from a translator's .po file (a .mo file):
// each looked up by its English original and context, with the language's own rule for
// plurals. The art generator reads the same files, so it has no Windows in it.
class catalogue {
public:
    // Takes a copy of a compiled catalogue. Bytes that are not a whole one (damaged, cut
    // short, another format) leave the catalogue empty, so every text stays English.
    bool read(const void* bytes, std::size_t size);
    bool empty() const { return count == 0; }
    // The translation of `english` said in `context` (null for none), or null where the
    // catalogue has none.
    const char* find(const char* context, const char* english) const;
    // The form of a text with a number that this language uses for n, or null.
    const char* find_plural(const char* context, const char* singular, unsigned long n) const;
    // A field of the catalogue's header ("Language", "Plural-Forms"); "" where it has none.
    std::string header(const char* field) const;

private:
    struct text {
        const char* start;
        std::uint32_t length;
    };
    std::vector<char> bytes;
    std::uint32_t count = 0;
    std::uint32_t originals = 0;
    std::uint32_t translations = 0;
    bool swapped = false;
    std::string plural_rule;
    std::uint32_t word(std::size_t at) const;
    text entry(std::uint32_t table, std::uint32_t index) const;
    // The index of the original of `english` said in `context` (null for none), or -1.
    long position(const char* context, const char* english) const;
};

// The form index that a Plural-Forms rule (a C expression of n, such as
// "n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2") gives for n; -1 where
// the rule does not read as one.
int plural_form(const char* rule, unsigned long n);
