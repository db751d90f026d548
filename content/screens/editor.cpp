// The level editor's own picture: the rotation handle drawn beside every enemy.
#include "content/kit/image_files.hpp"
#include "content/screens/style.hpp"

#include <cmath>

namespace content::screens {

using art::hex;

// 20 × 20, the size of the handle's box in the editor's view, so it is never stretched.
void writeEditorArt(const Context& ctx) {
    art::Surface s = art::makeSurface(20, 20);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_rectangle(cr, 0, 0, 20, 20);
    art::setLinear(cr, 0, 0, 0, 20, {{0, hex(0xffd46a)}, {1, hex(0xd0800e)}});
    cairo_fill(cr);
    cairo_rectangle(cr, 0.5, 0.5, 19, 19);
    cairo_set_source_rgb(cr, 0.35, 0.18, 0);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // A three-quarter circle with an arrow head: turn me.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 10, 10.5, 5.5, -M_PI * 0.3, M_PI * 1.25);
    cairo_set_source_rgb(cr, 0.16, 0.08, 0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double a = -M_PI * 0.3;
    const double tx = 10 + 5.5 * std::cos(a), ty = 10.5 + 5.5 * std::sin(a);
    cairo_move_to(cr, tx + 3.5, ty - 1.5);
    cairo_line_to(cr, tx - 2.5, ty - 3.5);
    cairo_line_to(cr, tx + 0.5, ty + 3);
    cairo_close_path(cr);
    cairo_fill(cr);
    saveJpeg(s.get(), gfx(ctx, "game/levelobjects/rotateico.jpg"), 98);
}

} // namespace content::screens
