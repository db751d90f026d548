// The level intro's pictures: a preview of each map as it will be played, each map's story in
// both languages, and the pulsing press-space line. All sit on the screen's white page.
#include "content/kit/image_files.hpp"
#include "content/screens/level_intro_texts.hpp"
#include "content/screens/picture_reader.hpp"
#include "content/screens/scenery.hpp"
#include "content/screens/style.hpp"

#include <cmath>
#include <cstdio>
#include <string>

namespace content::screens {

using art::hex;
using art::Rgba;

namespace {

constexpr int previewWidth = 592; // the map's 4:3 at the drawn height of 444
constexpr int previewHeight = 444;

void paintPicture(cairo_t* cr, cairo_surface_t* picture, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / cairo_image_surface_get_width(picture),
                h / cairo_image_surface_get_height(picture));
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, cairo_image_surface_get_width(picture),
                    cairo_image_surface_get_height(picture));
    cairo_fill(cr);
    cairo_restore(cr);
}

// The level objects the game draws over the map, in the places they start from.
void paintLevelObjects(cairo_t* cr, const Context& ctx, int map) {
    const auto object = [&](const std::string& name, bool magenta = false) {
        return readPicture(gfx(ctx, "game/levelobjects/" + name), magenta);
    };
    if (map == 1 || map == 8) {
        // Early on its arc: rising at the upper left.
        const double a = 84 * M_PI / 180;
        const double x = 512 - 3000 * std::cos(a), y = 3100 - 3000 * std::sin(a);
        const double size = map == 1 ? 144 : 156;
        if (art::Surface s = map == 1 ? object("moon.bmp", true) : object("sun.dds"))
            paintPicture(cr, s.get(), x - size / 2, y - size / 2, size, size);
    }
    if (map == 7) {
        art::Surface up = object("conveyer_u.dds"), down = object("conveyer_d.dds");
        art::Surface wheel = object("wheel.dds"), bottle = object("bottle.dds");
        if (up)
            paintPicture(cr, up.get(), -1024, 303, 2048, 24);
        if (down)
            paintPicture(cr, down.get(), 0, 327, 2048, 24);
        for (int i = 0; wheel && i < 16; ++i)
            paintPicture(cr, wheel.get(), 32 + 64 * i - 18, 311, 36, 32);
        for (int i = 0; bottle && i < 17; ++i)
            paintPicture(cr, bottle.get(), -60 + 64 * i, 199, 44, 104);
    }
    if (map == 2)
        if (art::Surface s = object("tree.dds"))
            paintPicture(cr, s.get(), 0, 432, 508, 336);
    if (map == 6)
        if (art::Surface s = object("light.dds"))
            paintPicture(cr, s.get(), 428, 168, 544, 600);
}

// Stand-in scenery for a map picture that is not there (a partial tree): the intro still shows
// a picture of the right mood.
void paintMissingMap(cairo_t* cr, int map) {
    Scenery s;
    s.seed = 900 + map;
    const bool dark = map == 1 || map == 4 || map == 5;
    s.skyTop = dark ? hex(0x0a1430) : hex(0x3a7bd5);
    s.skyHorizon = dark ? hex(0x34406a) : hex(0xcfe8ff);
    s.light = dark ? Scenery::Light::moon : Scenery::Light::sun;
    s.stars = dark;
    s.hillFar = dark ? hex(0x1a2440) : hex(0x6f9fc0);
    s.hillNear = dark ? hex(0x101828) : hex(0x4f9a3a);
    s.grass = dark ? hex(0x18281c) : hex(0x3f8a2a);
    s.treeSide = map == 2 ? -1 : 0;
    s.water = map == 3;
    paintScenery(cr, 1024, 768, s);
}

void writePreview(const Context& ctx, int map) {
    // The play screen as it opens: map, level objects and the side panel, reduced.
    art::Surface full = art::makeSurface(1024, 768);
    {
        art::Context fc = art::makeContext(full);
        const auto mapFile = gfx(ctx, "game/maps/map" + std::to_string(map) + ".jpg");
        if (art::Surface m = readPicture(mapFile)) {
            paintPicture(fc.get(), m.get(), 0, 0, 1024, 768);
        } else {
            std::fprintf(stderr, "brimzel-content: %s missing, preview painted without it\n",
                         mapFile.c_str());
            paintMissingMap(fc.get(), map);
        }
        paintLevelObjects(fc.get(), ctx, map);
        if (art::Surface p = readPicture(gfx(ctx, "game/panel/panel.dds")))
            paintPicture(fc.get(), p.get(), 860, 0, 164, 768);
    }
    art::Surface s = art::makeSurface(previewWidth, previewHeight);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    // A framed photograph on the white page.
    const double m = 10, w = previewWidth - 2 * m, h = previewHeight - 2 * m - 4;
    art::softShadow(cr, 0, 4, 6, {0, 0, 0, 0.4}, [&](cairo_t* k) {
        art::roundedRect(k, m, m, w, h, 14);
        cairo_fill(k);
    });
    cairo_save(cr);
    art::roundedRect(cr, m, m, w, h, 14);
    cairo_clip(cr);
    paintPicture(cr, full.get(), m, m, w, h);
    vignette(cr, previewWidth, previewHeight, 0.25);
    cairo_restore(cr);
    art::roundedRect(cr, m + 1, m + 1, w - 2, h - 2, 13);
    art::setLinear(cr, 0, m, 0, m + h, {{0, hex(0xffe9a8)}, {1, hex(0xc7821a)}});
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    saveJpeg(s.get(), gfx(ctx, "level_intro/map" + std::to_string(map) + "_preview.jpg"), 92);
}

