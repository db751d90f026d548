#include "content/screens/style.hpp"

#include <cmath>

namespace content::screens {

using art::Rgba;

art::TextStyle menuTextStyle(double size) {
    art::TextStyle s;
    s.face = titleFace;
    s.bold = true;
    s.size = size;
    s.fill = {1, 1, 1, 1};
    s.outline = art::hex(0x06162c, 0.55);
    s.outlineWidth = 1.2;
    s.shadow = {0, 0, 0, 0.7};
    s.shadowOffset = 2;
    s.shadowBlur = 3;
    return s;
}

void glassPanel(cairo_t* cr, double x, double y, double w, double h, double radius,
                const Rgba& body, double shadowAlpha) {
    if (shadowAlpha > 0)
        art::softShadow(cr, 0, 4, 7, {0, 0, 0, shadowAlpha}, [&](cairo_t* lc) {
            art::roundedRect(lc, x, y, w, h, radius);
            cairo_fill(lc);
        });
    art::roundedRect(cr, x, y, w, h, radius);
    art::setLinear(cr, 0, y, 0, y + h,
                   {{0, art::lighter(body, 0.18)}, {0.5, body}, {1, art::darker(body, 0.35)}});
    cairo_fill(cr);
    // Sheen on the upper half.
    cairo_save(cr);
    art::roundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    art::ellipse(cr, x + w / 2, y - h * 0.55, w * 0.75, h * 0.95);
    art::setLinear(cr, 0, y, 0, y + h * 0.4, {{0, {1, 1, 1, 0.22}}, {1, {1, 1, 1, 0.02}}});
    cairo_fill(cr);
    cairo_restore(cr);
    // Rim: light on top, darker below.
    art::roundedRect(cr, x + 1, y + 1, w - 2, h - 2, radius - 1);
    art::setLinear(cr, 0, y, 0, y + h, {{0, {1, 1, 1, 0.55}}, {1, {1, 1, 1, 0.12}}});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void choiceButton(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                  bool selected) {
    const double r = h / 2;
    if (selected) {
        art::softShadow(cr, 0, 0, 6, art::hex(0xffd46a, 0.9), [&](cairo_t* lc) {
            art::roundedRect(lc, x, y, w, h, r);
            cairo_fill(lc);
        });
        art::roundedRect(cr, x, y, w, h, r);
        art::setLinear(cr, 0, y, 0, y + h,
                       {{0, art::hex(0xffe7a0)}, {0.5, palette::honey}, {1, palette::amber}});
        cairo_fill(cr);
    } else {
        art::roundedRect(cr, x, y, w, h, r);
        art::setLinear(cr, 0, y, 0, y + h,
                       {{0, art::hex(0x2a5d99, 0.92)}, {1, art::hex(0x0d2a52, 0.92)}});
        cairo_fill(cr);
    }
    art::roundedRect(cr, x + 1, y + 1, w - 2, h - 2, r - 1);
    art::setColor(cr, selected ? Rgba{1, 1, 1, 0.8} : Rgba{1, 1, 1, 0.35});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Gloss over the upper half.
    art::roundedRect(cr, x + 4, y + 2, w - 8, h * 0.45, r * 0.8);
    art::setLinear(cr, 0, y, 0, y + h * 0.5, {{0, {1, 1, 1, 0.35}}, {1, {1, 1, 1, 0.0}}});
    cairo_fill(cr);

    art::TextStyle t;
    t.face = titleFace;
    t.bold = true;
    t.size = h * 0.42;
    if (selected) {
        t.fill = art::hex(0x3a1d00);
        t.shadow = {1, 1, 1, 0.45};
        t.shadowOffset = 1;
        t.shadowBlur = 1;
    } else {
        t.fill = art::hex(0xe8f0ff);
        t.shadow = {0, 0, 0, 0.6};
        t.shadowOffset = 1;
        t.shadowBlur = 2;
    }
    // Long labels shrink to fit the button.
    art::TextSize m = art::measureText(label, t);
    if (m.width > w - 14)
        t.size *= (w - 14) / m.width;
    art::drawTextCentered(cr, label, x + w / 2, y + h / 2, t);
}

namespace {

void wing(cairo_t* cr, double side, double spread, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, side * 0.08, -0.08);
    cairo_rotate(cr, -side * spread); // wings fan outwards, away from the body
    art::ellipse(cr, side * 0.05, 0.27, 0.115, 0.32);
    art::setLinear(cr, 0, -0.1, 0, 0.6,
                   {{0, {0.92, 0.97, 1, 0.6 * alpha}}, {1, {0.75, 0.85, 0.97, 0.25 * alpha}}});
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.2, 0.25, 0.35, 0.55 * alpha);
    cairo_set_line_width(cr, 0.012);
    cairo_stroke(cr);
    // Veins.
    cairo_set_source_rgba(cr, 0.25, 0.3, 0.4, 0.35 * alpha);
    cairo_set_line_width(cr, 0.008);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, side * 0.0, 0.0);
        cairo_curve_to(cr, side * (0.03 + i * 0.05), 0.2, side * (0.05 + i * 0.07), 0.4,
                       side * (0.05 + i * 0.06), 0.56);
        cairo_stroke(cr);
    }
    // Sheen.
    art::ellipse(cr, side * 0.01, 0.16, 0.04, 0.12);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.4 * alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

