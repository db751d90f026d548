#include "content/screens/scenery.hpp"

#include "content/screens/style.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace content::screens {

using art::Rgba;

namespace {

// Soft shapes (clouds) are drawn at a fraction 1/q of the size and blurred there: cheap, and
// smooth once scaled up.
template <class Paint>
void softLayer(cairo_t* cr, int w, int h, int q, int blurRadius, Paint&& paint) {
    art::Surface layer = art::makeSurface(w / q + 1, h / q + 1);
    {
        art::Context lc = art::makeContext(layer);
        cairo_scale(lc.get(), 1.0 / q, 1.0 / q);
        paint(lc.get());
    }
    art::blur(layer.get(), blurRadius);
    cairo_save(cr);
    cairo_scale(cr, q, q);
    cairo_set_source_surface(cr, layer.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
}

void paintSky(cairo_t* cr, int w, const Scenery& s, art::Random& rnd) {
    cairo_rectangle(cr, 0, 0, w, s.horizon + 200);
    art::setLinear(
        cr, 0, 0, 0, s.horizon + 60,
        {{0, s.skyTop}, {0.65, art::mix(s.skyTop, s.skyHorizon, 0.6)}, {1, s.skyHorizon}});
    cairo_fill(cr);
    if (s.stars) {
        for (int i = 0; i < 260; ++i) {
            const double x = rnd.range(0, w), y = rnd.range(0, s.horizon * 0.85);
            const double r = rnd.uniform() < 0.08 ? rnd.range(1.1, 1.8) : rnd.range(0.4, 1.0);
            const double a = rnd.range(0.35, 1.0) * (1 - y / s.horizon * 0.6);
            cairo_arc(cr, x, y, r, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.9, 0.93, 1, a);
            cairo_fill(cr);
        }
    }
}

void paintLight(cairo_t* cr, const Scenery& s) {
    const Rgba& c = s.lightColor;
    const double x = s.lightX, y = s.lightY, r = s.lightRadius;
    if (s.light == Scenery::Light::none)
        return;
    cairo_arc(cr, x, y, r * 7, 0, 2 * M_PI);
    art::setRadial(
        cr, x, y, r * 0.8, r * 7,
        {{0, {c.r, c.g, c.b, 0.55}}, {0.3, {c.r, c.g, c.b, 0.18}}, {1, {c.r, c.g, c.b, 0}}});
    cairo_fill(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    if (s.light == Scenery::Light::sun) {
        art::setRadial(cr, x, y, 0, r,
                       {{0, {1, 1, 1, 1}}, {0.6, {1, 1, 0.92, 1}}, {1, art::lighter(c, 0.3)}});
        cairo_fill(cr);
        // Soft rays.
        cairo_save(cr);
        cairo_translate(cr, x, y);
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6 + 0.13;
            cairo_move_to(cr, 0, 0);
            cairo_arc(cr, 0, 0, r * 4.5, a - 0.06, a + 0.06);
            cairo_close_path(cr);
        }
        art::setRadial(cr, 0, 0, r, r * 4.5, {{0, {c.r, c.g, c.b, 0.25}}, {1, {c.r, c.g, c.b, 0}}});
        cairo_fill(cr);
        cairo_restore(cr);
    } else {
        art::setRadial2(cr, x - r * 0.3, y - r * 0.3, 0, x, y, r,
                        {{0, {1, 1, 0.96, 1}}, {1, art::hex(0xc9cfd8)}});
        cairo_fill(cr);
        // A few soft maria.
        const double spots[4][3] = {
            {-0.3, -0.1, 0.22}, {0.2, 0.25, 0.18}, {0.25, -0.3, 0.12}, {-0.1, 0.4, 0.1}};
        for (const auto& sp : spots) {
            cairo_arc(cr, x + sp[0] * r, y + sp[1] * r, sp[2] * r, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.55, 0.6, 0.7, 0.25);
            cairo_fill(cr);
        }
    }
}

void paintClouds(cairo_t* cr, int w, int h, const Scenery& s, art::Random& rnd) {
    if (s.clouds <= 0)
        return;
    struct Puff {
        double x, y, rx, ry;
    };
    std::vector<Puff> puffs;
    for (int c = 0; c < s.clouds; ++c) {
        const double cx = rnd.range(-50, w + 50), cy = rnd.range(40, s.horizon * 0.7);
        const double size = rnd.range(50, 110);
        const int n = 5 + rnd.below(5);
        for (int i = 0; i < n; ++i)
            puffs.push_back({cx + rnd.range(-1.6, 1.6) * size, cy + rnd.range(-0.35, 0.2) * size,
                             size * rnd.range(0.5, 0.9), size * rnd.range(0.3, 0.5)});
    }
    // Shaded undersides first, then the lit tops slightly up and in.
    const Rgba shade = art::mix(art::darker(s.cloudColor, 0.2), s.skyHorizon, 0.35);
    softLayer(cr, w, h, 2, 2, [&](cairo_t* lc) {
        for (const Puff& p : puffs) {
            art::ellipse(lc, p.x, p.y + p.ry * 0.2, p.rx, p.ry);
            art::setColor(lc, {shade.r, shade.g, shade.b, s.cloudColor.a});
            cairo_fill(lc);
        }
        for (const Puff& p : puffs) {
            art::ellipse(lc, p.x - p.rx * 0.06, p.y - p.ry * 0.1, p.rx * 0.9, p.ry * 0.86);
            art::setLinear(lc, 0, p.y - p.ry, 0, p.y + p.ry,
                           {{0, s.cloudColor}, {1, art::mix(s.cloudColor, shade, 0.5)}});
            cairo_fill(lc);
        }
    });
}

// One ridge of hills, filled from its crest to the bottom; the crest catches the light and the
// middle ridges carry rows of distant trees.
void paintRidge(cairo_t* cr, int w, int h, double base, double amplitude, double scale,
                const Rgba& top, const Rgba& bottom, std::uint64_t seed, int trees,
                art::Random& rnd) {
    std::vector<double> crest;
    for (int x = 0; x <= w + 4; x += 4) {
        const double n = art::fractalNoise(x / scale, 0.5, 3, seed);
        crest.push_back(base - amplitude * std::clamp((n - 0.25) * 2.0, 0.0, 1.4));
    }
    const auto trace = [&] {
        cairo_move_to(cr, 0, crest[0]);
        for (size_t i = 1; i < crest.size(); ++i)
            cairo_line_to(cr, static_cast<double>(i) * 4, crest[i]);
    };
    const Rgba treeColor = art::darker(top, 0.22);
    for (int i = 0; i < trees; ++i) {
        const double x = rnd.range(0, w);
        const double y = crest[static_cast<size_t>(x / 4)];
        const double r = rnd.range(5, 11) * (amplitude / 90);
        art::ellipse(cr, x, y - r * 0.6, r, r * 1.3);
        art::setColor(cr, art::mix(treeColor, top, rnd.range(0, 0.35)));
        cairo_fill(cr);
    }
    trace();
    cairo_line_to(cr, w + 4, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    art::setLinear(cr, 0, base - amplitude, 0, std::min<double>(h, base + 220),
                   {{0, top}, {1, bottom}});
    cairo_fill(cr);
    trace();
    const Rgba lit = art::lighter(top, 0.35);
    cairo_set_source_rgba(cr, lit.r, lit.g, lit.b, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void paintWater(cairo_t* cr, int w, int h, double top, const Scenery& s, art::Random& rnd) {
    cairo_rectangle(cr, 0, top, w, h - top);
    art::setLinear(
        cr, 0, top, 0, h,
        {{0, art::mix(s.skyHorizon, s.waterColor, 0.4)}, {1, art::darker(s.waterColor, 0.3)}});
    cairo_fill(cr);
    // The light's path on the water.
    if (s.light != Scenery::Light::none) {
        for (int i = 0; i < 40; ++i) {
            const double y = top + 6 + i * i * 0.18 + rnd.range(0, 3);
            if (y > h)
                break;
            const double len = rnd.range(20, 60) * (1 + i * 0.05);
            cairo_move_to(cr, s.lightX - len / 2 + rnd.range(-15, 15), y);
            cairo_rel_line_to(cr, len, 0);
            const Rgba& c = s.lightColor;
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 0.35 - i * 0.006);
            cairo_set_line_width(cr, 1.5 + i * 0.06);
            cairo_stroke(cr);
        }
    }
    for (int i = 0; i < 70; ++i) {
        const double y = rnd.range(top + 4, h);
        const double x = rnd.range(0, w);
        cairo_move_to(cr, x, y);
        cairo_rel_line_to(cr, rnd.range(20, 90), 0);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.08);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

void branch(cairo_t* cr, double x, double y, double angle, double len, double width, int depth,
            art::Random& rnd, std::vector<std::pair<double, double>>& tips) {
    const double x2 = x + std::sin(angle) * len, y2 = y - std::cos(angle) * len;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x2, y2);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    if (depth == 0) {
        tips.emplace_back(x2, y2);
        return;
    }
    const int n = 2 + (rnd.uniform() < 0.3 ? 1 : 0);
    for (int i = 0; i < n; ++i)
        branch(cr, x2, y2, angle + rnd.range(-0.6, 0.6), len * rnd.range(0.62, 0.78), width * 0.65,
               depth - 1, rnd, tips);
}

void paintTree(cairo_t* cr, int w, int h, const Scenery& s, art::Random& rnd) {
    const double x = s.treeSide < 0 ? 120 : w - 130;
    const double ground = h - 40;
    std::vector<std::pair<double, double>> tips;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, 0.24, 0.16, 0.1);
    branch(cr, x, ground, s.treeSide * -0.08, 175, 44, 5, rnd, tips);
    // Canopy: dark clumps first, lit clumps on top, lit from the light's side.
    const Rgba dark = art::darker(s.foliage, 0.5), lit = art::lighter(s.foliage, 0.3);
    std::vector<std::pair<double, double>> clumps;
    for (const auto& [tx, ty] : tips)
        for (int k = 0; k < 2; ++k)
            clumps.emplace_back(tx + rnd.range(-30, 30), ty + rnd.range(-30, 20));
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& [tx, ty] : clumps) {
            const double r = rnd.range(34, 58) * (pass == 0 ? 1.0 : 0.7);
            const double ox = pass == 0 ? 0 : -s.treeSide * r * 0.2;
            const double oy = pass == 0 ? 0 : -r * 0.25;
            cairo_arc(cr, tx + ox, ty + oy, r, 0, 2 * M_PI);
            art::setRadial2(cr, tx + ox - r * 0.3, ty + oy - r * 0.4, 0, tx + ox, ty + oy, r,
                            pass == 0
                                ? std::initializer_list<art::Stop>{{0, s.foliage}, {1, dark}}
                                : std::initializer_list<art::Stop>{
                                      {0, lit}, {1, {s.foliage.r, s.foliage.g, s.foliage.b, 0}}});
            cairo_fill(cr);
        }
    // Single leaves catching the light.
    for (const auto& [tx, ty] : clumps)
        for (int k = 0; k < 3; ++k) {
            art::ellipse(cr, tx + rnd.range(-35, 35), ty + rnd.range(-40, 10), 5, 3);
            const Rgba leafLit = art::mix(lit, {1, 1, 0.85, 1}, rnd.range(0, 0.3));
            art::setColor(cr, {leafLit.r, leafLit.g, leafLit.b, 0.55});
            cairo_fill(cr);
        }
}

void paintGrass(cairo_t* cr, int w, int h, const Scenery& s, art::Random& rnd) {
    const Rgba dark = art::darker(s.grass, 0.45), light = art::lighter(s.grass, 0.25);
    cairo_rectangle(cr, 0, h - 70, w, 70);
    art::setLinear(cr, 0, h - 70, 0, h, {{0, {dark.r, dark.g, dark.b, 0}}, {1, dark}});
    cairo_fill(cr);
    for (int i = 0; i < s.grassBlades; ++i) {
        const double t = static_cast<double>(i) / s.grassBlades; // back to front
        const double x = rnd.range(-10, w + 10);
        const double base = h + 5;
        const double len = rnd.range(35, 110) * (0.7 + 0.8 * t);
        const double lean = rnd.range(-0.5, 0.5) * len;
        const double width = rnd.range(2.5, 5.5);
        cairo_move_to(cr, x - width, base);
        cairo_curve_to(cr, x - width * 0.5, base - len * 0.5, x + lean * 0.5, base - len * 0.8,
                       x + lean, base - len);
        cairo_curve_to(cr, x + lean * 0.5 + 1, base - len * 0.8, x + width * 0.5, base - len * 0.5,
                       x + width, base);
        cairo_close_path(cr);
        art::setLinear(cr, 0, base - len, 0, base,
                       {{0, art::mix(light, s.grass, rnd.uniform())}, {1, dark}});
        cairo_fill(cr);
    }
}

void paintFlower(cairo_t* cr, double x, double y, double r, const Rgba& petal, art::Random& rnd) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + rnd.range(-8, 8), y + 30, x + rnd.range(-8, 8), y + 60, x, y + 120);
    cairo_set_source_rgb(cr, 0.18, 0.38, 0.14);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    const int n = 7 + rnd.below(4);
    const double turn = rnd.range(0, M_PI);
    for (int i = 0; i < n; ++i) {
        const double a = turn + i * 2 * M_PI / n;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        art::ellipse(cr, r * 0.55, 0, r * 0.55, r * 0.22);
        cairo_restore(cr);
        art::setRadial(cr, x, y, r * 0.2, r * 1.1,
                       {{0, art::darker(petal, 0.1)}, {1, art::lighter(petal, 0.2)}});
        cairo_fill(cr);
    }
    cairo_arc(cr, x, y, r * 0.28, 0, 2 * M_PI);
    art::setRadial2(cr, x - r * 0.1, y - r * 0.1, 0, x, y, r * 0.28,
                    {{0, art::hex(0xffe27a)}, {1, art::hex(0xc98a10)}});
    cairo_fill(cr);
}

} // namespace

