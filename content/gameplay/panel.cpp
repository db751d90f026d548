// The side panel with its icons, the danger alert, and the pause panel with its choices.
#include "content/gameplay/gameplay_art.hpp"
#include "content/gameplay/look.hpp"
#include "content/kit/image_files.hpp"

#include <array>
#include <cmath>
#include <string>

namespace content::gameplay {

void hudPanel(cairo_t* cr, double x, double y, double w, double h, double radius) {
    art::softShadow(cr, 0, 4, 8, {0, 0, 0, 0.5}, [&](cairo_t* lc) {
        art::roundedRect(lc, x + 2, y + 2, w - 4, h - 4, radius);
        cairo_fill(lc);
    });
    art::roundedRect(cr, x + 2, y + 2, w - 4, h - 4, radius);
    art::setLinear(cr, 0, y, 0, y + h, {{0, look::panelTop}, {1, look::panelBottom}});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    art::setColor(cr, look::rim);
    cairo_stroke(cr);
    // Sheen across the upper part.
    cairo_save(cr);
    art::roundedRect(cr, x + 6, y + 6, w - 12, h * 0.4, radius * 0.8);
    cairo_clip(cr);
    art::setLinear(cr, 0, y, 0, y + h * 0.4, {{0, {1, 1, 1, 0.16}}, {1, {1, 1, 1, 0}}});
    cairo_paint(cr);
    cairo_restore(cr);
}

void hudPlate(cairo_t* cr, double x, double y, double w, double h) {
    art::roundedRect(cr, x, y, w, h, 10);
    art::setLinear(cr, 0, y, 0, y + h,
                   {{0, art::darker(look::plate, 0.3)}, {1, art::lighter(look::plate, 0.08)}});
    cairo_fill(cr);
    // Inner shadow along the top edge, a light lip along the bottom: the plate sits recessed.
    cairo_save(cr);
    art::roundedRect(cr, x, y, w, h, 10);
    cairo_clip(cr);
    cairo_set_line_width(cr, 6);
    art::roundedRect(cr, x - 1, y + 2, w + 2, h + 4, 10);
    art::setColor(cr, {0, 0, 0, 0.6});
    cairo_stroke(cr);
    cairo_restore(cr);
    art::roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 10);
    cairo_set_line_width(cr, 1);
    art::setLinear(cr, 0, y, 0, y + h, {{0, {1, 1, 1, 0.0}}, {1, {1, 1, 1, 0.25}}});
    cairo_stroke(cr);
}

