// The fly and the four enemies, seen from above and facing up, one picture per wing position.
// Frame 1 has the wings spread forward, the last frame swept back; the game plays 1..n..1.
#include "content/gameplay/gameplay_art.hpp"
#include "content/gameplay/look.hpp"
#include "content/kit/art_kit.hpp"
#include "content/kit/image_files.hpp"

#include <cmath>
#include <functional>
#include <string>

namespace content::gameplay {
namespace {

using art::hex;
using art::Rgba;

double deg(double d) {
    return d * M_PI / 180;
}

struct Offset {
    double x, y;
};

// An ellipse with light from the upper left and a dark rim.
void segment(cairo_t* cr, double cx, double cy, double rx, double ry, const Rgba& base,
             double rim = 1.2) {
    art::setRadial2(cr, cx - rx * 0.35, cy - ry * 0.4, 0, cx, cy, std::max(rx, ry) * 1.05,
                    {{0, art::lighter(base, 0.45)}, {0.55, base}, {1, art::darker(base, 0.55)}});
    art::ellipse(cr, cx, cy, rx, ry);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, rim);
    art::setColor(cr, art::darker(base, 0.75));
    cairo_stroke(cr);
}

// A wing rooted at (x, y), pointing at `angle` degrees (0 up, clockwise), translucent.
void wing(cairo_t* cr, double x, double y, double angle, double length, double width,
          const Rgba& tint, int veins) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, deg(angle));
    // Local frame: the wing runs up the -y axis.
    auto outline = [&] {
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, width * 0.9, -length * 0.15, width * 0.75, -length * 0.85, 0, -length);
        cairo_curve_to(cr, -width * 0.55, -length * 0.8, -width * 0.45, -length * 0.2, 0, 0);
        cairo_close_path(cr);
    };
    outline();
    art::setLinear(cr, 0, 0, width * 0.5, -length,
                   {{0, {tint.r, tint.g, tint.b, 0.55}},
                    {0.5, {1, 1, 1, 0.35}},
                    {1, {tint.r, tint.g, tint.b, 0.5}}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.1);
    art::setColor(cr, {0.15, 0.15, 0.2, 0.7});
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.7);
    art::setColor(cr, {0.15, 0.15, 0.2, 0.45});
    for (int i = 1; i <= veins; ++i) {
        const double t = static_cast<double>(i) / (veins + 1);
        cairo_move_to(cr, 0, -length * 0.05);
        cairo_curve_to(cr, width * (t - 0.3) * 0.8, -length * 0.4, width * (t - 0.35) * 0.9,
                       -length * 0.7, width * (t - 0.4) * 0.7,
                       -length * (0.9 - 0.15 * std::abs(t - 0.5)));
        cairo_stroke(cr);
    }
    // A glint on the membrane.
    art::ellipse(cr, width * 0.15, -length * 0.55, width * 0.12, length * 0.18);
    art::setColor(cr, {1, 1, 1, 0.3});
    cairo_fill(cr);
    cairo_restore(cr);
}

// Mirrored pair of wings: `angle` is the right wing's; the left one mirrors it.
void wingPair(cairo_t* cr, double cx, double y, double spread, double angle, double length,
              double width, const Rgba& tint, int veins) {
    wing(cr, cx + spread, y, angle, length, width, tint, veins);
    cairo_save(cr);
    cairo_translate(cr, cx, 0);
    cairo_scale(cr, -1, 1);
    wing(cr, spread, y, angle, length, width, tint, veins);
    cairo_restore(cr);
}

// A jointed leg from (x, y): thigh out to the knee, shin to the foot, on both sides.
void legPair(cairo_t* cr, double cx, double y, double root, Offset knee, Offset foot, double width,
             const Rgba& colour) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * root, y);
        cairo_line_to(cr, cx + side * knee.x, y + knee.y);
        cairo_line_to(cr, cx + side * foot.x, y + foot.y);
        cairo_set_line_width(cr, width);
        art::setColor(cr, colour);
        cairo_stroke(cr);
    }
}

