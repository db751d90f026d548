// Keys by the game's codes, scripted keys and the mouse of the surface back end.
#include "test_support.hpp"

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
    EXPECT_FALSE(e->mouseButtonDown(0));
}

} // namespace
