// Small cairo/pango toolkit shared by the picture writers: surfaces, gradients, soft shadows,
// rounded shapes, outlined text and seeded textures. Everything is deterministic.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

namespace content::art {

// Straight (not premultiplied) colour with components in 0..1.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB with an optional alpha.
Rgba hex(std::uint32_t rgb, double alpha = 1.0);
Rgba mix(const Rgba& a, const Rgba& b, double t);
Rgba lighter(const Rgba& c, double amount); // towards white
Rgba darker(const Rgba& c, double amount);  // towards black

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A transparent ARGB32 surface; throws std::runtime_error when cairo cannot make it.
Surface makeSurface(int width, int height);
Context makeContext(const Surface& surface);

void setColor(cairo_t* cr, const Rgba& c);

// Gradient sources; stops are evenly spaced unless given with explicit offsets.
struct Stop {
    double offset;
    Rgba color;
};
void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
               std::initializer_list<Stop> stops);
void setRadial(cairo_t* cr, double cx, double cy, double r0, double r1,
               std::initializer_list<Stop> stops);
// Radial with the inner circle offset (highlights on spheres).
void setRadial2(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1,
                std::initializer_list<Stop> stops);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Blurs a surface in place (box blur three times, close to a Gaussian of the given radius).
void blur(cairo_surface_t* surface, int radius);

// Paints a soft shadow of whatever `shape` draws (filled with the shadow colour) under the
// current content of cr, offset by (dx, dy) device pixels and blurred by `radius` pixels. The
// callback gets a context with cr's transformation and an opaque source set; it fills or strokes.
template <class Shape>
void softShadow(cairo_t* cr, double dx, double dy, int radius, const Rgba& color, Shape&& shape);

// Outlined text rendered with pango. `face` is a fontconfig family ("DejaVu Sans", "Liberation
// Sans", "URW Gothic", ...). Returns the logical width and height in pixels.
struct TextStyle {
    std::string face = "DejaVu Sans";
    double size = 20; // pixels
    bool bold = false;
    bool italic = false;
    Rgba fill{1, 1, 1, 1};
    Rgba outline{0, 0, 0, 0}; // transparent: no outline
    double outlineWidth = 0;
    Rgba shadow{0, 0, 0, 0}; // transparent: no shadow
    double shadowOffset = 2;
    int shadowBlur = 3;
    int wrapWidth = -1;       // pixels; -1 keeps one line
    int alignment = 0;        // 0 left, 1 centre, 2 right (within wrapWidth)
    double lineSpacing = 1.0; // factor
};
struct TextSize {
    double width = 0, height = 0;
};
TextSize measureText(const std::string& utf8, const TextStyle& style);
// Draws with the top-left of the layout at (x, y).
TextSize drawText(cairo_t* cr, const std::string& utf8, double x, double y, const TextStyle& style);
// Draws centred on (cx, cy).
TextSize drawTextCentered(cairo_t* cr, const std::string& utf8, double cx, double cy,
                          const TextStyle& style);
// Pango markup variant of drawText (bold/coloured spans inside one text).
TextSize drawMarkup(cairo_t* cr, const std::string& markup, double x, double y,
                    const TextStyle& style);

// Seeded deterministic generator (splitmix64) for textures and scattering.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform(); // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

// Smooth value noise in 0..1 at (x, y) for a lattice of the given seed.
double valueNoise(double x, double y, std::uint64_t seed);
// Fractal sum of `octaves` noise layers, in 0..1.
double fractalNoise(double x, double y, int octaves, std::uint64_t seed);

// Modulates the pixels of the rectangle by noise: each pixel's colour is scaled by
// 1 + strength * (noise - 0.5) * 2, with noise features about `scale` pixels wide.
// Alpha is kept, so it only textures what is already painted.
void noiseTexture(cairo_surface_t* surface, int x, int y, int w, int h, double scale,
                  double strength, std::uint64_t seed, int octaves = 4);
// Adds fine per-pixel grain (film grain, paper) of the given strength.
void grain(cairo_surface_t* surface, double strength, std::uint64_t seed);

// ---- template implementation ----
cairo_surface_t* shadowLayer(cairo_t* cr);
void paintShadowLayer(cairo_t* cr, cairo_surface_t* layer, double dx, double dy, int radius,
                      const Rgba& color);

template <class Shape>
void softShadow(cairo_t* cr, double dx, double dy, int radius, const Rgba& color, Shape&& shape) {
    cairo_surface_t* layer = shadowLayer(cr);
    cairo_t* lc = cairo_create(layer);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_set_matrix(lc, &m);
    cairo_set_source_rgba(lc, 0, 0, 0, 1);
    shape(lc);
    cairo_destroy(lc);
    paintShadowLayer(cr, layer, dx, dy, radius, color);
    cairo_surface_destroy(layer);
}

} // namespace content::art
