#include "art.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace art {

image::image(int w_, int h_, uint8_t r, uint8_t g, uint8_t b) : w(w_), h(h_), px(size_t(w_) * h_ * 3) {
    for (size_t i = 0; i < px.size(); i += 3) { px[i] = r; px[i + 1] = g; px[i + 2] = b; }
}

void image::blit(const image& src, int dx, int dy) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            int tx = dx + x, ty = dy + y;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h) continue;
            std::memcpy(at(tx, ty), src.at(x, y), 3);
        }
}

canvas::canvas(int w_, int h_) : w(w_), h(h_) {
    surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr = cairo_create(surf);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
}

canvas::~canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surf);
}

image canvas::opaque() const {
    cairo_surface_flush(surf);
    image img(w, h);
    const uint8_t* data = cairo_image_surface_get_data(surf);
    int stride = cairo_image_surface_get_stride(surf);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            uint8_t* d = img.at(x, y);
            d[0] = (p >> 16) & 255; d[1] = (p >> 8) & 255; d[2] = p & 255;
        }
    return img;
}

unsigned canvas::alpha(int x, int y) const {
    const uint8_t* data = cairo_image_surface_get_data(surf);
    uint32_t p;
    std::memcpy(&p, data + y * cairo_image_surface_get_stride(surf) + x * 4, 4);
    return p >> 24;
}

image canvas::keyed(key k) const {
    cairo_surface_flush(surf);
    image img(w, h);
    const uint8_t* data = cairo_image_surface_get_data(surf);
    int stride = cairo_image_surface_get_stride(surf);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            unsigned a = p >> 24;
            uint8_t* d = img.at(x, y);
            // Colour keys are all-or-nothing: a half-covered edge pixel either keeps the
            // shape's own (un-premultiplied) colour or becomes key, so no pale fringe of
            // blended key colour is left over dark backgrounds.
            if (a < 128) {
                if (k == key::green) { d[0] = 0; d[1] = 255; d[2] = 0; }
                else { d[0] = d[1] = d[2] = 255; }
                continue;
            }
            unsigned c[3] = {(p >> 16) & 255, (p >> 8) & 255, p & 255};
            for (unsigned& v : c) v = std::min(255u, (v * 255 + a / 2) / a);
            if (k == key::white) {
                // 16-bit displays merge everything >= 248 into the key; keep a margin.
                for (unsigned& v : c) v = std::min(v, 240u);
            } else if (k == key::green) {
                if (c[0] < 8 && c[1] >= 248 && c[2] < 8) c[1] = 232;
            }
            d[0] = uint8_t(c[0]); d[1] = uint8_t(c[1]); d[2] = uint8_t(c[2]);
        }
    return img;
}

rgb mix(rgb a, rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
rgb shade(rgb c, double f) {
    if (f <= 1) return {c.r * f, c.g * f, c.b * f};
    return mix(c, {1, 1, 1}, std::min(1.0, f - 1));
}

void set(cairo_t* cr, rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

void rrect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, int n, double ro, double ri, double rot) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * n; ++i) {
        double a = rot - M_PI / 2 + i * M_PI / n;
        double r = (i & 1) ? ri : ro;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

cairo_pattern_t* lin(double x0, double y0, double x1, double y1, rgb a, rgb b) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    return p;
}

cairo_pattern_t* rad(double cx, double cy, double r, rgb in, rgb out) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(p, 0, in.r, in.g, in.b);
    cairo_pattern_add_color_stop_rgb(p, 1, out.r, out.g, out.b);
    return p;
}

void fill_pat(cairo_t* cr, cairo_pattern_t* p, bool preserve) {
    cairo_set_source(cr, p);
    if (preserve) cairo_fill_preserve(cr); else cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void fill_grad_outline(cairo_t* cr, double y0, double y1, rgb top, rgb bottom, rgb line, double lw) {
    fill_pat(cr, lin(0, y0, 0, y1, top, bottom), true);
    set(cr, line);
    cairo_set_line_width(cr, lw);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

static FT_Library g_ft = nullptr;
static FT_Face g_face = nullptr;
static cairo_font_face_t* g_cface = nullptr;

bool load_font(const std::string& path, std::string& err) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) { err = "font not found: " + path; return false; }
    std::fclose(f);
    if (FT_Init_FreeType(&g_ft)) { err = "FreeType init failed"; return false; }
    if (FT_New_Face(g_ft, path.c_str(), 0, &g_face)) { err = "cannot load font: " + path; return false; }
    g_cface = cairo_ft_font_face_create_for_ft_face(g_face, 0);
    if (cairo_font_face_status(g_cface) != CAIRO_STATUS_SUCCESS) { err = "cairo font face failed"; return false; }
    return true;
}

