// Gamepads read as the game's keys: what each connected pad holds, turned into arrow keys, Enter
// and Escape. Pure state, fed by SDL controller events or by a script.
#pragma once

#include "engine/engine.hpp"

#include <array>
#include <map>

namespace engine {

// A stick direction counts once the stick leaves the dead zone by a margin, and lets go only when
// it is back inside: a stick resting near the edge must not flicker the key.
inline constexpr float kStickDeadZone = 0.4f;
inline constexpr float kStickEngage = 0.5f;

// One pad.
class PadKeys {
  public:
    void setButton(PadButton button, bool down);
    void setAxis(PadAxis axis, float value);
    bool holds(int keyCode) const;
    void release();

  private:
    std::array<bool, kPadButtonCount> buttons_{};
    std::array<int, 2> stick_{}; // per axis -1, 0 or 1 once past the dead zone
};

// Every pad by its id.
class Gamepads {
  public:
    // A pad counts as connected before it has held anything.
    void connect(int pad) { pads_[pad]; }
    void setButton(int pad, PadButton button, bool down) { pads_[pad].setButton(button, down); }
    void setAxis(int pad, PadAxis axis, float value) { pads_[pad].setAxis(axis, value); }
    void remove(int pad) { pads_.erase(pad); }
    // Pads stay connected but hold nothing.
    void releaseAll();

    bool keyDown(int keyCode) const;
    int count() const { return int(pads_.size()); }

  private:
    std::map<int, PadKeys> pads_;
};

} // namespace engine
