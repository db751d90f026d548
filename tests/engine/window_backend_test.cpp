// The window back end on SDL's dummy video driver: it draws through the SDL renderer, so these
// checks also hold the renderer's drawing to the software rasteriser's.
#include "test_support.hpp"

#include "engine/display.hpp"
#include "engine/image_file.hpp"
#include "engine/jpeg_file.hpp"
#include "engine/texture_store.hpp"

#include <SDL.h>

#include <cstdlib>
#include <fstream>

using namespace engine;
using namespace enginetest;

namespace {

class WindowBackend : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        DisplayConfig config;
        config.backend = Backend::Window;
        config.title = "Brimzel test";
        std::string error;
        engine_ = Engine::create(config, error);
        ASSERT_TRUE(engine_) << error;
    }

    Color shotPixel(const ScratchDir& dir, int x, int y) {
        EXPECT_TRUE(engine_->savePng(dir.file("shot.png"))) << engine_->lastError();
        const TextureId shot = engine_->loadTexture(dir.file("shot.png"), "shot");
        return engine_->pixel(shot, x, y);
    }

    void push(SDL_Event e) { SDL_PushEvent(&e); }
    void pushKey(SDL_Scancode code, bool down, Uint16 mod = KMOD_NONE) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.scancode = code;
        e.key.keysym.mod = mod;
        push(e);
    }

    std::unique_ptr<Engine> engine_;
};

// A window drawn through the SDL renderer, forced even where SDL only has its software one.
std::unique_ptr<Display> rendererWindow(std::string& error) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    DisplayConfig config;
    config.backend = Backend::Window;
    return createWindowDisplay(config, error, WindowDrawing::Renderer);
}

TEST(WindowRenderer, DrawsTheSameAsTheSoftwareRasteriser) {
    std::string error;
    auto window = rendererWindow(error);
    ASSERT_TRUE(window) << error;
    Image canvas = solidImage(1024, 768, 0xFF000000u);
    auto soft = createSoftwarePainter(canvas);

    Image half = solidImage(8, 8, 0x80FF0000u);
    for (int i = 0; i < 8; ++i)
        half.pixels[std::size_t(i)] = 0xFF00FF00u; // top row green
    Picture onCard, inMemory;
    ASSERT_TRUE(makePicture(window->renderer(), half, false, onCard, error)) << error;
    ASSERT_TRUE(makePicture(nullptr, half, false, inMemory, error));
    ASSERT_TRUE(onCard.texture);
    window->beginFrame();
    for (auto [painter, picture] :
         {std::pair{&window->painter(), &onCard}, {soft.get(), &inMemory}}) {
        painter->clear(0xFF000000u);
        painter->fill(0, 0, 200, 200, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u});
        painter->fill(300, 0, 400, 100, Corners::all(0xFF0000FFu));
        painter->drawPicture(*picture, 300, 0, 400, 100, Corners::all(kWhite));
        painter->drawRotated(*picture, 600, 100, 80, 80, 90.0f, Corners::all(kWhite));
        painter->drawPicture(*picture, 500, 300, 580, 380,
                             {kWhite, kWhite, 0x00FFFFFFu, 0x00FFFFFFu});
        painter->flush();
    }
    ASSERT_TRUE(window->show(error)) << error;
    Image shot;
    ASSERT_TRUE(window->capture(shot, error)) << error;
    ASSERT_EQ(shot.pixels.size(), canvas.pixels.size());
    for (auto [x, y] : {std::pair{3, 3},
                        {196, 3},
                        {196, 196},
                        {3, 196},
                        {100, 100},
                        {350, 5},
                        {350, 50},
                        {645, 100},
                        {600, 100},
                        {556, 100},
                        {540, 305},
                        {540, 340},
                        {540, 375},
                        {700, 300}}) {
        const std::size_t i = std::size_t(y) * 1024 + x;
        EXPECT_COLOR_NEAR(shot.pixels[i], canvas.pixels[i], 16) << "at " << x << "," << y;
    }
}

