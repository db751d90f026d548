// The five tutorial panels of each language: a picture of the step, what to do, and the keys.
#include "content/gameplay/gameplay_art.hpp"
#include "content/gameplay/look.hpp"
#include "content/kit/image_files.hpp"

#include <array>
#include <cmath>
#include <string>

namespace content::gameplay {
namespace {

struct Page {
    const char* title;
    const char* text;
};

struct Language {
    const char* code;
    std::array<Page, 5> pages;
    const char* keys;
};

// Each page teaches what the game starts doing after it is closed.
const Language languages[] = {
    {"cz",
     {{{"Létání", "Mouchu řídíš šipkami. Vyzkoušej všechny čtyři směry: nahoru, dolů, doleva "
                  "i doprava."},
       {"Gravitační bod", "Na každé mapě je gravitační bod. Přitahuje tě, a když jsi mu blízko, "
                          "bere ti energii. Když bliká červený poplach, uleť!"},
       {"Bubliny", "Objevila se bublina. Proleť jí a sebereš ji. Nasbírej tři bubliny."},
       {"Bublina zdraví", "Občas se na pár sekund objeví bublina s červeným křížem. Seber ji a "
                          "doplníš si energii."},
       {"Nepřátelé", "Vosy, komáři, vážky a sršni tě pronásledují, když se k nim přiblížíš. "
                     "Jejich dotek bere energii. Hodně štěstí!"}}},
     "<b>Enter</b> pokračovat   <b>Esc</b> konec výuky"},
    {"en",
     {{{"Flying", "Steer the fly with the arrow keys. Try all four directions: up, down, left "
                  "and right."},
       {"Gravitation point", "Every map has a gravitation point. It pulls you in and drains your "
                             "energy when you are close. When the red alert flashes, fly away!"},
       {"Bubbles", "A bubble has appeared. Fly through it to collect it. Collect three bubbles."},
       {"Health bubble", "Now and then a bubble with a red cross appears for a few seconds. "
                         "Catch it to refill your energy."},
       {"Enemies", "Wasps, gnats, dragonflies and hornets chase you when you come near. Their "
                   "touch drains your energy. Good luck!"}}},
     "<b>Enter</b> continue   <b>Esc</b> leave tutorial"}};

void arrowKey(cairo_t* cr, double x, double y, double angle) {
    art::softShadow(cr, 0, 2, 2, {0, 0, 0, 0.5}, [&](cairo_t* lc) {
        art::roundedRect(lc, x, y, 24, 24, 5);
        cairo_fill(lc);
    });
    art::roundedRect(cr, x, y, 24, 24, 5);
    art::setLinear(cr, 0, y, 0, y + 24, {{0, art::hex(0xf4f6fa)}, {1, art::hex(0xaab2c0)}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x + 12, y + 12);
    cairo_rotate(cr, angle * M_PI / 180);
    cairo_move_to(cr, 0, -7);
    cairo_line_to(cr, 6, 3);
    cairo_line_to(cr, -6, 3);
    cairo_close_path(cr);
    art::setColor(cr, art::hex(0x1b2433));
    cairo_fill(cr);
    cairo_restore(cr);
}

// The picture at the left of each page, centred on (cx, cy).
void illustration(cairo_t* cr, int page, double cx, double cy) {
    switch (page) {
    case 0:
        arrowKey(cr, cx - 12, cy - 27, 0);
        arrowKey(cr, cx - 39, cy + 0, 270);
        arrowKey(cr, cx - 12, cy + 0, 180);
        arrowKey(cr, cx + 15, cy + 0, 90);
        break;
    case 1: {
        // A swirl pulling inwards, ringed by the red danger zone.
        art::setRadial(
            cr, cx, cy, 0, 34,
            {{0, {1, 0.2, 0.1, 0.7}}, {0.6, {1, 0.2, 0.1, 0.25}}, {1, {1, 0.2, 0.1, 0}}});
        cairo_arc(cr, cx, cy, 34, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int arm = 0; arm < 3; ++arm) {
            for (double t = 0; t < 1; t += 0.02) {
                const double a = arm * 2 * M_PI / 3 + t * 4.2, r = 4 + t * 26;
                cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
            }
            art::setColor(cr, look::cream);
            cairo_stroke(cr);
        }
        break;
    }
    case 2:
        drawSoapBubble(cr, cx, cy, 24, {0.55, 0.8, 1, 1});
        break;
    case 3:
        drawHealthBubble(cr, cx, cy, 24);
        break;
    case 4:
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 0.75, 0.75);
        cairo_translate(cr, -60, -42);
        drawWaspFigure(cr, 0.2);
        cairo_restore(cr);
        break;
    }
}

void writePanelPage(const Context& ctx, const Language& lang, int page) {
    art::Surface s = art::makeSurface(320, 200);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    hudPanel(cr, 0, 0, 320, 200, 18);
    // Step dots at the top right.
    for (int i = 0; i < 5; ++i) {
        cairo_arc(cr, 246 + i * 14, 24, 4, 0, 2 * M_PI);
        art::setColor(cr, i == page ? look::rim : art::Rgba{1, 1, 1, 0.25});
        cairo_fill(cr);
    }
    art::TextStyle title;
    title.face = look::titleFace;
    title.size = 21;
    title.bold = true;
    title.fill = look::rim;
    title.shadow = {0, 0, 0, 0.6};
    art::drawText(cr, lang.pages[page].title, 20, 12, title);
    // Divider under the title.
    cairo_rectangle(cr, 20, 44, 280, 1.5);
    art::setLinear(cr, 20, 0, 300, 0, {{0, {1, 0.72, 0.18, 0.8}}, {1, {1, 0.72, 0.18, 0}}});
    cairo_fill(cr);
    illustration(cr, page, 56, 104);
    art::TextStyle body;
    body.face = look::bodyFace;
    body.size = 13.5;
    body.fill = look::cream;
    body.wrapWidth = 200;
    body.lineSpacing = 1.1;
    body.shadow = {0, 0, 0, 0.5};
    body.shadowOffset = 1;
    body.shadowBlur = 2;
    art::drawText(cr, lang.pages[page].text, 104, 56, body);
    // Key hints on a dark strip along the bottom.
    art::roundedRect(cr, 14, 160, 292, 28, 12);
    art::setColor(cr, {0, 0, 0, 0.3});
    cairo_fill(cr);
    art::TextStyle keys;
    keys.face = look::bodyFace;
    keys.size = 12.5;
    keys.fill = art::hex(0xffe9a8);
    keys.wrapWidth = 292;
    keys.alignment = 1;
    art::drawMarkup(cr, lang.keys, 14, 166, keys);
    saveDds(s.get(), gamePicture(ctx, std::string("tutorial/tutorialpanel_") + lang.code + "_" +
                                          std::to_string(page + 1) + ".dds"));
}

} // namespace

void writeTutorial(const Context& ctx) {
    for (const Language& lang : languages)
        for (int page = 0; page < 5; ++page)
            writePanelPage(ctx, lang, page);
}

} // namespace content::gameplay
