// The scenario's end-of-level screens: win, lose and progress-saved backgrounds with their
// captions in both languages, and the three-way choice pictures drawn at the lower left.
#include "content/kit/image_files.hpp"
#include "content/screens/scenery.hpp"
#include "content/screens/style.hpp"

#include <cmath>
#include <string>
#include <vector>

namespace content::screens {

using art::hex;
using art::Rgba;

namespace {

// Caption in both languages: the screens are shared, only the choices change language.
void caption(cairo_t* cr, const std::string& cz, const std::string& en, double y,
             const Rgba& fill) {
    art::TextStyle t;
    t.face = titleFace;
    t.bold = true;
    t.size = 58;
    t.fill = fill;
    t.outline = hex(0x1a0e00, 0.85);
    t.outlineWidth = 3;
    t.shadow = {0, 0, 0, 0.6};
    t.shadowOffset = 4;
    t.shadowBlur = 6;
    art::drawTextCentered(cr, cz, 512, y, t);
    t.size = 34;
    t.fill = {1, 1, 1, 1};
    t.outlineWidth = 2;
    art::drawTextCentered(cr, en, 512, y + 56, t);
}

void sunburst(cairo_t* cr, double cx, double cy, double radius, const Rgba& c, int rays) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays;
        cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, radius, a, a + M_PI / rays);
        cairo_close_path(cr);
    }
    art::setRadial(cr, 0, 0, 0, radius, {{0, {c.r, c.g, c.b, c.a}}, {1, {c.r, c.g, c.b, 0}}});
    cairo_fill(cr);
    cairo_restore(cr);
}

art::Surface frame() {
    return art::makeSurface(1024, 768);
}

void writeWin(const Context& ctx) {
    art::Surface s = frame();
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    Scenery sc;
    sc.seed = 41;
    sc.skyTop = hex(0x2a78d8);
    sc.skyHorizon = hex(0xcdeeff);
    sc.lightX = 512, sc.lightY = 380, sc.lightRadius = 0.1, sc.clouds = 5;
    sc.hillFar = hex(0x74a8c8), sc.hillNear = hex(0x4fa03a);
    sc.grass = hex(0x3f8f2a), sc.flowers = 26, sc.petal = hex(0xffd23a), sc.bubbles = 0;
    paintScenery(cr, 1024, 768, sc);
    sunburst(cr, 560, 390, 620, {1, 0.95, 0.6, 0.45}, 18);
    // The fly's lap of honour through a ring of bubbles.
    art::Random rnd(77);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * M_PI / 14;
        drawBubble(cr, 560 + 210 * std::cos(a), 410 + 150 * std::sin(a), rnd.range(14, 30));
    }
    cairo_arc(cr, 560, 410, 95, 0, 2 * M_PI);
    art::setRadial(cr, 560, 410, 10, 95, {{0, {1, 1, 0.85, 0.9}}, {1, {1, 0.9, 0.5, 0}}});
    cairo_fill(cr);
    drawFly(cr, 560, 410, 150, 20, 1.2);
    caption(cr, "Úroveň splněna!", "Level complete!", 92, palette::honey);
    saveJpeg(s.get(), gfx(ctx, "game/screens/youwin.jpg"), 90);
}

