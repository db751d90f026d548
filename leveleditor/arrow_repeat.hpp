#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace leveleditor {

// The four "+" and "-" arrows step once when pressed and then faster and faster while held:
// one shared interval starts at 100 ms and shrinks by 1 ms per step down to 20 ms.
class ArrowRepeat {
  public:
    enum Arrow { bubblesUp, bubblesDown, timeUp, timeDown, arrowCount };

    // A press steps in the next frame even when it is let go before that frame.
    void press(Arrow arrow);
    void release(Arrow arrow, std::uint32_t tick);
    bool held(Arrow arrow) const { return held_[arrow]; }
    // Forgets held arrows (a press whose release never arrives, e.g. the window lost the mouse).
    void releaseAll(std::uint32_t tick);

    // The steps due by this tick, in the order bubbles up, down, time up, down; a held arrow
    // may step more than once in one frame.
    std::vector<Arrow> due(std::uint32_t tick);

  private:
    static constexpr int kStartInterval = 100;
    static constexpr int kShortestInterval = 20;
    static constexpr int kLongestCatchUp = 100; // ms of a stalled loop made up for

    std::array<bool, arrowCount> held_{};
    std::array<bool, arrowCount> pending_{};
    int interval_ = kStartInterval;
    std::int64_t lastStep_ = 0;
};

} // namespace leveleditor