void eyes(cairo_t* cr, double cx, double cy, double spread, double rx, double ry,
          const Rgba& colour) {
    for (int side : {-1, 1}) {
        segment(cr, cx + side * spread, cy, rx, ry, colour, 0.8);
        art::ellipse(cr, cx + side * spread - rx * 0.3, cy - ry * 0.35, rx * 0.3, ry * 0.25);
        art::setColor(cr, {1, 1, 1, 0.7});
        cairo_fill(cr);
    }
}

void antennae(cairo_t* cr, double cx, double y, double spread, double length, double width,
              const Rgba& colour) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    art::setColor(cr, colour);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * 2, y);
        cairo_curve_to(cr, cx + side * spread * 0.3, y - length * 0.6, cx + side * spread * 0.8,
                       y - length * 0.8, cx + side * spread, y - length);
        cairo_stroke(cr);
    }
}

// A striped abdomen: the ellipse filled with bands of two colours, shaded as one body.
void stripedAbdomen(cairo_t* cr, double cx, double cy, double rx, double ry, const Rgba& light,
                    const Rgba& dark, int bands) {
    cairo_save(cr);
    art::ellipse(cr, cx, cy, rx, ry);
    cairo_clip(cr);
    for (int i = 0; i < bands * 2; ++i) {
        const double y0 = cy - ry + 2 * ry * i / (bands * 2.0);
        cairo_rectangle(cr, cx - rx, y0, 2 * rx, 2 * ry / (bands * 2.0) + 0.5);
        art::setColor(cr, i % 2 ? dark : light);
        cairo_fill(cr);
    }
    // Round shading over the bands.
    art::setRadial2(cr, cx - rx * 0.35, cy - ry * 0.3, 0, cx, cy, std::max(rx, ry),
                    {{0, {1, 1, 1, 0.35}}, {0.5, {1, 1, 1, 0}}, {1, {0, 0, 0, 0.55}}});
    cairo_paint(cr);
    cairo_restore(cr);
    art::ellipse(cr, cx, cy, rx, ry);
    cairo_set_line_width(cr, 1.2);
    art::setColor(cr, {0.1, 0.07, 0.02, 0.9});
    cairo_stroke(cr);
}

// Eases the wing position so the beat slows at both ends.
double beat(int frame, int frames) {
    const double t = frames > 1 ? (frame - 1.0) / (frames - 1.0) : 0;
    return 0.5 - 0.5 * std::cos(t * M_PI);
}

// Renders a sprite with a soft shadow under the body.
void writeSprite(const std::filesystem::path& path, int w, int h,
                 const std::function<void(cairo_t*)>& draw) {
    art::Surface s = art::makeSurface(w, h);
    art::Context ctx = art::makeContext(s);
    art::softShadow(ctx.get(), 3, 4, 4, {0, 0, 0, 0.3}, draw);
    draw(ctx.get());
    saveDds(s.get(), path);
}

} // namespace

void drawFlyFigure(cairo_t* cr, double t) {
    const double cx = 50;
    // Drawn a little larger than modelled so the hero fills its 100 x 80 frame.
    cairo_translate(cr, cx, 41);
    cairo_scale(cr, 1.12, 1.12);
    cairo_translate(cr, -cx, -41);
    legPair(cr, cx, 40, 4, {18, -6}, {26, -16}, 1.6, hex(0x1a1a1a));
    legPair(cr, cx, 45, 4, {22, 2}, {30, 8}, 1.6, hex(0x1a1a1a));
    legPair(cr, cx, 50, 4, {18, 10}, {24, 24}, 1.6, hex(0x1a1a1a));
    // A bluebottle: metallic green-blue, so the hero shines on dark maps too.
    segment(cr, cx, 57, 11, 15, hex(0x2a8f7a)); // abdomen
    for (double y : {52.0, 60.0, 67.0}) {
        art::ellipse(cr, cx, y, 9, 2);
        art::setColor(cr, {0, 0.1, 0.1, 0.35});
        cairo_fill(cr);
    }
    art::ellipse(cr, cx - 4, 52, 3, 7);
    art::setColor(cr, {0.8, 1, 0.95, 0.45});
    cairo_fill(cr);
    segment(cr, cx, 38, 10, 11, hex(0x2f6f8f)); // thorax
    cairo_set_line_width(cr, 1.4);
    art::setColor(cr, {0, 0.1, 0.15, 0.5});
    for (double dx : {-4.0, 0.0, 4.0}) {
        cairo_move_to(cr, cx + dx, 30);
        cairo_line_to(cr, cx + dx * 1.2, 46);
    }
    cairo_stroke(cr);
    segment(cr, cx, 22, 9, 7, hex(0x30404a)); // head
    eyes(cr, cx, 20, 7, 6, 7, hex(0xb3261e));
    const double a = 20 + 55 * (1 - t); // wings spread sideways, then swept back
    wingPair(cr, cx, 36, 4, 180 - a, 36 - 5 * (1 - t), 15, hex(0xcfe3f0), 3);
}

