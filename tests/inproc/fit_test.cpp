#include "inproc/inproc.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/text.h"
#include "text/language.h"
#include "text/utf8.h"

// Every screen in every language the game carries, and in a pseudo-language whose every
// text is 40 % longer: no text runs outside its place, over another text or a button, or
// off the picture; no caption runs out of its button, at any scale; no button covers
// another.
namespace {
struct drawn_text {
    RECT box, drawn;
    std::string text;
};
std::vector<drawn_text> texts;

void remember(const RECT& box, const RECT& drawn, const char* utf8) {
    texts.push_back({box, drawn, utf8});
}

bool overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

std::string describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// How wide a window's text is in its own font, underline marks left out.
int caption_width(HWND control, HFONT font) {
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    std::wstring shown;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c == L'&' && c[1]) ++c;
        shown += *c;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ was = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, shown.data(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, was);
    DeleteDC(dc);
    return size.cx;
}

class Fit : public InProc {
protected:
    std::vector<std::string> faults;

    void fault(const std::string& where, const std::string& what) {
        faults.push_back("[" + (language_in_use().empty() ? std::string("en") : language_in_use()) +
                         "] " + where + ": " + what);
    }

    // One frame of the screen as it stands, every text and shown button measured.
    void check(const std::string& screen) {
        texts.clear();
        listen_to_text(remember);
        frame();
        listen_to_text(nullptr);
        const RECT picture = {0, 0, 800, 600};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const drawn_text& t = texts[i];
            if (t.drawn.left < t.box.left || t.drawn.right > t.box.right)
                fault(screen, "\"" + t.text + "\" " + describe(t.drawn) + " outside its place " +
                                  describe(t.box));
            RECT inside;
            if (!IntersectRect(&inside, &t.drawn, &picture) || !EqualRect(&inside, &t.drawn))
                fault(screen, "\"" + t.text + "\" off the picture");
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                if (overlap(t.drawn, texts[j].drawn))
                    fault(screen, "\"" + t.text + "\" over \"" + texts[j].text + "\"");
        }
        std::vector<const button*> shown;
        for (HWND c = GetWindow(game.window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const auto* b = reinterpret_cast<const button*>(GetWindowLongPtrW(c, GWLP_USERDATA));
            if (b && IsWindowVisible(c)) shown.push_back(b);
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const button& b = *shown[i];
            const RECT r = {b.x, b.y, b.x + b.width, b.y + b.height};
            char caption[256] = {};
            GetWindowTextA(b.hwnd, caption, sizeof caption);
            const std::string name = "button " + narrow(widen(caption));
            if (r.left < 0 || r.right > 800 || r.bottom > 600) fault(screen, name + " off the picture");
            // The caption at each scale, in the font the window letters it with there.
            for (int scale = 1; scale <= 3; ++scale) {
                const LOGFONTW face = game_font(scale);
                HFONT font = CreateFontIndirectW(&face);
                const int room = (b.width - (b.width_for_caption() - text_width_of(b))) * scale;
                if (caption_width(b.hwnd, font) > room)
                    fault(screen, name + " runs out of its button at scale " + std::to_string(scale));
                DeleteObject(font);
            }
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const button& o = *shown[j];
                if (overlap(r, {o.x, o.y, o.x + o.width, o.y + o.height}))
                    fault(screen, name + " over another button");
            }
            for (const drawn_text& t : texts)
                if (overlap(r, t.drawn)) fault(screen, "\"" + t.text + "\" under " + name);
        }
    }

    // The caption's own width at scale 1, so the room left for it is the button's less the
    // bevel or the radio circle.
    static int text_width_of(const button& b) {
        HFONT font = picture_font();
        return caption_width(b.hwnd, font);
    }

    void check_name_dialog() {
        for (int id : {id_name_label, id_name_ok, id_name_cancel}) {
            HWND control = GetDlgItem(game.name_dialog, id);
            RECT r;
            GetClientRect(control, &r);
            const HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            // A push button's edges and a little air.
            const int room = r.right - (id == id_name_label ? 0 : 8);
            if (caption_width(control, font) > room)
                fault("name dialog", "control " + std::to_string(id) + " too narrow");
        }
    }

    void every_screen() {
        // The menu as a game left for it shows it, Continue and all.
        game.screen = screen_menu;
        game.main_menu.can_continue = true;
        check("menu");
        game.main_menu.can_continue = false;
        command(id_options);
        check("options");
        command(id_back);
        command(id_help);
        check("help");
        // Play and the shop with the longest numbers the bar shows.
        command(id_new_game);
        game.points = 99999;
        game.level = 56;
        game.set_time(0, 59, 59);
        check("board");
        for (const auto& c : game.field.card) c->removed = true;
        frame();
        check("shop");
        game.in_shop = false;
        // The table with a result that waits, and its note.
        game.scores.unsaved_results.push_back({});
        game.screen = screen_high_scores;
        check("high scores");
        game.scores.unsaved_results.clear();
        // The slots: one saved in the random mode, one damaged, the rest empty.
        new_ordered_game();
        game.card_mode = random_card_mode;
        command(id_save_game);
        command(id_slot_1);
        std::ofstream("save2.dat", std::ios::binary) << "damaged";
        command(id_save_game);
        check("save");
        press(VK_ESCAPE);
        command(id_load_game);
        check("load");
        press(VK_ESCAPE);
        game.set_time(0, 0, 0);
        frame();
        check_name_dialog();
        ShowWindow(game.name_dialog, SW_HIDE);
        game.results_waiting.clear();
        DeleteFileA("save1.dat");
        DeleteFileA("save2.dat");
    }
};

TEST_F(Fit, EveryScreenInEveryLanguage) {
    std::vector<std::string> languages = {"en"};
    for (const std::string& tag : catalogue_tags()) languages.push_back(tag);
    ASSERT_NE(std::find(languages.begin(), languages.end(), "qps"), languages.end())
        << "the pseudo-language is missing";
    for (const std::string& tag : languages) {
        game.opts.language = tag;
        game.apply_language();
        main_view.layout_buttons(game.window);
        ASSERT_EQ(language_in_use(), tag == "en" ? "" : tag);
        every_screen();
    }
    game.opts.language.clear();
    game.apply_language();
    for (const std::string& f : faults) ADD_FAILURE() << f;
}
}  // namespace
