// What leaves the engine as a frame: the fade, saved pictures and the surface back end's copy.
#include "test_support.hpp"

#include <SDL_image.h>

#include <fstream>

using namespace engine;
using namespace enginetest;

namespace {

TEST(Fade, FromWhiteIsHalfWayAfterHalfItsTime) {
    auto e = headless(32, 32);
    e->useScriptedClock(500.0f);
    e->fadeIn(1, 1, 1, 1000);
    e->clear();
    e->present();
    EXPECT_EQ(framePixel(*e, 5, 5), 0xFFFFFFFFu);
    e->clear();
    e->present();
    EXPECT_COLOR_NEAR(framePixel(*e, 5, 5), 0xFF808080u, 2);
    e->clear();
    e->present();
    EXPECT_EQ(framePixel(*e, 5, 5), 0xFF000000u);
}

TEST(Fade, IsDrawnOverEverythingAtPresent) {
    auto e = headless(16, 16);
    e->useScriptedClock(100.0f);
    e->fadeIn(1, 0, 0, 400);
    e->clear();
    e->fillRect(0, 0, 16, 16, Corners::all(0xFF0000FFu)); // drawn after the fade was asked for
    e->present();
    EXPECT_EQ(framePixel(*e, 8, 8), 0xFFFF0000u);
}

TEST(SavedFrames, PngAndJpegOfTheLastPresentedFrame) {
    ScratchDir dir;
    auto e = headless();
    e->clear();
    e->fillRect(0, 0, 512, 768, Corners::all(0xFF00FF00u));
    e->present();
    ASSERT_TRUE(e->savePng(dir.file("frame.png"))) << e->lastError();
    std::string jpeg;
    ASSERT_TRUE(e->encodeScreenshotJpeg(jpeg)) << e->lastError();
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8"); // a whole file: start and end of image
    EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9");
    std::ofstream(dir.file("shot.jpg"), std::ios::binary) << jpeg;
    for (const char* name : {"frame.png", "shot.jpg"}) {
        SDL_Surface* s = IMG_Load(dir.file(name).c_str());
        ASSERT_TRUE(s) << name;
        EXPECT_EQ(s->w, 1024);
        EXPECT_EQ(s->h, 768);
        SDL_FreeSurface(s);
    }
    TextureId back = e->loadTexture(dir.file("frame.png"), "back");
    EXPECT_EQ(e->pixel(back, 10, 10), 0xFF00FF00u);
    EXPECT_EQ(e->pixel(back, 1000, 10), 0xFF000000u);
    EXPECT_FALSE(e->savePng(dir.file("no/such/folder/x.png")));
    EXPECT_FALSE(e->lastError().empty());
}

TEST(SurfaceBackend, KeepsThePresentedFrameWhileTheNextIsDrawn) {
    DisplayConfig config;
    config.backend = Backend::Surface;
    config.width = 80;
    config.height = 60;
    std::string error;
    auto e = Engine::create(config, error);
    ASSERT_TRUE(e) << error;
    EXPECT_EQ(e->canvasSize().width, 80);
    e->clear();
    e->fillRect(0, 0, 80, 60, Corners::all(0xFF112233u));
    e->present();
    e->clear();
    e->fillRect(0, 0, 80, 60, Corners::all(0xFF445566u));
    EXPECT_EQ(framePixel(*e, 79, 59), 0xFF112233u);
    e->present();
    EXPECT_EQ(framePixel(*e, 79, 59), 0xFF445566u);
}

TEST(Create, RejectsAnImpossibleCanvas) {
    DisplayConfig config;
    config.width = 0;
    std::string error;
    EXPECT_FALSE(Engine::create(config, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
