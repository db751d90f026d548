// The canvas in windows of other shapes, and the mouse mapped back onto it.
#include "engine/letterbox.hpp"

#include <gtest/gtest.h>

using namespace engine;

namespace {

constexpr Size kCanvas{1024, 768};

TEST(Letterbox, FitsAndCentresTheCanvas) {
    const Box wide = letterbox({1920, 1080}, kCanvas);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    const Box tall = letterbox({1024, 1024}, kCanvas);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 128);
    EXPECT_EQ(tall.height, 768);
    const Box same = letterbox(kCanvas, kCanvas);
    EXPECT_EQ(same.width, 1024);
    EXPECT_EQ(same.height, 768);
    const Box minimised = letterbox({0, 0}, kCanvas);
    EXPECT_EQ(minimised.width, 1024);
}

TEST(Letterbox, MouseMapsOntoCanvasPixels) {
    Point p = windowToCanvas(240, 0, 1.0f, {1920, 1080}, kCanvas);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    p = windowToCanvas(1679, 1079, 1.0f, {1920, 1080}, kCanvas);
    EXPECT_EQ(p.x, 1023);
    EXPECT_EQ(p.y, 767);
    p = windowToCanvas(960, 540, 1.0f, {1920, 1080}, kCanvas);
    EXPECT_EQ(p.x, 512);
    EXPECT_EQ(p.y, 384);
    // On the bars the position stays on the canvas edge.
    p = windowToCanvas(10, 500, 1.0f, {1920, 1080}, kCanvas);
    EXPECT_EQ(p.x, 0);
    // High DPI: a window of 960 x 540 units with 1920 x 1080 pixels.
    p = windowToCanvas(480, 270, 2.0f, {1920, 1080}, kCanvas);
    EXPECT_EQ(p.x, 512);
    EXPECT_EQ(p.y, 384);
}

} // namespace