void writeLose(const Context& ctx) {
    art::Surface s = frame();
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    Scenery sc;
    sc.seed = 42;
    sc.skyTop = hex(0x1e1d3a);
    sc.skyHorizon = hex(0x8a5a70);
    sc.light = Scenery::Light::none, sc.clouds = 8, sc.cloudColor = hex(0x6a6080, 0.85);
    sc.hillFar = hex(0x4a3a5a), sc.hillNear = hex(0x1e1a28);
    sc.grass = hex(0x242a22), sc.flowers = 4, sc.petal = hex(0x9a90b0), sc.bubbles = 0;
    sc.mist = 0.35;
    paintScenery(cr, 1024, 768, sc);
    // Popped bubble: a burst of droplets around an empty ring.
    const double bx = 600, by = 420;
    cairo_arc(cr, bx, by, 70, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    art::Random rnd(13);
    for (int i = 0; i < 22; ++i) {
        const double a = i * 2 * M_PI / 22 + rnd.range(-0.1, 0.1);
        const double r = rnd.range(80, 130);
        drawBubble(cr, bx + r * std::cos(a), by + r * std::sin(a), rnd.range(3, 8), 0.9);
    }
    // The wasps that did it, and the fly tumbling away.
    drawWasp(cr, 790, 300, 170, -35);
    drawWasp(cr, 380, 250, 110, 30);
    drawFly(cr, 560, 450, 90, 160, 0.4);
    caption(cr, "Tentokrát to nevyšlo", "Not this time...", 92, hex(0xff8a6a));
    saveJpeg(s.get(), gfx(ctx, "game/screens/youlose.jpg"), 90);
}

void writeSaved(const Context& ctx) {
    art::Surface s = frame();
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    Scenery sc;
    sc.seed = 43;
    sc.skyTop = hex(0x2a3f7a);
    sc.skyHorizon = hex(0xf2c090);
    sc.lightX = 820, sc.lightY = 420, sc.lightColor = hex(0xffc880), sc.clouds = 3;
    sc.hillFar = hex(0x7a6a8a), sc.hillNear = hex(0x3a4a3a);
    sc.grass = hex(0x3a4a2a), sc.flowers = 10, sc.petal = hex(0xfff0c0), sc.bubbles = 4;
    paintScenery(cr, 1024, 768, sc);
    // A big bubble holding a tick: kept safe.
    drawBubble(cr, 560, 420, 130);
    cairo_move_to(cr, 505, 425);
    cairo_line_to(cr, 545, 468);
    cairo_line_to(cr, 625, 372);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    art::softShadow(cr, 2, 4, 4, {0, 0, 0, 0.4}, [&](cairo_t* k) {
        cairo_move_to(k, 505, 425);
        cairo_line_to(k, 545, 468);
        cairo_line_to(k, 625, 372);
        cairo_set_line_width(k, 22);
        cairo_set_line_cap(k, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(k, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(k);
    });
    art::setLinear(cr, 0, 372, 0, 468, {{0, hex(0xb8f070)}, {1, hex(0x3a9a2a)}});
    cairo_set_line_width(cr, 22);
    cairo_stroke(cr);
    caption(cr, "Postup uložen", "Progress saved", 92, hex(0xa8f080));
    saveJpeg(s.get(), gfx(ctx, "game/screens/save.jpg"), 90);
}

// 152 × 180 at (50, 538): a glass panel with three buttons, the chosen one lit.
void writeChoices(const Context& ctx, const std::string& name, const std::string& lang,
                  const std::vector<std::string>& labels) {
    for (size_t chosen = 1; chosen <= labels.size(); ++chosen) {
        art::Surface s = art::makeSurface(152, 180);
        art::Context c = art::makeContext(s);
        cairo_t* cr = c.get();
        glassPanel(cr, 2, 2, 148, 174, 16, hex(0x0f3466, 0.88), 0);
        for (size_t i = 0; i < labels.size(); ++i)
            choiceButton(cr, 10, 12 + 54.0 * i, 132, 46, labels[i], i + 1 == chosen);
        saveDds(s.get(), gfx(ctx, "game/screens/" + name + "_" + lang + "_s" +
                                      std::to_string(chosen) + ".dds"));
    }
}

// The progress-saved screen's only choice: back to the win or lose screen.
void writeSavedChoice(const Context& ctx, const std::string& lang) {
    art::Surface s = art::makeSurface(152, 180);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    glassPanel(cr, 2, 2, 148, 174, 16, hex(0x0f3466, 0.88), 0);
    art::TextStyle t;
    t.face = titleFace;
    t.bold = true;
    t.size = 19;
    t.fill = {1, 1, 1, 1};
    t.wrapWidth = 132;
    t.alignment = 1;
    t.shadow = {0, 0, 0, 0.6};
    t.shadowOffset = 1;
    t.shadowBlur = 2;
    art::drawTextCentered(cr, lang == "cz" ? "Hra je uložena." : "Your game is saved.", 76, 52, t);
    choiceButton(cr, 10, 120, 132, 46, lang == "cz" ? "zpět" : "back", true);
    saveDds(s.get(), gfx(ctx, "game/screens/save_" + lang + "_s1.dds"));
}

} // namespace

void writeEndScreens(const Context& ctx) {
    writeWin(ctx);
    writeLose(ctx);
    writeSaved(ctx);
    const std::vector<std::string> cz = {"pokračovat", "uložit hru", "hlavní menu"};
    const std::vector<std::string> en = {"continue", "save game", "main menu"};
    for (const char* name : {"youlose", "youwin"}) {
        writeChoices(ctx, name, "cz", cz);
        writeChoices(ctx, name, "en", en);
    }
    // The progress-saved choice in each language.
    writeSavedChoice(ctx, "cz");
    writeSavedChoice(ctx, "en");
}

} // namespace content::screens
