// The loading screen's pieces, the two logo pages and the five credits pages.
#include "content/kit/image_files.hpp"
#include "content/screens/style.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace content::screens {

using art::hex;
using art::Rgba;

namespace {

void writeLoadingPieces(const Context& ctx) {
    {
        // A ribbon across the bottom of the white loading screen.
        art::Surface s = art::makeSurface(1024, 20);
        art::Context c = art::makeContext(s);
        cairo_t* cr = c.get();
        cairo_rectangle(cr, 0, 0, 1024, 20);
        art::setLinear(cr, 0, 0, 0, 20, {{0, hex(0x1d5fae)}, {1, hex(0x0b2d5b)}});
        cairo_fill(cr);
        cairo_rectangle(cr, 0, 0, 1024, 2);
        art::setColor(cr, palette::honey);
        cairo_fill(cr);
        // Fade both ends into the white page.
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
        cairo_rectangle(cr, 0, 0, 1024, 20);
        art::setLinear(
            cr, 0, 0, 1024, 0,
            {{0, {0, 0, 0, 0}}, {0.2, {0, 0, 0, 1}}, {0.8, {0, 0, 0, 1}}, {1, {0, 0, 0, 0}}});
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        art::TextStyle t;
        t.face = titleFace;
        t.bold = true;
        t.size = 12;
        t.fill = {1, 1, 1, 0.9};
        art::drawTextCentered(cr, "B R I M Z E L", 512, 11, t);
        saveDds(s.get(), gfx(ctx, "intro/loading.dds"));
    }
    // The progress bar is stretched sideways as it grows: only vertical shading, so it never
    // looks squeezed.
    const auto bar = [&](std::initializer_list<art::Stop> stops, const std::string& name) {
        art::Surface s = art::makeSurface(834, 11);
        art::Context c = art::makeContext(s);
        cairo_rectangle(c.get(), 0, 0, 834, 11);
        art::setLinear(c.get(), 0, 0, 0, 11, stops);
        cairo_fill(c.get());
        saveBmp(s.get(), gfx(ctx, "intro/" + name));
    };
    bar({{0, hex(0xfff0b0)}, {0.45, hex(0xf5b82e)}, {1, hex(0xb86a08)}}, "loadingline.bmp");
    bar({{0, hex(0x9a9a9a)}, {0.3, hex(0xd4d4d4)}, {1, hex(0xe8e8e8)}}, "loadingline_grey.bmp");
    art::Surface white = art::makeSurface(16, 16);
    art::Context wc = art::makeContext(white);
    cairo_set_source_rgb(wc.get(), 1, 1, 1);
    cairo_paint(wc.get());
    saveBmp(white.get(), gfx(ctx, "intro/white.bmp"));
}

// Mirav's emblem turns on its page, so it is round and evenly balanced: eight wing petals
// around a ring.
void writeMiravLogo(const Context& ctx) {
    {
        art::Surface s = art::makeSurface(328, 328);
        art::Context c = art::makeContext(s);
        cairo_t* cr = c.get();
        const double cx = 164, cy = 164;
        cairo_arc(cr, cx, cy, 160, 0, 2 * M_PI);
        art::setRadial(
            cr, cx, cy, 60, 162,
            {{0, hex(0x8a5cf0, 0.0)}, {0.8, hex(0x8a5cf0, 0.12)}, {1, hex(0x8a5cf0, 0)}});
        cairo_fill(cr);
        for (int i = 0; i < 8; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, i * M_PI / 4);
            cairo_move_to(cr, 0, -58);
            cairo_curve_to(cr, 52, -80, 46, -140, 8, -156);
            cairo_curve_to(cr, -14, -130, -18, -90, 0, -58);
            cairo_close_path(cr);
            art::setLinear(cr, 0, -58, 0, -156,
                           {{0, hex(0x3a1f8a)}, {0.55, hex(0x7b4fe0)}, {1, hex(0x3fd0d8)}});
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            cairo_move_to(cr, 2, -62);
            cairo_curve_to(cr, 20, -90, 22, -120, 10, -148);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        cairo_arc(cr, cx, cy, 60, 0, 2 * M_PI);
        art::setRadial2(cr, cx - 18, cy - 18, 4, cx, cy, 60,
                        {{0, hex(0xffffff)}, {0.6, hex(0xe6ddff)}, {1, hex(0x9c84e8)}});
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, 60, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.23, 0.12, 0.54, 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8;
            cairo_arc(cr, cx + 48 * std::cos(a), cy + 48 * std::sin(a), 3, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.35, 0.2, 0.7, 0.7);
            cairo_fill(cr);
        }
        saveDds(s.get(), gfx(ctx, "intro/miravlogo1.dds"));
    }
    {
        art::Surface s = art::makeSurface(348, 104);
        art::Context c = art::makeContext(s);
        art::TextStyle t;
        t.face = titleFace;
        t.bold = true;
        t.size = 64;
        t.fill = hex(0x2a1466);
        t.outline = {1, 1, 1, 0.95};
        t.outlineWidth = 5;
        t.shadow = {0.1, 0.0, 0.3, 0.5};
        t.shadowOffset = 3;
        t.shadowBlur = 5;
        art::drawTextCentered(c.get(), "MIRAV", 174, 50, t);
        saveDds(s.get(), gfx(ctx, "intro/miravlogo2.dds"));
    }
    {
        art::Surface s = art::makeSurface(328, 24);
        art::Context c = art::makeContext(s);
        art::TextStyle t;
        t.face = titleFace;
        t.size = 16;
        t.fill = hex(0x4a3a80);
        art::drawTextCentered(c.get(), "uvádí  ·  presents", 164, 12, t);
        saveDds(s.get(), gfx(ctx, "intro/miravlogo3.dds"));
    }
}

