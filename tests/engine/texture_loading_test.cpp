// Loading pictures under keys: formats, sizes, the colour key and exact pixel reads.
#include "test_support.hpp"

#include <fstream>

using namespace engine;
using namespace enginetest;

namespace {

// A 3 x 2 picture with a distinct colour in every pixel, some of them translucent.
Image patterned() {
    Image image = solidImage(3, 2, 0);
    image.pixels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80102030u, 0xFFFFFFFFu, 0x00000000u};
    return image;
}

TEST(TextureLoading, PixelReadsAreExactToTheFile) {
    ScratchDir dir;
    writePng(dir.file("p.png"), patterned());
    ASSERT_TRUE(writeDds(dir.file("p.dds"), patterned()));
    auto e = headless(64, 64);
    for (const char* name : {"p.png", "p.dds"}) {
        TextureId t = e->loadTexture(dir.file(name), name);
        ASSERT_NE(t, kNoTexture) << e->lastError();
        EXPECT_EQ(e->textureSize(t).width, 3);
        EXPECT_EQ(e->textureSize(t).height, 2);
        const Image expected = patterned();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(e->pixel(t, x, y), expected.pixels[std::size_t(y) * 3 + x])
                    << name << " at " << x << "," << y;
        EXPECT_EQ(e->pixel(t, -1, 0), 0u);
        EXPECT_EQ(e->pixel(t, 3, 0), 0u);
        EXPECT_EQ(e->pixel(t, 0, 2), 0u);
    }
    EXPECT_EQ(e->pixel(kNoTexture, 0, 0), 0u);
    EXPECT_EQ(e->textureSize(kNoTexture).width, 0);
}

TEST(TextureLoading, BmpAndJpegLoadOpaque) {
    ScratchDir dir;
    writeBmp(dir.file("b.bmp"), solidImage(5, 4, 0xFF336699u));
    auto e = headless(64, 64);
    TextureId b = e->loadTexture(dir.file("b.bmp"), "b");
    ASSERT_NE(b, kNoTexture) << e->lastError();
    EXPECT_EQ(e->pixel(b, 4, 3), 0xFF336699u);

    // A JPEG written by the engine's own screenshot: a flat colour survives compression.
    e->setBackgroundColor(0xFF20A040u);
    e->clear();
    e->present();
    std::string jpeg;
    ASSERT_TRUE(e->encodeScreenshotJpeg(jpeg)) << e->lastError();
    std::ofstream(dir.file("shot.jpg"), std::ios::binary) << jpeg;
    TextureId j = e->loadTexture(dir.file("shot.jpg"), "shot");
    ASSERT_NE(j, kNoTexture) << e->lastError();
    EXPECT_EQ(e->textureSize(j).width, 64);
    EXPECT_COLOR_NEAR(e->pixel(j, 30, 30), 0xFF20A040u, 4);
}

TEST(TextureLoading, RequestedSizeResamples) {
    ScratchDir dir;
    Image image = solidImage(4, 4, 0xFFFF0000u);
    for (int i = 0; i < 8; ++i)
        image.pixels[std::size_t(i)] = 0xFFFFFF00u; // top half yellow
    writePng(dir.file("r.png"), image);
    auto e = headless(64, 64);
    TextureId t =
        e->loadTexture(dir.file("r.png"), "r", {.width = 8, .height = 2, .filtered = false});
    ASSERT_NE(t, kNoTexture);
    EXPECT_EQ(e->textureSize(t).width, 8);
    EXPECT_EQ(e->textureSize(t).height, 2);
    // Nearest-neighbour keeps the colours pure, as the wall masks need.
    EXPECT_EQ(e->pixel(t, 7, 0), 0xFFFFFF00u);
    EXPECT_EQ(e->pixel(t, 0, 1), 0xFFFF0000u);
    TextureId f = e->loadTexture(dir.file("r.png"), "f", {.width = 2, .height = 2});
    EXPECT_EQ(e->pixel(f, 0, 0), 0xFFFFFF00u);
}

