#include "content/gameplay/map_painting.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace content::gameplay {
namespace {

using art::hex;
using art::Random;
using art::Rgba;

struct Bounds {
    double x0, y0, x1, y1;
};

Bounds boundsOf(const Shape& s) {
    switch (s.kind) {
    case Shape::Kind::Box:
        return {s.x, s.y, s.x + s.w, s.y + s.h};
    case Shape::Kind::Disc:
        return {s.x - s.radius, s.y - s.radius, s.x + s.radius, s.y + s.radius};
    case Shape::Kind::Polygon: {
        Bounds b{1e9, 1e9, -1e9, -1e9};
        for (const Point& p : s.points)
            b = {std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x),
                 std::max(b.y1, p.y)};
        return b;
    }
    }
    return {0, 0, 0, 0};
}

Rgba vary(Random& r, const Rgba& c, double amount) {
    const double d = r.range(-amount, amount);
    return {std::clamp(c.r + d, 0.0, 1.0), std::clamp(c.g + d, 0.0, 1.0),
            std::clamp(c.b + d, 0.0, 1.0), c.a};
}

// ---- materials: each paints inside the clip set to the shape ----

void paintStone(cairo_t* cr, const Bounds& b, Random& r, const Rgba& base) {
    art::setColor(cr, art::darker(base, 0.45));
    cairo_paint(cr);
    for (double y = b.y0 - r.range(0, 30); y < b.y1; y += 38) {
        double x = b.x0 - r.range(0, 60);
        while (x < b.x1) {
            const double w = r.range(48, 100);
            art::roundedRect(cr, x + 2, y + 2, w - 4, 34, 5);
            const Rgba c = vary(r, base, 0.07);
            art::setLinear(cr, 0, y, 0, y + 38,
                           {{0, art::lighter(c, 0.12)}, {1, art::darker(c, 0.12)}});
            cairo_fill(cr);
            x += w;
        }
    }
}

void paintBrick(cairo_t* cr, const Bounds& b, Random& r) {
    art::setColor(cr, hex(0xb9ab98));
    cairo_paint(cr);
    int row = 0;
    for (double y = b.y0; y < b.y1; y += 22, ++row) {
        for (double x = b.x0 - (row % 2 ? 24 : 0); x < b.x1; x += 48) {
            const Rgba c = vary(r, hex(0xa5482e), 0.06);
            art::roundedRect(cr, x + 2, y + 2, 44, 18, 2);
            art::setLinear(cr, 0, y, 0, y + 22,
                           {{0, art::lighter(c, 0.1)}, {1, art::darker(c, 0.15)}});
            cairo_fill(cr);
        }
    }
}

void woodGrain(cairo_t* cr, double x0, double y0, double x1, double y1, Random& r, bool vertical) {
    cairo_set_line_width(cr, 1.2);
    const int lines = static_cast<int>((vertical ? x1 - x0 : y1 - y0) / 5);
    for (int i = 0; i < lines; ++i) {
        const double t = r.range(0, 1);
        art::setColor(cr, {0.2, 0.1, 0.03, r.range(0.1, 0.3)});
        if (vertical) {
            const double x = x0 + t * (x1 - x0);
            cairo_move_to(cr, x, y0);
            for (double y = y0; y < y1; y += 20)
                cairo_line_to(cr, x + std::sin(y * 0.03 + i) * 1.5, y);
        } else {
            const double y = y0 + t * (y1 - y0);
            cairo_move_to(cr, x0, y);
            for (double x = x0; x < x1; x += 20)
                cairo_line_to(cr, x, y + std::sin(x * 0.03 + i) * 1.5);
        }
        cairo_stroke(cr);
    }
}

