// Level objects drawn over the maps: the moon and the sun on their arc, the garden's tree in
// front, the room's light cone, and the factory's belts, wheels and bottles.
#include "content/gameplay/gameplay_art.hpp"
#include "content/gameplay/look.hpp"
#include "content/gameplay/map_layout.hpp"
#include "content/gameplay/map_painting.hpp"
#include "content/kit/image_files.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace content::gameplay {
namespace {

using art::hex;
using art::Rgba;

void save(const Context& ctx, const art::Surface& s, const std::string& name) {
    saveDds(s.get(), gamePicture(ctx, "levelobjects/" + name + ".dds"));
}

// The moon goes through a magenta colour key, which knows no partial transparency: its edge is
// blended against the night sky instead, and everything outside it is pure magenta.
void writeMoon(const Context& ctx) {
    const int size = 144;
    const double c = 72, r = 64;
    art::Surface s = art::makeSurface(size, size);
    {
        art::Context ctxt = art::makeContext(s);
        cairo_t* cr = ctxt.get();
        art::setColor(cr, hex(0x101a45));
        cairo_paint(cr);
        art::setRadial(cr, c, c, r, r + 8, {{0, hex(0x8090c0, 0.5)}, {1, hex(0x8090c0, 0)}});
        cairo_arc(cr, c, c, r + 8, 0, 2 * M_PI);
        cairo_fill(cr);
        art::setRadial2(cr, c - 20, c - 22, 0, c, c, r,
                        {{0, hex(0xfffbe8)}, {0.7, hex(0xeae3c8)}, {1, hex(0xbdb495)}});
        cairo_arc(cr, c, c, r, 0, 2 * M_PI);
        cairo_fill(cr);
        // Seas and craters.
        cairo_save(cr);
        cairo_arc(cr, c, c, r, 0, 2 * M_PI);
        cairo_clip(cr);
        art::Random rnd(144);
        for (auto [x, y, rr] : {std::tuple{52.0, 58.0, 20.0},
                                {88.0, 80.0, 16.0},
                                {70.0, 104.0, 12.0},
                                {96.0, 46.0, 9.0}}) {
            art::setColor(cr, {0.55, 0.55, 0.5, 0.35});
            art::ellipse(cr, x, y, rr, rr * 0.85);
            cairo_fill(cr);
        }
        for (int i = 0; i < 14; ++i) {
            const double x = rnd.range(20, 124), y = rnd.range(20, 124), rr = rnd.range(2, 6);
            art::setColor(cr, {0.45, 0.43, 0.38, 0.4});
            cairo_arc(cr, x, y, rr, 0, 2 * M_PI);
            cairo_fill(cr);
            art::setColor(cr, {1, 1, 1, 0.35});
            cairo_arc(cr, x + rr * 0.25, y + rr * 0.25, rr * 0.7, M_PI * 0.1, M_PI * 0.9);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    cairo_surface_flush(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - c, dy = y + 0.5 - c;
            if (dx * dx + dy * dy > (r + 1.5) * (r + 1.5))
                row[x] = 0xFFFF00FF;
        }
    }
    cairo_surface_mark_dirty(s.get());
    saveBmp(s.get(), gamePicture(ctx, "levelobjects/moon.bmp"));
}

void writeSun(const Context& ctx) {
    const int size = 156;
    const double c = 78;
    art::Surface s = art::makeSurface(size, size);
    art::Context ctxt = art::makeContext(s);
    cairo_t* cr = ctxt.get();
    art::setRadial(cr, c, c, 30, 78,
                   {{0, hex(0xfff2a0, 0.8)}, {0.5, hex(0xffd050, 0.25)}, {1, hex(0xffc040, 0)}});
    cairo_paint(cr);
    // Soft rays.
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, w = 0.07;
        cairo_move_to(cr, c + std::cos(a - w) * 40, c + std::sin(a - w) * 40);
        cairo_line_to(cr, c + std::cos(a) * (i % 2 ? 62 : 74), c + std::sin(a) * (i % 2 ? 62 : 74));
        cairo_line_to(cr, c + std::cos(a + w) * 40, c + std::sin(a + w) * 40);
        cairo_close_path(cr);
        art::setColor(cr, hex(0xffe070, 0.55));
        cairo_fill(cr);
    }
    art::setRadial2(cr, c - 10, c - 12, 0, c, c, 40,
                    {{0, hex(0xfffde8)}, {0.5, hex(0xffe45c)}, {1, hex(0xffb020)}});
    cairo_arc(cr, c, c, 40, 0, 2 * M_PI);
    cairo_fill(cr);
    save(ctx, s, "sun");
}

// The garden's big tree, drawn over the fly at (0, 432)-(508, 768). Its trunk is the wall of the
// map's layout and its crown the quiet area, so what the player sees is what the mask says.
void writeTree(const Context& ctx) {
    const MapLayout layout = mapLayout(2);
    art::Surface s = art::makeSurface(508, 336);
    art::Context ctxt = art::makeContext(s);
    cairo_t* cr = ctxt.get();
    cairo_translate(cr, 0, -432);
    for (const Shape& wall : layout.walls)
        if (wall.material == Material::Trunk)
            paintSolid(cr, wall, 2002, 0.0);
    // Branches from the trunk into the crown.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (auto [x1, y1, x2, y2, w] : {std::tuple{236.0, 600.0, 150.0, 555.0, 16.0},
                                     {236.0, 600.0, 360.0, 560.0, 16.0},
                                     {236.0, 610.0, 255.0, 500.0, 18.0}}) {
        cairo_move_to(cr, x1, y1);
        cairo_curve_to(cr, (x1 + x2) / 2, y1 - 10, x2, (y1 + y2) / 2, x2, y2);
        cairo_set_line_width(cr, w);
        art::setColor(cr, hex(0x4a3019));
        cairo_stroke(cr);
    }
    // Crown: clusters of leaves within the quiet discs, darker underneath, lit from the top left.
    art::softShadow(cr, 6, 10, 12, {0, 0, 0, 0.45}, [&](cairo_t* lc) {
        for (const Shape& q : layout.quiet)
            traceShape(lc, q);
        cairo_fill(lc);
    });
    art::Random r(508);
    for (const Shape& q : layout.quiet) {
        art::setRadial2(cr, q.x - q.radius * 0.3, q.y - q.radius * 0.4, 0, q.x, q.y, q.radius,
                        {{0, hex(0x5c9e3a)}, {0.7, hex(0x2f6e28)}, {1, hex(0x1d4a1c)}});
        traceShape(cr, q);
        cairo_fill(cr);
    }
    cairo_save(cr);
    for (const Shape& q : layout.quiet)
        traceShape(cr, q);
    cairo_clip(cr);
    for (int i = 0; i < 2600; ++i) {
        const Shape& q = layout.quiet[r.below(static_cast<int>(layout.quiet.size()))];
        const double a = r.range(0, 2 * M_PI), d = std::sqrt(r.uniform()) * q.radius;
        const double x = q.x + std::cos(a) * d, y = q.y + std::sin(a) * d;
        const double light =
            std::clamp(0.6 - (y - 470) / 240 - (x - 250) / 900 + r.range(-0.25, 0.25), 0.0, 1.0);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, r.range(0, M_PI));
        art::ellipse(cr, 0, 0, r.range(6, 11), r.range(3.5, 6));
        art::setColor(cr, art::mix(hex(0x1d4a1c), hex(0x9ad05a), light));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // A few apples.
    for (int i = 0; i < 9; ++i) {
        const Shape& q = layout.quiet[i % layout.quiet.size()];
        const double a = r.range(0, 2 * M_PI), d = r.range(0.2, 0.8) * q.radius;
        const double x = q.x + std::cos(a) * d, y = q.y + std::sin(a) * d;
        art::setRadial2(cr, x - 2, y - 2, 0, x, y, 7,
                        {{0, hex(0xff8a7a)}, {0.6, hex(0xd62828)}, {1, hex(0x7a1010)}});
        cairo_arc(cr, x, y, 6.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    save(ctx, s, "tree");
}

// The lamp's cone of light, drawn over the whole room from (428, 168) to (972, 768).
void writeLight(const Context& ctx) {
    const int w = 544, h = 600;
    art::Surface s = art::makeSurface(w, h);
    art::Context ctxt = art::makeContext(s);
    cairo_t* cr = ctxt.get();
    const double apex = 272;
    cairo_move_to(cr, apex - 34, 0);
    cairo_line_to(cr, apex + 34, 0);
    cairo_line_to(cr, w - 20, h);
    cairo_line_to(cr, 20, h);
    cairo_close_path(cr);
    art::setLinear(cr, 0, 0, 0, h,
                   {{0, hex(0xffe9a8, 0.45)}, {0.5, hex(0xffdc8a, 0.2)}, {1, hex(0xffd070, 0.08)}});
    cairo_fill(cr);
    art::blur(s.get(), 12);
    // Bright glow under the shade, no wider than the shade so the cone's top edge stays hidden.
    cairo_save(cr);
    cairo_translate(cr, apex, 0);
    cairo_scale(cr, 0.4, 1);
    art::setRadial(cr, 0, 0, 0, 120, {{0, hex(0xfff6d0, 0.6)}, {1, hex(0xfff6d0, 0)}});
    cairo_arc(cr, 0, 0, 120, 0, M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, apex, h - 40);
    cairo_scale(cr, 1, 0.25);
    art::setRadial(cr, 0, 0, 0, 250, {{0, hex(0xffe6a0, 0.25)}, {1, hex(0xffe6a0, 0)}});
    cairo_arc(cr, 0, 0, 250, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    save(ctx, s, "light");
}

// A belt texture repeats every 64 pixels, so it runs seamlessly when the game shifts it by up to
// one screen width.
void writeConveyor(const Context& ctx, bool upper) {
    const int w = 2048, h = 24;
    art::Surface s = art::makeSurface(w, h);
    art::Context ctxt = art::makeContext(s);
    cairo_t* cr = ctxt.get();
    if (upper) {
        art::setLinear(cr, 0, 0, 0, h,
                       {{0, hex(0x55595e)}, {0.3, hex(0x2f3236)}, {1, hex(0x1c1e21)}});
        cairo_paint(cr);
        for (int x = 0; x < w; x += 32) {
            cairo_rectangle(cr, x, 2, 6, h - 4);
            art::setLinear(cr, x, 0, x + 6, 0, {{0, hex(0x6b7077)}, {1, hex(0x2a2d31)}});
            cairo_fill(cr);
        }
        cairo_rectangle(cr, 0, 0, w, 2);
        art::setColor(cr, hex(0x9aa0a8));
        cairo_fill(cr);
    } else {
        // Side rail of the belt with rollers under it.
        art::setLinear(cr, 0, 0, 0, h,
                       {{0, hex(0x3c6e8a)}, {0.5, hex(0x2a5068)}, {1, hex(0x173040)}});
        cairo_paint(cr);
        for (int x = 0; x < w; x += 64) {
            art::setRadial2(cr, x + 14, 10, 0, x + 16, 12, 7,
                            {{0, hex(0xd8dee6)}, {1, hex(0x4a525a)}});
            cairo_arc(cr, x + 16, 12, 6, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_move_to(cr, x + 32, h);
            cairo_line_to(cr, x + 44, 0);
            cairo_line_to(cr, x + 56, 0);
            cairo_line_to(cr, x + 44, h);
            cairo_close_path(cr);
            art::setColor(cr, hex(0xf2c230, 0.85));
            cairo_fill(cr);
        }
    }
    save(ctx, s, upper ? "conveyer_u" : "conveyer_d");
}

void writeWheel(const Context& ctx) {
    art::Surface s = art::makeSurface(36, 32);
    art::Context ctxt = art::makeContext(s);
    cairo_t* cr = ctxt.get();
    const double cx = 18, cy = 16, r = 15;
    // A cog: teeth round a steel disc with spokes; round, so it turns true in its 36 x 32 frame.
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -2.2, -r, 4.4, 4);
        cairo_restore(cr);
    }
    art::setColor(cr, hex(0x50565e));
    cairo_fill(cr);
    art::setRadial2(cr, cx - 4, cy - 4, 0, cx, cy, r - 2,
                    {{0, hex(0xd6dce3)}, {0.7, hex(0x8a929b)}, {1, hex(0x4a5058)}});
    cairo_arc(cr, cx, cy, r - 2.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.4);
    art::setColor(cr, hex(0x3a3f45));
    for (int i = 0; i < 3; ++i) {
        const double a = i * M_PI / 3;
        cairo_move_to(cr, cx - std::cos(a) * 9, cy - std::sin(a) * 9);
        cairo_line_to(cr, cx + std::cos(a) * 9, cy + std::sin(a) * 9);
    }
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 3.5, 0, 2 * M_PI);
    art::setColor(cr, hex(0x24282c));
    cairo_fill(cr);
    save(ctx, s, "wheel");
}

