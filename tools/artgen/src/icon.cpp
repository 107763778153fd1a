// The program's icon: a card back with a matched pair fanned over it, in the
// colours of the game's own cards, drawn afresh at every size rather than scaled,
// so the small sizes keep whole-pixel lines.
#include "art.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace art {

namespace {

// One card of the icon, drawn in a 100x140 box centred on the origin.
void icon_card(cairo_t* cr, double px, bool face, bool tiny) {
    const double w = 100, h = 140, r = 12;
    // Outlines at least one device pixel wide, or they vanish at 16 px.
    const double line = std::max(4.0, 1.0 / px);
    rrect(cr, -w / 2, -h / 2, w, h, r);
    if (face) {
        fill_pat(cr, lin(0, -h / 2, 0, h / 2, hex(0xfbf6e6), pal::cream_dark), true);
    } else {
        cairo_pattern_t* p = cairo_pattern_create_radial(0, -10, 5, 0, 0, 90);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.24, 0.36, 0.62);
        cairo_pattern_add_color_stop_rgb(p, 0.6, pal::navy.r, pal::navy.g, pal::navy.b);
        cairo_pattern_add_color_stop_rgb(p, 1, pal::navy_dark.r, pal::navy_dark.g, pal::navy_dark.b);
        fill_pat(cr, p, true);
    }
    set(cr, pal::ink);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
    if (!tiny) {
        // The gold inner frame every card of the game carries.
        rrect(cr, -w / 2 + 9, -h / 2 + 9, w - 18, h - 18, 7);
        set(cr, face ? pal::gold_dark : pal::gold);
        cairo_set_line_width(cr, std::max(3.0, 1.0 / px));
        cairo_stroke(cr);
    }
    if (face) {
        // One bold motif, the same on both faces: the pair is the point of the game.
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 38);
        cairo_curve_to(cr, -52, 2, -34, -46, 0, -20);
        cairo_curve_to(cr, 34, -46, 52, 2, 0, 38);
        cairo_close_path(cr);
        fill_pat(cr, lin(0, -40, 0, 40, hex(0xe8584a), hex(0x9c2418)), true);
        set(cr, hex(0x5a120c));
        cairo_set_line_width(cr, std::max(3.0, 1.0 / px));
        cairo_stroke(cr);
    } else if (!tiny) {
        star(cr, 0, 0, 4, 34, 10, 0);
        fill_pat(cr, lin(-30, -30, 30, 30, hex(0xfff0b8), pal::gold));
    }
}

}  // namespace

void draw_icon(cairo_t* cr, int size) {
    const double s = size / 256.0;
    const bool tiny = size <= 16;
    cairo_save(cr);
    cairo_scale(cr, s, s);
    // Larger cards at the small sizes, where the fan would leave too little of each.
    const double k = tiny ? 1.24 : 1.2;
    struct place { double x, y, angle; bool face; };
    const place cards[3] = {
        {128, 96, 0.04, false},  // the back, behind
        {80, 152, -0.24, true},
        {176, 152, 0.22, true},
    };
    for (const place& c : cards) {
        cairo_save(cr);
        cairo_translate(cr, c.x, c.y);
        cairo_rotate(cr, c.angle);
        cairo_scale(cr, k, k);
        icon_card(cr, s * k, c.face, tiny);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

namespace {

cairo_status_t append_png(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

void put16(std::vector<uint8_t>& b, uint32_t v) { b.push_back(v & 255); b.push_back((v >> 8) & 255); }
void put32(std::vector<uint8_t>& b, uint32_t v) { put16(b, v & 0xffff); put16(b, v >> 16); }

// The classic icon image: a 32-bit DIB of double height (colour, then the AND mask).
std::vector<uint8_t> dib_entry(cairo_surface_t* surf, int n) {
    cairo_surface_flush(surf);
    const uint8_t* data = cairo_image_surface_get_data(surf);
    const int stride = cairo_image_surface_get_stride(surf);
    const uint32_t mask_row = ((n + 31) / 32) * 4;
    std::vector<uint8_t> b;
    put32(b, 40); put32(b, n); put32(b, 2 * n);
    put16(b, 1); put16(b, 32); put32(b, 0);
    put32(b, n * n * 4 + mask_row * n);
    put32(b, 0); put32(b, 0); put32(b, 0); put32(b, 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            unsigned a = p >> 24;
            unsigned c[3] = {p & 255, (p >> 8) & 255, (p >> 16) & 255};  // b, g, r
            for (unsigned& v : c) v = a ? std::min(255u, (v * 255 + a / 2) / a) : 0;
            b.push_back(uint8_t(c[0])); b.push_back(uint8_t(c[1])); b.push_back(uint8_t(c[2]));
            b.push_back(uint8_t(a));
        }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(mask_row, 0);
        for (int x = 0; x < n; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            if ((p >> 24) == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

}  // namespace

bool write_icons(const std::string& ico_path, const std::string& png_prefix, std::string& err) {
    const int sizes[] = {16, 32, 48, 256};
    std::vector<std::vector<uint8_t>> entries;
    for (int n : sizes) {
        canvas c(n, n);
        draw_icon(c.cr, n);
        std::vector<uint8_t> png;
        if (cairo_surface_write_to_png_stream(c.surf, append_png, &png) != CAIRO_STATUS_SUCCESS) {
            err = "cannot encode the icon as PNG";
            return false;
        }
        const std::string path = png_prefix + std::to_string(n) + ".png";
        FILE* f = std::fopen(path.c_str(), "wb");
        bool ok = f && std::fwrite(png.data(), 1, png.size(), f) == png.size();
        ok = f && (std::fclose(f) == 0) && ok;
        if (!ok) { err = "cannot write " + path; return false; }
        // 256 px is stored as PNG, as Windows expects; the small sizes as DIBs, which
        // every reader of icons understands.
        entries.push_back(n == 256 ? png : dib_entry(c.surf, n));
    }
    std::vector<uint8_t> b;
    put16(b, 0); put16(b, 1); put16(b, uint32_t(entries.size()));
    uint32_t offset = 6 + 16 * uint32_t(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const int n = sizes[i];
        b.push_back(uint8_t(n >= 256 ? 0 : n)); b.push_back(uint8_t(n >= 256 ? 0 : n));
        b.push_back(0); b.push_back(0);
        put16(b, 1); put16(b, 32);
        put32(b, uint32_t(entries[i].size())); put32(b, offset);
        offset += uint32_t(entries[i].size());
    }
    for (const auto& e : entries) b.insert(b.end(), e.begin(), e.end());
    FILE* f = std::fopen(ico_path.c_str(), "wb");
    bool ok = f && std::fwrite(b.data(), 1, b.size(), f) == b.size();
    ok = f && (std::fclose(f) == 0) && ok;
    if (!ok) { err = "cannot write " + ico_path; return false; }
    return true;
}

}  // namespace art