namespace {

void save(const Context& ctx, const art::Surface& s, const std::string& name) {
    saveDds(s.get(), gamePicture(ctx, "panel/" + name + ".dds"));
}

// A honeycomb of faint hexagons, the game's background motif.
void honeycomb(cairo_t* cr, double w, double h, double size, const art::Rgba& colour) {
    const double dx = size * std::sqrt(3.0), dy = size * 1.5;
    cairo_set_line_width(cr, 1);
    art::setColor(cr, colour);
    int row = 0;
    for (double y = 0; y < h + size; y += dy, ++row)
        for (double x = (row % 2) * dx / 2; x < w + dx; x += dx) {
            for (int i = 0; i < 6; ++i) {
                const double a = M_PI / 6 + i * M_PI / 3;
                cairo_line_to(cr, x + size * 0.92 * std::cos(a), y + size * 0.92 * std::sin(a));
            }
            cairo_close_path(cr);
        }
    cairo_stroke(cr);
}

void writeSidePanel(const Context& ctx) {
    const int w = 160, h = 768;
    art::Surface s = art::makeSurface(w, h);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    art::setLinear(cr, 0, 0, 0, h, {{0, look::panelTop}, {1, look::panelBottom}});
    cairo_paint(cr);
    honeycomb(cr, w, h, 14, {1, 1, 1, 0.05});
    art::noiseTexture(s.get(), 0, 0, w, h, 40, 0.08, 4242);
    // Metal frame along the left edge where the panel meets the play field.
    cairo_rectangle(cr, 0, 0, 8, h);
    art::setLinear(cr, 0, 0, 8, 0,
                   {{0, art::hex(0x6b4a10)}, {0.4, look::rim}, {1, art::hex(0x8a5e12)}});
    cairo_fill(cr);
    cairo_rectangle(cr, 8, 0, 6, h);
    art::setLinear(cr, 8, 0, 14, 0, {{0, {0, 0, 0, 0.5}}, {1, {0, 0, 0, 0}}});
    cairo_fill(cr);
    // Plates behind the counters; the game writes its yellow numbers over them (panel x 80).
    struct Slot {
        double top, bottom;
    };
    const std::array<Slot, 6> slots{
        {{26, 108}, {132, 210}, {232, 310}, {332, 410}, {430, 528}, {551, 629}}};
    for (const Slot& s : slots)
        hudPlate(cr, 18, s.top, 124, s.bottom - s.top);
    // The logo's frame at the foot of the panel.
    hudPlate(cr, 18, 668, 124, 80);
    // Small rivets between the plates.
    for (double y : {120.0, 221.0, 321.0, 420.0, 540.0, 648.0, 758.0})
        for (double x : {26.0, 134.0}) {
            art::setRadial2(cr, x - 1, y - 1, 0, x, y, 3.5,
                            {{0, art::hex(0xfff0c0)}, {0.5, look::rim}, {1, art::hex(0x5a3a08)}});
            cairo_arc(cr, x, y, 3, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    save(ctx, s, "panel");
}

void writeIcons(const Context& ctx) {
    {
        art::Surface s = art::makeSurface(36, 36);
        art::Context c = art::makeContext(s);
        drawSoapBubble(c.get(), 18, 18, 17, {0.55, 0.8, 1, 1});
        save(ctx, s, "panel_bubble");
    }
    {
        // The fly stands for the lives counter below it.
        art::Surface s = art::makeSurface(92, 44);
        art::Context c = art::makeContext(s);
        cairo_t* cr = c.get();
        cairo_translate(cr, 46, 22);
        cairo_scale(cr, 0.5, 0.5);
        cairo_translate(cr, -50, -42);
        drawFlyFigure(cr, 0.1);
        save(ctx, s, "panel_fly");
    }
    {
        // The studio's mark: a bubble with a Q inside, and its name.
        art::Surface s = art::makeSurface(108, 60);
        art::Context c = art::makeContext(s);
        cairo_t* cr = c.get();
        drawSoapBubble(cr, 22, 28, 19, {1, 0.8, 0.3, 1});
        art::TextStyle q;
        q.face = look::titleFace;
        q.size = 24;
        q.bold = true;
        q.fill = look::rim;
        art::drawTextCentered(cr, "Q", 22, 28, q);
        art::TextStyle name = q;
        name.size = 19;
        name.fill = look::cream;
        name.shadow = {0, 0, 0, 0.6};
        name.shadowOffset = 1;
        name.shadowBlur = 2;
        art::drawText(cr, "uelba", 44, 12, name);
        art::TextStyle games = name;
        games.size = 10;
        games.bold = false;
        games.fill = look::rim;
        art::drawText(cr, "G A M E S", 47, 36, games);
        save(ctx, s, "panel_quelbalogo");
    }
}

void writeAlert(const Context& ctx) {
    const int w = 192, h = 768;
    art::Surface s = art::makeSurface(w, h);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    // A red glow band, strongest in the middle, with warning signs down its centre.
    art::setLinear(cr, 0, 0, w, 0,
                   {{0.02, {1, 0.1, 0.05, 0}},
                    {0.3, {1, 0.1, 0.05, 0.55}},
                    {0.5, {1, 0.15, 0.05, 0.85}},
                    {0.7, {1, 0.1, 0.05, 0.55}},
                    {0.98, {1, 0.1, 0.05, 0}}});
    cairo_paint(cr);
    for (double cy : {130.0, 384.0, 638.0}) {
        const double r = 48;
        art::softShadow(cr, 0, 3, 6, {0, 0, 0, 0.5}, [&](cairo_t* lc) {
            cairo_move_to(lc, 96, cy - r);
            cairo_line_to(lc, 96 + r * 1.1, cy + r * 0.8);
            cairo_line_to(lc, 96 - r * 1.1, cy + r * 0.8);
            cairo_close_path(lc);
            cairo_fill(lc);
        });
        cairo_move_to(cr, 96, cy - r);
        cairo_line_to(cr, 96 + r * 1.1, cy + r * 0.8);
        cairo_line_to(cr, 96 - r * 1.1, cy + r * 0.8);
        cairo_close_path(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        art::setLinear(cr, 0, cy - r, 0, cy + r,
                       {{0, art::hex(0xffe14d)}, {1, art::hex(0xf2a516)}});
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 6);
        art::setColor(cr, art::hex(0x1d1d1d));
        cairo_stroke(cr);
        art::TextStyle mark;
        mark.face = look::bodyFace;
        mark.size = 50;
        mark.bold = true;
        mark.fill = art::hex(0x1d1d1d);
        art::drawTextCentered(cr, "!", 96, cy + 8, mark);
    }
    save(ctx, s, "alert");
}

void writePausePanel(const Context& ctx) {
    art::Surface s = art::makeSurface(320, 200);
    art::Context c = art::makeContext(s);
    hudPanel(c.get(), 0, 0, 320, 200, 18);
    honeycomb(c.get(), 320, 200, 12, {1, 1, 1, 0.04});
    save(ctx, s, "pausepanel");
}

// The choice picture covers the panel from (12, 10) to (308, 190): a title and three buttons.
void writePauseChoices(const Context& ctx) {
    struct Language {
        const char* code;
        const char* title;
        std::array<const char*, 3> items;
    };
    const Language languages[] = {{"cz", "Pauza", {"Pokračovat", "Vzdát se", "Hlavní menu"}},
                                  {"en", "Pause", {"Resume", "Give up", "Main menu"}}};
    for (const Language& lang : languages)
        for (int chosen = 1; chosen <= 3; ++chosen) {
            art::Surface s = art::makeSurface(296, 180);
            art::Context c = art::makeContext(s);
            cairo_t* cr = c.get();
            art::TextStyle title;
            title.face = look::titleFace;
            title.size = 26;
            title.bold = true;
            title.fill = look::rim;
            title.shadow = {0, 0, 0, 0.6};
            art::drawTextCentered(cr, lang.title, 148, 22, title);
            for (int i = 0; i < 3; ++i) {
                const double y = 48 + i * 44;
                const bool on = i + 1 == chosen;
                art::roundedRect(cr, 28, y, 240, 36, 18);
                if (on) {
                    art::setLinear(cr, 0, y, 0, y + 36,
                                   {{0, art::hex(0xffd76a)}, {1, art::hex(0xe89a1c)}});
                    cairo_fill_preserve(cr);
                    cairo_set_line_width(cr, 2);
                    art::setColor(cr, art::hex(0xfff3c4));
                    cairo_stroke(cr);
                } else {
                    art::setColor(cr, {1, 1, 1, 0.08});
                    cairo_fill_preserve(cr);
                    cairo_set_line_width(cr, 1.5);
                    art::setColor(cr, {1, 1, 1, 0.25});
                    cairo_stroke(cr);
                }
                art::TextStyle item;
                item.face = look::titleFace;
                item.size = 20;
                item.bold = on;
                item.fill = on ? art::hex(0x2a1a05) : look::cream;
                if (!on)
                    item.shadow = {0, 0, 0, 0.6};
                art::drawTextCentered(cr, lang.items[i], 148, y + 18, item);
                if (on)
                    for (int side : {-1, 1}) {
                        const double ax = 148 + side * 104;
                        cairo_move_to(cr, ax - side * 6, y + 11);
                        cairo_line_to(cr, ax + side * 4, y + 18);
                        cairo_line_to(cr, ax - side * 6, y + 25);
                        cairo_close_path(cr);
                        art::setColor(cr, art::hex(0x2a1a05));
                        cairo_fill(cr);
                    }
            }
            save(ctx, s, std::string("pause_s") + std::to_string(chosen) + "_" + lang.code);
        }
}

} // namespace

void writePanel(const Context& ctx) {
    writeSidePanel(ctx);
    writeIcons(ctx);
    writeAlert(ctx);
    writePausePanel(ctx);
    writePauseChoices(ctx);
}

} // namespace content::gameplay