void writeBottle(const Context& ctx) {
    art::Surface s = art::makeSurface(44, 104);
    art::Context ctxt = art::makeContext(s);
    cairo_t* cr = ctxt.get();
    auto outline = [&](cairo_t* c) {
        cairo_move_to(c, 17, 4);
        cairo_line_to(c, 27, 4);
        cairo_line_to(c, 27, 30);
        cairo_curve_to(c, 27, 40, 38, 42, 38, 54);
        cairo_line_to(c, 38, 98);
        cairo_curve_to(c, 38, 102, 36, 104, 32, 104);
        cairo_line_to(c, 12, 104);
        cairo_curve_to(c, 8, 104, 6, 102, 6, 98);
        cairo_line_to(c, 6, 54);
        cairo_curve_to(c, 6, 42, 17, 40, 17, 30);
        cairo_close_path(c);
    };
    outline(cr);
    art::setLinear(cr, 6, 0, 38, 0,
                   {{0, hex(0x1c5a2a, 0.95)},
                    {0.25, hex(0x4fae5c, 0.85)},
                    {0.5, hex(0x2a7a3a, 0.8)},
                    {1, hex(0x0f3a18, 0.95)}});
    cairo_fill(cr);
    // Label, cap and a glint on the glass.
    cairo_rectangle(cr, 6, 62, 32, 22);
    art::setLinear(cr, 6, 0, 38, 0, {{0, hex(0xd8c79a)}, {0.3, hex(0xfff4d0)}, {1, hex(0xa89868)}});
    cairo_fill(cr);
    cairo_rectangle(cr, 6, 69, 32, 6);
    art::setColor(cr, hex(0xc8324a));
    cairo_fill(cr);
    art::roundedRect(cr, 15.5, 0, 13, 8, 2);
    art::setLinear(cr, 15, 0, 29, 0,
                   {{0, hex(0xb8860b)}, {0.4, hex(0xffe08a)}, {1, hex(0x8a6508)}});
    cairo_fill(cr);
    cairo_rectangle(cr, 11, 46, 3, 50);
    art::setColor(cr, {1, 1, 1, 0.35});
    cairo_fill(cr);
    outline(cr);
    cairo_set_line_width(cr, 1);
    art::setColor(cr, {0, 0.15, 0.05, 0.8});
    cairo_stroke(cr);
    save(ctx, s, "bottle");
}

} // namespace

void writeLevelObjects(const Context& ctx) {
    writeMoon(ctx);
    writeSun(ctx);
    writeTree(ctx);
    writeLight(ctx);
    writeConveyor(ctx, true);
    writeConveyor(ctx, false);
    writeWheel(ctx);
    writeBottle(ctx);
}

} // namespace content::gameplay