void drawWaspFigure(cairo_t* cr, double t) {
    const double cx = 60;
    const Rgba black = hex(0x1b1610), yellow = hex(0xf5c518);
    legPair(cr, cx, 34, 4, {16, -4}, {22, -14}, 1.7, hex(0x6b4e10));
    legPair(cr, cx, 38, 4, {20, 2}, {26, 8}, 1.7, hex(0x6b4e10));
    legPair(cr, cx, 42, 4, {17, 10}, {22, 22}, 1.7, hex(0x6b4e10));
    stripedAbdomen(cr, cx, 58, 11, 19, yellow, black, 4);
    segment(cr, cx, 42, 3, 4, black);          // waist
    segment(cr, cx, 32, 9, 10, hex(0x2a2218)); // thorax
    art::ellipse(cr, cx, 28, 5, 2);
    art::setColor(cr, yellow);
    cairo_fill(cr);
    segment(cr, cx, 17, 8, 7, yellow); // head
    eyes(cr, cx, 16, 6, 3.5, 5.5, black);
    antennae(cr, cx, 12, 10, 10, 1.5, black);
    const double a = 25 + 55 * (1 - t);
    wingPair(cr, cx, 31, 4, 180 - a, 44 - 6 * (1 - t), 13, hex(0xe8d9a0), 3);
    wingPair(cr, cx, 35, 4, 180 - a + 12, 30 - 4 * (1 - t), 9, hex(0xe8d9a0), 2);
}

