#include "engine/gamepad_keys.hpp"

#include <cmath>

namespace engine {
namespace {

bool pressed(const std::array<bool, kPadButtonCount>& buttons, PadButton b) {
    return buttons[std::size_t(b)];
}

} // namespace

void PadKeys::setButton(PadButton button, bool down) {
    const auto i = std::size_t(button);
    if (i < buttons_.size())
        buttons_[i] = down;
}

void PadKeys::setAxis(PadAxis axis, float value) {
    const auto i = std::size_t(axis);
    if (i >= stick_.size())
        return;
    if (!std::isfinite(value)) // a broken reading centres rather than steers
        value = 0.0f;
    int& direction = stick_[i];
    if (value >= kStickEngage)
        direction = 1;
    else if (value <= -kStickEngage)
        direction = -1;
    else if (direction == 1 ? value < kStickDeadZone : value > -kStickDeadZone)
        direction = 0;
}

bool PadKeys::holds(int keyCode) const {
    const int x = stick_[std::size_t(PadAxis::LeftX)];
    const int y = stick_[std::size_t(PadAxis::LeftY)];
    switch (keyCode) {
    case key::Up:
        return pressed(buttons_, PadButton::DpadUp) || y < 0;
    case key::Down:
        return pressed(buttons_, PadButton::DpadDown) || y > 0;
    case key::Left:
        return pressed(buttons_, PadButton::DpadLeft) || x < 0;
    case key::Right:
        return pressed(buttons_, PadButton::DpadRight) || x > 0;
    case key::Enter:
        return pressed(buttons_, PadButton::A);
    case key::Escape:
        return pressed(buttons_, PadButton::B) || pressed(buttons_, PadButton::Start);
    default:
        return false;
    }
}

void PadKeys::release() {
    buttons_.fill(false);
    stick_.fill(0);
}

void Gamepads::releaseAll() {
    for (auto& [id, pad] : pads_)
        pad.release();
}

bool Gamepads::keyDown(int keyCode) const {
    for (const auto& [id, pad] : pads_)
        if (pad.holds(keyCode))
            return true;
    return false;
}

} // namespace engine