// Quelba's mark over the free libraries the game stands on.
void writeQuelbaLogo(const Context& ctx) {
    art::Surface s = art::makeSurface(400, 208);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    // Honey hexagon with a bubble inside.
    const double hx = 92, hy = 62, hr = 46;
    const auto hexagon = [&](cairo_t* k, double r) {
        for (int i = 0; i < 6; ++i) {
            const double a = M_PI / 6 + i * M_PI / 3;
            if (i == 0)
                cairo_move_to(k, hx + r * std::cos(a), hy + r * std::sin(a));
            else
                cairo_line_to(k, hx + r * std::cos(a), hy + r * std::sin(a));
        }
        cairo_close_path(k);
    };
    art::softShadow(cr, 2, 4, 5, {0, 0, 0, 0.35}, [&](cairo_t* k) {
        hexagon(k, hr);
        cairo_fill(k);
    });
    hexagon(cr, hr);
    art::setLinear(cr, 0, hy - hr, 0, hy + hr,
                   {{0, hex(0xffe08a)}, {0.5, hex(0xf5b82e)}, {1, hex(0xc46a0a)}});
    cairo_fill(cr);
    hexagon(cr, hr - 5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    art::TextStyle q;
    q.face = titleFace;
    q.bold = true;
    q.size = 56;
    q.fill = hex(0x5a2a00);
    q.shadow = {1, 1, 1, 0.5};
    q.shadowOffset = 1;
    q.shadowBlur = 1;
    art::drawTextCentered(cr, "Q", hx, hy + 2, q);
    art::TextStyle name;
    name.face = titleFace;
    name.bold = true;
    name.size = 58;
    name.fill = hex(0x0b2d5b);
    name.shadow = {0, 0, 0, 0.25};
    name.shadowOffset = 2;
    name.shadowBlur = 3;
    art::drawText(cr, "Quelba", 152, 20, name);
    art::TextStyle sub;
    sub.face = bodyFace;
    sub.size = 13;
    sub.fill = hex(0x6a5020);
    art::drawText(cr, "studio  ·  2026", 158, 88, sub);

    cairo_move_to(cr, 30, 128);
    cairo_line_to(cr, 370, 128);
    art::setLinear(cr, 30, 0, 370, 0,
                   {{0, hex(0xf5b82e, 0)}, {0.5, hex(0xf5b82e, 1)}, {1, hex(0xf5b82e, 0)}});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    art::TextStyle line;
    line.face = bodyFace;
    line.size = 12.5;
    line.fill = hex(0x3a4a60);
    line.wrapWidth = 380;
    line.alignment = 1;
    art::drawTextCentered(cr, "postaveno na svobodném softwaru  ·  built on free software", 200,
                          146, line);
    line.face = titleFace;
    line.bold = true;
    line.size = 15;
    line.fill = hex(0x0b2d5b);
    art::drawTextCentered(cr, "SDL2 · SDL2_image · SDL2_ttf · libvorbis", 200, 170, line);
    art::drawTextCentered(cr, "cairo · pango · Qt", 200, 191, line);
    saveDds(s.get(), gfx(ctx, "intro/quelbalogo.dds"));
}

struct CreditBlock {
    std::string heading;            // bilingual role
    std::vector<std::string> lines; // names or notes
};

void writeCreditsPage(const Context& ctx, int number, const std::string& title,
                      const std::vector<CreditBlock>& blocks, bool fly) {
    const int w = 328;
    art::TextStyle titleStyle;
    titleStyle.face = titleFace;
    titleStyle.bold = true;
    titleStyle.size = 30;
    titleStyle.fill = palette::honey;
    titleStyle.outline = hex(0x5a2a00);
    titleStyle.outlineWidth = 1.5;
    titleStyle.wrapWidth = w - 40;
    titleStyle.alignment = 1;
    // Titles stay on one line: long ones shrink.
    titleStyle.wrapWidth = -1;
    const double titleWidth = art::measureText(title, titleStyle).width;
    if (titleWidth > w - 40)
        titleStyle.size *= (w - 40) / titleWidth * 0.97;
    titleStyle.wrapWidth = w - 40;
    art::TextStyle head;
    head.face = titleFace;
    head.bold = true;
    head.size = 17;
    head.fill = hex(0x1d5fae);
    head.wrapWidth = w - 40;
    head.alignment = 1;
    art::TextStyle body;
    body.face = bodyFace;
    body.size = 17;
    body.fill = palette::ink;
    body.wrapWidth = w - 40;
    body.alignment = 1;

    // Lay out once to learn the height, then draw on a card of that height.
    double hgt = 28 + (fly ? 96 : 0) + art::measureText(title, titleStyle).height + 14;
    for (const CreditBlock& b : blocks) {
        hgt += art::measureText(b.heading, head).height + 6;
        for (const std::string& l : b.lines)
            hgt += art::measureText(l, body).height + 2;
        hgt += 16;
    }
    hgt += 14;
    const int h = static_cast<int>(std::ceil(hgt));
    art::Surface s = art::makeSurface(w, h);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    art::roundedRect(cr, 4, 4, w - 8, h - 10, 22);
    art::setLinear(cr, 0, 0, 0, h, {{0, hex(0xfffdf6)}, {1, hex(0xf3ead2)}});
    cairo_fill_preserve(cr);
    art::setColor(cr, hex(0xe0b860));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    double y = 26;
    if (fly) {
        drawBubble(cr, w / 2.0, y + 44, 46, 0.8);
        drawFly(cr, w / 2.0, y + 46, 62, 0);
        y += 96;
    }
    y += art::drawText(cr, title, 20, y, titleStyle).height + 14;
    for (const CreditBlock& b : blocks) {
        y += art::drawText(cr, b.heading, 20, y, head).height + 6;
        for (const std::string& l : b.lines)
            y += art::drawText(cr, l, 20, y, body).height + 2;
        y += 16;
    }
    saveDds(s.get(), gfx(ctx, "intro/credits" + std::to_string(number) + ".dds"));
}

void writeCredits(const Context& ctx) {
    writeCreditsPage(
        ctx, 1, "Brimzel",
        {{"hra studia Quelba", {"a game by Quelba"}},
         {"Moucha, bubliny a spousta žihadel", {"A fly, bubbles and far too many stings"}}},
        true);
    writeCreditsPage(
        ctx, 2, "Hra · Game",
        {{"Námět a design · Design", {"Tomáš Brázda", "Klára Veselá"}},
         {"Programování · Programming", {"Ondřej Malý", "Jakub Hora", "Petra Dvořáková"}},
         {"Editor úrovní · Level editor", {"Jakub Hora"}}},
        false);
    writeCreditsPage(ctx, 3, "Obraz a zvuk · Art & sound",
                     {{"Grafika · Graphics", {"Eliška Nováková", "Klára Veselá"}},
                      {"Hudba · Music", {"Martin Zeman"}},
                      {"Zvukové efekty · Sound effects", {"Martin Zeman", "Lucie Králová"}}},
                     false);
    writeCreditsPage(
        ctx, 4, "Úrovně · Levels",
        {{"Návrh úrovní · Level design", {"Tomáš Brázda", "Lucie Králová"}},
         {"Testování · Testing", {"Petra Dvořáková", "Ondřej Malý", "a celá rodina Horových"}},
         {"Překlad · Translation", {"Klára Veselá"}}},
        false);
    writeCreditsPage(ctx, 5, "Díky! · Thanks!",
                     {{"Písma · Fonts", {"DejaVu, Liberation, URW Gothic"}},
                      {"Knihovny · Libraries", {"SDL2, libvorbis, cairo, pango, Qt"}},
                      {"Děkujeme za hraní!", {"Thank you for playing!"}}},
                     false);
}

} // namespace

void writeIntroArt(const Context& ctx) {
    writeLoadingPieces(ctx);
    writeMiravLogo(ctx);
    writeQuelbaLogo(ctx);
    writeCredits(ctx);
}

} // namespace content::screens
