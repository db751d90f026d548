// The software painter's whole-row paths against its pixel-by-pixel ones: random pictures,
// tints, alphas and positions must give the very same canvas.
#include "engine/painter.hpp"
#include "engine/pixel_rows_avx2.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace engine;

namespace {

class Rows : public ::testing::Test {
  protected:
    std::mt19937 rng{20240617};

    std::uint32_t any() { return std::uint32_t(rng()); }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    float within(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }

    // Alphas as pictures have them: runs of clear, opaque and partly covered pixels, so that
    // groups of pixels are wholly one or the other as well as mixed.
    std::uint32_t alphaOf(int kind) {
        switch (kind) {
        case 0:
            return 255;
        case 1:
            return any() & 255;
        default: {
            const int pick = between(0, 9);
            return pick < 4 ? 0 : pick < 8 ? 255 : any() & 255;
        }
        }
    }

    Picture randomPicture() {
        Image image;
        image.width = between(1, 37);
        image.height = between(1, 23);
        const int kind = between(0, 2);
        const int run = between(1, 9);
        std::uint32_t alpha = 0;
        for (int i = 0; i < image.width * image.height; ++i) {
            if (i % run == 0)
                alpha = alphaOf(kind);
            image.pixels.push_back(alpha << 24 | (any() & 0xFFFFFFu));
        }
        return pictureOf(std::move(image), between(0, 3) != 0);
    }

    Color randomTint() {
        switch (between(0, 4)) {
        case 0:
            return kWhite;
        case 1:
            return 0x00FFFFFFu | (any() << 24); // a fade of white
        case 2:
            return any() | 0xFF000000u;
        default:
            return any();
        }
    }

    Corners randomCorners() {
        if (between(0, 3) == 0)
            return {randomTint(), randomTint(), randomTint(), randomTint()};
        return Corners::all(randomTint());
    }

    void compareOnRandomDrawings();
};

TEST_F(Rows, EveryFastPathPaintsTheSamePixelsAsTheGeneralOne) {
    compareOnRandomDrawings();
}

// On a processor with AVX2 the SSE2 rows only finish what the wider ones leave.
TEST_F(Rows, WithoutAvx2TheSse2RowsPaintTheSamePixelsToo) {
    if (!pixel::avx2::available())
        GTEST_SKIP() << "the SSE2 rows were compared already";
    pixel::avx2::setEnabled(false);
    compareOnRandomDrawings();
    pixel::avx2::setEnabled(true);
}

void Rows::compareOnRandomDrawings() {
    constexpr int kW = 67, kH = 41;
    Image fast, general;
    fast.width = general.width = kW;
    fast.height = general.height = kH;
    for (int i = 0; i < kW * kH; ++i)
        fast.pixels.push_back(any() | 0xFF000000u);
    general.pixels = fast.pixels;
    auto fastPainter = createSoftwarePainter(fast, SoftwareRows::Fast);
    auto generalPainter = createSoftwarePainter(general, SoftwareRows::General);

    for (int step = 0; step < 4000; ++step) {
        const Picture picture = randomPicture();
        const Corners colors = randomCorners();
        const int pw = picture.image.width, ph = picture.image.height;
        const int kind = between(0, 3);
        auto both = [&](auto draw) {
            draw(*fastPainter);
            draw(*generalPainter);
        };
        if (kind == 0) { // at its own size on whole pixels, partly off the canvas at times
            const float x = float(between(-pw, kW)), y = float(between(-ph, kH));
            both([&](Painter& p) { p.drawPicture(picture, x, y, x + pw, y + ph, colors); });
        } else if (kind == 1) { // upright at another size
            const float x = within(-20, kW), y = within(-20, kH);
            const float w = within(0.5f, 90), h = within(0.5f, 60);
            both([&](Painter& p) { p.drawPicture(picture, x, y, x + w, y + h, colors); });
        } else if (kind == 2) { // turned
            const float cx = within(-10, kW + 10), cy = within(-10, kH + 10);
            const float w = within(1, 80), h = within(1, 60), degrees = within(-400, 400);
            both([&](Painter& p) { p.drawRotated(picture, cx, cy, w, h, degrees, colors); });
        } else { // a colour
            const float x = within(-10, kW), y = within(-10, kH);
            const float w = within(0, 80), h = within(0, 50);
            both([&](Painter& p) { p.fill(x, y, x + w, y + h, colors); });
        }
        fastPainter->flush();
        generalPainter->flush();
        const auto differ =
            std::mismatch(fast.pixels.begin(), fast.pixels.end(), general.pixels.begin());
        ASSERT_TRUE(differ.first == fast.pixels.end())
            << "step " << step << " kind " << kind << " picture " << pw << " x " << ph
            << (picture.filtered ? " filtered" : " nearest") << " at pixel "
            << differ.first - fast.pixels.begin() << std::hex << ": 0x" << *differ.first
            << " against 0x" << *differ.second << ", colour 0x" << colors.topLeft;
    }
}

} // namespace