void paintScenery(cairo_t* cr, int w, int h, const Scenery& s) {
    art::Random rnd(s.seed * 7919 + 17);
    paintSky(cr, w, s, rnd);
    paintLight(cr, s);
    paintClouds(cr, w, h, s, rnd);

    const double nearBase = s.water ? s.horizon + 40 : h - 110;
    for (int i = 0; i < s.hillLayers; ++i) {
        const double t = s.hillLayers > 1 ? static_cast<double>(i) / (s.hillLayers - 1) : 1;
        const double base = s.horizon + (nearBase - s.horizon) * t;
        Rgba c = art::mix(s.hillFar, s.hillNear, t);
        c = art::mix(s.skyHorizon, c, 0.4 + 0.6 * std::pow(t, 0.7)); // aerial perspective
        const int trees = (i > 0 && i < s.hillLayers - 1) ? 70 : 0;
        paintRidge(cr, w, h, base, 70 + 50 * (1 - t), 260 - 80 * t, art::lighter(c, 0.1),
                   art::darker(c, 0.35), s.seed * 31 + i, trees, rnd);
        if (s.mist > 0 && i < s.hillLayers - 1) {
            cairo_rectangle(cr, 0, base - 40, w, 100);
            const Rgba& m = s.skyHorizon;
            art::setLinear(
                cr, 0, base - 40, 0, base + 60,
                {{0, {m.r, m.g, m.b, 0}}, {0.6, {m.r, m.g, m.b, s.mist}}, {1, {m.r, m.g, m.b, 0}}});
            cairo_fill(cr);
        }
    }
    if (s.water)
        paintWater(cr, w, h, s.horizon + 40, s, rnd);
    if (s.treeSide != 0)
        paintTree(cr, w, h, s, rnd);
    if (s.grassBlades > 0)
        paintGrass(cr, w, h, s, rnd);
    for (int i = 0; i < s.flowers; ++i) {
        const double x = rnd.range(20, w - 20), y = h - rnd.range(20, 110);
        paintFlower(cr, x, y, rnd.range(9, 16), art::mix(s.petal, {1, 1, 1, 1}, rnd.range(0, 0.3)),
                    rnd);
    }
    for (int i = 0; i < s.fireflies; ++i) {
        const double x = rnd.range(0, w), y = rnd.range(s.horizon - 60, h - 40);
        const double r = rnd.range(2, 4);
        cairo_arc(cr, x, y, r * 5, 0, 2 * M_PI);
        art::setRadial(cr, x, y, 0, r * 5,
                       {{0, art::hex(0xfff3a0, 0.9)},
                        {0.25, art::hex(0xd8f060, 0.35)},
                        {1, art::hex(0xd8f060, 0)}});
        cairo_fill(cr);
    }
    for (int i = 0; i < s.bubbles; ++i)
        drawBubble(cr, rnd.range(60, w - 40), rnd.range(60, h * 0.75), rnd.range(10, 34), 0.9);
    if (s.vignette > 0)
        vignette(cr, w, h, s.vignette);
}

} // namespace content::screens