void legs(cairo_t* cr, double reach, double width, const Rgba& color) {
    art::setColor(cr, color);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double ys[3] = {-0.12, -0.04, 0.04};
    const double bends[3] = {-0.22, 0.0, 0.2};
    for (int i = 0; i < 3; ++i)
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, side * 0.06, ys[i]);
            cairo_line_to(cr, side * reach * 0.6, ys[i] + bends[i] * 0.4);
            cairo_line_to(cr, side * reach, ys[i] + bends[i]);
            cairo_stroke(cr);
        }
}

} // namespace

void drawFly(cairo_t* cr, double cx, double cy, double size, double angleDeg, double wingOpen) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angleDeg * M_PI / 180);
    cairo_scale(cr, size, size);
    art::softShadow(cr, size * 0.05, size * 0.08, std::max(2, static_cast<int>(size * 0.06)),
                    {0, 0, 0, 0.35}, [&](cairo_t* lc) {
                        art::ellipse(lc, 0, 0.02, 0.22, 0.45);
                        cairo_fill(lc);
                    });
    legs(cr, 0.32, 0.025, art::hex(0x1a1a1a));
    // Abdomen: metallic green-blue with segment bands.
    art::ellipse(cr, 0, 0.2, 0.2, 0.27);
    art::setRadial2(cr, -0.06, 0.1, 0.01, 0, 0.2, 0.3,
                    {{0, art::hex(0x9fe3c0)}, {0.35, art::hex(0x2f8f7a)}, {1, art::hex(0x0d2630)}});
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_set_line_width(cr, 0.015);
    for (int i = 1; i <= 3; ++i) {
        cairo_move_to(cr, -0.18, 0.05 + i * 0.09);
        cairo_curve_to(cr, -0.06, 0.09 + i * 0.09, 0.06, 0.09 + i * 0.09, 0.18, 0.05 + i * 0.09);
        cairo_stroke(cr);
    }
    // Thorax.
    art::ellipse(cr, 0, -0.08, 0.17, 0.15);
    art::setRadial2(cr, -0.05, -0.13, 0.01, 0, -0.08, 0.18,
                    {{0, art::hex(0x7d8590)}, {0.5, art::hex(0x3a3f48)}, {1, art::hex(0x15181d)}});
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, 0.02);
    for (double x : {-0.05, 0.05}) {
        cairo_move_to(cr, x, -0.2);
        cairo_line_to(cr, x, 0.0);
        cairo_stroke(cr);
    }
    wing(cr, -1, 0.45 * wingOpen + 0.12, 1);
    wing(cr, 1, 0.45 * wingOpen + 0.12, 1);
    // Head with two large red eyes.
    art::ellipse(cr, 0, -0.3, 0.16, 0.1);
    art::setColor(cr, art::hex(0x24211f));
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        art::ellipse(cr, side * 0.11, -0.33, 0.095, 0.11);
        art::setRadial2(
            cr, side * 0.09, -0.37, 0.005, side * 0.11, -0.33, 0.11,
            {{0, art::hex(0xffb39a)}, {0.3, art::hex(0xd8402c)}, {1, art::hex(0x5a0d0a)}});
        cairo_fill(cr);
        art::ellipse(cr, side * 0.085, -0.37, 0.025, 0.02);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawWasp(cairo_t* cr, double cx, double cy, double size, double angleDeg) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angleDeg * M_PI / 180);
    cairo_scale(cr, size, size);
    art::softShadow(cr, size * 0.05, size * 0.08, std::max(2, static_cast<int>(size * 0.05)),
                    {0, 0, 0, 0.35}, [&](cairo_t* lc) {
                        art::ellipse(lc, 0, 0.05, 0.16, 0.45);
                        cairo_fill(lc);
                    });
    legs(cr, 0.26, 0.018, art::hex(0x2a2200));
    // Abdomen: a pointed drop with black and yellow bands.
    cairo_save(cr);
    cairo_move_to(cr, 0, 0.02);
    cairo_curve_to(cr, 0.2, 0.04, 0.18, 0.32, 0, 0.5);
    cairo_curve_to(cr, -0.18, 0.32, -0.2, 0.04, 0, 0.02);
    cairo_close_path(cr);
    cairo_clip_preserve(cr);
    art::setColor(cr, art::hex(0xf2c40f));
    cairo_fill(cr);
    art::setColor(cr, art::hex(0x17130a));
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, -0.3, 0.1 + i * 0.1, 0.6, 0.045);
        cairo_fill(cr);
    }
    art::ellipse(cr, -0.05, 0.16, 0.05, 0.12);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
    cairo_fill(cr);
    cairo_restore(cr);
    // Thorax.
    art::ellipse(cr, 0, -0.1, 0.11, 0.12);
    art::setRadial2(cr, -0.03, -0.14, 0.01, 0, -0.1, 0.13,
                    {{0, art::hex(0x6b5a2a)}, {1, art::hex(0x15110a)}});
    cairo_fill(cr);
    // Narrow wings lying back.
    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, side * 0.05, -0.12);
        cairo_rotate(cr, -side * 0.32);
        art::ellipse(cr, side * 0.03, 0.22, 0.07, 0.28);
        cairo_set_source_rgba(cr, 0.85, 0.8, 0.6, 0.5);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 0.2, 0.15, 0.05, 0.5);
        cairo_set_line_width(cr, 0.01);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // Head, eyes, antennae.
    art::ellipse(cr, 0, -0.28, 0.1, 0.08);
    art::setColor(cr, art::hex(0xe8b80c));
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
        art::ellipse(cr, side * 0.07, -0.3, 0.045, 0.07);
        art::setColor(cr, art::hex(0x100c05));
        cairo_fill(cr);
        cairo_move_to(cr, side * 0.03, -0.35);
        cairo_curve_to(cr, side * 0.05, -0.45, side * 0.1, -0.5, side * 0.14, -0.52);
        cairo_set_line_width(cr, 0.018);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void drawBubble(cairo_t* cr, double cx, double cy, double r, double alpha) {
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    art::setRadial(cr, cx, cy, 0, r,
                   {{0, {0.75, 0.9, 1, 0.06 * alpha}},
                    {0.7, {0.7, 0.88, 1, 0.16 * alpha}},
                    {0.92, {0.85, 0.95, 1, 0.45 * alpha}},
                    {1, {1, 1, 1, 0.75 * alpha}}});
    cairo_fill(cr);
    // Iridescent film: a pink and a green tint on opposite sides of the rim.
    cairo_set_line_width(cr, std::max(1.0, r * 0.06));
    cairo_arc(cr, cx, cy, r * 0.94, M_PI * 0.1, M_PI * 0.8);
    cairo_set_source_rgba(cr, 1, 0.55, 0.85, 0.35 * alpha);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.94, M_PI * 1.1, M_PI * 1.7);
    cairo_set_source_rgba(cr, 0.5, 1, 0.7, 0.3 * alpha);
    cairo_stroke(cr);
    // Window highlight and a small counter-light.
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.38, cy - r * 0.42);
    cairo_rotate(cr, -0.7);
    art::ellipse(cr, 0, 0, r * 0.3, r * 0.16);
    cairo_restore(cr);
    art::setRadial(cr, cx - r * 0.38, cy - r * 0.42, 0, r * 0.3,
                   {{0, {1, 1, 1, 0.95 * alpha}}, {1, {1, 1, 1, 0.1 * alpha}}});
    cairo_fill(cr);
    cairo_arc(cr, cx + r * 0.45, cy + r * 0.45, r * 0.08, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6 * alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

void vignette(cairo_t* cr, int w, int h, double strength, const Rgba& color) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    const double r = std::hypot(w, h) / 2;
    art::setRadial(
        cr, w / 2.0, h / 2.0, r * 0.45, r * 1.05,
        {{0, {color.r, color.g, color.b, 0}}, {1, {color.r, color.g, color.b, strength}}});
    cairo_fill(cr);
    cairo_restore(cr);
}

std::filesystem::path gfx(const Context& ctx, const std::string& relative) {
    return ctx.root / "gfx" / relative;
}

} // namespace content::screens
