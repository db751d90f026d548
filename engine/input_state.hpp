// What the keyboard and mouse hold at this moment, fed by SDL events or set by a script or host.
// The game reads them a frame at a time, through the engine's frame switches.
#pragma once

#include "engine/engine.hpp"
#include "engine/key_map.hpp"

#include <array>

namespace engine {

inline constexpr int kMouseButtonCount = 3; // left, right, middle

class InputState {
  public:
    void setKey(int keyCode, bool down);
    bool keyDown(int keyCode) const;
    // Held keys are forgotten when the window loses focus: their release never arrives.
    void releaseAll();

    void setMouse(Point position) { mouse_ = position; }
    void setButton(int button, bool down);
    bool buttonDown(int button) const;
    Point mousePosition() const { return mouse_; }
    // Movement since the previous call.
    Point takeRelative();

  private:
    std::array<bool, kKeyCodeCount> keys_{};
    std::array<bool, kMouseButtonCount> buttons_{};
    Point mouse_;
    Point lastQueried_;
};

} // namespace engine
