// Golden-image checks of the headless renderer: what lands where on the canvas.
#include "test_support.hpp"

#include <limits>

using namespace engine;
using namespace enginetest;

namespace {

constexpr Color kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu,
                kYellow = 0xFFFFFF00u, kBlack = 0xFF000000u;

TEST(Drawing, ClearFillsWithTheBackgroundColour) {
    auto e = headless(64, 48);
    e->clear();
    ASSERT_TRUE(e->present());
    EXPECT_EQ(framePixel(*e, 10, 10), kBlack);
    e->setBackgroundColor(0xFFFFFFFFu);
    e->clear();
    e->present();
    EXPECT_EQ(framePixel(*e, 63, 47), 0xFFFFFFFFu);
}

TEST(Drawing, FilledRectangleCoversExactlyItsPixels) {
    auto e = headless(64, 48);
    e->clear();
    e->fillRect(10, 5, 20, 15, Corners::all(kRed));
    e->present();
    EXPECT_EQ(framePixel(*e, 10, 5), kRed);
    EXPECT_EQ(framePixel(*e, 19, 14), kRed);
    EXPECT_EQ(framePixel(*e, 20, 10), kBlack);
    EXPECT_EQ(framePixel(*e, 15, 15), kBlack);
    EXPECT_EQ(framePixel(*e, 9, 10), kBlack);
}

TEST(Drawing, CornerGradientPutsEachColourInItsCorner) {
    auto e = headless(128, 128);
    e->clear();
    e->fillRect(0, 0, 128, 128, {kRed, kGreen, kBlue, kYellow});
    e->present();
    EXPECT_COLOR_NEAR(framePixel(*e, 1, 1), kRed, 12);
    EXPECT_COLOR_NEAR(framePixel(*e, 126, 1), kGreen, 12);
    EXPECT_COLOR_NEAR(framePixel(*e, 126, 126), kBlue, 12);
    EXPECT_COLOR_NEAR(framePixel(*e, 1, 126), kYellow, 12);
}

TEST(Drawing, TexturedGradientFadesDownwardsWhenTheBottomCornersAreTransparent) {
    ScratchDir dir;
    writePng(dir.file("white.png"), solidImage(16, 16, 0xFFFFFFFFu));
    auto e = headless(100, 100);
    TextureId t = e->loadTexture(dir.file("white.png"), "white");
    ASSERT_NE(t, kNoTexture) << e->lastError();
    e->clear();
    const Color opaque = 0xFFFFFFFFu, clear = 0x00FFFFFFu;
    e->drawTexture(t, 0, 0, 100, 100, {opaque, opaque, clear, clear});
    e->present();
    EXPECT_COLOR_NEAR(framePixel(*e, 50, 1), 0xFFFFFFFFu, 8);
    EXPECT_COLOR_NEAR(framePixel(*e, 50, 50), 0xFF808080u, 12);
    EXPECT_COLOR_NEAR(framePixel(*e, 50, 98), kBlack, 8);
}

TEST(Drawing, NinetyDegreeRotationTurnsClockwise) {
    // A 40 x 20 picture, left half red and right half blue. Turned 90 degrees clockwise it
    // stands 20 wide and 40 high with red on top.
    ScratchDir dir;
    Image image = solidImage(40, 20, kRed);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            image.pixels[std::size_t(y) * 40 + x] = kBlue;
    writePng(dir.file("halves.png"), image);
    auto e = headless(100, 100);
    TextureId t = e->loadTexture(dir.file("halves.png"), "halves", {.filtered = false});
    ASSERT_NE(t, kNoTexture);
    e->clear();
    e->drawRotated(t, 50, 50, 40, 20, 90.0f);
    e->present();
    EXPECT_EQ(framePixel(*e, 50, 35), kRed);
    EXPECT_EQ(framePixel(*e, 50, 65), kBlue);
    EXPECT_EQ(framePixel(*e, 35, 50), kBlack); // the unrotated extent is empty now
    EXPECT_EQ(framePixel(*e, 50, 28), kBlack);
    EXPECT_EQ(framePixel(*e, 38, 50), kBlack);
    EXPECT_EQ(framePixel(*e, 41, 45), kRed);
}

TEST(Drawing, RotationWithCornerColoursKeepsTheColoursOnTheTexture) {
    ScratchDir dir;
    writePng(dir.file("white.png"), solidImage(8, 8, 0xFFFFFFFFu));
    auto e = headless(100, 100);
    TextureId t = e->loadTexture(dir.file("white.png"), "white");
    e->clear();
    // Turned by 180 degrees the picture's top-left corner lands bottom right on screen.
    e->drawRotated(t, 50, 50, 60, 60, 180.0f, {kRed, kGreen, kBlue, kYellow});
    e->present();
    EXPECT_COLOR_NEAR(framePixel(*e, 78, 78), kRed, 20);
    EXPECT_COLOR_NEAR(framePixel(*e, 21, 21), kBlue, 20);
}

TEST(Drawing, AlphaBlendsOverWhatIsBelow) {
    ScratchDir dir;
    writePng(dir.file("half.png"), solidImage(8, 8, 0x80FF0000u));
    auto e = headless(64, 64);
    TextureId t = e->loadTexture(dir.file("half.png"), "half");
    e->clear();
    e->fillRect(0, 0, 64, 64, Corners::all(kBlue));
    e->drawTexture(t, 0, 0, 32, 32);                             // picture alpha
    e->fillRect(32, 32, 64, 64, Corners::all(0x40FFFFFFu));      // colour alpha
    e->drawTexture(t, 32, 0, 64, 32, Corners::all(0x80FFFFFFu)); // both multiply
    e->present();
    EXPECT_COLOR_NEAR(framePixel(*e, 10, 10), 0xFF7F0080u, 3);
    EXPECT_COLOR_NEAR(framePixel(*e, 40, 40), 0xFF4040FFu, 3);
    EXPECT_COLOR_NEAR(framePixel(*e, 40, 10), 0xFF4000C0u, 4);
}

TEST(Drawing, StretchedWhitePictureFadesLikeAFill) {
    ScratchDir dir;
    writeBmp(dir.file("white.bmp"), solidImage(4, 4, 0xFFFFFFFFu));
    auto e = headless(64, 64);
    TextureId t = e->loadTexture(dir.file("white.bmp"), "white");
    e->clear();
    e->drawTexture(t, 0, 0, 64, 32, Corners::all(makeColor(1, 1, 1, 0.5f)));
    e->drawRotated(t, 32, 48, 64, 32, 180.0f, Corners::all(makeColor(1, 1, 1, 0.5f)));
    e->present();
    EXPECT_COLOR_NEAR(framePixel(*e, 0, 0), 0xFF808080u, 1);
    EXPECT_COLOR_NEAR(framePixel(*e, 63, 31), 0xFF808080u, 1);
    EXPECT_COLOR_NEAR(framePixel(*e, 10, 40), 0xFF808080u, 1);
}

TEST(Drawing, UnknownTextureDrawsNothing) {
    auto e = headless(32, 32);
    EXPECT_EQ(e->texture("nothing"), kNoTexture);
    e->clear();
    e->drawTexture(e->texture("nothing"), 0, 0, 32, 32);
    e->drawRotated(kNoTexture, 16, 16, 32, 32, 45);
    e->drawTexture(12345, 0, 0, 32, 32);
    e->present();
    EXPECT_EQ(framePixel(*e, 16, 16), kBlack);
}

TEST(Drawing, NonsenseCoordinatesDrawNothing) {
    ScratchDir dir;
    writePng(dir.file("w.png"), solidImage(4, 4, 0xFFFFFFFFu));
    auto e = headless(32, 32);
    TextureId t = e->loadTexture(dir.file("w.png"), "w");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    e->clear();
    e->drawTexture(t, nan, 0, 32, 32);
    e->drawTexture(t, 0, 0, inf, 32);
    e->drawTexture(t, -3e9f, -3e9f, 3e9f, 3e9f);
    e->drawRotated(t, 16, 16, 32, 32, nan);
    e->drawRotated(t, 16, 16, 1e-7f, 32, 45); // a sliver
    e->fillRect(nan, nan, nan, nan, Corners::all(kRed));
    e->fillRect(0, 0, 32, 32, {kRed, kGreen, kBlue, 0x00000000u});
    e->present();
    EXPECT_NE(framePixel(*e, 16, 16), 0xFFFFFFFFu);
}

TEST(Drawing, PlainWhitePatternOfCornersDrawsUnmodulated) {
    ScratchDir dir;
    writePng(dir.file("grey.png"), solidImage(4, 4, 0xFF808080u));
    auto e = headless(32, 32);
    TextureId t = e->loadTexture(dir.file("grey.png"), "grey");
    e->clear();
    e->drawTexture(t, 0, 0, 32, 32, {0xFFFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFFEu, 0xFFFFFFFEu});
    e->present();
    EXPECT_EQ(framePixel(*e, 31, 31), 0xFF808080u);
}

} // namespace