void paintPlanks(cairo_t* cr, const Bounds& b, Random& r, const Rgba& base) {
    art::setColor(cr, art::darker(base, 0.6));
    cairo_paint(cr);
    for (double x = b.x0; x < b.x1; x += 36) {
        const Rgba c = vary(r, base, 0.06);
        cairo_rectangle(cr, x + 1.5, b.y0, 33, b.y1 - b.y0);
        art::setLinear(cr, x, 0, x + 36, 0,
                       {{0, art::lighter(c, 0.1)}, {0.5, c}, {1, art::darker(c, 0.15)}});
        cairo_fill(cr);
        woodGrain(cr, x + 3, b.y0, x + 33, b.y1, r, true);
        art::setColor(cr, hex(0x2a2a2a, 0.8));
        for (double ny : {b.y0 + 26, b.y1 - 26}) {
            cairo_arc(cr, x + 18, ny, 2.2, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
}

void paintRock(cairo_t* cr, const Bounds& b, Random& r, const Rgba& base, bool moss) {
    const double w = b.x1 - b.x0, h = b.y1 - b.y0;
    art::setRadial2(cr, b.x0 + w * 0.35, b.y0 + h * 0.3, 0, b.x0 + w * 0.5, b.y0 + h * 0.5,
                    std::max(w, h) * 0.75,
                    {{0, art::lighter(base, 0.25)}, {0.6, base}, {1, art::darker(base, 0.45)}});
    cairo_paint(cr);
    // Facets: a few soft planes give the boulder some form.
    for (int i = 0; i < 14; ++i) {
        const double cx = r.range(b.x0, b.x1), cy = r.range(b.y0, b.y1);
        const double rad = r.range(20, 60);
        cairo_move_to(cr, cx, cy - rad);
        cairo_line_to(cr, cx + rad * r.range(0.6, 1.1), cy + r.range(-10, 10));
        cairo_line_to(cr, cx + r.range(-10, 10), cy + rad);
        cairo_line_to(cr, cx - rad * r.range(0.6, 1.1), cy + r.range(-10, 10));
        cairo_close_path(cr);
        art::setColor(cr, r.uniform() < 0.5 ? Rgba{1, 1, 1, 0.06} : Rgba{0, 0, 0, 0.08});
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 7; ++i) {
        double x = r.range(b.x0, b.x1), y = r.range(b.y0, b.y1);
        cairo_move_to(cr, x, y);
        for (int k = 0; k < 5; ++k) {
            x += r.range(-18, 18);
            y += r.range(4, 18);
            cairo_line_to(cr, x, y);
        }
        art::setColor(cr, {0.1, 0.08, 0.06, 0.45});
        cairo_stroke(cr);
    }
    if (moss)
        for (int i = 0; i < 160; ++i) {
            const double x = r.range(b.x0, b.x1);
            const double y = b.y0 + h * std::pow(r.uniform(), 2.2) * 0.6;
            art::setColor(cr, vary(r, hex(0x5d7d2c, 0.55), 0.08));
            art::ellipse(cr, x, y, r.range(3, 9), r.range(2, 5));
            cairo_fill(cr);
        }
}

void paintHedge(cairo_t* cr, const Bounds& b, Random& r) {
    art::setColor(cr, hex(0x1f4a1c));
    cairo_paint(cr);
    const double area = (b.x1 - b.x0) * (b.y1 - b.y0);
    const int leaves = static_cast<int>(area / 40);
    for (int i = 0; i < leaves; ++i) {
        const double x = r.range(b.x0 - 10, b.x1 + 10), y = r.range(b.y0 - 10, b.y1 + 10);
        const double light = 1 - (y - b.y0) / (b.y1 - b.y0 + 1);
        const Rgba c = art::mix(hex(0x24592a), hex(0x7cb342),
                                std::clamp(light * 0.8 + r.range(-0.3, 0.3), 0.0, 1.0));
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, r.range(0, M_PI));
        art::ellipse(cr, 0, 0, r.range(5, 9), r.range(3, 5));
        art::setColor(cr, c);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void paintMetal(cairo_t* cr, const Bounds& b, Random& r) {
    art::setLinear(
        cr, b.x0, 0, b.x1, 0,
        {{0, hex(0x5d6670)}, {0.2, hex(0x9aa5b1)}, {0.55, hex(0x7b8591)}, {1, hex(0x3d444c)}});
    cairo_paint(cr);
    cairo_set_line_width(cr, 2);
    for (double y = b.y0 + 50; y < b.y1; y += 60) {
        art::setColor(cr, {0, 0, 0, 0.35});
        cairo_move_to(cr, b.x0, y);
        cairo_line_to(cr, b.x1, y);
        cairo_stroke(cr);
        art::setColor(cr, {1, 1, 1, 0.18});
        cairo_move_to(cr, b.x0, y + 2);
        cairo_line_to(cr, b.x1, y + 2);
        cairo_stroke(cr);
    }
    for (double y = b.y0 + 14; y < b.y1; y += 30)
        for (double x : {b.x0 + 14, b.x1 - 14}) {
            art::setRadial2(cr, x - 1, y - 1, 0, x, y, 4, {{0, hex(0xe0e6ec)}, {1, hex(0x3a4048)}});
            cairo_arc(cr, x, y, 3.5, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    // Hazard stripes along the lower edge of machines.
    const double band = std::min(26.0, (b.y1 - b.y0) / 6);
    const double sy = b.y1 - band - 18;
    if (sy > b.y0 + 40) {
        cairo_save(cr);
        cairo_rectangle(cr, b.x0, sy, b.x1 - b.x0, band);
        cairo_clip(cr);
        art::setColor(cr, hex(0xf2c230));
        cairo_paint(cr);
        art::setColor(cr, hex(0x1d1d1d));
        for (double x = b.x0 - 40; x < b.x1 + 40; x += 32) {
            cairo_move_to(cr, x, sy + band);
            cairo_line_to(cr, x + 16, sy + band);
            cairo_line_to(cr, x + 16 + band, sy);
            cairo_line_to(cr, x + band, sy);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
        cairo_restore(cr);
    }
    (void)r;
}

void paintCrates(cairo_t* cr, const Bounds& b, Random& r) {
    art::setColor(cr, hex(0x3a2614));
    cairo_paint(cr);
    const double cw = 112, ch = 100;
    for (double y = b.y1 - ch; y > b.y0 - ch; y -= ch)
        for (double x = b.x0 + r.range(-30, 0); x < b.x1; x += cw) {
            const Rgba c = vary(r, hex(0xb07a42), 0.07);
            for (double py = y + 3; py < y + ch - 3; py += 23.5) {
                cairo_rectangle(cr, x + 3, py, cw - 6, 21.5);
                art::setColor(cr, vary(r, c, 0.03));
                cairo_fill(cr);
            }
            woodGrain(cr, x + 3, y + 3, x + cw - 3, y + ch - 3, r, false);
            cairo_set_line_width(cr, 12);
            art::setColor(cr, art::darker(c, 0.2));
            cairo_rectangle(cr, x + 9, y + 9, cw - 18, ch - 18);
            cairo_stroke(cr);
            cairo_move_to(cr, x + 12, y + ch - 12);
            cairo_line_to(cr, x + cw - 12, y + 12);
            cairo_stroke(cr);
            art::setColor(cr, hex(0x2a2a2a, 0.9));
            for (double nx : {x + 9, x + cw - 9})
                for (double ny : {y + 9, y + ch - 9}) {
                    cairo_arc(cr, nx, ny, 2.5, 0, 2 * M_PI);
                    cairo_fill(cr);
                }
        }
}

// A standing barrel: bulging staves and iron hoops.
void paintBarrel(cairo_t* cr, const Bounds& b, Random& r) {
    const double w = b.x1 - b.x0, h = b.y1 - b.y0;
    art::setLinear(
        cr, b.x0, 0, b.x1, 0,
        {{0, hex(0x4d2d12)}, {0.3, hex(0xb47a3f)}, {0.55, hex(0x9a6431)}, {1, hex(0x3d230d)}});
    cairo_paint(cr);
    cairo_set_line_width(cr, 1.5);
    for (int i = 1; i < 7; ++i) {
        const double x = b.x0 + w * i / 7;
        art::setColor(cr, {0.15, 0.08, 0.02, 0.5});
        cairo_move_to(cr, x, b.y0);
        cairo_curve_to(cr, x + (x - (b.x0 + w / 2)) * 0.15, b.y0 + h * 0.4,
                       x + (x - (b.x0 + w / 2)) * 0.15, b.y0 + h * 0.6, x, b.y1);
        cairo_stroke(cr);
    }
    woodGrain(cr, b.x0, b.y0, b.x1, b.y1, r, true);
    for (double t : {0.12, 0.3, 0.7, 0.88}) {
        const double y = b.y0 + h * t;
        cairo_rectangle(cr, b.x0, y - 5, w, 10);
        art::setLinear(cr, 0, y - 5, 0, y + 5,
                       {{0, hex(0x6b7077)}, {0.4, hex(0x2f3338)}, {1, hex(0x1d2024)}});
        cairo_fill(cr);
    }
}

void paintFurniture(cairo_t* cr, const Bounds& b, Random& r) {
    const Rgba wood = hex(0x6b3a1f);
    art::setLinear(cr, b.x0, 0, b.x1, 0,
                   {{0, art::lighter(wood, 0.1)}, {1, art::darker(wood, 0.25)}});
    cairo_paint(cr);
    woodGrain(cr, b.x0, b.y0, b.x1, b.y1, r, true);
    const double w = b.x1 - b.x0, h = b.y1 - b.y0;
    if (h > w * 1.5) {
        // A bookcase: shelves full of books.
        const double left = std::max(b.x0, 0.0) + 12, right = b.x1 - 12;
        for (double y = b.y0 + 14; y + 80 < b.y1; y += 96) {
            cairo_rectangle(cr, left, y, right - left, 80);
            art::setColor(cr, hex(0x2a160a));
            cairo_fill(cr);
            double x = left + 2;
            while (x < right - 8) {
                const double bw = std::min(r.range(9, 20), right - 2 - x);
                const double bh = r.range(54, 76);
                const Rgba c = art::mix(
                    hex(0x8c2d2d), r.uniform() < 0.5 ? hex(0x2d5b8c) : hex(0x3f7a3a), r.uniform());
                cairo_rectangle(cr, x, y + 80 - bh, bw - 1, bh);
                art::setLinear(cr, x, 0, x + bw, 0,
                               {{0, art::lighter(c, 0.2)}, {1, art::darker(c, 0.3)}});
                cairo_fill(cr);
                art::setColor(cr, hex(0xe8c86a, 0.7));
                cairo_rectangle(cr, x + 1, y + 80 - bh + 8, bw - 3, 2);
                cairo_rectangle(cr, x + 1, y + 80 - 12, bw - 3, 2);
                cairo_fill(cr);
                x += bw;
            }
        }
    } else {
        // Drawers with brass knobs.
        const int rows = std::max(1, static_cast<int>((h - 30) / 70));
        const double dh = (h - 30) / rows;
        for (int i = 0; i < rows; ++i) {
            const double y = b.y0 + 22 + i * dh;
            const double x0 = std::max(b.x0, -4.0) + 14, x1 = std::min(b.x1, 866.0) - 14;
            art::roundedRect(cr, x0, y, x1 - x0, dh - 10, 4);
            art::setLinear(cr, 0, y, 0, y + dh,
                           {{0, art::lighter(wood, 0.15)}, {1, art::darker(wood, 0.1)}});
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 2);
            art::setColor(cr, {0, 0, 0, 0.4});
            cairo_stroke(cr);
            for (double kx : {x0 + (x1 - x0) * 0.3, x0 + (x1 - x0) * 0.7}) {
                art::setRadial2(cr, kx - 2, y + dh / 2 - 7, 0, kx, y + dh / 2 - 5, 7,
                                {{0, hex(0xfff2b0)}, {0.5, hex(0xd4a73a)}, {1, hex(0x6e4f12)}});
                cairo_arc(cr, kx, y + dh / 2 - 5, 6, 0, 2 * M_PI);
                cairo_fill(cr);
            }
        }
        // The polished top catches the light.
        cairo_rectangle(cr, b.x0, b.y0, w, 12);
        art::setLinear(cr, 0, b.y0, 0, b.y0 + 12, {{0, hex(0xa8693c)}, {1, hex(0x5a2f17)}});
        cairo_fill(cr);
    }
}

void paintBark(cairo_t* cr, const Bounds& b, Random& r) {
    art::setLinear(
        cr, b.x0, 0, b.x1, 0,
        {{0, hex(0x3b2615)}, {0.35, hex(0x7a5632)}, {0.6, hex(0x5e4024)}, {1, hex(0x2b1b0e)}});
    cairo_paint(cr);
    cairo_set_line_width(cr, 2.2);
    for (int i = 0; i < 40; ++i) {
        double x = r.range(b.x0, b.x1);
        double y = r.range(b.y0, b.y1);
        cairo_move_to(cr, x, y);
        for (int k = 0; k < 4; ++k) {
            x += r.range(-3, 3);
            y += r.range(10, 25);
            cairo_line_to(cr, x, y);
        }
        art::setColor(cr, {0.1, 0.06, 0.02, r.range(0.3, 0.6)});
        cairo_stroke(cr);
    }
}

void paintHay(cairo_t* cr, const Bounds& b, Random& r) {
    art::setColor(cr, hex(0xc9a544));
    cairo_paint(cr);
    cairo_set_line_width(cr, 1.4);
    const int straws = static_cast<int>((b.x1 - b.x0) * (b.y1 - b.y0) / 30);
    for (int i = 0; i < straws; ++i) {
        const double x = r.range(b.x0, b.x1), y = r.range(b.y0, b.y1), a = r.range(-0.6, 0.6);
        const double len = r.range(8, 18);
        art::setColor(cr, art::mix(hex(0x8f6d1f), hex(0xf4dc8a), r.uniform()));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * len, y + std::sin(a) * len);
        cairo_stroke(cr);
    }
    for (double x = b.x0 + 60; x < b.x1; x += 120) {
        cairo_set_line_width(cr, 3);
        art::setColor(cr, hex(0x7a3d1a, 0.85));
        cairo_move_to(cr, x, b.y0);
        cairo_line_to(cr, x, b.y1);
        cairo_stroke(cr);
    }
}

// Overlapping rows of clay shingles.
void paintRoof(cairo_t* cr, const Bounds& b, Random& r) {
    art::setColor(cr, hex(0x5a2418));
    cairo_paint(cr);
    int row = 0;
    for (double y = b.y0 - 6; y < b.y1; y += 14, ++row)
        for (double x = b.x0 - (row % 2 ? 12 : 0); x < b.x1; x += 24) {
            const Rgba c = vary(r, hex(0xa8442a), 0.06);
            cairo_move_to(cr, x + 1, y);
            cairo_line_to(cr, x + 23, y);
            cairo_line_to(cr, x + 23, y + 12);
            cairo_curve_to(cr, x + 23, y + 18, x + 1, y + 18, x + 1, y + 12);
            cairo_close_path(cr);
            art::setLinear(cr, 0, y, 0, y + 18,
                           {{0, art::darker(c, 0.2)}, {1, art::lighter(c, 0.12)}});
            cairo_fill(cr);
        }
}

void paintPot(cairo_t* cr, const Bounds& b) {
    art::setLinear(
        cr, b.x0, 0, b.x1, 0,
        {{0, hex(0x7a3416)}, {0.3, hex(0xd9774a)}, {0.6, hex(0xb85a30)}, {1, hex(0x5e2810)}});
    cairo_paint(cr);
    cairo_rectangle(cr, b.x0, b.y0, b.x1 - b.x0, 18);
    art::setLinear(cr, 0, b.y0, 0, b.y0 + 18, {{0, hex(0xe88a5a)}, {1, hex(0x9a4420)}});
    cairo_fill(cr);
}

void paintBalloon(cairo_t* cr, const Bounds& b) {
    const double cx = (b.x0 + b.x1) / 2, w = b.x1 - b.x0;
    for (int i = 0; i < 8; ++i) {
        // Gores: stripes that bulge with the envelope.
        const double x0 = b.x0 + w * i / 8, x1 = b.x0 + w * (i + 1) / 8;
        cairo_move_to(cr, cx, b.y0 - 2);
        cairo_curve_to(cr, cx + (x0 - cx) * 1.6, b.y0 + w * 0.3, cx + (x0 - cx) * 1.4, b.y1, cx,
                       b.y1 + 4);
        cairo_curve_to(cr, cx + (x1 - cx) * 1.4, b.y1, cx + (x1 - cx) * 1.6, b.y0 + w * 0.3, cx,
                       b.y0 - 2);
        art::setColor(cr, i % 2 ? hex(0xf5c518) : hex(0xe8412e));
        cairo_fill(cr);
    }
    art::setRadial2(cr, b.x0 + w * 0.35, b.y0 + w * 0.3, 0, cx, (b.y0 + b.y1) / 2, w * 0.55,
                    {{0, {1, 1, 1, 0.45}}, {0.5, {1, 1, 1, 0}}, {1, {0, 0, 0, 0.4}}});
    cairo_paint(cr);
}

void paintWicker(cairo_t* cr, const Bounds& b) {
    art::setColor(cr, hex(0x8a5a2b));
    cairo_paint(cr);
    cairo_set_line_width(cr, 2);
    for (double y = b.y0 + 3; y < b.y1; y += 5) {
        art::setColor(cr, hex(0xc99a5a));
        cairo_move_to(cr, b.x0, y);
        cairo_line_to(cr, b.x1, y);
        cairo_stroke(cr);
    }
    for (double x = b.x0 + 4; x < b.x1; x += 8) {
        art::setColor(cr, hex(0x5a3a18, 0.7));
        cairo_move_to(cr, x, b.y0);
        cairo_line_to(cr, x, b.y1);
        cairo_stroke(cr);
    }
}

// Light from the upper left: bright inner edge at the top left, dark at the bottom right.
void bevel(cairo_t* cr, const Shape& s, double strength) {
    cairo_set_line_width(cr, 8);
    cairo_save(cr);
    cairo_translate(cr, 4, 4);
    traceShape(cr, s);
    cairo_restore(cr);
    art::setColor(cr, {1, 1, 1, 0.22 * strength});
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, -4, -4);
    traceShape(cr, s);
    cairo_restore(cr);
    art::setColor(cr, {0, 0, 0, 0.35 * strength});
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3);
    traceShape(cr, s);
    art::setColor(cr, {0, 0, 0, 0.55});
    cairo_stroke(cr);
}

} // namespace

void paintSolid(cairo_t* cr, const Shape& shape, std::uint64_t seed, double shadowAlpha) {
    art::softShadow(cr, 9, 12, 14, {0, 0, 0, shadowAlpha}, [&](cairo_t* lc) {
        traceShape(lc, shape);
        cairo_fill(lc);
    });
    cairo_surface_t* target = cairo_get_target(cr);
    const int tw = cairo_image_surface_get_width(target),
              th = cairo_image_surface_get_height(target);
    const Bounds b = boundsOf(shape);
    const int x0 = std::max(0, static_cast<int>(std::floor(b.x0)) - 2);
    const int y0 = std::max(0, static_cast<int>(std::floor(b.y0)) - 2);
    const int x1 = std::min(tw, static_cast<int>(std::ceil(b.x1)) + 2);
    const int y1 = std::min(th, static_cast<int>(std::ceil(b.y1)) + 2);
    if (x1 <= x0 || y1 <= y0)
        return;
    art::Surface layer = art::makeSurface(x1 - x0, y1 - y0);
    {
        art::Context lc = art::makeContext(layer);
        cairo_t* c = lc.get();
        cairo_translate(c, -x0, -y0);
        traceShape(c, shape);
        cairo_clip(c);
        Random r(seed);
        double noise = 0.12, scale = 18;
        switch (shape.material) {
        case Material::Stone:
            paintStone(c, b, r, hex(0x8d8a83));
            break;
        case Material::Brick:
            paintBrick(c, b, r);
            break;
        case Material::Wood:
            paintPlanks(c, b, r, hex(0x8a5a33));
            break;
        case Material::Rock:
            paintRock(c, b, r, hex(0x857a6c), true);
            noise = 0.3;
            scale = 30;
            break;
        case Material::Hedge:
            paintHedge(c, b, r);
            noise = 0.15;
            break;
        case Material::Metal:
            paintMetal(c, b, r);
            noise = 0.06;
            break;
        case Material::Crate:
            paintCrates(c, b, r);
            break;
        case Material::Barrel:
            paintBarrel(c, b, r);
            break;
        case Material::Furniture:
            paintFurniture(c, b, r);
            noise = 0.06;
            break;
        case Material::Trunk:
            paintBark(c, b, r);
            noise = 0.2;
            break;
        case Material::Hay:
            paintHay(c, b, r);
            noise = 0.1;
            break;
        case Material::Roof:
            paintRoof(c, b, r);
            break;
        case Material::Pot:
            paintPot(c, b);
            noise = 0.1;
            break;
        case Material::Balloon:
            paintBalloon(c, b);
            noise = 0.04;
            break;
        case Material::Wicker:
            paintWicker(c, b);
            break;
        }
        bevel(c, shape, shape.material == Material::Hedge ? 0.5 : 1.0);
        art::noiseTexture(layer.get(), 0, 0, x1 - x0, y1 - y0, scale, noise, seed * 31 + 7, 4);
    }
    cairo_save(cr);
    cairo_set_source_surface(cr, layer.get(), x0, y0);
    cairo_paint(cr);
    cairo_restore(cr);
}

namespace {

// ---- backgrounds ----

void fillVertical(cairo_t* cr, double y0, double y1, std::initializer_list<art::Stop> stops) {
    art::setLinear(cr, 0, y0, 0, y1, stops);
    cairo_rectangle(cr, 0, y0, mapWidth, y1 - y0);
    cairo_fill(cr);
}

// A silhouette of rolling hills whose top wanders around `baseY`.
void hills(cairo_t* cr, double baseY, double amplitude, double period, double phase,
           const Rgba& top, const Rgba& bottom, double bottomY) {
    cairo_move_to(cr, 0, bottomY);
    for (int x = 0; x <= mapWidth; x += 8) {
        const double y = baseY - amplitude * (0.6 * std::sin(x / period + phase) +
                                              0.4 * std::sin(x / (period * 0.43) + phase * 2.1));
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, mapWidth, bottomY);
    cairo_close_path(cr);
    art::setLinear(cr, 0, baseY - amplitude, 0, bottomY, {{0, top}, {1, bottom}});
    cairo_fill(cr);
}

void stars(cairo_t* cr, Random& r, double bottom, int count) {
    for (int i = 0; i < count; ++i) {
        const double x = r.range(0, mapWidth), y = std::pow(r.uniform(), 1.4) * bottom;
        const double size = r.uniform() < 0.1 ? r.range(1.6, 2.4) : r.range(0.6, 1.4);
        const double a = r.range(0.4, 1.0) * (1 - y / bottom * 0.6);
        if (size > 1.5) {
            art::setRadial(cr, x, y, 0, size * 5,
                           {{0, {0.8, 0.85, 1, a * 0.5}}, {1, {0.8, 0.85, 1, 0}}});
            cairo_arc(cr, x, y, size * 5, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        art::setColor(cr, {1, 1, 0.95, a});
        cairo_arc(cr, x, y, size, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void grassTufts(cairo_t* cr, Random& r, double y0, double y1, int count, const Rgba& dark,
                const Rgba& light) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double x = r.range(-10, mapWidth + 10), y = r.range(y0, y1);
        const double scale = 0.6 + 0.8 * (y - y0) / (y1 - y0 + 1);
        const int blades = 4 + r.below(5);
        for (int k = 0; k < blades; ++k) {
            const double lean = r.range(-0.5, 0.5), len = r.range(8, 20) * scale;
            art::setColor(cr, art::mix(dark, light, r.uniform()));
            cairo_set_line_width(cr, 1.6 * scale);
            cairo_move_to(cr, x + k * 2 - blades, y);
            cairo_curve_to(cr, x + k * 2 - blades, y - len * 0.5, x + lean * len, y - len * 0.8,
                           x + lean * len * 1.4 + k - blades / 2.0, y - len);
            cairo_stroke(cr);
        }
    }
}

void flowers(cairo_t* cr, Random& r, double y0, double y1, int count,
             std::initializer_list<Rgba> colours, double alpha = 1) {
    std::vector<Rgba> palette(colours);
    for (int i = 0; i < count; ++i) {
        const double x = r.range(0, mapWidth), y = r.range(y0, y1);
        const double size = (2.5 + 3.5 * (y - y0) / (y1 - y0 + 1)) * r.range(0.8, 1.2);
        Rgba c = palette[r.below(static_cast<int>(palette.size()))];
        c.a = alpha;
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * M_PI / 5;
            art::setColor(cr, c);
            cairo_arc(cr, x + std::cos(a) * size, y + std::sin(a) * size, size * 0.75, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        art::setColor(cr, {1, 0.85, 0.2, alpha});
        cairo_arc(cr, x, y, size * 0.55, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void cloud(cairo_t* cr, double x, double y, double scale, double alpha) {
    art::softShadow(cr, 0, 0, 10, {1, 1, 1, alpha}, [&](cairo_t* lc) {
        for (auto [dx, dy, rr] : {std::tuple{0.0, 0.0, 34.0},
                                  {40.0, -14.0, 42.0},
                                  {86.0, 0.0, 34.0},
                                  {44.0, 10.0, 36.0},
                                  {-30.0, 10.0, 24.0},
                                  {116.0, 12.0, 22.0}}) {
            cairo_arc(lc, x + dx * scale, y + dy * scale, rr * scale, 0, 2 * M_PI);
            cairo_fill(lc);
        }
    });
}

void vignette(cairo_t* cr, double strength) {
    art::setRadial(cr, 430, 384, 260, 760, {{0, {0, 0, 0, 0}}, {1, {0, 0, 0, strength}}});
    cairo_paint(cr);
}

void nightGardenBackground(cairo_t* cr, Random& r) {
    fillVertical(cr, 0, 420, {{0, hex(0x050a1f)}, {0.6, hex(0x14225a)}, {1, hex(0x3a3f7a)}});
    stars(cr, r, 360, 260);
    hills(cr, 330, 28, 120, 0.7, hex(0x1d2a55), hex(0x17204a), 420);
    hills(cr, 372, 22, 90, 2.3, hex(0x15233f), hex(0x101b33), 440);
    // Far cottage windows glowing on the hill.
    for (auto [x, y] : {std::pair{180.0, 345.0}, {700.0, 352.0}, {760.0, 356.0}}) {
        art::setRadial(cr, x, y, 0, 18, {{0, hex(0xffd27a, 0.7)}, {1, hex(0xffd27a, 0)}});
        cairo_arc(cr, x, y, 18, 0, 2 * M_PI);
        cairo_fill(cr);
        art::setColor(cr, hex(0xffe2a0));
        cairo_rectangle(cr, x - 3, y - 3, 6, 5);
        cairo_fill(cr);
    }
    fillVertical(cr, 400, 768, {{0, hex(0x14301f)}, {1, hex(0x0a1a10)}});
    hills(cr, 410, 10, 70, 1.0, hex(0x1c3b26), hex(0x11281a), 768);
    // Moonlit path winding to the front.
    cairo_move_to(cr, 470, 420);
    cairo_curve_to(cr, 430, 520, 560, 620, 380, 768);
    cairo_line_to(cr, 560, 768);
    cairo_curve_to(cr, 680, 620, 520, 520, 500, 420);
    cairo_close_path(cr);
    art::setLinear(cr, 0, 420, 0, 768, {{0, hex(0x4b4f63)}, {1, hex(0x2d2f3d)}});
    cairo_fill(cr);
    grassTufts(cr, r, 420, 768, 420, hex(0x0e2416), hex(0x3c6b4a));
    flowers(cr, r, 440, 768, 60, {hex(0x8aa0ff), hex(0xe0e4ff), hex(0xb48cff)}, 0.65);
    // Fireflies.
    for (int i = 0; i < 26; ++i) {
        const double x = r.range(0, 850), y = r.range(300, 740);
        art::setRadial(cr, x, y, 0, 9, {{0, hex(0xe8ff8a, 0.85)}, {1, hex(0xe8ff8a, 0)}});
        cairo_arc(cr, x, y, 9, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // The cool wash of moonlight from above.
    art::setLinear(cr, 0, 0, 0, 768, {{0, {0.5, 0.6, 1, 0.06}}, {1, {0, 0, 0.1, 0.2}}});
    cairo_paint(cr);
}

void gardenBackground(cairo_t* cr, Random& r) {
    fillVertical(cr, 0, 260, {{0, hex(0x5fa8e8)}, {1, hex(0xc4e4f7)}});
    cloud(cr, 90, 70, 0.9, 0.9);
    cloud(cr, 560, 110, 0.7, 0.85);
    // A wooden fence and far trees behind the lawn.
    hills(cr, 230, 30, 60, 0.3, hex(0x3f7d3a), hex(0x2f6a2e), 300);
    for (double x = -10; x < mapWidth; x += 34) {
        art::roundedRect(cr, x, 214, 26, 84, 3);
        art::setLinear(cr, x, 0, x + 26, 0, {{0, hex(0xd8c7a5)}, {1, hex(0xa58e68)}});
        cairo_fill(cr);
    }
    for (double y : {232.0, 270.0}) {
        cairo_rectangle(cr, 0, y, mapWidth, 10);
        art::setColor(cr, hex(0xb29d75));
        cairo_fill(cr);
    }
    fillVertical(cr, 290, 768, {{0, hex(0x6fae4a)}, {1, hex(0x3f7e2a)}});
    // Mowing stripes.
    for (int i = 0; i < 12; ++i) {
        cairo_rectangle(cr, i * 96, 290, 48, 478);
        art::setColor(cr, {1, 1, 0.8, 0.05});
        cairo_fill(cr);
    }
    // Stepping stones.
    for (int i = 0; i < 6; ++i) {
        const double x = 380 + std::sin(i * 0.9) * 40 - i * 25, y = 330 + i * 75;
        art::softShadow(cr, 3, 4, 4, {0, 0, 0, 0.3}, [&](cairo_t* lc) {
            art::ellipse(lc, x, y, 36 + i * 3, 14 + i * 2);
            cairo_fill(lc);
        });
        art::setLinear(cr, 0, y - 14, 0, y + 14, {{0, hex(0xcfc8bb)}, {1, hex(0x8e877b)}});
        art::ellipse(cr, x, y, 36 + i * 3, 14 + i * 2);
        cairo_fill(cr);
    }
    grassTufts(cr, r, 300, 768, 500, hex(0x2f6a22), hex(0x9bd066));
    flowers(cr, r, 300, 768, 110, {hex(0xff6b6b), hex(0xffffff), hex(0xffd93d), hex(0xc77dff)});
}

void creekBackground(cairo_t* cr, Random& r) {
    fillVertical(cr, 0, 768, {{0, hex(0x7fae57)}, {1, hex(0x4e8536)}});
    grassTufts(cr, r, 0, 768, 380, hex(0x3b6e26), hex(0xa6d46c));
    // Pebbles along the banks.
    for (int i = 0; i < 70; ++i) {
        const double x = r.range(0, 860), y = r.range(0, 768);
        const double rr = r.range(3, 8);
        art::setRadial2(cr, x - rr * 0.3, y - rr * 0.3, 0, x, y, rr,
                        {{0, hex(0xd8d2c4)}, {1, hex(0x7b7466)}});
        art::ellipse(cr, x, y, rr * 1.3, rr);
        cairo_fill(cr);
    }
    flowers(cr, r, 0, 768, 50, {hex(0xfff27a), hex(0xffffff)});
    // The creek runs from the top middle to the lower right.
    auto bank = [&](double off) {
        cairo_move_to(cr, 330 + off, -10);
        cairo_curve_to(cr, 420 + off, 200, 250 + off, 330, 420 + off, 470);
        cairo_curve_to(cr, 560 + off, 590, 760 + off, 560, 1030, 690 + off * 0.3);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    bank(0);
    cairo_set_line_width(cr, 150);
    art::setColor(cr, hex(0x9c8b6a));
    cairo_stroke(cr);
    bank(0);
    cairo_set_line_width(cr, 120);
    art::setLinear(cr, 0, 0, 1024, 768, {{0, hex(0x4aa3c9)}, {1, hex(0x2a6f9a)}});
    cairo_stroke(cr);
    // Ripples and glints on the water.
    for (int i = 0; i < 90; ++i) {
        const double t = r.uniform();
        double x, y;
        // Points along the stream's centre line (the same curve sampled).
        const double u = t * 2;
        if (u < 1) {
            const double s = u, is = 1 - s;
            x = is * is * is * 330 + 3 * is * is * s * 420 + 3 * is * s * s * 250 + s * s * s * 420;
            y = is * is * is * -10 + 3 * is * is * s * 200 + 3 * is * s * s * 330 + s * s * s * 470;
        } else {
            const double s = u - 1, is = 1 - s;
            x = is * is * is * 420 + 3 * is * is * s * 560 + 3 * is * s * s * 760 +
                s * s * s * 1030;
            y = is * is * is * 470 + 3 * is * is * s * 590 + 3 * is * s * s * 560 + s * s * s * 690;
        }
        x += r.range(-40, 40);
        y += r.range(-40, 40);
        cairo_set_line_width(cr, 2);
        art::setColor(cr, {1, 1, 1, r.range(0.15, 0.45)});
        art::ellipse(cr, x, y, r.range(8, 20), r.range(1.5, 3));
        cairo_stroke(cr);
    }
    // Dappled sunlight.
    for (int i = 0; i < 14; ++i) {
        const double x = r.range(0, 900), y = r.range(0, 768);
        art::setRadial(cr, x, y, 0, 90, {{0, {1, 1, 0.8, 0.12}}, {1, {1, 1, 0.8, 0}}});
        cairo_arc(cr, x, y, 90, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void ruinsBackground(cairo_t* cr, Random& r) {
    fillVertical(cr, 0, 360, {{0, hex(0x2c1f4a)}, {0.5, hex(0xa0456a)}, {1, hex(0xf29a5c)}});
    art::setRadial(cr, 300, 330, 0, 160, {{0, hex(0xffd58a, 0.9)}, {1, hex(0xffb060, 0)}});
    cairo_paint(cr);
    stars(cr, r, 120, 40);
    // Distant castle towers.
    auto tower = [&](double x, double w, double top) {
        cairo_rectangle(cr, x, top, w, 360 - top);
        for (double bx = x; bx < x + w; bx += 14)
            cairo_rectangle(cr, bx, top - 10, 8, 10);
    };
    art::setColor(cr, hex(0x3a2446));
    tower(60, 70, 190);
    tower(130, 180, 250);
    tower(600, 60, 170);
    tower(660, 220, 240);
    cairo_fill(cr);
    hills(cr, 340, 12, 80, 1.2, hex(0x3b2a3f), hex(0x2b1f30), 380);
    // Flagstone courtyard: rows grow towards the front, so the floor lies flat.
    fillVertical(cr, 360, 768, {{0, hex(0x3a3530)}, {1, hex(0x221e1a)}});
    double rowHeight = 18;
    for (double y = 360; y < 768; y += rowHeight, rowHeight *= 1.18) {
        double x = -r.range(0, 60);
        while (x < mapWidth) {
            const double w = r.range(2.2, 4.5) * rowHeight;
            art::roundedRect(cr, x + 2, y + 2, w - 4, rowHeight - 4, rowHeight * 0.15);
            const Rgba c = vary(r, hex(0x6e6a58), 0.06);
            art::setLinear(cr, 0, y, 0, y + rowHeight,
                           {{0, art::lighter(c, 0.08)}, {1, art::darker(c, 0.2)}});
            cairo_fill(cr);
            x += w;
        }
    }
    grassTufts(cr, r, 370, 768, 180, hex(0x35502c), hex(0x7d9a4a));
}

void cellarBackground(cairo_t* cr, Random& r) {
    art::setColor(cr, hex(0x2a2420));
    cairo_paint(cr);
    // Big stone blocks of the cellar wall.
    for (double y = 0; y < 560; y += 56) {
        double x = -r.range(0, 80);
        while (x < mapWidth) {
            const double w = r.range(80, 150);
            art::roundedRect(cr, x + 3, y + 3, w - 6, 50, 8);
            const Rgba c = vary(r, hex(0x5a4e44), 0.05);
            art::setLinear(cr, 0, y, 0, y + 56,
                           {{0, art::lighter(c, 0.06)}, {1, art::darker(c, 0.2)}});
            cairo_fill(cr);
            x += w;
        }
    }
    fillVertical(cr, 560, 768, {{0, hex(0x3d342c)}, {1, hex(0x231d18)}});
    for (double x = -20; x < mapWidth; x += 70) {
        cairo_move_to(cr, x, 560);
        cairo_line_to(cr, (x - 430) * 1.5 + 430, 768);
        art::setColor(cr, {0, 0, 0, 0.3});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Cobwebs in the upper corners.
    auto web = [&](double cx, double cy, double dir) {
        cairo_set_line_width(cr, 1);
        art::setColor(cr, {0.9, 0.9, 0.9, 0.35});
        for (int i = 0; i <= 6; ++i) {
            const double a = i * M_PI / 12;
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + dir * std::cos(a) * 130, cy + std::sin(a) * 130);
        }
        for (double rr = 24; rr < 130; rr += 22) {
            cairo_move_to(cr, cx + dir * rr, cy);
            for (int i = 1; i <= 6; ++i) {
                const double a = i * M_PI / 12;
                cairo_line_to(cr, cx + dir * std::cos(a) * rr * 0.92, cy + std::sin(a) * rr * 0.92);
            }
        }
        cairo_stroke(cr);
    };
    web(860, 0, -1);
}

void roomBackground(cairo_t* cr, Random& r) {
    // Striped wallpaper with a wainscot and a wooden floor.
    art::setColor(cr, hex(0x6e4a5e));
    cairo_paint(cr);
    for (double x = 0; x < mapWidth; x += 40) {
        cairo_rectangle(cr, x, 0, 20, 600);
        art::setColor(cr, hex(0x7d5670));
        cairo_fill(cr);
        for (double y = 30; y < 600; y += 60) {
            art::setColor(cr, hex(0xd9b860, 0.35));
            cairo_arc(cr, x + 10, y + ((int)(x / 40) % 2) * 30, 3, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, 0, 470, mapWidth, 130);
    art::setLinear(cr, 0, 470, 0, 600, {{0, hex(0x5a3420)}, {1, hex(0x3e2314)}});
    cairo_fill(cr);
    for (double x = 20; x < mapWidth; x += 120) {
        art::roundedRect(cr, x, 490, 96, 90, 4);
        art::setColor(cr, {0, 0, 0, 0.2});
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    fillVertical(cr, 600, 768, {{0, hex(0x7a4e2c)}, {1, hex(0x4d2f19)}});
    for (double y = 600; y < 768; y += 28) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, mapWidth, y);
        art::setColor(cr, {0, 0, 0, 0.35});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (double x = r.range(0, 200); x < mapWidth; x += r.range(160, 260)) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + 28);
            cairo_stroke(cr);
        }
    }
    woodGrain(cr, 0, 600, mapWidth, 768, r, false);
    // A window with the night outside.
    art::roundedRect(cr, 250, 90, 200, 240, 6);
    art::setColor(cr, hex(0x3b2316));
    cairo_fill(cr);
    cairo_rectangle(cr, 264, 104, 172, 212);
    art::setLinear(cr, 0, 104, 0, 316, {{0, hex(0x0b1533)}, {1, hex(0x2a3a70)}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 264, 104, 172, 212);
    cairo_clip(cr);
    stars(cr, r, 300, 30);
    cairo_restore(cr);
    cairo_set_line_width(cr, 8);
    art::setColor(cr, hex(0x3b2316));
    cairo_move_to(cr, 350, 104);
    cairo_line_to(cr, 350, 316);
    cairo_move_to(cr, 264, 210);
    cairo_line_to(cr, 436, 210);
    cairo_stroke(cr);
    // A picture frame.
    art::roundedRect(cr, 520, 230, 110, 86, 3);
    art::setColor(cr, hex(0xb08a3a));
    cairo_fill(cr);
    cairo_rectangle(cr, 530, 240, 90, 66);
    art::setLinear(cr, 0, 240, 0, 306,
                   {{0, hex(0x89b7d8)}, {0.6, hex(0xd8e6c2)}, {1, hex(0x5f8f45)}});
    cairo_fill(cr);
    // Lamp cord.
    cairo_set_line_width(cr, 3);
    art::setColor(cr, hex(0x1d1d1d));
    cairo_move_to(cr, 700, 0);
    cairo_line_to(cr, 700, 130);
    cairo_stroke(cr);
}

void factoryBackground(cairo_t* cr, Random& r) {
    // Concrete wall with high windows, pipes, and a steel floor.
    fillVertical(cr, 0, 560, {{0, hex(0x4c5560)}, {1, hex(0x3a414a)}});
    for (double x = 340; x < 620; x += 130) {
        cairo_rectangle(cr, x, 30, 100, 120);
        art::setLinear(cr, 0, 30, 0, 150, {{0, hex(0xb8d4e8)}, {1, hex(0x6f8fa8)}});
        cairo_fill(cr);
        art::setColor(cr, hex(0x2b3138));
        cairo_set_line_width(cr, 4);
        for (double gx = x + 25; gx < x + 100; gx += 25) {
            cairo_move_to(cr, gx, 30);
            cairo_line_to(cr, gx, 150);
        }
        cairo_move_to(cr, x, 90);
        cairo_line_to(cr, x + 100, 90);
        cairo_stroke(cr);
    }
    // Pipes running along the wall.
    auto pipe = [&](double y, double h, const Rgba& c) {
        cairo_rectangle(cr, 0, y, mapWidth, h);
        art::setLinear(
            cr, 0, y, 0, y + h,
            {{0, art::darker(c, 0.3)}, {0.35, art::lighter(c, 0.3)}, {1, art::darker(c, 0.4)}});
        cairo_fill(cr);
        for (double x = 60; x < mapWidth; x += 180) {
            cairo_rectangle(cr, x, y - 3, 14, h + 6);
            art::setColor(cr, art::darker(c, 0.35));
            cairo_fill(cr);
        }
    };
    pipe(410, 22, hex(0x8a3b2a));
    pipe(450, 14, hex(0x3c6e8a));
    // The steel frame under the belt.
    cairo_rectangle(cr, 0, 351, mapWidth, 20);
    art::setColor(cr, hex(0x2a2f35));
    cairo_fill(cr);
    for (double x = 32; x < mapWidth; x += 128) {
        cairo_rectangle(cr, x, 351, 14, 55);
        art::setLinear(cr, x, 0, x + 14, 0, {{0, hex(0x6b737c)}, {1, hex(0x2f353c)}});
        cairo_fill(cr);
    }
    fillVertical(cr, 560, 768, {{0, hex(0x545b63)}, {1, hex(0x33383e)}});
    // Tread-plate floor.
    for (double y = 570; y < 768; y += 18)
        for (double x = (static_cast<int>(y) / 18 % 2) * 18; x < mapWidth; x += 36) {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, M_PI / 4);
            art::roundedRect(cr, -7, -2, 14, 4, 2);
            cairo_restore(cr);
            art::setColor(cr, {1, 1, 1, 0.08});
            cairo_fill(cr);
        }
    // Yellow safety line.
    cairo_rectangle(cr, 0, 556, mapWidth, 8);
    art::setColor(cr, hex(0xe8b923));
    cairo_fill(cr);
    (void)r;
    art::setLinear(cr, 0, 0, 0, 768, {{0, {1, 1, 1, 0.05}}, {1, {0, 0, 0, 0.25}}});
    cairo_paint(cr);
}

void meadowBackground(cairo_t* cr, Random& r) {
    fillVertical(cr, 0, 400, {{0, hex(0x2f8fe0)}, {1, hex(0xbfe6ff)}});
    cloud(cr, 80, 250, 0.8, 0.85);
    cloud(cr, 640, 280, 1.0, 0.9);
    cloud(cr, 360, 330, 0.6, 0.8);
    hills(cr, 360, 40, 140, 0.2, hex(0x8cc95a), hex(0x6bb04a), 460);
    hills(cr, 420, 26, 100, 1.8, hex(0x74bb48), hex(0x5aa23a), 768);
    // A fence across the meadow.
    for (double x = -10; x < mapWidth; x += 90) {
        cairo_rectangle(cr, x, 395, 10, 60);
        art::setColor(cr, hex(0x8a6a44));
        cairo_fill(cr);
    }
    for (double y : {405.0, 428.0}) {
        cairo_rectangle(cr, 0, y, mapWidth, 6);
        art::setColor(cr, hex(0x9c7b52));
        cairo_fill(cr);
    }
    grassTufts(cr, r, 440, 768, 520, hex(0x3f8a2a), hex(0xc2e678));
    flowers(cr, r, 440, 768, 170,
            {hex(0xff5c5c), hex(0xffffff), hex(0xffe14d), hex(0x6db3ff), hex(0xff9ad5)});
    // Warm sunlight from above.
    art::setLinear(cr, 0, 0, 0, 768, {{0, {1, 0.95, 0.7, 0.12}}, {1, {1, 0.95, 0.7, 0}}});
    cairo_paint(cr);
}

// Gauges, lamps and vents on the factory's machines.
void factoryDetails(cairo_t* cr) {
    // Filling nozzles over the bottles, and a control strip on the machine.
    for (double x : {150.0, 195.0, 240.0}) {
        cairo_rectangle(cr, x - 5, 130, 10, 22);
        art::setLinear(cr, x - 5, 0, x + 5, 0, {{0, hex(0x9aa5b1)}, {1, hex(0x3d444c)}});
        cairo_fill(cr);
        cairo_move_to(cr, x - 7, 152);
        cairo_line_to(cr, x + 7, 152);
        cairo_line_to(cr, x + 2, 162);
        cairo_line_to(cr, x - 2, 162);
        cairo_close_path(cr);
        art::setColor(cr, hex(0x2b3138));
        cairo_fill(cr);
    }
    art::roundedRect(cr, 132, 30, 126, 34, 5);
    art::setColor(cr, hex(0x1d2228));
    cairo_fill(cr);
    const Rgba lamps[] = {hex(0x4cd964), hex(0x4cd964), hex(0xffcc00), hex(0xff3b30)};
    for (int i = 0; i < 4; ++i) {
        const double x = 150 + i * 30;
        art::setRadial(cr, x, 47, 0, 14,
                       {{0, {lamps[i].r, lamps[i].g, lamps[i].b, 0.5}},
                        {1, {lamps[i].r, lamps[i].g, lamps[i].b, 0}}});
        cairo_arc(cr, x, 47, 14, 0, 2 * M_PI);
        cairo_fill(cr);
        art::setRadial2(cr, x - 2, 45, 0, x, 47, 6,
                        {{0, art::lighter(lamps[i], 0.6)}, {1, art::darker(lamps[i], 0.3)}});
        cairo_arc(cr, x, 47, 5.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Pressure gauge on the tank.
    const double gx = 96, gy = 630;
    art::setRadial2(cr, gx - 6, gy - 6, 0, gx, gy, 30, {{0, hex(0xe6ebf0)}, {1, hex(0x5d6670)}});
    cairo_arc(cr, gx, gy, 28, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, gx, gy, 22, 0, 2 * M_PI);
    art::setColor(cr, hex(0xfaf8ef));
    cairo_fill(cr);
    cairo_set_line_width(cr, 4);
    art::setColor(cr, hex(0xe8412e));
    cairo_arc(cr, gx, gy, 18, -0.2, 0.7);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    art::setColor(cr, hex(0x1d1d1d));
    for (int i = 0; i <= 8; ++i) {
        const double a = M_PI * 0.75 + i * M_PI * 1.5 / 8;
        cairo_move_to(cr, gx + std::cos(a) * 15, gy + std::sin(a) * 15);
        cairo_line_to(cr, gx + std::cos(a) * 20, gy + std::sin(a) * 20);
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, gx, gy);
    cairo_line_to(cr, gx + std::cos(-0.5) * 17, gy + std::sin(-0.5) * 17);
    cairo_stroke(cr);
    cairo_arc(cr, gx, gy, 3, 0, 2 * M_PI);
    cairo_fill(cr);
    // Warning beacon and an intake grille on the press.
    art::setRadial(cr, 760, 622, 0, 40, {{0, hex(0xff5a3a, 0.55)}, {1, hex(0xff5a3a, 0)}});
    cairo_arc(cr, 760, 622, 40, 0, 2 * M_PI);
    cairo_fill(cr);
    art::setRadial2(cr, 756, 616, 0, 760, 622, 12,
                    {{0, hex(0xffd0c0)}, {0.5, hex(0xff3b30)}, {1, hex(0x8a1a10)}});
    cairo_arc(cr, 760, 622, 11, M_PI, 2 * M_PI);
    cairo_line_to(cr, 771, 630);
    cairo_line_to(cr, 749, 630);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (double y = 650; y < 710; y += 10) {
        art::roundedRect(cr, 690, y, 140, 5, 2.5);
        art::setColor(cr, hex(0x1d2228));
        cairo_fill(cr);
    }
    // Vent slats in the ducting.
    for (double x = 670; x < 860; x += 22) {
        art::roundedRect(cr, x, 22, 12, 46, 4);
        art::setLinear(cr, x, 0, x + 12, 0, {{0, hex(0x1d2228)}, {1, hex(0x4a525a)}});
        cairo_fill(cr);
    }
}

// The gravitation point shows as a swirl, the same mark the tutorial teaches, so players see
// the danger before the alert sounds.
void gravityVortex(cairo_t* cr, double cx, double cy, std::uint64_t seed) {
    art::setRadial(
        cr, cx, cy, 0, 66,
        {{0, {0.08, 0, 0.1, 0.75}}, {0.35, {0.45, 0.05, 0.3, 0.4}}, {1, {0.9, 0.2, 0.4, 0}}});
    cairo_arc(cr, cx, cy, 66, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int arm = 0; arm < 4; ++arm) {
        const double start = arm * M_PI / 2;
        for (int k = 0; k < 40; ++k) {
            const double t0 = k / 40.0, t1 = (k + 1) / 40.0;
            const double a0 = start + t0 * 5.0, a1 = start + t1 * 5.0;
            const double r0 = 6 + t0 * 52, r1 = 6 + t1 * 52;
            cairo_move_to(cr, cx + r0 * std::cos(a0), cy + r0 * std::sin(a0));
            cairo_line_to(cr, cx + r1 * std::cos(a1), cy + r1 * std::sin(a1));
            cairo_set_line_width(cr, 1 + 3.5 * (1 - t0));
            art::setColor(cr, {1, 0.75, 0.9, 0.55 * std::sin(t0 * M_PI)});
            cairo_stroke(cr);
        }
    }
    Random r(seed);
    for (int i = 0; i < 24; ++i) {
        const double a = r.range(0, 2 * M_PI), d = r.range(12, 60);
        art::setColor(cr, {1, 0.85, 0.95, r.range(0.3, 0.7)});
        cairo_arc(cr, cx + d * std::cos(a), cy + d * std::sin(a), r.range(0.8, 2), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    art::setRadial(cr, cx, cy, 0, 9, {{0, {0, 0, 0, 0.9}}, {1, {0.1, 0, 0.1, 0}}});
    cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
    cairo_fill(cr);
}

// Light and details laid over the walls, so the scene's light falls on them too.
void finishScene(cairo_t* cr, const MapLayout& layout) {
    gravityVortex(cr, layout.gravity.x, layout.gravity.y, 900 + layout.number);
    switch (layout.number) {
    case 1:
        cairo_save(cr);
        for (const Shape& wall : layout.walls)
            traceShape(cr, wall);
        cairo_clip(cr);
        art::setLinear(cr, 0, 300, 0, 768,
                       {{0, {0.05, 0.08, 0.3, 0.45}}, {1, {0.02, 0.03, 0.12, 0.6}}});
        cairo_paint(cr);
        cairo_restore(cr);
        // A lit window in the shed.
        art::setRadial(cr, 770, 645, 0, 90, {{0, hex(0xffc860, 0.35)}, {1, hex(0xffc860, 0)}});
        cairo_arc(cr, 770, 645, 90, 0, 2 * M_PI);
        cairo_fill(cr);
        art::roundedRect(cr, 736, 614, 68, 60, 3);
        art::setColor(cr, hex(0x2a1a0e));
        cairo_fill(cr);
        cairo_rectangle(cr, 742, 620, 56, 48);
        art::setRadial(cr, 770, 644, 0, 40, {{0, hex(0xffe9a0)}, {1, hex(0xe89a30)}});
        cairo_fill(cr);
        cairo_set_line_width(cr, 4);
        art::setColor(cr, hex(0x2a1a0e));
        cairo_move_to(cr, 770, 620);
        cairo_line_to(cr, 770, 668);
        cairo_move_to(cr, 742, 644);
        cairo_line_to(cr, 798, 644);
        cairo_stroke(cr);
        break;
    case 2: {
        // A geranium grows out of the pot.
        Random r(22);
        for (int i = 0; i < 26; ++i) {
            const double x = r.range(462, 546), y = r.range(384, 424);
            art::setColor(cr, art::mix(hex(0x2f6e28), hex(0x7cc04a), r.uniform()));
            art::ellipse(cr, x, y, r.range(7, 11), r.range(5, 8));
            cairo_fill(cr);
        }
        for (int i = 0; i < 7; ++i) {
            const double x = r.range(468, 540), y = r.range(372, 402);
            art::setRadial2(cr, x - 2, y - 2, 0, x, y, 7, {{0, hex(0xff8a9a)}, {1, hex(0xd42a4a)}});
            cairo_arc(cr, x, y, 6.5, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        break;
    }
    case 4:
        // Warm evening light from the left.
        art::setLinear(cr, 0, 0, 1024, 0, {{0, {1, 0.7, 0.4, 0.18}}, {1, {0.2, 0.1, 0.3, 0.25}}});
        cairo_paint(cr);
        break;
    case 5: {
        cairo_save(cr);
        for (const Shape& wall : layout.walls)
            traceShape(cr, wall);
        cairo_clip(cr);
        art::setColor(cr, {0.12, 0.06, 0.02, 0.4});
        cairo_paint(cr);
        cairo_restore(cr);
        // Preserve jars on the wall shelf.
        Random r(55);
        const std::array<Rgba, 3> preserves{hex(0xc0392b), hex(0xe6a23c), hex(0x6a994e)};
        for (double x = 344; x < 520; x += 40) {
            const double h = r.range(30, 42);
            const Rgba fill = preserves[r.below(3)];
            art::roundedRect(cr, x, 280 - h, 28, h, 6);
            art::setLinear(cr, x, 0, x + 28, 0,
                           {{0, art::darker(fill, 0.3)},
                            {0.35, art::lighter(fill, 0.2)},
                            {1, art::darker(fill, 0.4)}});
            cairo_fill(cr);
            cairo_rectangle(cr, x - 1, 280 - h - 6, 30, 8);
            art::setColor(cr, hex(0xe8dcc0));
            cairo_fill(cr);
            cairo_rectangle(cr, x + 5, 280 - h + 6, 3, h - 12);
            art::setColor(cr, {1, 1, 1, 0.35});
            cairo_fill(cr);
        }
        // Torch with its warm glow.
        const double tx = 420, ty = 120;
        // Iron wall bracket holding the torch.
        art::roundedRect(cr, tx - 12, ty + 30, 24, 30, 4);
        art::setLinear(cr, tx - 12, 0, tx + 12, 0,
                       {{0, hex(0x2a2a2e)}, {0.4, hex(0x6a6a72)}, {1, hex(0x1a1a1e)}});
        cairo_fill(cr);
        cairo_move_to(cr, tx - 9, ty + 8);
        cairo_line_to(cr, tx + 9, ty + 8);
        cairo_line_to(cr, tx + 5, ty + 16);
        cairo_line_to(cr, tx - 5, ty + 16);
        cairo_close_path(cr);
        art::setColor(cr, hex(0x3a3a40));
        cairo_fill(cr);
        cairo_rectangle(cr, tx - 5, ty, 10, 46);
        art::setLinear(cr, tx - 5, 0, tx + 5, 0,
                       {{0, hex(0x3a2010)}, {0.5, hex(0x7a4e28)}, {1, hex(0x2a1808)}});
        cairo_fill(cr);
        art::setRadial(
            cr, tx, ty - 8, 0, 360,
            {{0, hex(0xffb347, 0.55)}, {0.4, hex(0xff8c2a, 0.18)}, {1, hex(0xff8c2a, 0)}});
        cairo_paint(cr);
        art::setRadial(cr, tx, ty - 10, 0, 22,
                       {{0, hex(0xfff4c2)}, {0.5, hex(0xffa834)}, {1, hex(0xff5a1a, 0)}});
        art::ellipse(cr, tx, ty - 12, 12, 22);
        cairo_fill(cr);
        vignette(cr, 0.65);
        break;
    }
    case 6:
        art::setRadial(cr, 700, 180, 0, 520, {{0, hex(0xffd98a, 0.3)}, {1, hex(0xffd98a, 0)}});
        cairo_paint(cr);
        vignette(cr, 0.55);
        break;
    case 7:
        factoryDetails(cr);
        break;
    case 8:
        // The balloon's ropes down to its basket.
        cairo_set_line_width(cr, 1.5);
        art::setColor(cr, hex(0x4a3018));
        for (auto [x0, x1] :
             {std::pair{586.0, 594.0}, {600.0, 604.0}, {620.0, 616.0}, {634.0, 626.0}}) {
            cairo_move_to(cr, x0, 314);
            cairo_line_to(cr, x1, 345);
        }
        cairo_stroke(cr);
        break;
    default:
        break;
    }
}

} // namespace

art::Surface paintMap(const MapLayout& layout) {
    art::Surface surface = art::makeSurface(mapWidth, mapHeight);
    art::Context ctx = art::makeContext(surface);
    cairo_t* cr = ctx.get();
    Random r(0xB0B0 + static_cast<std::uint64_t>(layout.number) * 1000003);
    switch (layout.number) {
    case 1:
        nightGardenBackground(cr, r);
        break;
    case 2:
        gardenBackground(cr, r);
        break;
    case 3:
        creekBackground(cr, r);
        break;
    case 4:
        ruinsBackground(cr, r);
        break;
    case 5:
        cellarBackground(cr, r);
        break;
    case 6:
        roomBackground(cr, r);
        break;
    case 7:
        factoryBackground(cr, r);
        break;
    case 8:
        meadowBackground(cr, r);
        break;
    }
    // Soft mottling, stronger on the rough scenes, keeps large areas from looking flat.
    const double mottle[] = {0.06, 0.08, 0.12, 0.12, 0.2, 0.05, 0.08, 0.06};
    art::noiseTexture(surface.get(), 0, 0, mapWidth, mapHeight, 26, mottle[layout.number - 1],
                      300 + layout.number, 3);
    art::grain(surface.get(), 0.025, 77 + layout.number);
    std::uint64_t seed = 1000 + static_cast<std::uint64_t>(layout.number) * 97;
    for (const Shape& wall : layout.walls)
        paintSolid(cr, wall, seed++, layout.number == 1 || layout.number == 5 ? 0.6 : 0.45);
    finishScene(cr, layout);
    return surface;
}

} // namespace content::gameplay
