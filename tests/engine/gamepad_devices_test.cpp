// Real gamepads on the window back end, played by SDL's virtual joysticks: plugging in, steering,
// unplugging while held, mappings from the environment and the window's focus.
#include "test_support.hpp"

#include <SDL.h>

#include <cstdlib>

using namespace engine;
using namespace enginetest;

namespace {

class WindowPads : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The dummy window never has the keyboard focus, and SDL holds back pad presses then.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    }
    // Pads a failed test left plugged in would turn up in the next one.
    void TearDown() override {
        for (int i = SDL_NumJoysticks() - 1; i >= 0; --i)
            if (SDL_JoystickIsVirtual(i))
                SDL_JoystickDetachVirtual(i);
        engine_.reset();
        if (ownJoysticks_)
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
        unsetenv("SDL_GAMECONTROLLERCONFIG");
    }

    void openWindow() {
        DisplayConfig config;
        config.backend = Backend::Window;
        std::string error;
        engine_ = Engine::create(config, error);
        ASSERT_TRUE(engine_) << error;
    }

    // A pad laid out as SDL's game controller: buttons and axes in the controller's order.
    int plugIn(SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER) {
        const int index =
            SDL_JoystickAttachVirtual(type, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        return index;
    }
    SDL_Joystick* stick(int index) {
        return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(index));
    }

    std::unique_ptr<Engine> engine_;
    bool ownJoysticks_ = false;
};

TEST_F(WindowPads, PluggedInPadSteersAndLetsGoWhenUnplugged) {
    openWindow();
    EXPECT_EQ(engine_->padCount(), 0);
    const int index = plugIn();
    ASSERT_TRUE(engine_->pumpEvents());
    ASSERT_EQ(engine_->padCount(), 1);
    SDL_Joystick* pad = stick(index);
    ASSERT_TRUE(pad) << "the engine opens the pad";

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -30000);
    engine_->pumpEvents();
    EXPECT_TRUE(engine_->keyDown(key::Enter));
    EXPECT_TRUE(engine_->keyDown(key::Up));
    EXPECT_TRUE(engine_->keyDown(key::Left));
    EXPECT_FALSE(engine_->keyDown(key::Escape));

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -3000); // back in the dead zone
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);
    engine_->pumpEvents();
    EXPECT_FALSE(engine_->keyDown(key::Enter));
    EXPECT_TRUE(engine_->keyDown(key::Escape));
    EXPECT_FALSE(engine_->keyDown(key::Left));
    EXPECT_TRUE(engine_->keyDown(key::Down));

    // Pulled out with Start, the d-pad and the stick held.
    ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
    engine_->pumpEvents();
    EXPECT_EQ(engine_->padCount(), 0);
    for (int code : {key::Escape, key::Up, key::Down, key::Left, key::Right, key::Enter})
        EXPECT_FALSE(engine_->keyDown(code)) << "key " << code;

    // Another pad plugged in later works the same.
    const int again = plugIn();
    engine_->pumpEvents();
    ASSERT_EQ(engine_->padCount(), 1);
    SDL_JoystickSetVirtualButton(stick(again), SDL_CONTROLLER_BUTTON_B, SDL_PRESSED);
    engine_->pumpEvents();
    EXPECT_TRUE(engine_->keyDown(key::Escape));
    SDL_JoystickDetachVirtual(again);
    engine_->pumpEvents();
}

TEST_F(WindowPads, PadsPresentAtStartAndMappingsFromTheEnvironment) {
    // A layout for a pad SDL's database lacks, given the way players give SDL one; SDL reads it
    // when joystick support starts.
    const char* guid = "03000000abcd00001234000001000000";
    const std::string line = std::string(guid) + ",Test pad,a:b3,dpleft:b0,";
    setenv("SDL_GAMECONTROLLERCONFIG", line.c_str(), 1);
    // A pad plugged in before the window opens is found on the first poll.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    ownJoysticks_ = true;
    const int index = plugIn();
    openWindow();

    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(guid));
    ASSERT_TRUE(mapping);
    EXPECT_NE(std::string(mapping).find("a:b3"), std::string::npos) << mapping;
    SDL_free(mapping);

    engine_->pumpEvents();
    EXPECT_EQ(engine_->padCount(), 1);
    SDL_JoystickSetVirtualButton(stick(index), SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_PRESSED);
    engine_->pumpEvents();
    EXPECT_TRUE(engine_->keyDown(key::Left));
    // Closing the engine with the pad still present closes it cleanly.
    engine_.reset();
    EXPECT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
}

TEST_F(WindowPads, FocusFollowsTheWindowAndItsLossLetsGo) {
    openWindow();
    EXPECT_TRUE(engine_->hasFocus());
    const int index = plugIn();
    engine_->pumpEvents();
    SDL_JoystickSetVirtualButton(stick(index), SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_PRESSED);
    engine_->pumpEvents();
    EXPECT_TRUE(engine_->keyDown(key::Right));

    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&e);
    engine_->pumpEvents();
    EXPECT_FALSE(engine_->hasFocus());
    EXPECT_FALSE(engine_->keyDown(key::Right));
    EXPECT_EQ(engine_->padCount(), 1); // still plugged in

    e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    SDL_PushEvent(&e);
    engine_->pumpEvents();
    EXPECT_TRUE(engine_->hasFocus());
    SDL_JoystickDetachVirtual(index);
    engine_->pumpEvents();
}

} // namespace
