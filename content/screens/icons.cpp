// Program icons: a rounded tile in the game's sky colours with one emblem each. The game shows
// its fly over a bubble, the level editor the fly under placement cross-hairs on a map grid,
// the options editor a honey cog. Drawn on a 256-unit canvas and scaled for smaller sizes.
#include "content/screens/icons.hpp"

#include "content/kit/image_files.hpp"
#include "content/screens/style.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace content {
namespace {

using namespace screens;

constexpr double kCanvas = 256.0;

// Shadows are offset and blurred in device pixels, so they shrink with the icon.
int shadowPixels(double units, double scale) {
    return std::max(1, static_cast<int>(std::lround(units * scale)));
}

void tile(cairo_t* cr, const art::Rgba& top, const art::Rgba& bottom, double scale) {
    art::softShadow(cr, 0, 6 * scale, shadowPixels(8, scale), {0, 0, 0, 0.45}, [](cairo_t* c) {
        art::roundedRect(c, 16, 14, 224, 224, 44);
        cairo_fill(c);
    });
    art::roundedRect(cr, 16, 14, 224, 224, 44);
    art::setLinear(cr, 0, 14, 0, 238, {{0, top}, {1, bottom}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 6);
    art::setColor(cr, palette::honey);
    cairo_stroke(cr);
    // A sheen on the upper half, as the menu's glass panels have.
    art::roundedRect(cr, 26, 22, 204, 96, 36);
    art::setLinear(cr, 0, 22, 0, 118, {{0, {1, 1, 1, 0.28}}, {1, {1, 1, 1, 0}}});
    cairo_fill(cr);
}

void gameIcon(cairo_t* cr, double scale) {
    tile(cr, palette::sky, palette::navy, scale);
    drawBubble(cr, 150, 156, 58);
    drawBubble(cr, 70, 186, 20, 0.9);
    drawFly(cr, 108, 112, 112, -30);
}

void levelEditorIcon(cairo_t* cr, double scale) {
    tile(cr, palette::leaf, art::darker(palette::leaf, 0.55), scale);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    for (double v = 56; v < 230; v += 40) {
        cairo_move_to(cr, v, 30);
        cairo_line_to(cr, v, 224);
        cairo_move_to(cr, 30, v);
        cairo_line_to(cr, 226, v);
    }
    cairo_stroke(cr);
    drawFly(cr, 128, 126, 100, 20);
    // Cross-hairs: where the mouse puts the fly.
    cairo_set_line_width(cr, 8);
    art::setColor(cr, palette::honey);
    cairo_arc(cr, 128, 126, 70, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        cairo_move_to(cr, 128 + 56 * std::cos(a), 126 + 56 * std::sin(a));
        cairo_line_to(cr, 128 + 92 * std::cos(a), 126 + 92 * std::sin(a));
    }
    cairo_stroke(cr);
}

// A cog of eight teeth around a hole, centred on (128, 128).
void cogPath(cairo_t* cr) {
    constexpr double cx = 128, cy = 128;
    constexpr int kTeeth = 8;
    cairo_new_path(cr);
    for (int i = 0; i < kTeeth * 4; ++i) {
        // Four corners per tooth: rise, top, fall, root.
        const double a = (i - 0.5) * M_PI / (kTeeth * 2);
        const double r = (i % 4 == 1 || i % 4 == 2) ? 92 : 70;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, 30, 2 * M_PI, 0);
}

void optionsIcon(cairo_t* cr, double scale) {
    tile(cr, palette::blue, palette::night, scale);
    art::softShadow(cr, 0, 5 * scale, shadowPixels(6, scale), {0, 0, 0, 0.5}, [](cairo_t* c) {
        cogPath(c);
        cairo_fill(c);
    });
    cogPath(cr);
    art::setRadial2(cr, 98, 88, 10, 128, 128, 96,
                    {{0, art::lighter(palette::honey, 0.4)}, {1, palette::amber}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    art::setColor(cr, art::darker(palette::amber, 0.45));
    cairo_stroke(cr);
    drawFly(cr, 128, 128, 44, 0);
}

using Painter = void (*)(cairo_t*, double);

void writeIcon(const Context& ctx, const char* name, Painter paint, int size) {
    art::Surface surface = art::makeSurface(size, size);
    art::Context context = art::makeContext(surface);
    const double scale = size / kCanvas;
    cairo_scale(context.get(), scale, scale);
    paint(context.get(), scale);
    const std::string side = std::to_string(size);
    savePng(surface.get(), ctx.root / "share" / "icons" / "hicolor" / (side + "x" + side) / "apps" /
                               (std::string(name) + ".png"));
}

} // namespace

void writeProgramIcons(const Context& ctx) {
    const Painter painters[] = {gameIcon, levelEditorIcon, optionsIcon};
    for (std::size_t i = 0; i < kIconNames.size(); ++i) {
        for (int size : kIconSizes) {
            writeIcon(ctx, kIconNames[i], painters[i], size);
        }
    }
}

} // namespace content
