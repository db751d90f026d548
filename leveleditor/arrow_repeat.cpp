#include "leveleditor/arrow_repeat.hpp"

#include <algorithm>

namespace leveleditor {

void ArrowRepeat::press(Arrow arrow) {
    held_[arrow] = true;
    pending_[arrow] = true;
}

void ArrowRepeat::release(Arrow arrow, std::uint32_t tick) {
    held_[arrow] = false;
    lastStep_ = static_cast<std::int64_t>(tick) - kStartInterval;
    interval_ = kStartInterval;
}

void ArrowRepeat::releaseAll(std::uint32_t tick) {
    pending_.fill(false);
    for (int arrow = 0; arrow < arrowCount; ++arrow) {
        if (held_[arrow]) {
            release(static_cast<Arrow>(arrow), tick);
        }
    }
}

std::vector<ArrowRepeat::Arrow> ArrowRepeat::due(std::uint32_t tick) {
    std::vector<Arrow> steps;
    const auto now = static_cast<std::int64_t>(tick);
    for (int arrow = 0; arrow < arrowCount; ++arrow) {
        if (pending_[arrow]) {
            pending_[arrow] = false;
            lastStep_ = now;
            interval_ = std::max(interval_ - 1, kShortestInterval);
            steps.push_back(static_cast<Arrow>(arrow));
            continue;
        }
        if (!held_[arrow]) {
            continue;
        }
        // Frames come at the display's pace, not the arrow's: every step due since the last
        // one runs, each at the tick it fell due, so a slow frame makes no slow arrow. A loop
        // that stood still (a modal box) catches up only a little.
        lastStep_ = std::max(lastStep_, now - interval_ - kLongestCatchUp);
        while (now - interval_ > lastStep_) {
            lastStep_ += interval_ + 1;
            interval_ = std::max(interval_ - 1, kShortestInterval);
            steps.push_back(static_cast<Arrow>(arrow));
        }
    }
    return steps;
}

} // namespace leveleditor
