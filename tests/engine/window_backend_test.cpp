// The window back end on SDL's dummy video driver: it draws through the SDL renderer, so these
// checks also hold the renderer's drawing to the software rasteriser's.
#include "test_support.hpp"

#include <SDL.h>

#include <cstdlib>

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

TEST_F(WindowBackend, DrawsTheSameAsTheSoftwareRasteriser) {
    ScratchDir dir;
    writePng(dir.file("half.png"), solidImage(8, 8, 0x80FF0000u));
    auto soft = headless();
    for (Engine* e : {engine_.get(), soft.get()}) {
        const TextureId t = e->loadTexture(dir.file("half.png"), "half");
        ASSERT_NE(t, kNoTexture) << e->lastError();
        e->clear();
        e->fillRect(0, 0, 200, 200, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u});
        e->fillRect(300, 0, 400, 100, Corners::all(0xFF0000FFu));
        e->drawTexture(t, 300, 0, 400, 100);
        e->drawRotated(t, 600, 100, 100, 50, 90.0f);
        e->present();
    }
    EXPECT_FALSE(engine_->framePixels()); // the frame lives in the renderer
    soft->savePng(dir.file("soft.png"));
    const TextureId reference = engine_->loadTexture(dir.file("soft.png"), "soft");
    for (auto [x, y] : {std::pair{3, 3},
                        {196, 3},
                        {196, 196},
                        {3, 196},
                        {350, 50},
                        {600, 100},
                        {600, 60},
                        {560, 100},
                        {700, 300}}) {
        EXPECT_COLOR_NEAR(shotPixel(dir, x, y), engine_->pixel(reference, x, y), 16)
            << "at " << x << "," << y;
    }
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
