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
        if (pending_[arrow] || (held_[arrow] && now - interval_ > lastStep_)) {
            pending_[arrow] = false;
            lastStep_ = now;
            interval_ = std::max(interval_ - 1, kShortestInterval);
            steps.push_back(static_cast<Arrow>(arrow));
        }
    }
    return steps;
}

} // namespace leveleditor
