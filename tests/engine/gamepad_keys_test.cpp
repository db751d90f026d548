// Gamepads read as keys, scripted pads on the engine and the input focus.
#include "test_support.hpp"

#include "engine/gamepad_keys.hpp"

#include <cmath>
#include <initializer_list>
#include <limits>

using namespace engine;
using namespace enginetest;

namespace {

const std::initializer_list<int> kSteeringKeys = {key::Up,    key::Down,  key::Left,
                                                  key::Right, key::Enter, key::Escape};

// The keys a pad holds, as a set of codes, for readable failures.
std::vector<int> held(const PadKeys& pad) {
    std::vector<int> out;
    for (int code : kSteeringKeys)
        if (pad.holds(code))
            out.push_back(code);
    return out;
}
using Keys = std::vector<int>;

TEST(PadKeys, ButtonsAreTheArrowsEnterAndEscape) {
    const std::pair<PadButton, int> cases[] = {
        {PadButton::DpadUp, key::Up},     {PadButton::DpadDown, key::Down},
        {PadButton::DpadLeft, key::Left}, {PadButton::DpadRight, key::Right},
        {PadButton::A, key::Enter},       {PadButton::B, key::Escape},
        {PadButton::Start, key::Escape},
    };
    for (auto [button, code] : cases) {
        PadKeys pad;
        pad.setButton(button, true);
        EXPECT_EQ(held(pad), Keys{code}) << "button " << int(button);
        EXPECT_FALSE(pad.holds(key::Space));
        pad.setButton(button, false);
        EXPECT_EQ(held(pad), Keys{}) << "button " << int(button);
    }
    // Escape stays held while either of its buttons is.
    PadKeys pad;
    pad.setButton(PadButton::B, true);
    pad.setButton(PadButton::Start, true);
    pad.setButton(PadButton::B, false);
    EXPECT_TRUE(pad.holds(key::Escape));
    // Codes outside the pad's reach and buttons outside the layout are ignored.
    pad.setButton(static_cast<PadButton>(99), true);
    EXPECT_FALSE(pad.holds(-1));
    EXPECT_FALSE(pad.holds(100000));
}

TEST(PadKeys, StickSteersBeyondTheDeadZoneOnly) {
    PadKeys pad;
    for (float v : {0.0f, 0.2f, -0.39f, 0.45f, -0.49f}) {
        pad.setAxis(PadAxis::LeftX, v);
        pad.setAxis(PadAxis::LeftY, v);
        EXPECT_EQ(held(pad), Keys{}) << "at " << v;
    }
    pad.setAxis(PadAxis::LeftX, -0.8f);
    EXPECT_EQ(held(pad), (Keys{key::Left}));
    pad.setAxis(PadAxis::LeftY, 1.0f); // diagonals hold both arrows, as two keys would
    EXPECT_EQ(held(pad), (Keys{key::Down, key::Left}));
    pad.setAxis(PadAxis::LeftX, 0.6f); // straight across: left lets go, right takes over
    pad.setAxis(PadAxis::LeftY, -0.55f);
    EXPECT_EQ(held(pad), (Keys{key::Up, key::Right}));
    // A reading that is no number centres the stick.
    pad.setAxis(PadAxis::LeftX, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(held(pad), (Keys{key::Up}));
    pad.setAxis(static_cast<PadAxis>(7), 1.0f);
    EXPECT_EQ(held(pad), (Keys{key::Up}));
}

TEST(PadKeys, StickNearTheEdgeDoesNotFlicker) {
    // Between the dead zone and the engage point the key keeps its state.
    PadKeys pad;
    pad.setAxis(PadAxis::LeftY, 0.45f);
    EXPECT_FALSE(pad.holds(key::Down));
    pad.setAxis(PadAxis::LeftY, 0.5f);
    EXPECT_TRUE(pad.holds(key::Down));
    for (float v : {0.45f, 0.41f, 0.49f, 0.4f}) {
        pad.setAxis(PadAxis::LeftY, v);
        EXPECT_TRUE(pad.holds(key::Down)) << "at " << v;
    }
    pad.setAxis(PadAxis::LeftY, 0.39f);
    EXPECT_FALSE(pad.holds(key::Down));
    pad.setAxis(PadAxis::LeftY, 0.45f);
    EXPECT_FALSE(pad.holds(key::Down));

    pad.setAxis(PadAxis::LeftY, -0.7f);
    pad.setAxis(PadAxis::LeftY, -0.42f);
    EXPECT_TRUE(pad.holds(key::Up));
    pad.setAxis(PadAxis::LeftY, 0.42f); // flung through the middle: neither side
    EXPECT_FALSE(pad.holds(key::Up));
    EXPECT_FALSE(pad.holds(key::Down));
}

TEST(Gamepads, AnyPadHoldsAKeyAndARemovedPadLetsGo) {
    Gamepads pads;
    pads.connect(4);
    EXPECT_EQ(pads.count(), 1);
    EXPECT_FALSE(pads.keyDown(key::Enter));
    pads.setButton(4, PadButton::A, true);
    pads.setButton(9, PadButton::A, true);
    pads.setAxis(9, PadAxis::LeftX, 1.0f);
    EXPECT_EQ(pads.count(), 2);
    pads.setButton(4, PadButton::A, false);
    EXPECT_TRUE(pads.keyDown(key::Enter)); // pad 9 still holds it
    pads.remove(9);
    EXPECT_FALSE(pads.keyDown(key::Enter));
    EXPECT_FALSE(pads.keyDown(key::Right));
    EXPECT_EQ(pads.count(), 1);

    pads.setButton(4, PadButton::Start, true);
    pads.setAxis(4, PadAxis::LeftY, -1.0f);
    pads.releaseAll();
    EXPECT_FALSE(pads.keyDown(key::Escape));
    EXPECT_FALSE(pads.keyDown(key::Up));
    EXPECT_EQ(pads.count(), 1); // still plugged in
}

TEST(ScriptedPads, PadsAndKeyboardTogether) {
    auto e = headless(8, 8);
    EXPECT_EQ(e->padCount(), 0);
    e->setPadButton(0, PadButton::DpadLeft, true);
    e->setPadAxis(1, PadAxis::LeftY, 0.9f);
    EXPECT_EQ(e->padCount(), 2);
    EXPECT_TRUE(e->pumpEvents());
    EXPECT_TRUE(e->keyDown(key::Left));
    EXPECT_TRUE(e->keyDown(key::Down));
    // A key held on both lets go only when both have.
    e->setKey(key::Left, true);
    e->setPadButton(0, PadButton::DpadLeft, false);
    e->pumpEvents();
    EXPECT_TRUE(e->keyDown(key::Left));
    e->setKey(key::Left, false);
    e->pumpEvents();
    EXPECT_FALSE(e->keyDown(key::Left));

    e->removePad(1);
    e->pumpEvents();
    EXPECT_FALSE(e->keyDown(key::Down));
    EXPECT_EQ(e->padCount(), 1);
}

TEST(ScriptedFocus, LosingFocusLetsGoOfKeysAndPads) {
    auto e = headless(8, 8);
    EXPECT_TRUE(e->hasFocus());
    e->setKey(key::Space, true);
    e->setPadButton(0, PadButton::A, true);
    e->setFocus(false);
    EXPECT_FALSE(e->hasFocus());
    EXPECT_FALSE(e->keyDown(key::Space));
    EXPECT_FALSE(e->keyDown(key::Enter));
    e->setFocus(true);
    EXPECT_TRUE(e->hasFocus());
    e->setPadButton(0, PadButton::A, true); // pads still work after
    e->pumpEvents();
    EXPECT_TRUE(e->keyDown(key::Enter));
}

} // namespace
