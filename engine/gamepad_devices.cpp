#include "engine/gamepad_devices.hpp"

#include <algorithm>
#include <optional>

namespace engine {
namespace {

std::optional<PadButton> padButton(Uint8 button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
        return PadButton::B;
    case SDL_CONTROLLER_BUTTON_START:
        return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return PadButton::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return PadButton::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return PadButton::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return PadButton::DpadRight;
    default:
        return std::nullopt;
    }
}

std::optional<PadAxis> padAxis(Uint8 axis) {
    switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
        return PadAxis::LeftX;
    case SDL_CONTROLLER_AXIS_LEFTY:
        return PadAxis::LeftY;
    default:
        return std::nullopt;
    }
}

} // namespace

GamepadDevices::GamepadDevices() {
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    // Pads already present arrive as device-added events on the first poll.
}

GamepadDevices::~GamepadDevices() {
    for (auto& [id, controller] : open_)
        SDL_GameControllerClose(controller);
    if (available_)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool GamepadDevices::handleEvent(const SDL_Event& e, Gamepads& pads) {
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(e.cdevice.which, pads);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(e.cdevice.which, pads);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        // Only pads opened here: a late event of a pad already gone must not bring it back.
        if (open_.count(e.cbutton.which))
            if (const auto button = padButton(e.cbutton.button))
                pads.setButton(e.cbutton.which, *button, e.type == SDL_CONTROLLERBUTTONDOWN);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        if (open_.count(e.caxis.which))
            if (const auto axis = padAxis(e.caxis.axis))
                pads.setAxis(e.caxis.which, *axis, std::max(-1.0f, e.caxis.value / 32767.0f));
        return true;
    default:
        return false;
    }
}

void GamepadDevices::open(int deviceIndex, Gamepads& pads) {
    if (!available_)
        return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    // A pad present at start-up may be announced twice; opening it again would leak a reference.
    if (id < 0 || open_.count(id))
        return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return; // unplugged again before it could be opened
    open_.emplace(id, controller);
    pads.connect(id);
}

void GamepadDevices::close(SDL_JoystickID id, Gamepads& pads) {
    if (auto it = open_.find(id); it != open_.end()) {
        SDL_GameControllerClose(it->second);
        open_.erase(it);
    }
    pads.remove(id);
}

} // namespace engine
