// The main menu's own pictures: the bar with the game's title, the submenu panel, the item and
// row pictures of both languages, the level numbers, the info sign and the help lines.
#include "common/text_lines.hpp"
#include "content/kit/image_files.hpp"
#include "content/screens/style.hpp"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace content::screens {

using art::hex;
using art::Rgba;

namespace {

struct Texts {
    const char* lang;
    // Top items 01..05.
    std::vector<std::string> top;
    // Submenu and level-panel rows by id (pango markup: the value part is coloured).
    std::vector<std::pair<std::string, std::string>> rows;
    std::string userLevel; // number picture 17
    std::vector<std::string> help;
};

std::string value(const std::string& v) {
    return "<span foreground=\"#ffcf5a\">" + v + "</span>";
}

Texts czech() {
    return {"cz",
            {"nová hra", "pokračovat", "výsledky", "nastavení", "konec"},
            {{"04_01_01", "hudba: " + value("zapnuta")},
             {"04_01_02", "hudba: " + value("vypnuta")},
             {"04_02_01", "zvuky: " + value("zapnuty")},
             {"04_02_02", "zvuky: " + value("vypnuty")},
             {"04_03_01", "jazyk: " + value("čeština")},
             {"04_03_02", "jazyk: " + value("angličtina")},
             {"04_04_01", "varování: " + value("zapnuto")},
             {"04_04_02", "varování: " + value("vypnuto")},
             {"04_05", "zpět"},
             {"05_01", "ne, hrát dál"},
             {"05_02", "ano, ukončit hru"},
             {"01_01", "scénář"},
             {"01_02", "bublinkový zápas"},
             {"01_03", "časová zkouška"},
             {"02_01", "uložená hra"},
             {"02_02", "načíst postup"},
             {"02_03", "hrát"},
             {"03_01_01", "mód: " + value("scénář")},
             {"03_01_02", "mód: " + value("bublinkový zápas")},
             {"03_01_03", "mód: " + value("časová zkouška")},
             {"03_02", "úroveň:"},
             {"03_03", "zobrazit tabulku"},
             {"01_02_01_01", "úrovně: " + value("vestavěné")},
             {"01_02_01_02", "úrovně: " + value("vlastní")},
             {"01_02_02", "úroveň:"},
             {"01_02_03", "hrát!"}},
            "vlastní",
            {"Nová hra: scénář, bublinkový zápas nebo časová zkouška.",
             "Pokračovat: navázat na uložený postup ve scénáři.",
             "Výsledky: nejlepší hráči všech módů a úrovní.",
             "Nastavení: hudba, zvuky, jazyk a varování před nebezpečím.",
             "Konec: opustit hru Brimzel. Šipky vybírají, Enter potvrzuje."}};
}

Texts english() {
    return {"en",
            {"new game", "continue", "high scores", "options", "exit"},
            {{"04_01_01", "music: " + value("on")},
             {"04_01_02", "music: " + value("off")},
             {"04_02_01", "sounds: " + value("on")},
             {"04_02_02", "sounds: " + value("off")},
             {"04_03_01", "language: " + value("Czech")},
             {"04_03_02", "language: " + value("English")},
             {"04_04_01", "danger alert: " + value("on")},
             {"04_04_02", "danger alert: " + value("off")},
             {"04_05", "back"},
             {"05_01", "no, keep playing"},
             {"05_02", "yes, quit the game"},
             {"01_01", "scenario"},
             {"01_02", "bubble match"},
             {"01_03", "time attack"},
             {"02_01", "saved game"},
             {"02_02", "load progress"},
             {"02_03", "play"},
             {"03_01_01", "mode: " + value("scenario")},
             {"03_01_02", "mode: " + value("bubble match")},
             {"03_01_03", "mode: " + value("time attack")},
             {"03_02", "level:"},
             {"03_03", "show the table"},
             {"01_02_01_01", "levels: " + value("built-in")},
             {"01_02_01_02", "levels: " + value("user")},
             {"01_02_02", "level:"},
             {"01_02_03", "play!"}},
            "user",
            {"New game: the scenario, a bubble match or a time attack.",
             "Continue: carry on with your saved scenario.",
             "High scores: the best players of every mode and level.",
             "Options: music, sounds, language and the danger alert.",
             "Exit: leave Brimzel. The arrow keys choose, Enter confirms."}};
}

// A top item: big white words on a faint glass pill, 248 × 60 (drawn 150..248 wide).
void writeTopItem(const std::string& label, const std::filesystem::path& path) {
    art::Surface s = art::makeSurface(248, 60);
    art::Context cr = art::makeContext(s);
    art::roundedRect(cr.get(), 6, 8, 236, 44, 22);
    art::setLinear(cr.get(), 0, 8, 0, 52,
                   {{0, hex(0x4f8fd8, 0.55)}, {0.5, hex(0x1d4f8f, 0.5)}, {1, hex(0x0b2d5b, 0.6)}});
    cairo_fill(cr.get());
    art::roundedRect(cr.get(), 7, 9, 234, 42, 21);
    art::setLinear(cr.get(), 0, 8, 0, 52, {{0, {1, 1, 1, 0.6}}, {1, {1, 1, 1, 0.1}}});
    cairo_set_line_width(cr.get(), 1.5);
    cairo_stroke(cr.get());
    art::TextStyle t = menuTextStyle(30);
    art::TextSize m = art::measureText(label, t);
    if (m.width > 220)
        t.size *= 220 / m.width;
    art::drawTextCentered(cr.get(), label, 124, 29, t);
    saveDds(s.get(), path);
}

// A row picture: 40 high, text from x = 20 so the underline (from 20 to width − 2) sits under
// it; `padLeft` and `padRight` let a label and its number picture join up.
void writeRow(const std::string& markup, const std::filesystem::path& path, int padLeft = 20,
              int padRight = 12) {
    art::TextStyle t = menuTextStyle(25);
    // Measure through the markup path so coloured spans count.
    art::Surface scratch = art::makeSurface(600, 40);
    art::Context sc = art::makeContext(scratch);
    art::TextStyle plain = t;
    plain.shadow = {0, 0, 0, 0};
    plain.outlineWidth = 0;
    art::TextSize m = art::drawMarkup(sc.get(), markup, 0, 0, plain);
    const int w = padLeft + static_cast<int>(std::ceil(m.width)) + padRight;
    art::Surface s = art::makeSurface(w, 40);
    art::Context cr = art::makeContext(s);
    art::drawMarkup(cr.get(), markup, padLeft, (40 - m.height) / 2, t);
    saveDds(s.get(), path);
}

void writeBar(const Context& ctx) {
    art::Surface s = art::makeSurface(284, 768);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_rectangle(cr, 0, 0, 284, 768);
    art::setLinear(
        cr, 0, 0, 0, 768,
        {{0, hex(0x061a33, 0.95)}, {0.35, hex(0x0b2d5b, 0.88)}, {1, hex(0x061a33, 0.95)}});
    cairo_fill(cr);
    // Light from the left edge, shade at the right: the bar reads as a rounded column.
    cairo_rectangle(cr, 0, 0, 284, 768);
    art::setLinear(cr, 0, 0, 284, 0,
                   {{0, {1, 1, 1, 0.10}},
                    {0.15, {1, 1, 1, 0.03}},
                    {0.85, {0, 0, 0, 0}},
                    {1, {0, 0, 0, 0.25}}});
    cairo_fill(cr);
    for (double x : {1.5, 282.5}) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 768);
        art::setLinear(cr, 0, 0, 0, 768,
                       {{0, hex(0xf5b82e, 0.0)},
                        {0.3, hex(0xf5b82e, 0.8)},
                        {0.7, hex(0xf5b82e, 0.8)},
                        {1, hex(0xf5b82e, 0.0)}});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Faint bubbles rising along the bar.
    art::Random rnd(284);
    for (int i = 0; i < 18; ++i)
        drawBubble(cr, rnd.range(20, 264), rnd.range(260, 760), rnd.range(4, 14), 0.35);
    // Title: the fly in a honey ring over the name.
    cairo_arc(cr, 142, 92, 62, 0, 2 * M_PI);
    art::setRadial2(cr, 120, 70, 4, 142, 92, 62,
                    {{0, hex(0x5aa0ee)}, {0.7, hex(0x134a8c)}, {1, hex(0x082246)}});
    cairo_fill(cr);
    cairo_arc(cr, 142, 92, 62, 0, 2 * M_PI);
    art::setLinear(cr, 0, 30, 0, 154, {{0, hex(0xffe08a)}, {1, hex(0xc77a10)}});
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    drawFly(cr, 142, 94, 96, 18);
    art::TextStyle t;
    t.face = titleFace;
    t.bold = true;
    t.size = 46;
    t.fill = palette::honey;
    t.outline = hex(0x3a1d00);
    t.outlineWidth = 2.5;
    t.shadow = {0, 0, 0, 0.7};
    t.shadowOffset = 3;
    t.shadowBlur = 4;
    art::drawTextCentered(cr, "Brimzel", 142, 196, t);
    cairo_move_to(cr, 60, 232);
    cairo_line_to(cr, 224, 232);
    art::setLinear(cr, 60, 0, 224, 0,
                   {{0, hex(0xffffff, 0)}, {0.5, hex(0xffffff, 0.6)}, {1, hex(0xffffff, 0)}});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    saveDds(s.get(), gfx(ctx, "menu/menubar.dds"));
}