TEST(TextureLoading, MagentaColourKeyMakesMagentaTransparent) {
    ScratchDir dir;
    Image image = solidImage(2, 1, 0xFFFF00FFu);
    image.pixels[1] = 0xFF00FF00u;
    writeBmp(dir.file("moon.bmp"), image);
    auto e = headless(20, 10);
    TextureId keyed = e->loadTexture(dir.file("moon.bmp"), "moon", {.magentaColorKey = true});
    TextureId plain = e->loadTexture(dir.file("moon.bmp"), "plain");
    EXPECT_EQ(e->pixel(keyed, 0, 0) >> 24, 0u);
    EXPECT_EQ(e->pixel(keyed, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(e->pixel(plain, 0, 0), 0xFFFF00FFu);

    e->setBackgroundColor(0xFF0000FFu);
    e->clear();
    e->drawTexture(keyed, 0, 0, 20, 10, Corners::all(kWhite));
    e->present();
    EXPECT_EQ(framePixel(*e, 2, 5), 0xFF0000FFu); // background shows through
    EXPECT_EQ(framePixel(*e, 17, 5), 0xFF00FF00u);
}

TEST(TextureLoading, KeysFindTexturesAndAReloadReplacesUnderTheSameId) {
    ScratchDir dir;
    writePng(dir.file("a.png"), solidImage(2, 2, 0xFF010203u));
    writePng(dir.file("b.png"), solidImage(3, 3, 0xFF040506u));
    auto e = headless(16, 16);
    TextureId a = e->loadTexture(dir.file("a.png"), "key");
    EXPECT_EQ(e->texture("key"), a);
    TextureId again = e->loadTexture(dir.file("b.png"), "key");
    EXPECT_EQ(again, a);
    EXPECT_EQ(e->textureSize(a).width, 3);
    EXPECT_EQ(e->pixel(a, 0, 0), 0xFF040506u);
}

TEST(TextureLoading, PathsResolveAgainstTheSearchDirectory) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.file("gfx/intro"));
    writePng(dir.file("gfx/intro/white.png"), solidImage(1, 1, 0xFFFFFFFFu));
    auto e = headless(16, 16);
    e->setSearchDirectory(dir.file(""));
    EXPECT_NE(e->loadTexture("gfx/intro/white.png", "white"), kNoTexture) << e->lastError();
    // Paths written the Windows way still resolve.
    EXPECT_NE(e->loadTexture("gfx\\intro\\white.png", "white2"), kNoTexture) << e->lastError();
}

TEST(TextureLoading, FailuresReportAMessageAndLoadNothing) {
    ScratchDir dir;
    {
        std::ofstream(dir.file("garbage.png")) << "this is no picture";
        std::ofstream(dir.file("garbage.dds")) << "DDS garbage";
    }
    auto e = headless(16, 16);
    for (const char* name : {"missing.png", "garbage.png", "garbage.dds", "missing.dds"}) {
        EXPECT_EQ(e->loadTexture(dir.file(name), name), kNoTexture) << name;
        EXPECT_NE(e->lastError().find(name), std::string::npos) << e->lastError();
        EXPECT_EQ(e->texture(name), kNoTexture);
    }
}

TEST(TextureLoading, PrefetchedLoadsGiveWhatPlainLoadsGive) {
    ScratchDir dir;
    writePng(dir.file("a.png"), patterned());
    writeBmp(dir.file("b.bmp"), solidImage(5, 4, 0xFF336699u));
    ASSERT_TRUE(writeDds(dir.file("c.dds"), patterned()));
    std::ofstream(dir.file("damaged.dds")) << "DDS garbage";
    const LoadOptions resized{.width = 6, .height = 4, .filtered = false};
    // In list order, with a file the list does not hold and one it holds with other options.
    const std::vector<std::pair<std::string, LoadOptions>> loads = {
        {"a.png", {}},       {"missing.png", {}}, {"b.bmp", {}},      {"extra.png", {}},
        {"damaged.dds", {}}, {"c.dds", resized},  {"a.png", resized},
    };
    writePng(dir.file("extra.png"), solidImage(2, 2, 0xFF010203u));
    auto plain = headless(16, 16), prefetched = headless(16, 16);
    prefetched->prefetchTextures({{dir.file("a.png"), {}},
                                  {dir.file("missing.png"), {}},
                                  {dir.file("b.bmp"), {}},
                                  {dir.file("damaged.dds"), {}},
                                  {dir.file("c.dds"), resized},
                                  {dir.file("a.png"), {}}});
    for (const auto& [name, options] : loads) {
        const TextureId p = plain->loadTexture(dir.file(name), name, options);
        const TextureId q = prefetched->loadTexture(dir.file(name), name, options);
        ASSERT_EQ(p, q) << name;
        EXPECT_EQ(plain->lastError(), prefetched->lastError()) << name;
        const Size size = plain->textureSize(p);
        ASSERT_EQ(size.width, prefetched->textureSize(q).width) << name;
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                ASSERT_EQ(plain->pixel(p, x, y), prefetched->pixel(q, x, y)) << name;
    }
    EXPECT_NE(prefetched->lastError().find("damaged.dds"), std::string::npos);
}

} // namespace
