#include "content/kit/art_kit.hpp"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace content::art {

Rgba hex(std::uint32_t rgb, double alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Rgba mix(const Rgba& a, const Rgba& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba lighter(const Rgba& c, double amount) {
    return mix(c, {1, 1, 1, c.a}, amount);
}
Rgba darker(const Rgba& c, double amount) {
    return mix(c, {0, 0, 0, c.a}, amount);
}

Surface makeSurface(int width, int height) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        throw std::runtime_error("cannot create a picture surface");
    }
    return Surface(s);
}

Context makeContext(const Surface& surface) {
    cairo_t* cr = cairo_create(surface.get());
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr);
        throw std::runtime_error("cannot create a drawing context");
    }
    return Context(cr);
}

void setColor(cairo_t* cr, const Rgba& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

namespace {

void addStops(cairo_pattern_t* p, std::initializer_list<Stop> stops) {
    for (const Stop& s : stops)
        cairo_pattern_add_color_stop_rgba(p, s.offset, s.color.r, s.color.g, s.color.b, s.color.a);
}

void useSource(cairo_t* cr, cairo_pattern_t* p, std::initializer_list<Stop> stops) {
    addStops(p, stops);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

} // namespace

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
               std::initializer_list<Stop> stops) {
    useSource(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void setRadial(cairo_t* cr, double cx, double cy, double r0, double r1,
               std::initializer_list<Stop> stops) {
    useSource(cr, cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops);
}

void setRadial2(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1,
                std::initializer_list<Stop> stops) {
    useSource(cr, cairo_pattern_create_radial(fx, fy, r0, cx, cy, r1), stops);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    radius = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

namespace {

// One box pass along a line of `count` samples `step` bytes apart, for each of `channels`.
void boxLine(unsigned char* base, int count, int step, int channels, int half,
             std::vector<int>& scratch) {
    scratch.resize(count);
    const int window = 2 * half + 1;
    for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < count; ++i)
            scratch[i] = base[i * step + c];
        int sum = 0;
        for (int i = -half; i <= half; ++i)
            sum += scratch[std::clamp(i, 0, count - 1)];
        for (int i = 0; i < count; ++i) {
            base[i * step + c] = static_cast<unsigned char>((sum + window / 2) / window);
            sum += scratch[std::min(i + half + 1, count - 1)] - scratch[std::max(i - half, 0)];
        }
    }
}

void blurRect(cairo_surface_t* surface, int x0, int y0, int x1, int y1, int radius) {
    if (radius <= 0 || x1 <= x0 || y1 <= y0)
        return;
    cairo_surface_flush(surface);
    const int bpp = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_A8 ? 1 : 4;
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int half = std::max(1, (radius + 1) / 3);
    std::vector<int> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = y0; y < y1; ++y)
            boxLine(data + y * stride + x0 * bpp, x1 - x0, bpp, bpp, half, scratch);
        for (int x = x0; x < x1; ++x)
            boxLine(data + y0 * stride + x * bpp, y1 - y0, stride, bpp, half, scratch);
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace

void blur(cairo_surface_t* surface, int radius) {
    blurRect(surface, 0, 0, cairo_image_surface_get_width(surface),
             cairo_image_surface_get_height(surface), radius);
}

cairo_surface_t* shadowLayer(cairo_t* cr) {
    cairo_surface_t* target = cairo_get_target(cr);
    return cairo_image_surface_create(CAIRO_FORMAT_A8, cairo_image_surface_get_width(target),
                                      cairo_image_surface_get_height(target));
}

void paintShadowLayer(cairo_t* cr, cairo_surface_t* layer, double dx, double dy, int radius,
                      const Rgba& color) {
    cairo_surface_flush(layer);
    const int w = cairo_image_surface_get_width(layer);
    const int h = cairo_image_surface_get_height(layer);
    const int stride = cairo_image_surface_get_stride(layer);
    const unsigned char* data = cairo_image_surface_get_data(layer);
    // Blur only around the inked part: shadows of small shapes on big pictures stay cheap.
    int minX = w, minY = h, maxX = -1, maxY = -1;
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = data + y * stride;
        for (int x = 0; x < w; ++x)
            if (row[x]) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = y;
            }
    }
    if (maxX < 0)
        return;
    const int pad = radius + 2;
    blurRect(layer, std::max(0, minX - pad), std::max(0, minY - pad), std::min(w, maxX + pad + 1),
             std::min(h, maxY + pad + 1), radius);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    setColor(cr, color);
    cairo_mask_surface(cr, layer, dx, dy);
    cairo_restore(cr);
}

namespace {

struct LayoutDeleter {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using Layout = std::unique_ptr<PangoLayout, LayoutDeleter>;

// The same font options everywhere, so text renders identically on every build machine.
void fixFontOptions(PangoContext* pc) {
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pc, fo);
    cairo_font_options_destroy(fo);
}

Layout makeLayout(cairo_t* cr, const std::string& text, const TextStyle& style, bool markup) {
    Layout layout(pango_cairo_create_layout(cr));
    fixFontOptions(pango_layout_get_context(layout.get()));
    pango_layout_context_changed(layout.get());
    PangoFontDescription* fd = pango_font_description_new();
    pango_font_description_set_family(fd, style.face.c_str());
    pango_font_description_set_absolute_size(fd, style.size * PANGO_SCALE);
    pango_font_description_set_weight(fd, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(fd, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout.get(), fd);
    pango_font_description_free(fd);
    if (style.wrapWidth > 0) {
        pango_layout_set_width(layout.get(), style.wrapWidth * PANGO_SCALE);
        pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
    }
    pango_layout_set_alignment(layout.get(), style.alignment == 1   ? PANGO_ALIGN_CENTER
                                             : style.alignment == 2 ? PANGO_ALIGN_RIGHT
                                                                    : PANGO_ALIGN_LEFT);
    if (style.lineSpacing != 1.0)
        pango_layout_set_line_spacing(layout.get(), static_cast<float>(style.lineSpacing));
    if (markup)
        pango_layout_set_markup(layout.get(), text.c_str(), -1);
    else
        pango_layout_set_text(layout.get(), text.c_str(), -1);
    return layout;
}

TextSize layoutSize(PangoLayout* layout) {
    int w = 0, h = 0;
    pango_layout_get_size(layout, &w, &h);
    return {static_cast<double>(w) / PANGO_SCALE, static_cast<double>(h) / PANGO_SCALE};
}

TextSize render(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style,
                bool markup) {
    Layout layout = makeLayout(cr, text, style, markup);
    if (style.shadow.a > 0) {
        softShadow(cr, style.shadowOffset, style.shadowOffset, style.shadowBlur, style.shadow,
                   [&](cairo_t* lc) {
                       Layout l = makeLayout(lc, text, style, markup);
                       cairo_move_to(lc, x, y);
                       pango_cairo_layout_path(lc, l.get());
                       if (style.outlineWidth > 0) {
                           cairo_set_line_width(lc, style.outlineWidth * 2);
                           cairo_set_line_join(lc, CAIRO_LINE_JOIN_ROUND);
                           cairo_stroke_preserve(lc);
                       }
                       cairo_fill(lc);
                   });
    }
    cairo_save(cr);
    if (style.outlineWidth > 0 && style.outline.a > 0) {
        cairo_move_to(cr, x, y);
        pango_cairo_layout_path(cr, layout.get());
        setColor(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    setColor(cr, style.fill);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
    return layoutSize(layout.get());
}

} // namespace

TextSize measureText(const std::string& utf8, const TextStyle& style) {
    Surface s = makeSurface(1, 1);
    Context cr = makeContext(s);
    Layout layout = makeLayout(cr.get(), utf8, style, false);
    return layoutSize(layout.get());
}

TextSize drawText(cairo_t* cr, const std::string& utf8, double x, double y,
                  const TextStyle& style) {
    return render(cr, utf8, x, y, style, false);
}

TextSize drawTextCentered(cairo_t* cr, const std::string& utf8, double cx, double cy,
                          const TextStyle& style) {
    TextSize size = measureText(utf8, style);
    // A wrapped layout is as wide as its wrap width; its alignment places the lines within.
    const double x = style.wrapWidth > 0 ? cx - style.wrapWidth / 2.0 : cx - size.width / 2;
    return render(cr, utf8, x, cy - size.height / 2, style, false);
}

TextSize drawMarkup(cairo_t* cr, const std::string& markup, double x, double y,
                    const TextStyle& style) {
    return render(cr, markup, x, y, style, true);
}

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

double latticeValue(std::int64_t x, std::int64_t y, std::uint64_t seed) {
    std::uint64_t h = seed ^ (static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull) ^
                      (static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double valueNoise(double x, double y, std::uint64_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = latticeValue(ix, iy, seed), b = latticeValue(ix + 1, iy, seed);
    const double c = latticeValue(ix, iy + 1, seed), d = latticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint64_t seed) {
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(x, y, seed + static_cast<std::uint64_t>(o) * 7919);
        total += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

void noiseTexture(cairo_surface_t* surface, int x, int y, int w, int h, double scale,
                  double strength, std::uint64_t seed, int octaves) {
    cairo_surface_flush(surface);
    const int sw = cairo_image_surface_get_width(surface);
    const int sh = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(sw, x + w), y1 = std::min(sh, y + h);
    for (int py = y0; py < y1; ++py) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + py * stride);
        for (int px = x0; px < x1; ++px) {
            const std::uint32_t p = row[px];
            const std::uint32_t a = p >> 24;
            if (a == 0)
                continue;
            const double n = fractalNoise(px / scale, py / scale, octaves, seed);
            const double f = 1 + strength * (n - 0.5) * 2;
            auto channel = [&](int shift) {
                double v = ((p >> shift) & 0xFF) * f;
                return static_cast<std::uint32_t>(std::clamp(v, 0.0, static_cast<double>(a)));
            };
            row[px] = (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void grain(cairo_surface_t* surface, double strength, std::uint64_t seed) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    Random random(seed);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t a = p >> 24;
            if (a == 0)
                continue;
            const double d = (random.uniform() - 0.5) * 2 * strength * a;
            auto channel = [&](int shift) {
                double v = ((p >> shift) & 0xFF) + d;
                return static_cast<std::uint32_t>(std::clamp(v, 0.0, static_cast<double>(a)));
            };
            row[x] = (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace content::art
