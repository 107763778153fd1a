#include "text/catalogue.h"

#include <cctype>
#include <cstring>

namespace {
constexpr std::uint32_t magic = 0x950412de;
constexpr std::uint32_t magic_swapped = 0xde120495;
// A context and its text are one key, parted by EOT.
constexpr char context_end = '\x04';

// The plural rule read and worked out at once: a recursive descent over C's operators, in
// C's order of precedence, with n and unsigned numbers.
class rule_reader {
public:
    rule_reader(const char* rule, unsigned long n) : at(rule), n(n) {}
    bool read(unsigned long& value) {
        value = conditional();
        skip_space();
        return !failed && *at == '\0';
    }

private:
    const char* at;
    unsigned long n;
    bool failed = false;

    void skip_space() {
        while (*at == ' ' || *at == '\t' || *at == '\n') ++at;
    }
    bool take(const char* token) {
        skip_space();
        const std::size_t length = std::strlen(token);
        if (std::strncmp(at, token, length) != 0) return false;
        // "<" is not the start of "<=", nor "!" of "!=".
        if (length == 1 && (at[0] == '<' || at[0] == '>' || at[0] == '!' || at[0] == '=') &&
            at[1] == '=')
            return false;
        at += length;
        return true;
    }
    unsigned long conditional() {
        const unsigned long test = either();
        if (!take("?")) return test;
        const unsigned long yes = conditional();
        if (!take(":")) failed = true;
        const unsigned long no = conditional();
        return test ? yes : no;
    }
    unsigned long either() {
        unsigned long v = both();
        while (take("||")) {
            const unsigned long w = both();
            v = v || w;
        }
        return v;
    }
    unsigned long both() {
        unsigned long v = equality();
        while (take("&&")) {
            const unsigned long w = equality();
            v = v && w;
        }
        return v;
    }
    unsigned long equality() {
        unsigned long v = relation();
        for (;;) {
            if (take("=="))
                v = v == relation();
            else if (take("!="))
                v = v != relation();
            else
                return v;
        }
    }
    unsigned long relation() {
        unsigned long v = sum();
        for (;;) {
            if (take("<="))
                v = v <= sum();
            else if (take(">="))
                v = v >= sum();
            else if (take("<"))
                v = v < sum();
            else if (take(">"))
                v = v > sum();
            else
                return v;
        }
    }
    unsigned long sum() {
        unsigned long v = product();
        for (;;) {
            if (take("+"))
                v += product();
            else if (take("-"))
                v -= product();
            else
                return v;
        }
    }
    unsigned long product() {
        unsigned long v = unary();
        for (;;) {
            const bool times = take("*");
            const bool divide = !times && take("/");
            const bool remainder = !times && !divide && take("%");
            if (!times && !divide && !remainder) return v;
            const unsigned long w = unary();
            if (times) {
                v *= w;
            } else if (w == 0) {
                failed = true;
                return 0;
            } else {
                v = divide ? v / w : v % w;
            }
        }
    }
    unsigned long unary() {
        if (take("!")) return !unary();
        skip_space();
        if (*at == 'n') {
            ++at;
            return n;
        }
        if (std::isdigit(static_cast<unsigned char>(*at))) {
            unsigned long v = 0;
            while (std::isdigit(static_cast<unsigned char>(*at))) v = v * 10 + (*at++ - '0');
            return v;
        }
        if (take("(")) {
            const unsigned long v = conditional();
            if (!take(")")) failed = true;
            return v;
        }
        failed = true;
        return 0;
    }
};
}  // namespace

int plural_form(const char* rule, unsigned long n) {
    unsigned long value = 0;
    if (!rule || !rule_reader(rule, n).read(value) || value > 100) return -1;
    return static_cast<int>(value);
}

std::uint32_t catalogue::word(std::size_t at) const {
    std::uint32_t w;
    std::memcpy(&w, bytes.data() + at, 4);
    if (swapped) w = (w >> 24) | ((w >> 8) & 0xff00) | ((w << 8) & 0xff0000) | (w << 24);
    return w;
}