TEST(WindowRenderer, KeepsADecodedCopyOnlyOfTexturesWhosePixelsAreRead) {
    std::string error;
    auto window = rendererWindow(error);
    ASSERT_TRUE(window) << error;
    ScratchDir dir;
    writePng(dir.file("p.png"), solidImage(6, 4, 0xFF102030u));
    TextureStore store(window->renderer());
    const TextureId drawn = store.load(dir.file("p.png"), "drawn", {}, error);
    const TextureId read = store.load(dir.file("p.png"), "read", {.readPixels = true}, error);
    ASSERT_NE(drawn, kNoTexture) << error;
    ASSERT_NE(read, kNoTexture) << error;
    for (const TextureId id : {drawn, read}) {
        const Picture& picture = store.get(id)->picture;
        EXPECT_TRUE(picture.texture);
        EXPECT_EQ(picture.image.width, 6); // the size stays known
        EXPECT_TRUE(picture.opaque);
    }
    EXPECT_TRUE(store.get(drawn)->picture.image.pixels.empty());
    ASSERT_EQ(store.get(read)->picture.image.pixels.size(), 24u);
    EXPECT_EQ(store.get(read)->picture.image.pixels[5], 0xFF102030u);

    // A picture decoded at its first use goes to the card then, and keeps no copy either.
    std::string jpeg;
    ASSERT_TRUE(encodeJpeg(solidImage(6, 4, 0xFF102030u), 90, jpeg));
    std::ofstream(dir.file("p.jpg"), std::ios::binary) << jpeg;
    DeferredPicture deferred;
    ASSERT_TRUE(deferDecode(dir.file("p.jpg"), {}, deferred));
    const TextureId later = store.storeDeferred(std::move(deferred), "later");
    EXPECT_FALSE(store.get(later)->picture.texture);
    const Picture* shown = store.ready(later, error);
    ASSERT_TRUE(shown) << error;
    EXPECT_TRUE(shown->texture);
    EXPECT_TRUE(shown->image.pixels.empty());
    EXPECT_EQ(shown->image.width, 6);
}

TEST_F(WindowBackend, WithoutAGraphicsCardTheEngineDrawsInSoftware) {
    // The dummy driver has no accelerated renderer.
    ScratchDir dir;
    writePng(dir.file("white.png"), solidImage(4, 4, 0xFFFFFFFFu));
    const TextureId t = engine_->loadTexture(dir.file("white.png"), "white");
    engine_->clear();
    engine_->drawRotated(t, 100, 100, 50, 50, 45.0f);
    ASSERT_TRUE(engine_->present()) << engine_->lastError();
    ASSERT_TRUE(engine_->framePixels());
    EXPECT_EQ(framePixel(*engine_, 100, 100), 0xFFFFFFFFu);
    EXPECT_EQ(shotPixel(dir, 100, 100), 0xFFFFFFFFu);
    EXPECT_EQ(shotPixel(dir, 10, 10), 0xFF000000u);
}

TEST_F(WindowBackend, KeysComeFromEventsAndAltEnterIsNotEnter) {
    pushKey(SDL_SCANCODE_RETURN, true);
    pushKey(SDL_SCANCODE_UP, true);
    EXPECT_TRUE(engine_->pumpEvents());
    EXPECT_TRUE(engine_->keyDown(key::Enter));
    EXPECT_TRUE(engine_->keyDown(key::Up));
    pushKey(SDL_SCANCODE_RETURN, false);
    engine_->pumpEvents();
    EXPECT_FALSE(engine_->keyDown(key::Enter));

    pushKey(SDL_SCANCODE_ESCAPE, true); // a tap between two frames is seen for one
    pushKey(SDL_SCANCODE_ESCAPE, false);
    engine_->pumpEvents();
    EXPECT_TRUE(engine_->keyDown(key::Escape));
    engine_->pumpEvents();
    EXPECT_FALSE(engine_->keyDown(key::Escape));

    pushKey(SDL_SCANCODE_RETURN, true, KMOD_LALT); // switches full screen instead
    engine_->pumpEvents();
    EXPECT_FALSE(engine_->keyDown(key::Enter));

    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    push(focus);
    engine_->pumpEvents();
    EXPECT_FALSE(engine_->keyDown(key::Up)); // its release would never arrive
}

TEST_F(WindowBackend, MouseAndCloseRequest) {
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 100;
    move.motion.y = 50;
    push(move);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_LEFT;
    press.button.x = 110;
    press.button.y = 40;
    push(press);
    EXPECT_TRUE(engine_->pumpEvents());
    EXPECT_TRUE(engine_->mouseButtonDown(0));
    const Point p = engine_->mousePosition();
    EXPECT_EQ(p.x, 110);
    EXPECT_EQ(p.y, 40);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    EXPECT_FALSE(engine_->pumpEvents());
    EXPECT_FALSE(engine_->pumpEvents()); // stays requested
}

} // namespace
