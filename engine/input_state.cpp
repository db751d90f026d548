#include "engine/input_state.hpp"

namespace engine {

void InputState::setKey(int keyCode, bool down) {
    if (keyCode > 0 && keyCode < kKeyCodeCount)
        keys_[std::size_t(keyCode)] = down;
}

bool InputState::keyDown(int keyCode) const {
    return keyCode > 0 && keyCode < kKeyCodeCount && keys_[std::size_t(keyCode)];
}

void InputState::releaseAll() {
    keys_.fill(false);
    buttons_.fill(false);
}

void InputState::setButton(int button, bool down) {
    if (button >= 0 && button < int(buttons_.size()))
        buttons_[std::size_t(button)] = down;
}

bool InputState::buttonDown(int button) const {
    return button >= 0 && button < int(buttons_.size()) && buttons_[std::size_t(button)];
}

Point InputState::takeRelative() {
    Point d{mouse_.x - lastQueried_.x, mouse_.y - lastQueried_.y};
    lastQueried_ = mouse_;
    return d;
}

} // namespace engine