// A story page: chapter line, title, ornament, paragraphs and a farewell, dark on white.
void writeStory(const Context& ctx, int map, const std::string& lang) {
    const MapStory story = mapStory(map, lang);
    const int width = 800, textWidth = 660;
    art::TextStyle chapter;
    chapter.face = titleFace;
    chapter.bold = true;
    chapter.size = 18;
    chapter.fill = hex(0xb8740a);
    chapter.wrapWidth = textWidth;
    chapter.alignment = 1;
    art::TextStyle title;
    title.face = titleFace;
    title.bold = true;
    title.size = 46;
    title.fill = palette::navy;
    title.shadow = {0, 0, 0, 0.18};
    title.shadowOffset = 2;
    title.shadowBlur = 3;
    title.wrapWidth = textWidth;
    title.alignment = 1;
    art::TextStyle body;
    body.face = bodyFace;
    body.size = 21;
    body.fill = palette::ink;
    body.wrapWidth = textWidth;
    body.alignment = 1;
    body.lineSpacing = 1.25;
    art::TextStyle farewell = body;
    farewell.face = titleFace;
    farewell.bold = true;
    farewell.fill = hex(0x1d5fae);

    char chapterText[80];
    std::snprintf(chapterText, sizeof chapterText,
                  lang == "cz" ? "KAPITOLA %d  ·  ÚROVNĚ %d A %d"
                               : "CHAPTER %d  ·  LEVELS %d AND %d",
                  map, 2 * map - 1, 2 * map);
    const std::string bye = lang == "cz" ? "Hodně štěstí, Brimzele!" : "Good luck, Brimzel!";

    const double gap = 22;
    const auto measure = [&] {
        double total = art::measureText(chapterText, chapter).height + 8 +
                       art::measureText(story.title, title).height + 44;
        for (const std::string& p : story.paragraphs)
            total += art::measureText(p, body).height + gap;
        return total + art::measureText(bye, farewell).height;
    };
    double contentHeight = measure();
    // Map 1's pages are loaded at 800 × 632: a longer story sets its body a little smaller.
    while (map == 1 && contentHeight > 632 - 60 && body.size > 14) {
        body.size -= 0.5;
        contentHeight = measure();
    }
    const int height = map == 1 ? 632 : static_cast<int>(std::ceil(contentHeight)) + 80;

    art::Surface s = art::makeSurface(width, height);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const double x = (width - textWidth) / 2.0;
    double y = std::max(30.0, (height - contentHeight) / 2);
    y += art::drawText(cr, chapterText, x, y, chapter).height + 8;
    y += art::drawText(cr, story.title, x, y, title).height + 12;
    // Ornament: a bubble between two honey strokes.
    const double oy = y + 10;
    for (int side : {-1, 1}) {
        cairo_move_to(cr, width / 2.0 + side * 24, oy);
        cairo_line_to(cr, width / 2.0 + side * 170, oy);
        art::setLinear(cr, width / 2.0 + side * 24, 0, width / 2.0 + side * 170, 0,
                       {{0, hex(0xf5b82e)}, {1, hex(0xf5b82e, 0)}});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, width / 2.0, oy, 9, 0, 2 * M_PI);
    art::setRadial2(cr, width / 2.0 - 3, oy - 3, 0, width / 2.0, oy, 9,
                    {{0, hex(0xffffff)}, {0.6, hex(0xbfe0ff)}, {1, hex(0x4f8fd8)}});
    cairo_fill(cr);
    y += 32;
    for (const std::string& p : story.paragraphs)
        y += art::drawText(cr, p, x, y, body).height + gap;
    art::drawText(cr, bye, x, y, farewell);
    saveJpeg(s.get(), gfx(ctx, "level_intro/map" + std::to_string(map) + "_text_" + lang + ".jpg"),
             92);
}

// "press SPACE", 527 × 35, with the key drawn as a key cap.
void writePressSpace(const Context& ctx, const std::string& lang) {
    const std::string before = lang == "cz" ? "stiskni" : "press";
    const std::string key = lang == "cz" ? "MEZERNÍK" : "SPACE";
    const std::string after = lang == "cz" ? "a leť!" : "and fly!";
    art::Surface s = art::makeSurface(527, 35);
    art::Context c = art::makeContext(s);
    cairo_t* cr = c.get();
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    art::TextStyle t;
    t.face = titleFace;
    t.bold = true;
    t.size = 22;
    t.fill = palette::navy;
    art::TextStyle k = t;
    k.size = 16;
    k.fill = {1, 1, 1, 1};
    const double wb = art::measureText(before, t).width, wa = art::measureText(after, t).width;
    const double wk = art::measureText(key, k).width + 36;
    const double total = wb + 14 + wk + 14 + wa;
    double x = (527 - total) / 2;
    art::drawText(cr, before, x, (35 - art::measureText(before, t).height) / 2, t);
    x += wb + 14;
    art::roundedRect(cr, x, 4, wk, 27, 7);
    art::setLinear(cr, 0, 4, 0, 31, {{0, hex(0x3a7fd0)}, {1, hex(0x0b2d5b)}});
    cairo_fill(cr);
    art::roundedRect(cr, x + 1, 5, wk - 2, 25, 6);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    art::drawTextCentered(cr, key, x + wk / 2, 17.5, k);
    x += wk + 14;
    art::drawText(cr, after, x, (35 - art::measureText(after, t).height) / 2, t);
    saveJpeg(s.get(), gfx(ctx, "level_intro/pressspace_" + lang + ".jpg"), 94);
}

} // namespace

void writeLevelIntroArt(const Context& ctx) {
    for (const char* lang : {"cz", "en"})
        writePressSpace(ctx, lang);
    for (int map = 1; map <= 8; ++map) {
        writePreview(ctx, map);
        writeStory(ctx, map, "cz");
        writeStory(ctx, map, "en");
    }
}

} // namespace content::screens