catalogue::text catalogue::entry(std::uint32_t table, std::uint32_t index) const {
    const std::size_t at = table + 8 * static_cast<std::size_t>(index);
    return {bytes.data() + word(at + 4), word(at)};
}

bool catalogue::read(const void* data, std::size_t size) {
    count = 0;
    plural_rule.clear();
    bytes.assign(static_cast<const char*>(data), static_cast<const char*>(data) + size);
    const auto fail = [this] {
        count = 0;
        bytes.clear();
        return false;
    };
    if (size < 28 || size > 0x10000000) return fail();
    swapped = false;
    const std::uint32_t m = word(0);
    if (m == magic_swapped) swapped = true;
    else if (m != magic) return fail();
    // Only the major revision 0 is a layout this reader knows.
    if (word(4) >> 16 != 0) return fail();
    const std::uint32_t n = word(8);
    originals = word(12);
    translations = word(16);
    const std::uint64_t table_bytes = 8ull * n;
    if (n == 0 || originals > size || translations > size || originals + table_bytes > size ||
        translations + table_bytes > size)
        return fail();
    // Every text lies inside the file and ends in its NUL; the originals are sorted, as
    // msgfmt writes them, so a lookup is a binary search.
    for (std::uint32_t table : {originals, translations})
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::size_t at = table + 8 * static_cast<std::size_t>(i);
            const std::uint64_t length = word(at), offset = word(at + 4);
            if (offset + length >= size || bytes[offset + length] != '\0') return fail();
        }
    count = n;
    for (std::uint32_t i = 1; i < n; ++i)
        if (std::strcmp(entry(originals, i - 1).start, entry(originals, i).start) >= 0)
            return fail();
    const std::string forms = header("Plural-Forms");
    const std::size_t rule = forms.find("plural=");
    if (rule != std::string::npos) {
        plural_rule = forms.substr(rule + 7);
        const std::size_t end = plural_rule.find(';');
        if (end != std::string::npos) plural_rule.resize(end);
    }
    return true;
}

long catalogue::position(const char* context, const char* english) const {
    if (empty()) return -1;
    const std::string key = context ? std::string(context) + context_end + english : english;
    long low = 0, high = static_cast<long>(count) - 1;
    while (low <= high) {
        const long middle = low + (high - low) / 2;
        // A plural's original holds both English forms; the singular alone is its key.
        const int order = std::strcmp(key.c_str(), entry(originals, middle).start);
        if (order == 0) return middle;
        if (order < 0)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return -1;
}

const char* catalogue::find(const char* context, const char* english) const {
    const long at = position(context, english);
    if (at < 0) return nullptr;
    const text t = entry(translations, static_cast<std::uint32_t>(at));
    // msgfmt leaves out what is not translated; an empty one would blank a button.
    return t.length > 0 ? t.start : nullptr;
}

const char* catalogue::find_plural(const char* context, const char* singular,
                                   unsigned long n) const {
    const long at = position(context, singular);
    const int form = plural_form(plural_rule.c_str(), n);
    if (at < 0 || form < 0) return nullptr;
    const text t = entry(translations, static_cast<std::uint32_t>(at));
    const char* f = t.start;
    const char* const end = t.start + t.length;
    for (int i = 0; i < form; ++i) {
        f += std::strlen(f) + 1;
        if (f >= end) return nullptr;
    }
    return *f ? f : nullptr;
}

std::string catalogue::header(const char* field) const {
    const long at = position(nullptr, "");
    if (at < 0) return std::string();
    const std::string all = entry(translations, static_cast<std::uint32_t>(at)).start;
    const std::string name = std::string(field) + ":";
    for (std::size_t line = 0; line < all.size();) {
        std::size_t end = all.find('\n', line);
        if (end == std::string::npos) end = all.size();
        if (all.compare(line, name.size(), name) == 0) {
            std::size_t value = line + name.size();
            while (value < end && all[value] == ' ') ++value;
            return all.substr(value, end - value);
        }
        line = end + 1;
    }
    return std::string();
}
