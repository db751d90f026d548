// The window back end's real gamepads: SDL game controllers opened as they are plugged in and
// closed as they go, their events fed to the pad keys.
#pragma once

#include "engine/gamepad_keys.hpp"

#include <SDL.h>

#include <map>

namespace engine {

class GamepadDevices {
  public:
    // Starts SDL's game-controller support. Mappings come from SDL's database and from the
    // SDL_GAMECONTROLLERCONFIG and SDL_GAMECONTROLLERCONFIG_FILE settings, which SDL reads then.
    // Without joystick support there are simply no pads.
    GamepadDevices();
    ~GamepadDevices();
    GamepadDevices(const GamepadDevices&) = delete;
    GamepadDevices& operator=(const GamepadDevices&) = delete;

    // Feeds a controller event to `pads`; false for events of other kinds.
    bool handleEvent(const SDL_Event& e, Gamepads& pads);

  private:
    void open(int deviceIndex, Gamepads& pads);
    void close(SDL_JoystickID id, Gamepads& pads);

    bool available_ = false;
    std::map<SDL_JoystickID, SDL_GameController*> open_;
};

} // namespace engine