void use_font(cairo_t* cr, double size) {
    cairo_set_font_face(cr, g_cface);
    cairo_set_font_size(cr, size);
    // Unhinted outlines: glyph shapes do not depend on the FreeType hinter's version.
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

std::string missing_letter(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = s[i];
        const size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return "\xef\xbf\xbd";
        uint32_t c = n == 1 ? b : b & (0x7f >> n);
        for (size_t k = 1; k < n; ++k) {
            if ((s[i + k] & 0xc0) != 0x80) return "\xef\xbf\xbd";
            c = (c << 6) | (s[i + k] & 0x3f);
        }
        if (c >= 0x20 && FT_Get_Char_Index(g_face, c) == 0) return s.substr(i, n);
        i += n;
    }
    return "";
}

void paint_image(cairo_t* cr, const image& img, double x, double y) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, img.w, img.h);
    cairo_surface_flush(s);
    uint8_t* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int r = 0; r < img.h; ++r)
        for (int c = 0; c < img.w; ++c) {
            const uint8_t* p = img.at(c, r);
            const uint32_t v = 0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
            std::memcpy(data + r * stride + c * 4, &v, 4);
        }
    cairo_surface_mark_dirty(s);
    cairo_set_source_surface(cr, s, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(s);
}

void text_path_centered(cairo_t* cr, const std::string& s, double cx, double cy, double size) {
    use_font(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
    cairo_text_path(cr, s.c_str());
}

void fancy_text(cairo_t* cr, const std::string& s, double cx, double cy, double size, rgb top,
                rgb bottom, rgb outline, double lw, bool shadow) {
    cairo_save(cr);
    cairo_new_path(cr);
    if (shadow) {
        text_path_centered(cr, s, cx + size * 0.05, cy + size * 0.07, size);
        set(cr, {0, 0, 0}, 0.45);
        cairo_set_line_width(cr, lw * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    text_path_centered(cr, s, cx, cy, size);
    set(cr, outline);
    cairo_set_line_width(cr, lw * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    fill_pat(cr, lin(0, cy - size * 0.4, 0, cy + size * 0.4, top, bottom));
    cairo_restore(cr);
}

static void put16(std::vector<uint8_t>& b, uint32_t v) { b.push_back(v & 255); b.push_back((v >> 8) & 255); }
static void put32(std::vector<uint8_t>& b, uint32_t v) { put16(b, v & 0xffff); put16(b, v >> 16); }

static bool write_file(const std::string& path, const std::vector<uint8_t>& b, std::string& err) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) { err = "cannot write " + path; return false; }
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) err = "write failed: " + path;
    return ok;
}

bool write_bmp(const std::string& path, const image& img, std::string& err) {
    const uint32_t row = (uint32_t(img.w) * 3 + 3) & ~3u;
    const uint32_t data = row * img.h;
    std::vector<uint8_t> b;
    b.reserve(54 + data);
    b.push_back('B'); b.push_back('M');
    put32(b, 54 + data); put32(b, 0); put32(b, 54);
    put32(b, 40); put32(b, img.w); put32(b, img.h);
    put16(b, 1); put16(b, 24); put32(b, 0 /* BI_RGB */); put32(b, data);
    put32(b, 2835); put32(b, 2835); put32(b, 0); put32(b, 0);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            const uint8_t* p = img.at(x, y);
            b.push_back(p[2]); b.push_back(p[1]); b.push_back(p[0]);
        }
        for (uint32_t i = uint32_t(img.w) * 3; i < row; ++i) b.push_back(0);
    }
    return write_file(path, b, err);
}

bool write_wav(const std::string& path, const std::vector<uint8_t>& s, int rate, std::string& err) {
    std::vector<uint8_t> b;
    auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    tag("RIFF"); put32(b, 36 + uint32_t(s.size())); tag("WAVE");
    tag("fmt "); put32(b, 16); put16(b, 1); put16(b, 1); put32(b, rate); put32(b, rate);
    put16(b, 1); put16(b, 8);
    tag("data"); put32(b, uint32_t(s.size()));
    b.insert(b.end(), s.begin(), s.end());
    if (s.size() & 1) b.push_back(0x80);
    return write_file(path, b, err);
}

}  // namespace art
