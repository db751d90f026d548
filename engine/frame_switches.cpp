#include "engine/frame_switches.hpp"

namespace engine {
namespace {

// Four taps ahead at most: a flood of changes (a stuck frame, a tool hammering a key) must not
// keep the game replaying old presses for long.
constexpr std::uint8_t kMostWaiting = 8;

} // namespace

void FrameSwitches::set(std::size_t index, bool down) {
    if (index >= switches_.size())
        return;
    Switch& s = switches_[index];
    const bool latest = s.shown != (s.waiting % 2 == 1);
    if (down == latest)
        return;
    if (s.waiting < kMostWaiting)
        ++s.waiting;
    else
        --s.waiting; // the newest change undoes the last waiting one: the state stays right
}

bool FrameSwitches::down(std::size_t index) const {
    return index < switches_.size() && switches_[index].shown;
}

void FrameSwitches::nextFrame() {
    for (Switch& s : switches_)
        if (s.waiting > 0) {
            s.shown = !s.shown;
            --s.waiting;
        }
}

void FrameSwitches::releaseAll() {
    for (Switch& s : switches_)
        s = {};
}

} // namespace engine