void writePanel(const Context& ctx) {
    art::Surface s = art::makeSurface(500, 316);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    glassPanel(cr, 4, 3, 492, 306, 26, hex(0x123e74, 0.92), 0.5);
    // A quiet cluster of bubbles in the free right-hand corner.
    const double spots[5][3] = {
        {440, 250, 26}, {400, 280, 12}, {468, 200, 10}, {420, 210, 7}, {455, 288, 6}};
    for (const auto& b : spots)
        drawBubble(cr, b[0], b[1], b[2], 0.6);
    art::roundedRect(cr, 12, 11, 476, 290, 20);
    cairo_set_source_rgba(cr, 1, 0.85, 0.4, 0.25);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    saveDds(s.get(), gfx(ctx, "menu/menupanel.dds"));
}

void signBadge(cairo_t* cr, const Rgba& inner, const Rgba& outer) {
    cairo_arc(cr, 26, 26, 23, 0, 2 * M_PI);
    art::setRadial2(cr, 19, 18, 1, 26, 26, 23, {{0, inner}, {1, outer}});
    cairo_fill(cr);
    cairo_arc(cr, 26, 26, 23, 0, 2 * M_PI);
    art::setLinear(cr, 0, 3, 0, 49, {{0, hex(0xffe9a8)}, {1, hex(0xc7821a)}});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void writeInfoSign(const Context& ctx) {
    {
        art::Surface s = art::makeSurface(52, 52);
        art::Context c = art::makeContext(s);
        signBadge(c.get(), hex(0x6fb2ff), hex(0x0b3a78));
        art::TextStyle t;
        t.face = "DejaVu Serif";
        t.bold = true;
        t.size = 32;
        t.fill = {1, 1, 1, 1};
        t.shadow = {0, 0, 0, 0.6};
        t.shadowOffset = 1;
        t.shadowBlur = 1;
        art::drawTextCentered(c.get(), "i", 26, 27, t);
        saveDds(s.get(), gfx(ctx, "menu/info.dds"));
    }
    {
        art::Surface s = art::makeSurface(52, 52);
        art::Context c = art::makeContext(s);
        signBadge(c.get(), hex(0xffe9a0), hex(0xd08a18));
        drawFly(c.get(), 26, 27, 34, 0);
        saveDds(s.get(), gfx(ctx, "menu/infoback.dds"));
    }
}

void writeLanguage(const Context& ctx, const Texts& tx) {
    const std::string dir = std::string("menu/") + tx.lang + "/";
    for (size_t i = 0; i < tx.top.size(); ++i)
        writeTopItem(tx.top[i], gfx(ctx, dir + "mm_0" + std::to_string(i + 1) + ".dds"));
    for (const auto& [id, markup] : tx.rows) {
        // Level labels are followed by their number picture: no gap on the right.
        const bool label = id == "03_02" || id == "01_02_02";
        writeRow(markup, gfx(ctx, dir + "mm_" + id + ".dds"), 20, label ? 6 : 12);
    }
    for (int n = 1; n <= 17; ++n) {
        char num[8];
        std::snprintf(num, sizeof num, "%02d", n);
        const std::string text = n == 17 ? tx.userLevel : std::string(num);
        writeRow(value(text), gfx(ctx, dir + "mm_03_02_" + num + ".dds"), 2, 12);
    }
    const common::Status st = common::writeTextLines(gfx(ctx, dir + "mm_help.txt"), tx.help);
    if (!st)
        throw std::runtime_error(st.message());
}

} // namespace

void writeMenuArt(const Context& ctx) {
    writeBar(ctx);
    writePanel(ctx);
    writeInfoSign(ctx);
    writeLanguage(ctx, czech());
    writeLanguage(ctx, english());
}

} // namespace content::screens
