// The high-score screen: its background, the 87 glyph textures of its bitmap font, the
// on-screen keyboard whose keys sit under the game's key centres, and the selection marker.
#include "content/kit/image_files.hpp"
#include "content/screens/style.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace content::screens {

using art::hex;
using art::Rgba;

namespace {

// The characters of glyph textures 1..87, in the game's table order.
std::vector<std::string> glyphCharacters() {
    std::vector<std::string> g;
    for (char c = 'A'; c <= 'Z'; ++c)
        g.emplace_back(1, c);
    for (char c = 'a'; c <= 'z'; ++c)
        g.emplace_back(1, c);
    for (char c = '1'; c <= '9'; ++c)
        g.emplace_back(1, c);
    g.emplace_back("0");
    for (const char* s :
         {".", ":", ",", "-", "/", "\\", "*", "+", "'", "!", "?", "=", "(", ")", "<", ">", " "})
        g.emplace_back(s);
    for (const char* s : {"á", "ř", "ý", "č", "š", "ů", "í", "é"})
        g.emplace_back(s);
    return g;
}

art::TextStyle glyphStyle() {
    art::TextStyle t;
    t.face = titleFace;
    t.bold = true;
    t.size = 27;
    t.fill = hex(0xfff6e0);
    t.outline = hex(0x061a33);
    t.outlineWidth = 1.6;
    t.shadow = {0, 0, 0, 0.55};
    t.shadowOffset = 2;
    t.shadowBlur = 2;
    return t;
}

// Each glyph is exactly as wide as its character advances, plus a little room for the outline,
// and 40 high with one common baseline, so glyphs set side by side read as one line of text.
void writeGlyphs(const Context& ctx) {
    const std::vector<std::string> chars = glyphCharacters();
    const art::TextStyle t = glyphStyle();
    const double lineHeight = art::measureText("Ág", t).height;
    const double top = std::floor((40 - lineHeight) / 2) + 1;
    for (size_t i = 0; i < chars.size(); ++i) {
        const double advance = art::measureText(chars[i], t).width;
        const int w = std::max(10, static_cast<int>(std::lround(advance)) + 1);
        art::Surface s = art::makeSurface(w, 40);
        art::Context c = art::makeContext(s);
        if (chars[i] != " ")
            art::drawText(c.get(), chars[i], (w - advance) / 2, top, t);
        saveDds(s.get(), gfx(ctx, "game/screens/abc/" + std::to_string(i + 1) + ".dds"));
    }
}

void key(cairo_t* cr, double cx, double cy, const std::string& label, const Rgba& top,
         const Rgba& bottom, const Rgba& ink, double size = 16) {
    const double x = cx - 13, y = cy - 13;
    art::roundedRect(cr, x, y + 1.5, 26, 26, 5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    art::roundedRect(cr, x, y, 26, 26, 5);
    art::setLinear(cr, 0, y, 0, y + 26, {{0, top}, {1, bottom}});
    cairo_fill(cr);
    art::roundedRect(cr, x + 0.75, y + 0.75, 24.5, 24.5, 4.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    art::TextStyle t;
    t.face = label.size() == 1 ? titleFace : "DejaVu Sans";
    t.bold = true;
    t.size = size;
    t.fill = ink;
    art::drawTextCentered(cr, label, cx, cy, t);
}

// Keys centred on (30 · column + 105, row y − 594) of the 1024 × 124 picture drawn at y 594.
void writeKeyboard(const Context& ctx) {
    art::Surface s = art::makeSurface(1024, 124);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_rectangle(cr, 0, 0, 1024, 124);
    art::setLinear(cr, 0, 0, 0, 124,
                   {{0, hex(0x0b2d5b, 0.9)}, {0.5, hex(0x123e74, 0.92)}, {1, hex(0x061a33, 0.95)}});
    cairo_fill(cr);
    for (double y : {0.75, 123.25}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 1024, y);
        art::setLinear(cr, 0, 0, 1024, 0,
                       {{0, hex(0xf5b82e, 0)}, {0.5, hex(0xf5b82e, 0.9)}, {1, hex(0xf5b82e, 0)}});
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    const std::vector<std::string> chars = glyphCharacters();
    const Rgba keyTop = hex(0xfdfbf4), keyBottom = hex(0xd6dde8), ink = palette::navy;
    const double rows[3] = {607 - 594, 637 - 594, 667 - 594};
    for (int k = 1; k <= 78; ++k) {
        const int row = (k - 1) / 26, column = (k - 1) % 26 + 1;
        key(cr, 30 * column + 105, rows[row], chars[k - 1], keyTop, keyBottom, ink);
    }
    const double last = 702 - 594;
    key(cr, 30 * 13 + 105, last, "␣", keyTop, keyBottom, ink, 15);
    key(cr, 30 * 14 + 105, last, "⌫", hex(0xffd8d0), hex(0xe08a7a), hex(0x6a1010), 15);
    key(cr, 30 * 15 + 105, last, "✓", hex(0xd8ffd0), hex(0x7ac86a), hex(0x104a10), 17);
    // Hints at the free ends: arrows move the marker, Enter types.
    art::TextStyle hint;
    hint.face = "DejaVu Sans";
    hint.bold = true;
    hint.size = 20;
    hint.fill = {1, 1, 1, 0.75};
    art::drawTextCentered(cr, "↑", 60, 38, hint);
    art::drawTextCentered(cr, "← ↓ →", 60, 64, hint);
    art::drawTextCentered(cr, "↵", 960, 52, hint);
    hint.size = 12;
    hint.bold = false;
    art::drawTextCentered(cr, "Enter", 960, 78, hint);
    saveDds(s.get(), gfx(ctx, "game/screens/abc.dds"));
}

void writeSelection(const Context& ctx) {
    art::Surface s = art::makeSurface(36, 36);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    art::roundedRect(cr, 2.5, 2.5, 31, 31, 7);
    cairo_set_source_rgba(cr, 1, 0.8, 0.25, 0.35);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    art::roundedRect(cr, 3, 3, 30, 30, 6.5);
    art::setLinear(cr, 0, 3, 0, 33, {{0, hex(0xffe9a0)}, {1, hex(0xe88a1a)}});
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    saveDds(s.get(), gfx(ctx, "game/screens/selection.dds"));
}

void trophy(cairo_t* cr, double cx, double top) {
    const auto cup = [&](cairo_t* k) {
        cairo_move_to(k, cx - 95, top);
        cairo_line_to(k, cx + 95, top);
        cairo_curve_to(k, cx + 95, top + 120, cx + 55, top + 170, cx + 14, top + 185);
        cairo_line_to(k, cx + 14, top + 235);
        cairo_line_to(k, cx + 60, top + 262);
        cairo_line_to(k, cx + 60, top + 285);
        cairo_line_to(k, cx - 60, top + 285);
        cairo_line_to(k, cx - 60, top + 262);
        cairo_line_to(k, cx - 14, top + 235);
        cairo_line_to(k, cx - 14, top + 185);
        cairo_curve_to(k, cx - 55, top + 170, cx - 95, top + 120, cx - 95, top);
        cairo_close_path(k);
    };
    art::softShadow(cr, 6, 10, 10, {0, 0, 0, 0.5}, [&](cairo_t* k) {
        cup(k);
        cairo_fill(k);
    });
    // Handles, tucked under the bowl at both ends.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * 80, top + 22);
        cairo_curve_to(cr, cx + side * 150, top + 5, cx + side * 150, top + 120, cx + side * 62,
                       top + 125);
        art::setLinear(cr, 0, top, 0, top + 125, {{0, hex(0xffe28a)}, {1, hex(0xa86a08)}});
        cairo_set_line_width(cr, 13);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    cup(cr);
    art::setLinear(
        cr, cx - 95, 0, cx + 95, 0,
        {{0, hex(0x9a5a06)}, {0.3, hex(0xffe9a0)}, {0.55, hex(0xf5b82e)}, {1, hex(0x8a4a04)}});
    cairo_fill(cr);
    art::ellipse(cr, cx, top, 95, 12);
    art::setLinear(cr, 0, top - 12, 0, top + 12, {{0, hex(0x8a4a04)}, {1, hex(0xd08a18)}});
    cairo_fill(cr);
    // A star on the cup.
    cairo_save(cr);
    cairo_translate(cr, cx, top + 80);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? 15 : 36;
        if (i == 0)
            cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
        else
            cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
}

void writeBackground(const Context& ctx) {
    art::Surface s = art::makeSurface(1024, 768);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_rectangle(cr, 0, 0, 1024, 768);
    art::setLinear(cr, 0, 0, 0, 768,
                   {{0, hex(0x061a33)}, {0.55, hex(0x0f3c78)}, {1, hex(0x04101f)}});
    cairo_fill(cr);
    // Light from behind the trophy.
    cairo_rectangle(cr, 0, 0, 1024, 768);
    art::setRadial(cr, 850, 300, 20, 480,
                   {{0, hex(0xffd46a, 0.45)}, {0.4, hex(0xf5b82e, 0.12)}, {1, hex(0xf5b82e, 0)}});
    cairo_fill(cr);
    art::Random rnd(500);
    for (int i = 0; i < 160; ++i) {
        cairo_arc(cr, rnd.range(0, 1024), rnd.range(0, 560), rnd.range(0.4, 1.3), 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, rnd.range(0.2, 0.7));
        cairo_fill(cr);
    }
    for (int i = 0; i < 16; ++i)
        drawBubble(cr, rnd.range(700, 1000), rnd.range(40, 560), rnd.range(6, 26), 0.7);
    trophy(cr, 850, 170);
    drawFly(cr, 850, 130, 70, -15);
    // A calm strip where the press-Enter line sits.
    cairo_rectangle(cr, 0, 540, 1024, 60);
    art::setLinear(cr, 0, 540, 0, 600,
                   {{0, {1, 1, 1, 0}}, {0.5, {1, 1, 1, 0.06}}, {1, {1, 1, 1, 0}}});
    cairo_fill(cr);
    art::grain(s.get(), 0.02, 501);
    saveJpeg(s.get(), gfx(ctx, "game/screens/highscore.jpg"), 90);
}

} // namespace

void writeScoreScreenArt(const Context& ctx) {
    writeBackground(ctx);
    writeKeyboard(ctx);
    writeSelection(ctx);
    writeGlyphs(ctx);
}

} // namespace content::screens
