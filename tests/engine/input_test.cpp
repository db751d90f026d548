// Keys by the game's codes, scripted keys and the mouse of the surface back end.
#include "test_support.hpp"

#include "engine/frame_switches.hpp"
#include "engine/key_map.hpp"

#include <SDL_scancode.h>

using namespace engine;
using namespace enginetest;

namespace {

TEST(KeyMapping, GameKeysComeFromPhysicalKeys) {
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_ESCAPE), key::Escape);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_RETURN), key::Enter);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_KP_ENTER), key::Enter);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_SPACE), key::Space);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_S), key::S);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_F12), key::F12);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_UP), key::Up);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_LEFT), key::Left);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_RIGHT), key::Right);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_DOWN), key::Down);
    EXPECT_EQ(keyCodeFromScancode(SDL_SCANCODE_UNKNOWN), 0);
    // No two physical keys share a code, except the two Enter keys.
    std::vector<int> seen(kKeyCodeCount, -1);
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        const int code = keyCodeFromScancode(sc);
        ASSERT_GE(code, 0);
        ASSERT_LT(code, kKeyCodeCount);
        if (code == 0 || code == key::Enter)
            continue;
        EXPECT_EQ(seen[std::size_t(code)], -1) << "code " << code << " given twice";
        seen[std::size_t(code)] = sc;
    }
}

TEST(ScriptedInput, KeysStayDownUntilReleased) {
    auto e = headless(8, 8);
    EXPECT_FALSE(e->keyDown(key::Enter));
    e->setKey(key::Enter, true);
    EXPECT_TRUE(e->pumpEvents());
    EXPECT_TRUE(e->keyDown(key::Enter));
    EXPECT_FALSE(e->keyDown(key::Space));
    e->setKey(key::Enter, false);
    EXPECT_TRUE(e->keyDown(key::Enter)); // a frame reads one state throughout
    e->pumpEvents();
    EXPECT_FALSE(e->keyDown(key::Enter));
    // Codes outside the table are simply never down.
    e->setKey(-5, true);
    e->setKey(100000, true);
    EXPECT_FALSE(e->keyDown(-5));
    EXPECT_FALSE(e->keyDown(100000));
}

TEST(ScriptedInput, MousePositionButtonAndRelativeMovement) {
    DisplayConfig config;
    config.backend = Backend::Surface;
    config.width = 800;
    config.height = 600;
    std::string error;
    auto e = Engine::create(config, error);
    ASSERT_TRUE(e) << error;
    e->setMouse({100, 200}, true);
    e->pumpEvents();
    EXPECT_TRUE(e->mouseButtonDown(0));
    EXPECT_FALSE(e->mouseButtonDown(1));
    EXPECT_EQ(e->mousePosition().x, 100);
    EXPECT_EQ(e->mousePosition().y, 200);
    e->mouseRelative();
    e->setMouse({103, 190}, true);
    e->setMouse({110, 195}, true);
    Point d = e->mouseRelative();
    EXPECT_EQ(d.x, 10);
    EXPECT_EQ(d.y, -5);
    d = e->mouseRelative();
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 0);
    e->setMouse({110, 195}, false);
    e->pumpEvents();
    EXPECT_FALSE(e->mouseButtonDown(0));
}

// Each frame takes one change of each key or button, so none is lost or doubled however many
// come between two frames.
TEST(FrameInput, ChangesBetweenFramesShowOneAFrame) {
    FrameSwitches switches(4);
    auto frames = [&](int count) {
        std::string seen;
        for (int i = 0; i < count; ++i) {
            switches.nextFrame();
            seen += switches.down(1) ? 'D' : 'u';
        }
        return seen;
    };
    switches.set(1, true);
    switches.set(1, false);
    EXPECT_EQ(frames(3), "Duu"); // a tap inside one frame
    switches.set(1, true);
    switches.set(1, false);
    switches.set(1, true);
    EXPECT_EQ(frames(4), "DuDD"); // press, release, press: the key stays held
    switches.set(1, true);        // no change
    switches.set(1, false);
    EXPECT_EQ(frames(2), "uu");
    EXPECT_FALSE(switches.down(0));
    EXPECT_FALSE(switches.down(99));
    // A flood of taps keeps a few, and the state the key is left in.
    for (int i = 0; i < 50; ++i) {
        switches.set(1, true);
        switches.set(1, false);
    }
    switches.set(1, true);
    EXPECT_EQ(frames(12).substr(8), "DDDD"); // caught up soon, and held as it was left
    switches.releaseAll();
    EXPECT_EQ(frames(1), "u");
}

TEST(FrameInput, TapsOfKeysPadsAndMouseButtonsAreSeen) {
    auto e = headless(8, 8);
    e->setKey(key::Space, true);
    e->setKey(key::Space, false);
    e->setPadButton(0, PadButton::A, true);
    e->setPadButton(0, PadButton::A, false);
    e->setMouse({1, 1}, true);
    e->setMouse({2, 2}, false);
    e->pumpEvents();
    EXPECT_TRUE(e->keyDown(key::Space));
    EXPECT_TRUE(e->keyDown(key::Enter));
    EXPECT_TRUE(e->mouseButtonDown(0));
    e->pumpEvents();
    EXPECT_FALSE(e->keyDown(key::Space));
    EXPECT_FALSE(e->keyDown(key::Enter));
    EXPECT_FALSE(e->mouseButtonDown(0));
}

} // namespace
