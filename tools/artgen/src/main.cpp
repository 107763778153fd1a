// artgen: draws every picture and sound of Pairwick into a dist and a resource folder.
#include "art.h"
#include "cards.h"

#include "card_sets.h"
#include "text/catalogue.h"
#include "worded_pictures.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>
#ifdef _WIN32
#include <direct.h>
#endif

namespace {

bool make_dir(const std::string& p) {
#ifdef _WIN32
    int r = _mkdir(p.c_str());
#else
    int r = mkdir(p.c_str(), 0755);
#endif
    if (r == 0) return true;
    struct stat st;
    return stat(p.c_str(), &st) == 0 && (st.st_mode & S_IFDIR);
}

bool make_dirs(const std::string& p) {
    for (size_t i = 1; i <= p.size(); ++i)
        if (i == p.size() || p[i] == '/' || p[i] == '\\')
            if (!make_dir(p.substr(0, i))) return false;
    return true;
}

// The game's name over the menu, in the screens' titles' style with a rule under it.
const art::title menu_title = {"other/menu_title.bmp", "Pairwick", 360, 90, 64, true};

int usage() {
    std::fprintf(stderr, "usage: artgen <dist_dir> <res_dir> [--font PATH] [--catalogues DIR [TAG...]]"
                         " [--shown DIR]\n");
    return 2;
}

// A language's tag names a folder: letters, digits, _ and @ only (de, pt_BR, sr@latin).
bool plain_tag(const std::string& tag) {
    if (tag.empty()) return false;
    for (char c : tag)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '@') return false;
    return true;
}

bool read_catalogue(const std::string& path, catalogue& c, std::string& err) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err = "cannot read " + path;
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty() || !c.read(bytes.data(), bytes.size())) {
        err = "not a compiled catalogue: " + path;
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> pos, languages;
    std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", catalogues, shown;
    bool tags = false;  // after --catalogues DIR, the words are the languages' tags
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--font" || arg == "--catalogues" || arg == "--shown") {
            if (++i >= argc) return usage();
            (arg == "--font" ? font : arg == "--catalogues" ? catalogues : shown) = argv[i];
            tags = arg == "--catalogues";
        } else if (arg.compare(0, 2, "--") == 0) {
            return usage();
        } else if (tags) {
            if (!plain_tag(arg)) {
                std::fprintf(stderr, "artgen: not a language's tag: %s\n", arg.c_str());
                return 2;
            }
            languages.push_back(arg);
        } else {
            pos.push_back(arg);
        }
    }
    if (pos.size() != 2) return usage();
    const std::string dist = pos[0], res = pos[1];

    std::string err;
    if (!art::load_font(font, err)) {
        std::fprintf(stderr, "artgen: %s\n", err.c_str());
        return 1;
    }
    std::vector<std::string> subs = {"backgrounds", "info_bar", "animations", "cards", "other"};
    for (const std::string& tag : languages) subs.push_back("other/" + tag);
    for (const std::string& sub : subs)
        if (!make_dirs(dist + "/" + sub)) {
            std::fprintf(stderr, "artgen: cannot create %s/%s\n", dist.c_str(), sub.c_str());
            return 1;
        }
    if (!make_dirs(res + "/icons")) {
        std::fprintf(stderr, "artgen: cannot create %s/icons\n", res.c_str());
        return 1;
    }

    struct job { std::string path; std::function<art::image()> make; };
    std::vector<job> jobs = {
        {dist + "/backgrounds/intro.bmp", art::bg_intro},
        {dist + "/backgrounds/menu.bmp", art::bg_menu},
        {dist + "/backgrounds/field.bmp", art::bg_field},
        {dist + "/info_bar/background.bmp", art::bar_background},
        {dist + "/info_bar/boxs.bmp", art::bar_boxs},
        {dist + "/info_bar/boxs2.bmp", art::bar_boxs2},
        {dist + "/info_bar/chain.bmp", art::bar_chain},
        {dist + "/animations/hammer.bmp", art::anim_hammer},
        {dist + "/animations/stopwatch.bmp", art::anim_stopwatch},
        {dist + "/animations/hourglass.bmp", art::anim_hourglass},
        {dist + "/animations/dynamite.bmp", art::anim_dynamite},
        {dist + "/cards/hammer.bmp", art::cards_hammer},
        {dist + "/cards/dynamite.bmp", art::cards_dynamite},
        {dist + "/" + menu_title.file, [] { return art::draw_title(menu_title); }},
    };
    if (!art::title_fits(menu_title, err)) {
        std::fprintf(stderr, "artgen: %s\n", err.c_str());
        return 1;
    }
    // Every picture with words in English, then in each language from its catalogue, with
    // the English words where it has none. A picture that cannot be drawn stops everything
    // before a file is written.
    std::vector<std::string> language_tags = {""};
    language_tags.insert(language_tags.end(), languages.begin(), languages.end());
    for (const std::string& tag : language_tags) {
        catalogue texts;
        if (!tag.empty() && !read_catalogue(catalogues + "/" + tag + ".mo", texts, err)) {
            std::fprintf(stderr, "artgen: %s: %s\n", tag.c_str(), err.c_str());
            return 1;
        }
        for (const worded_picture* p : worded_pictures) {
            const char* own = texts.find(nullptr, p->english);
            art::image picture;
            if (!art::draw_worded(*p, own ? own : p->english, tag, picture, err)) {
                std::fprintf(stderr, "artgen: %s\n", err.c_str());
                return 1;
            }
            jobs.push_back({dist + "/" + art::worded_file(*p, tag), [picture] { return picture; }});
        }
    }
    if (!shown.empty()) {
        for (const char* sub : {"backgrounds", "info_bar"})
            if (!make_dirs(shown + "/" + sub)) {
                std::fprintf(stderr, "artgen: cannot create %s/%s\n", shown.c_str(), sub);
                return 1;
            }
        jobs.push_back({shown + "/backgrounds/intro.bmp", art::intro_as_shown});
        jobs.push_back({shown + "/info_bar/background.bmp", art::bar_as_shown});
    }
    // A sheet for every set the game lists, under the name its resource script links.
    for (const card_set& s : card_sets) {
        const art::card_set_art* cards = art::find_card_set(s.sheet_id);
        if (!cards) {
            std::fprintf(stderr, "artgen: no art for the card set \"%s\" (resource %d)\n", s.caption, s.sheet_id);
            return 1;
        }
        jobs.push_back({res + "/" + cards->file, [cards] { return art::card_sheet(*cards); }});
    }
    for (const job& j : jobs) {
        if (!art::write_bmp(j.path, j.make(), err)) {
            std::fprintf(stderr, "artgen: %s\n", err.c_str());
            return 1;
        }
    }
    if (!art::write_wav(res + "/click.wav", art::click_sound(22050), 22050, err)) {
        std::fprintf(stderr, "artgen: %s\n", err.c_str());
        return 1;
    }
    if (!art::write_icons(res + "/pairwick.ico", res + "/icons/pairwick-", err)) {
        std::fprintf(stderr, "artgen: %s\n", err.c_str());
        return 1;
    }
    return 0;
}
