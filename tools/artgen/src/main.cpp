// artgen: draws every picture and sound of Pairwick into a dist and a resource folder.
#include "art.h"
#include "cards.h"

#include "card_sets.h"

#include <cstdio>
#include <cstring>
#include <functional>
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

// The screens' headings, each a line: one function draws them all in the help title's style.
const art::title titles[] = {
    {"other/help_title.bmp", "Help", 160, 40, 32, false},
    {"other/options_title.bmp", "Options", 222, 40, 32, false},
    {"other/scores_title.bmp", "High Scores", 294, 40, 32, false},
    {"other/save_title.bmp", "Save game", 278, 40, 32, false},
    {"other/load_title.bmp", "Load game", 278, 40, 32, false},
    {"other/menu_title.bmp", "Pairwick", 360, 90, 64, true},
};

int usage() {
    std::fprintf(stderr, "usage: artgen <dist_dir> <res_dir> [--font PATH]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> pos;
    std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--font") == 0) {
            if (++i >= argc) return usage();
            font = argv[i];
        } else {
            pos.push_back(argv[i]);
        }
    }
    if (pos.size() != 2) return usage();
    const std::string dist = pos[0], res = pos[1];

    std::string err;
    if (!art::load_font(font, err)) {
        std::fprintf(stderr, "artgen: %s\n", err.c_str());
        return 1;
    }
    for (const char* sub : {"backgrounds", "info_bar", "animations", "cards", "other"})
        if (!make_dirs(dist + "/" + sub)) {
            std::fprintf(stderr, "artgen: cannot create %s/%s\n", dist.c_str(), sub);
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
        {dist + "/animations/next.bmp", art::anim_next},
        {dist + "/cards/hammer.bmp", art::cards_hammer},
        {dist + "/cards/dynamite.bmp", art::cards_dynamite},
    };
    for (const art::title& t : titles) {
        if (!art::title_fits(t, err)) {
            std::fprintf(stderr, "artgen: %s\n", err.c_str());
            return 1;
        }
        jobs.push_back({dist + "/" + t.file, [&t] { return art::draw_title(t); }});
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