namespace {

void drawGnat(cairo_t* cr, double t) {
    const double cx = 50;
    const Rgba leg = hex(0x6a5a44, 0.95);
    // Long, thin, many-jointed legs reaching far out.
    legPair(cr, cx, 36, 2, {21, -10}, {41, -28}, 1.1, leg);
    legPair(cr, cx, 40, 2, {25, 0}, {44, 6}, 1.1, leg);
    legPair(cr, cx, 44, 2, {21, 14}, {39, 32}, 1.1, leg);
    segment(cr, cx, 57, 4, 17, hex(0xa8906a)); // slender abdomen
    for (double y : {48.0, 54.0, 60.0, 66.0}) {
        art::ellipse(cr, cx, y, 3.5, 1);
        art::setColor(cr, {0.2, 0.15, 0.1, 0.5});
        cairo_fill(cr);
    }
    segment(cr, cx, 38, 5.5, 7, hex(0x8a7656)); // thorax
    segment(cr, cx, 26, 4, 4, hex(0x4a4034));   // head
    eyes(cr, cx, 25, 3, 2, 2.5, hex(0x2a1a14));
    // Proboscis and feathery antennae.
    cairo_set_line_width(cr, 1.2);
    art::setColor(cr, hex(0x2a2218));
    cairo_move_to(cr, cx, 22);
    cairo_line_to(cr, cx, 6);
    cairo_stroke(cr);
    antennae(cr, cx, 23, 8, 12, 1, hex(0x2a2218));
    const double a = 30 + 50 * (1 - t);
    wingPair(cr, cx, 37, 3, 180 - a, 36 - 5 * (1 - t), 8, hex(0xdde6ee), 2);
}

void drawDragonfly(cairo_t* cr, double t) {
    const double cx = 100;
    const Rgba teal = hex(0x1f9fb0), dark = hex(0x123b52);
    legPair(cr, cx, 44, 4, {14, -6}, {18, -16}, 1.6, dark);
    legPair(cr, cx, 50, 4, {16, 2}, {20, 10}, 1.6, dark);
    // Long segmented abdomen.
    for (int i = 0; i < 9; ++i) {
        const double y = 64 + i * 9.2;
        segment(cr, cx, y, 4.8 - i * 0.18, 5.4, i % 2 ? teal : art::mix(teal, dark, 0.4), 0.8);
    }
    segment(cr, cx, 144, 2.8, 4, dark, 0.8);
    segment(cr, cx, 46, 10, 15, teal); // thorax
    cairo_set_line_width(cr, 2);
    art::setColor(cr, {0.05, 0.2, 0.25, 0.6});
    cairo_move_to(cr, cx - 6, 38);
    cairo_line_to(cr, cx - 3, 56);
    cairo_move_to(cr, cx + 6, 38);
    cairo_line_to(cr, cx + 3, 56);
    cairo_stroke(cr);
    segment(cr, cx, 26, 9, 7, dark); // head
    eyes(cr, cx, 22, 8, 8, 8, hex(0x2bb6d6));
    // Four long wings; the hind pair beats against the fore pair.
    const double fore = 62 + 26 * t, hind = 124 - 26 * t;
    const Rgba tint = hex(0xd4eef2);
    wingPair(cr, cx, 42, 6, fore, 90 - 8 * std::abs(t - 0.5), 20, tint, 5);
    wingPair(cr, cx, 52, 6, hind, 86 - 8 * std::abs(t - 0.5), 24, tint, 5);
}

void drawHornet(cairo_t* cr, double t) {
    const double cx = 100;
    const Rgba brown = hex(0x5a2a14), gold = hex(0xd89a1a), dark = hex(0x24140a);
    legPair(cr, cx, 60, 6, {28, -10}, {38, -26}, 3, hex(0x6e3a18));
    legPair(cr, cx, 68, 6, {34, 4}, {44, 14}, 3, hex(0x6e3a18));
    legPair(cr, cx, 76, 6, {28, 18}, {36, 38}, 3, hex(0x6e3a18));
    stripedAbdomen(cr, cx, 106, 21, 38, gold, dark, 4);
    segment(cr, cx, 76, 6, 7, dark);    // waist
    segment(cr, cx, 60, 17, 18, brown); // thorax
    for (int side : {-1, 1}) {
        art::ellipse(cr, cx + side * 7, 56, 3, 7);
        art::setColor(cr, hex(0x8a3d1a));
        cairo_fill(cr);
    }
    segment(cr, cx, 33, 15, 12, hex(0xb05a1a)); // head
    eyes(cr, cx, 30, 11, 6, 9, dark);
    // Mandibles.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * 4, 42);
        cairo_curve_to(cr, cx + side * 8, 46, cx + side * 6, 50, cx + side * 2, 50);
        cairo_set_line_width(cr, 2.5);
        art::setColor(cr, dark);
        cairo_stroke(cr);
    }
    antennae(cr, cx, 24, 20, 20, 2.5, dark);
    const double a = 25 + 55 * (1 - t);
    const Rgba tint = hex(0xc9a070);
    wingPair(cr, cx, 56, 8, 180 - a, 82 - 10 * (1 - t), 24, tint, 4);
    wingPair(cr, cx, 64, 8, 180 - a + 14, 56 - 8 * (1 - t), 16, tint, 3);
}

struct Kind {
    const char* name;
    int frames, width, height;
    void (*draw)(cairo_t*, double);
};

} // namespace

void writeInsects(const Context& ctx) {
    const Kind kinds[] = {{"fly", 4, 100, 80, drawFlyFigure},
                          {"wasp", 5, 120, 80, drawWaspFigure},
                          {"gnat", 5, 100, 80, drawGnat},
                          {"dragonfly", 5, 200, 150, drawDragonfly},
                          {"hornet", 7, 200, 152, drawHornet}};
    for (const Kind& k : kinds)
        for (int f = 1; f <= k.frames; ++f) {
            const double t = beat(f, k.frames);
            writeSprite(gamePicture(ctx, std::string(k.name) + "/" + k.name + "_m" +
                                             std::to_string(f) + ".dds"),
                        k.width, k.height, [&](cairo_t* cr) { k.draw(cr, t); });
        }
}

} // namespace content::gameplay
