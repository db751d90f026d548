// Fonts found through fontconfig and text that measures and draws, Czech letters included.
#include "test_support.hpp"

#include "engine/font_resolver.hpp"
#include "engine/text_cache.hpp"

#include <algorithm>

using namespace engine;
using namespace enginetest;

namespace {

const char* kCzech =
    "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88";

TEST(FontResolution, GameFacesBecomeFreeLookAlikesThatWriteCzech) {
    struct Case {
        const char* face;
        std::vector<std::string> accepted;
    };
    const std::vector<Case> cases{
        {"Impact",
         {"Nimbus Sans Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"}},
        {"Century Gothic", {"URW Gothic"}},
        {"Arial", {"Liberation Sans"}},
        {"Courier New", {"Liberation Mono"}},
    };
    for (const auto& c : cases) {
        ResolvedFont font;
        std::string error;
        ASSERT_TRUE(resolveFont(c.face, false, false, font, error)) << c.face << ": " << error;
        EXPECT_NE(std::find(c.accepted.begin(), c.accepted.end(), font.family), c.accepted.end())
            << c.face << " became " << font.family << " (" << font.file << ")";
    }
    // Impact only exists in a heavy cut.
    ResolvedFont impact;
    std::string error;
    ASSERT_TRUE(resolveFont("impact", false, false, impact, error));
    EXPECT_TRUE(impact.bold);
    // An unknown face still gives a font that writes Czech.
    ResolvedFont unknown;
    EXPECT_TRUE(resolveFont("No Such Face 123", false, false, unknown, error)) << error;
}

TEST(Text, MeasuresAndDrawsCzechLetters) {
    auto e = headless(400, 100);
    FontId f = e->createFont("menu_font", "Arial", 24);
    ASSERT_NE(f, kNoFont) << e->lastError();
    EXPECT_EQ(e->font("menu_font"), f);
    EXPECT_EQ(e->font("other"), kNoFont);

    const Size size = e->measureText(kCzech, f);
    // 24 points at 96 dpi are 32 pixels; the line is a little taller than that.
    EXPECT_GE(size.height, 30);
    EXPECT_LE(size.height, 45);
    EXPECT_GT(size.width, 200);
    EXPECT_LT(size.width, 400);
    EXPECT_LT(e->measureText("ab", f).width, e->measureText("abab", f).width);
    EXPECT_EQ(e->measureText("", f).width, 0);

    e->setBackgroundColor(0xFFFFFFFFu);
    e->clear();
    e->drawText(kCzech, 10, 20, 0xFFFF0000u, f);
    e->present();
    int inked = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 400; ++x) {
            const std::uint32_t p = framePixel(*e, x, y);
            const bool ink = p != 0xFFFFFFFFu;
            const bool inBox = x >= 10 && x < 10 + size.width && y >= 20 && y < 20 + size.height;
            if (ink && inBox) {
                ++inked;
                EXPECT_EQ(p & 0xFFFF0000u, 0xFFFF0000u) << "red text on white stays red";
            }
            if (ink && !inBox)
                ++outside;
        }
    EXPECT_GT(inked, 300);
    EXPECT_EQ(outside, 0);
}

TEST(Text, StylesAndTheGamesFontsAreCreated) {
    auto e = headless(64, 64);
    EXPECT_NE(e->createFont("console_font", "Courier New", 8, {.bold = true}), kNoFont);
    EXPECT_NE(e->createFont("panel_font", "Impact", 26, {.bold = true}), kNoFont);
    EXPECT_NE(e->createFont("menu_font", "Century Gothic", 26), kNoFont);
    const FontId plain = e->createFont("plain", "Arial", 20);
    const FontId bold = e->createFont("bold", "Arial", 20, {.bold = true});
    EXPECT_GT(e->measureText("Brimzel", bold).width, e->measureText("Brimzel", plain).width);
    EXPECT_EQ(e->createFont("bad", "Arial", 0), kNoFont);
    EXPECT_FALSE(e->lastError().empty());
}

TEST(Text, UnknownFontDrawsAndMeasuresNothing) {
    auto e = headless(32, 32);
    e->clear();
    e->drawText("x", 0, 0, 0xFFFFFFFFu, kNoFont);
    e->drawText("x", 0, 0, 0xFFFFFFFFu, 42);
    e->present();
    EXPECT_EQ(framePixel(*e, 5, 5), 0xFF000000u);
    EXPECT_EQ(e->measureText("x", kNoFont).width, 0);
}

TEST(TextCache, KeepsTheMostRecentlyUsedEntries) {
    TextCache cache(2);
    cache.insert(1, "a", Picture{});
    cache.insert(1, "b", Picture{});
    EXPECT_TRUE(cache.find(1, "a")); // "a" is now the most recent
    cache.insert(1, "c", Picture{}); // evicts "b"
    EXPECT_TRUE(cache.find(1, "a"));
    EXPECT_FALSE(cache.find(1, "b"));
    EXPECT_TRUE(cache.find(1, "c"));
    EXPECT_FALSE(cache.find(2, "a")); // fonts do not share entries
    EXPECT_EQ(cache.size(), 2u);
}

} // namespace
