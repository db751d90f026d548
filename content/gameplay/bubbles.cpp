// The collectable bubble, its two popped halves, the small one and the health bubble.
#include "content/gameplay/gameplay_art.hpp"
#include "content/gameplay/look.hpp"
#include "content/kit/image_files.hpp"

#include <cmath>
#include <functional>

namespace content::gameplay {

void drawSoapBubble(cairo_t* cr, double cx, double cy, double r, const art::Rgba& tint) {
    // Clear in the middle, coloured towards the rim, like a real soap film.
    art::setRadial(cr, cx, cy, 0, r,
                   {{0, {tint.r, tint.g, tint.b, 0.08}},
                    {0.7, {tint.r, tint.g, tint.b, 0.22}},
                    {0.9, {tint.r, tint.g, tint.b, 0.6}},
                    {1, {tint.r * 0.6, tint.g * 0.6, tint.b * 0.8, 0.9}}});
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    // Iridescent sheen: a pink and a green arc along the rim.
    cairo_set_line_width(cr, r * 0.1);
    art::setColor(cr, {1, 0.5, 0.85, 0.45});
    cairo_arc(cr, cx, cy, r * 0.9, M_PI * 0.1, M_PI * 0.75);
    cairo_stroke(cr);
    art::setColor(cr, {0.5, 1, 0.6, 0.35});
    cairo_arc(cr, cx, cy, r * 0.9, M_PI * 0.8, M_PI * 1.2);
    cairo_stroke(cr);
    // Window highlight and a small second glint.
    art::setRadial(cr, cx - r * 0.38, cy - r * 0.4, 0, r * 0.32,
                   {{0, {1, 1, 1, 0.95}}, {1, {1, 1, 1, 0}}});
    cairo_arc(cr, cx - r * 0.38, cy - r * 0.4, r * 0.32, 0, 2 * M_PI);
    cairo_fill(cr);
    art::setColor(cr, {1, 1, 1, 0.7});
    cairo_arc(cr, cx + r * 0.42, cy + r * 0.45, r * 0.08, 0, 2 * M_PI);
    cairo_fill(cr);
}

void drawHealthBubble(cairo_t* cr, double cx, double cy, double r) {
    drawSoapBubble(cr, cx, cy, r, {1, 0.55, 0.6, 1});
    // A white disc with a red cross reads as health at a glance.
    art::setColor(cr, {1, 1, 1, 0.92});
    cairo_arc(cr, cx, cy, r * 0.52, 0, 2 * M_PI);
    cairo_fill(cr);
    const double a = r * 0.36, b = r * 0.12;
    cairo_rectangle(cr, cx - b, cy - a, 2 * b, 2 * a);
    cairo_rectangle(cr, cx - a, cy - b, 2 * a, 2 * b);
    art::setLinear(cr, 0, cy - a, 0, cy + a, {{0, art::hex(0xff4a4a)}, {1, art::hex(0xc4161c)}});
    cairo_fill(cr);
    art::setRadial(cr, cx - r * 0.38, cy - r * 0.4, 0, r * 0.25,
                   {{0, {1, 1, 1, 0.9}}, {1, {1, 1, 1, 0}}});
    cairo_arc(cr, cx - r * 0.38, cy - r * 0.4, r * 0.25, 0, 2 * M_PI);
    cairo_fill(cr);
}

namespace {

void writeBubblePicture(const Context& ctx, const std::string& name, int size,
                        const std::function<void(cairo_t*)>& draw) {
    art::Surface s = art::makeSurface(size, size);
    art::Context cr = art::makeContext(s);
    draw(cr.get());
    saveDds(s.get(), gamePicture(ctx, "bubble/" + name + ".dds"));
}

} // namespace

void writeBubbles(const Context& ctx) {
    const art::Rgba tint{0.55, 0.8, 1, 1};
    writeBubblePicture(ctx, "bubble", 36,
                       [&](cairo_t* cr) { drawSoapBubble(cr, 18, 18, 17, tint); });
    // The halves split along the vertical axis; drawn together they are the whole bubble.
    for (int side : {0, 1})
        writeBubblePicture(ctx, side == 0 ? "bubble_l" : "bubble_r", 36, [&](cairo_t* cr) {
            cairo_rectangle(cr, side == 0 ? 0 : 18, 0, 18, 36);
            cairo_clip(cr);
            drawSoapBubble(cr, 18, 18, 17, tint);
        });
    writeBubblePicture(ctx, "bubble_mini", 18,
                       [&](cairo_t* cr) { drawSoapBubble(cr, 9, 9, 8.5, tint); });
    writeBubblePicture(ctx, "healthbubble", 36,
                       [&](cairo_t* cr) { drawHealthBubble(cr, 18, 18, 17); });
}

} // namespace content::gameplay
